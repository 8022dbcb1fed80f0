#include "platform/sys/RandomFile.h"

#include "platform/sys/Error.h"
#include "platform/sys/FileSystem.h"

#include <limits>

namespace sys {

RandomFile::RandomFile(std::string_view path, std::size_t recordLength)
    : m_path(path), m_recordLength(recordLength) {
    if (m_recordLength == 0)
        raise(ErrBadRecordLength);
    FileSystem::writeAt(m_path, 0, {}); // creates a missing file, as opening one does
}

void RandomFile::put(long record, std::string_view bytes) {
    if (bytes.size() > m_recordLength)
        raise(ErrBadRecordLength);
    FileSystem::writeAt(m_path, offsetOf(record), bytes);
    m_next = record + 1;
}

void RandomFile::put(std::string_view bytes) {
    put(m_next, bytes);
}

std::string RandomFile::get(long record) {
    std::string bytes = FileSystem::readAt(m_path, offsetOf(record), m_recordLength);
    bytes.resize(m_recordLength, '\0');
    m_next = record + 1;
    return bytes;
}

std::string RandomFile::get() {
    return get(m_next);
}

void RandomFile::appendInt32(std::string& record, std::int32_t value) {
    auto bits = static_cast<std::uint32_t>(value);
    for (int shift = 0; shift < 32; shift += 8)
        record += static_cast<char>((bits >> shift) & 0xFF);
}

std::int32_t RandomFile::int32At(std::string_view record, std::size_t offset) {
    if (offset > record.size() || record.size() - offset < 4)
        return 0;
    std::uint32_t bits = 0;
    for (int k = 3; k >= 0; --k)
        bits =
            (bits << 8) | static_cast<unsigned char>(record[offset + static_cast<std::size_t>(k)]);
    return static_cast<std::int32_t>(bits);
}

std::uint64_t RandomFile::offsetOf(long record) const {
    if (record < 1 || record > std::numeric_limits<std::int32_t>::max())
        raise(ErrBadRecordNumber);
    return static_cast<std::uint64_t>(record - 1) * m_recordLength;
}

} // namespace sys
