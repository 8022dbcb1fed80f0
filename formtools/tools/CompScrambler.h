#pragma once

#include <string>

namespace zirirur {

// The writing side of the quick components store, for the components we ship and for tests:
// the add-in itself only reads the store. Failures raise std::invalid_argument saying why.

// The stored form of a section's text: for each character the one that GenerateCompCode turns
// back into it. Characters that the ANSI code page lacks, and the four highest codes of it,
// cannot be stored.
std::string ScrambleCompCode(const std::string& plain);

// compfld.dat from its readable source, a text of the same shape: the text between each
// section's markers is scrambled, the markers and everything outside them stay as they are.
// The source's line breaks must be single line feeds (the page holds them so, and a component
// inserted twice must find its script already there). A source whose stored form would not read
// back section for section as the source is refused.
std::string ScrambleCompData(const std::string& source);

} // namespace zirirur
