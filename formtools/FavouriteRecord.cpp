#include "formtools/FavouriteRecord.h"

#include "addin/modText.h"

namespace zirirur {

std::string FavouriteRecord::text() const {
    return "[" + Name + "](" + Description + "){" + Action + "}<" + Method + ">#%" + FormName +
           "%#" + "\r";
}

std::string FavouriteRecord::NameOf(const std::string& line) {
    return TextBetween(line, "[", "]");
}

std::string FavouriteRecord::DescriptionOf(const std::string& line) {
    return TextBetween(line, "(", ")");
}

} // namespace zirirur
