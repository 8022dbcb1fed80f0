#pragma once

#include <string>

namespace zirirur {

// One line of the favourites index: the favourite's name and description as typed, and the
// saved form's action, method and name, between fixed marks and with nothing escaped. Only the
// name and the description are ever read back.
struct FavouriteRecord {
    std::string Name;
    std::string Description;
    std::string Action;
    std::string Method;
    std::string FormName;

    // The record's text: "[Name](Description){Action}<Method>#%FormName%#" and a CR of its own,
    // so that with the CR LF of the write each record ends in CR CR LF.
    std::string text() const;

    // The name of an index line: the text between its first "[" and the next "]"; empty when
    // either is missing.
    static std::string NameOf(const std::string& line);
    // The description of an index line: the text between its first "(" and the next ")".
    static std::string DescriptionOf(const std::string& line);
};

} // namespace zirirur
