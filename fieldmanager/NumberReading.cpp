#include "fieldmanager/NumberReading.h"

#include "platform/sys/Error.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace zirirur {

namespace {

bool IsSkipped(char c) {
    return c == ' ' || c == '\t' || c == '\n';
}
bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// The readable number at the start of the text, with the skipped characters taken out.
std::string NumberPart(std::string_view text) {
    std::string number;
    enum class Stage { Sign, Mantissa, ExponentSign, Exponent } stage = Stage::Sign;
    bool point = false;
    bool mantissaDigits = false;
    for (char c : text) {
        if (IsSkipped(c))
            continue;
        if (stage == Stage::Sign) {
            stage = Stage::Mantissa;
            if (c == '+' || c == '-') {
                number += c;
                continue;
            }
        }
        if (stage == Stage::Mantissa) {
            if (IsDigit(c)) {
                number += c;
                mantissaDigits = true;
                continue;
            }
            if (c == '.' && !point) {
                number += c;
                point = true;
                continue;
            }
            if ((c == 'E' || c == 'e') && mantissaDigits) {
                stage = Stage::ExponentSign;
                number += 'E';
                continue;
            }
            break;
        }
        if (stage == Stage::ExponentSign) {
            stage = Stage::Exponent;
            if (c == '+' || c == '-') {
                number += c;
                continue;
            }
        }
        if (stage == Stage::Exponent && IsDigit(c)) {
            number += c;
            continue;
        }
        break;
    }
    return number;
}

} // namespace

double NumberReading::read(std::string_view text) {
    const std::string number = NumberPart(text);
    if (number.empty())
        return 0;
    // strtod stops by itself at an exponent without digits ("1E" reads as 1).
    const double value = std::strtod(number.c_str(), nullptr);
    if (!std::isfinite(value))
        sys::raise(sys::ErrOverflow);
    return value;
}

std::string NumberReading::write(double number) {
    if (number == 0)
        return "0";
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.15G", number);
    // %G gives the plain form up to 15 digits and "1E+20", "1.5E-07" beyond, as users expect.
    return buffer;
}

std::string NumberReading::normalised(std::string_view text) {
    return write(read(text));
}

} // namespace zirirur
