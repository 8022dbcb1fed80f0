#include "colorpicker/ColorText.h"

#include "platform/sys/Text.h"

namespace zirirur {

namespace text = sys::text;

namespace {

// The upper-case hexadecimal form without leading zeros; a negative 16-bit value shows its
// two's complement, four digits.
std::string hexOf(std::int16_t value) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    unsigned bits = static_cast<std::uint16_t>(value);
    std::string form;
    do {
        form.insert(form.begin(), kDigits[bits % 16]);
        bits /= 16;
    } while (bits != 0);
    return form;
}

std::string paddedHex(std::int16_t value) {
    std::string form = hexOf(value);
    if (form.size() == 1)
        form = "0" + form;
    return form;
}

std::int32_t pairValue(const std::string& pair) {
    return 16 * HexDigitValue(text::mid(pair, 1, 1)) + HexDigitValue(text::mid(pair, 2, 1));
}

} // namespace

std::string MakeHTMLColor(std::int16_t R, std::int16_t G, std::int16_t B) {
    return "#" + paddedHex(R) + paddedHex(G) + paddedHex(B);
}

std::int16_t HexDigitValue(const std::string& ch) {
    if (ch.size() != 1)
        return 0;
    char c = ch[0];
    if (c >= '0' && c <= '9')
        return static_cast<std::int16_t>(c - '0');
    if (c >= 'A' && c <= 'F')
        return static_cast<std::int16_t>(c - 'A' + 10);
    return 0;
}

std::int32_t WhatRGB(const std::string& ValHex) {
    if (text::length(ValHex) < 6)
        return 0;
    std::string s = ValHex;
    if (text::left(s, 1) == "#")
        s = text::right(s, 6);
    std::int32_t R = pairValue(text::left(s, 2));
    std::int32_t G = pairValue(text::mid(s, 3, 2));
    std::int32_t B = pairValue(text::right(s, 2));
    return R + 256 * G + 65536 * B;
}

} // namespace zirirur
