#pragma once

#include <stdexcept>
#include <string>

namespace sys {

// Error numbers that callers test for; the descriptions are the ones users see.
enum ErrorNumber : int {
    ErrInvalidCall = 5,
    ErrOverflow = 6,
    ErrSubscript = 9,
    ErrTypeMismatch = 13,
    ErrLoadingLibrary = 48,
    ErrBadFileName = 52,
    ErrFileNotFound = 53,
    ErrBadFileMode = 54,
    ErrFileAlreadyOpen = 55,
    ErrDeviceIO = 57,
    ErrFileAlreadyExists = 58,
    ErrBadRecordLength = 59,
    ErrDiskFull = 61,
    ErrInputPastEnd = 62,
    ErrBadRecordNumber = 63,
    ErrTooManyFiles = 67,
    ErrPermissionDenied = 70,
    ErrPathFileAccess = 75,
    ErrPathNotFound = 76,
    ErrObjectVariableNotSet = 91,
    ErrObjectRequired = 424,
    ErrNoSuchProperty = 438,
    ErrEntryPointNotFound = 453,
    ErrRegistryCorrupt = 1009,
    ErrCancelled = 32755,
};

// The one error type of the platform: a failing call raises it with a number and a
// description, the way the add-in's handlers expect errors to look.
class Error : public std::runtime_error {
public:
    Error(int number, std::string description);

    int number() const { return m_number; }
    const std::string& description() const { return m_description; }

private:
    int m_number = 0;
    std::string m_description;
};

// The usual description for an error number ("File not found" for 53, ...).
std::string describeError(int number);

// Raises Error with the number and, when none is given, its usual description.
[[noreturn]] void raise(int number, std::string description = {});

} // namespace sys
