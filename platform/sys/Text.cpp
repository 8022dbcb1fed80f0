#include "platform/sys/Text.h"

#include "platform/sys/FoldedText.h"

#include <array>
#include <cstdint>
#include <cstring>

namespace sys::text {

namespace {

bool isContinuation(unsigned char byte) {
    return (byte & 0xC0) == 0x80;
}

constexpr char32_t kInvalid = 0xFFFD;

// Decodes the character that starts at s[i]; sets len to its byte length. A byte that does not
// start a valid shortest-form sequence is one character of its own (kInvalid, length 1), so
// counting, slicing and case folding agree on every input and folding never moves a byte.
char32_t decodeAt(std::string_view s, size_t i, size_t& len) {
    unsigned char b0 = static_cast<unsigned char>(s[i]);
    len = 1;
    if (b0 < 0x80)
        return b0;
    size_t need = 0;
    char32_t smallest = 0;
    if ((b0 & 0xE0) == 0xC0) {
        need = 1;
        smallest = 0x80;
    } else if ((b0 & 0xF0) == 0xE0) {
        need = 2;
        smallest = 0x800;
    } else if ((b0 & 0xF8) == 0xF0) {
        need = 3;
        smallest = 0x10000;
    } else {
        return kInvalid;
    }
    if (i + need >= s.size())
        return kInvalid;
    char32_t cp = b0 & (0x3F >> need);
    for (size_t k = 1; k <= need; ++k) {
        unsigned char b = static_cast<unsigned char>(s[i + k]);
        if (!isContinuation(b))
            return kInvalid;
        cp = (cp << 6) | (b & 0x3F);
    }
    if (cp < smallest || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
        return kInvalid;
    len = need + 1;
    return cp;
}

// Case pairs of the scripts that the ANSI code pages of the system cover. Every pair keeps
// its UTF-8 length, so a folded text has its characters at the same byte offsets.
char32_t toUpperCp(char32_t c) {
    if (c >= 'a' && c <= 'z')
        return c - 32;
    if (c < 0x80)
        return c;
    if ((c >= 0xE0 && c <= 0xFE && c != 0xF7))
        return c - 0x20;
    if (c == 0xFF)
        return 0x178;
    if (c >= 0x100 && c <= 0x17F) {
        // Latin Extended-A: mostly even upper / odd lower, shifted by one in 0x139-0x148 and
        // 0x179-0x17E.
        bool shifted = (c >= 0x139 && c <= 0x148) || (c >= 0x179 && c <= 0x17E);
        if (c == 0x131 || c == 0x138 || c == 0x149 || c == 0x17F)
            return c;
        if (shifted)
            return (c % 2 == 0) ? c - 1 : c;
        return (c % 2 == 1) ? c - 1 : c;
    }
    if (c >= 0x3B1 && c <= 0x3C9 && c != 0x3C2)
        return c - 0x20;
    if (c >= 0x430 && c <= 0x44F)
        return c - 0x20;
    if (c >= 0x450 && c <= 0x45F)
        return c - 0x50;
    return c;
}

char32_t toLowerCp(char32_t c) {
    if (c >= 'A' && c <= 'Z')
        return c + 32;
    if (c < 0x80)
        return c;
    if (c >= 0xC0 && c <= 0xDE && c != 0xD7)
        return c + 0x20;
    if (c == 0x178)
        return 0xFF;
    if (c >= 0x100 && c <= 0x17F) {
        bool shifted = (c >= 0x139 && c <= 0x148) || (c >= 0x179 && c <= 0x17E);
        if (c == 0x130 || c == 0x138 || c == 0x149 || c == 0x17F)
            return c;
        if (shifted)
            return (c % 2 == 1) ? c + 1 : c;
        return (c % 2 == 0) ? c + 1 : c;
    }
    if (c >= 0x391 && c <= 0x3A9 && c != 0x3A2)
        return c + 0x20;
    if (c >= 0x410 && c <= 0x42F)
        return c + 0x20;
    if (c >= 0x400 && c <= 0x40F)
        return c + 0x50;
    return c;
}

// Eight bytes of s from i, as one number.
uint64_t blockAt(std::string_view s, size_t i) {
    uint64_t block;
    std::memcpy(&block, s.data() + i, sizeof block);
    return block;
}

constexpr uint64_t kEachByte = 0x0101010101010101;
constexpr uint64_t kHighBits = 0x80 * kEachByte;

// The bytes of a block of ASCII from first to last, each as 0x20 (the bit that tells an ASCII
// letter's cases apart), the other bytes as 0. Adding to the low seven bits of a byte never
// carries into the next byte, so the eight bytes are compared at once.
uint64_t caseBits(uint64_t block, unsigned char first, unsigned char last) {
    uint64_t fromFirst = block + (0x80 - first) * kEachByte;   // high bit: byte >= first
    uint64_t pastLast = block + (0x80 - last - 1) * kEachByte; // high bit: byte > last
    return ((fromFirst & ~pastLast) & kHighBits) >> 2;
}

// The text is copied and each character mapped where it stands: a case pair keeps its UTF-8
// length, so nothing moves. Undecodable bytes are kept as they are. Runs of ASCII, most of
// what the tools search, go eight bytes at a time: asciiBits gives the bits to flip.
template <typename Map, typename AsciiBits>
std::string mapChars(std::string_view s, Map map, AsciiBits asciiBits) {
    std::string out(s);
    std::string mapped;
    for (size_t i = 0; i < s.size();) {
        if (i + 8 <= s.size()) {
            uint64_t block = blockAt(s, i);
            if ((block & kHighBits) == 0) {
                block ^= asciiBits(block);
                std::memcpy(out.data() + i, &block, sizeof block);
                i += 8;
                continue;
            }
        }
        unsigned char byte = static_cast<unsigned char>(s[i]);
        if (byte < 0x80) {
            out[i++] = static_cast<char>(map(byte));
            continue;
        }
        size_t len = 1;
        char32_t cp = decodeAt(s, i, len);
        if (len > 1) {
            mapped.clear();
            appendUtf8(mapped, map(cp));
            out.replace(i, len, mapped);
        }
        i += len;
    }
    return out;
}

// Windows-1252's characters 0x80 to 0x9F; the five undefined ones map to the C1 controls.
constexpr std::array<char32_t, 32> kCp1252High = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

int ansiOf(char32_t cp) {
    if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF))
        return static_cast<int>(cp);
    for (size_t k = 0; k < kCp1252High.size(); ++k)
        if (kCp1252High[k] == cp)
            return static_cast<int>(0x80 + k);
    return '?';
}

} // namespace

void appendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

size_t findBytes(std::string_view haystack, std::string_view needle, size_t from) {
    if (from > haystack.size())
        return std::string_view::npos;
    if (needle.empty())
        return from;
    // The C library's search skips ahead on a mismatch, where a search for the first byte
    // stops at each of its many occurrences in markup ("<", "I").
    const void* at =
        ::memmem(haystack.data() + from, haystack.size() - from, needle.data(), needle.size());
    return at == nullptr ? std::string_view::npos
                         : static_cast<size_t>(static_cast<const char*>(at) - haystack.data());
}

bool wellFormed(std::string_view s) {
    for (size_t i = 0; i < s.size();) {
        size_t len = 1;
        decodeAt(s, i, len);
        if (len == 1 && static_cast<unsigned char>(s[i]) >= 0x80)
            return false;
        i += len;
    }
    return true;
}

size_t charLength(std::string_view s, size_t i) {
    size_t len = 1;
    decodeAt(s, i, len);
    return len;
}

size_t byteOffset(std::string_view s, long pos) {
    if (pos <= 1)
        return 0;
    long chars = 1;
    for (size_t i = 0; i < s.size(); i += charLength(s, i)) {
        if (chars++ == pos)
            return i;
    }
    return s.size();
}

long length(std::string_view s) {
    long n = 0;
    for (size_t i = 0; i < s.size(); i += charLength(s, i))
        ++n;
    return n;
}

std::string left(std::string_view s, long n) {
    if (n <= 0)
        return {};
    if (n >= length(s))
        return std::string(s);
    return std::string(s.substr(0, byteOffset(s, n + 1)));
}

std::string right(std::string_view s, long n) {
    if (n <= 0)
        return {};
    long len = length(s);
    if (n >= len)
        return std::string(s);
    return std::string(s.substr(byteOffset(s, len - n + 1)));
}

std::string mid(std::string_view s, long start, long count) {
    if (start < 1)
        start = 1;
    size_t from = byteOffset(s, start);
    if (from >= s.size() || count == 0)
        return {};
    // A count past the end (the callers' "the rest") must not overflow start + count.
    if (count < 0 || count > length(s) - start)
        return std::string(s.substr(from));
    size_t to = byteOffset(s, start + count);
    return std::string(s.substr(from, to - from));
}

long find(std::string_view haystack, std::string_view needle, long start, Compare compare) {
    if (compare == Compare::IgnoreCase)
        return FoldedText(haystack).find(needle, start);
    if (start < 1)
        start = 1;
    if (start > length(haystack) + 1)
        return 0;
    size_t at = haystack.find(needle, byteOffset(haystack, start));
    if (at == std::string_view::npos)
        return 0;
    return length(haystack.substr(0, at)) + 1;
}

std::string lowerAscii(std::string_view s) {
    std::string out(s);
    for (char& c : out)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return out;
}

bool equalIgnoringAsciiCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        char x = a[i], y = b[i];
        if (x >= 'A' && x <= 'Z')
            x = static_cast<char>(x - 'A' + 'a');
        if (y >= 'A' && y <= 'Z')
            y = static_cast<char>(y - 'A' + 'a');
        if (x != y)
            return false;
    }
    return true;
}

std::string upper(std::string_view s) {
    return mapChars(
        s, [](char32_t c) { return toUpperCp(c); },
        [](uint64_t block) { return caseBits(block, 'a', 'z'); });
}
std::string lower(std::string_view s) {
    return mapChars(
        s, [](char32_t c) { return toLowerCp(c); },
        [](uint64_t block) { return caseBits(block, 'A', 'Z'); });
}

bool equal(std::string_view a, std::string_view b, Compare compare) {
    if (compare == Compare::Exact)
        return a == b;
    return upper(a) == upper(b);
}

std::string trimLeft(std::string_view s) {
    size_t i = 0;
    while (i < s.size() && s[i] == ' ')
        ++i;
    return std::string(s.substr(i));
}

std::string trimRight(std::string_view s) {
    size_t n = s.size();
    while (n > 0 && s[n - 1] == ' ')
        --n;
    return std::string(s.substr(0, n));
}

std::string trim(std::string_view s) {
    return trimRight(trimLeft(s));
}

std::string fromAnsi(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size());
    for (unsigned char b : bytes) {
        if (b >= 0x80 && b < 0xA0)
            appendUtf8(out, kCp1252High[b - 0x80]);
        else
            appendUtf8(out, b);
    }
    return out;
}

std::string toAnsi(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    for (size_t i = 0; i < utf8.size();) {
        size_t len = 1;
        char32_t cp = decodeAt(utf8, i, len);
        out += static_cast<char>(ansiOf(cp));
        i += len;
    }
    return out;
}

int ansiCode(std::string_view s) {
    if (s.empty())
        return 0;
    size_t len = 1;
    return ansiOf(decodeAt(s, 0, len));
}

} // namespace sys::text
