#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace sys {

// A file of fixed-length records, numbered from 1, as the custom palette file is kept: opening
// creates a missing file and cuts nothing off an existing one; records are read and written
// by number or one after the other. Numbers in records are signed 32-bit little-endian.
class RandomFile {
public:
    // Raises as opening the file for writing raises (76 missing folder, 75 a folder, ...).
    RandomFile(std::string_view path, std::size_t recordLength);

    // Writes bytes at the start of the record, the rest of the file as it was. Bytes longer
    // than a record raise 59; a number outside 1 to 2,147,483,647 raises 63, here and in get.
    void put(long record, std::string_view bytes);
    // Writes the record after the one last read or written.
    void put(std::string_view bytes);
    // The record's bytes; what lies past the end of the file reads as zeros.
    std::string get(long record);
    std::string get();

    static void appendInt32(std::string& record, std::int32_t value);
    // The number at offset; zero where the record is too short to hold it.
    static std::int32_t int32At(std::string_view record, std::size_t offset);

private:
    std::uint64_t offsetOf(long record) const;

    std::string m_path;
    std::size_t m_recordLength = 0;
    long m_next = 1;
};

} // namespace sys
