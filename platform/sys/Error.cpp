#include "platform/sys/Error.h"

namespace sys {

Error::Error(int number, std::string description)
    : std::runtime_error(description), m_number(number), m_description(std::move(description)) {}

std::string describeError(int number) {
    switch (number) {
    case ErrInvalidCall:
        return "Invalid procedure call or argument";
    case ErrOverflow:
        return "Overflow";
    case ErrSubscript:
        return "Subscript out of range";
    case ErrTypeMismatch:
        return "Type mismatch";
    case ErrLoadingLibrary:
        return "Error in loading DLL";
    case ErrBadFileName:
        return "Bad file name or number";
    case ErrFileNotFound:
        return "File not found";
    case ErrBadFileMode:
        return "Bad file mode";
    case ErrFileAlreadyOpen:
        return "File already open";
    case ErrDeviceIO:
        return "Device I/O error";
    case ErrFileAlreadyExists:
        return "File already exists";
    case ErrBadRecordLength:
        return "Bad record length";
    case ErrDiskFull:
        return "Disk full";
    case ErrInputPastEnd:
        return "Input past end of file";
    case ErrBadRecordNumber:
        return "Bad record number";
    case ErrTooManyFiles:
        return "Too many files";
    case ErrPermissionDenied:
        return "Permission denied";
    case ErrPathFileAccess:
        return "Path/File access error";
    case ErrPathNotFound:
        return "Path not found";
    case ErrObjectVariableNotSet:
        return "Object variable or With block variable not set";
    case ErrObjectRequired:
        return "Object required";
    case ErrNoSuchProperty:
        return "Object doesn't support this property or method";
    case ErrEntryPointNotFound:
        return "Can't find DLL entry point";
    case ErrRegistryCorrupt:
        return "The configuration registry database is corrupt";
    case ErrCancelled:
        return "Cancel was selected.";
    default:
        return "Application-defined or object-defined error";
    }
}

void raise(int number, std::string description) {
    if (description.empty())
        description = describeError(number);
    throw Error(number, std::move(description));
}

} // namespace sys
