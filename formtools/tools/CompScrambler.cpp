#include "formtools/tools/CompScrambler.h"

#include "addin/modText.h"
#include "formtools/CompStore.h"
#include "platform/sys/Text.h"

#include <algorithm>
#include <stdexcept>
#include <vector>

namespace zirirur {

namespace text = sys::text;

namespace {

// The stored code that GenerateCompCode turns into the wanted one.
int StoredCode(int wanted) {
    if (wanted + 4 > 70)
        return wanted + 4;
    if (wanted + 2 > 60)
        return wanted + 2;
    return wanted + 1;
}

// Where a section's text lies in the source: characters [from, to), 1-based.
struct SectionSpan {
    long from = 0;
    long to = 0;
};

} // namespace

std::string ScrambleCompCode(const std::string& plain) {
    const std::string ansi = text::toAnsi(plain);
    if (text::fromAnsi(ansi) != plain)
        throw std::invalid_argument("it holds a character that the ANSI code page lacks");
    std::string stored;
    for (const unsigned char wanted : ansi) {
        const int code = StoredCode(wanted);
        if (code > 255)
            throw std::invalid_argument("it holds a character of code 252 or above, which no "
                                        "stored character gives");
        stored += static_cast<char>(code);
    }
    return text::fromAnsi(stored);
}

std::string ScrambleCompData(const std::string& source) {
    if (source.find('\r') != std::string::npos)
        throw std::invalid_argument("it holds a carriage return: line breaks are single line "
                                    "feeds");

    std::vector<SectionSpan> spans;
    for (const CompSection& section : CompSections) {
        const long start = text::find(source, section.StartMark, 1, text::Compare::IgnoreCase);
        if (start == 0)
            continue;
        const long from = start + text::length(section.StartMark);
        const long end = text::find(source, section.EndMark, from, text::Compare::IgnoreCase);
        if (end != 0)
            spans.push_back({from, end});
    }
    std::sort(spans.begin(), spans.end(),
              [](const SectionSpan& a, const SectionSpan& b) { return a.from < b.from; });

    std::string stored;
    long next = 1;
    for (const SectionSpan& span : spans) {
        if (span.from < next)
            throw std::invalid_argument("its sections overlap");
        stored += text::mid(source, next, span.from - next);
        stored += ScrambleCompCode(text::mid(source, span.from, span.to - span.from));
        next = span.to;
    }
    stored += text::mid(source, next);

    // A marker that the scrambling happened to make would cut a section short.
    for (const CompSection& section : CompSections) {
        const std::string wanted = TextBetween(source, section.StartMark, section.EndMark);
        const std::string read =
            GenerateCompCode(TextBetween(stored, section.StartMark, section.EndMark));
        if (read != wanted)
            throw std::invalid_argument(std::string("its section ") + section.StartMark +
                                        " would not read back as written");
    }
    return stored;
}

} // namespace zirirur
