#include "platform/editor/UndecodableByte.h"

namespace editor {

namespace {

// U+FFFD, then the lead bytes of U+FE00 to U+FE0F, whose last byte is 0x80 plus the half.
constexpr std::string_view kReplacement = "\xEF\xBF\xBD";
constexpr std::string_view kSelectorLead = "\xEF\xB8";

std::optional<unsigned char> halfAt(std::string_view text, std::size_t pos) {
    if (text.substr(pos, kSelectorLead.size()) != kSelectorLead ||
        pos + kSelectorLead.size() >= text.size())
        return std::nullopt;
    auto last = static_cast<unsigned char>(text[pos + kSelectorLead.size()]);
    if (last < 0x80 || last > 0x8F)
        return std::nullopt;
    return static_cast<unsigned char>(last - 0x80);
}

} // namespace

void UndecodableByte::append(std::string& text, unsigned char byte) {
    text += kReplacement;
    for (unsigned half : {byte / 16u, byte % 16u}) {
        text += kSelectorLead;
        text += static_cast<char>(0x80 + half);
    }
}

std::optional<unsigned char> UndecodableByte::at(std::string_view text, std::size_t pos) {
    if (text.substr(pos, kReplacement.size()) != kReplacement)
        return std::nullopt;
    auto high = halfAt(text, pos + 3);
    auto low = halfAt(text, pos + 6);
    if (!high || !low)
        return std::nullopt;
    return static_cast<unsigned char>((*high << 4) | *low);
}

std::size_t UndecodableByte::find(std::string_view text, std::size_t pos) {
    for (pos = text.find(kReplacement, pos); pos != std::string_view::npos;
         pos = text.find(kReplacement, pos + 1))
        if (at(text, pos))
            return pos;
    return std::string_view::npos;
}

} // namespace editor
