#pragma once

#include <string>

namespace zirirur {

// The shared text, file and name routines. Texts are UTF-8; positions count characters.
// "Without regard to case" compares letters case-insensitively, everything else exactly.

// True when Text is not empty and each of its characters is an ASCII letter, a digit, "-" or
// the blank: the names under which favourites are stored as files.
bool IsValidFavName(const std::string& Text);

// Opens a file or web address with the shell's default handler, shown normally; whatever
// the shell answers is not examined.
void ShellOpen(const std::string& Target);

// Text with every occurrence of Find replaced by ReplaceWith, found left to right without
// regard to case and never overlapping; the replacement is not searched again. An empty Find
// gives Text unchanged.
std::string ReplaceText(const std::string& Text, const std::string& Find,
                        const std::string& ReplaceWith);

// The whole file, converted from the ANSI code page; empty when the file does not exist.
// Errors other than a missing file reach the caller.
std::string ReadFile(const std::string& Path);

// Whether Path can be opened for input: False for a missing file (error 53); every other
// error (a missing folder, a folder, a device or a pipe, no permission) is raised to the
// caller.
bool FileExists(const std::string& Path);

// The text between the first StartMark and the next EndMark after it, found without regard to
// case; empty when either is missing.
std::string TextBetween(const std::string& Text, const std::string& StartMark,
                        const std::string& EndMark);

} // namespace zirirur
