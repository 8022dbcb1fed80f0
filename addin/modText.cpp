#include "addin/modText.h"

#include "platform/sys/Error.h"
#include "platform/sys/FileSystem.h"
#include "platform/sys/FoldedText.h"
#include "platform/sys/Shell.h"
#include "platform/sys/Text.h"

namespace zirirur {

namespace text = sys::text;

bool IsValidFavName(const std::string& Text) {
    // One code page byte per character: the code page decides what counts as a letter.
    std::string codes = text::toAnsi(Text);
    if (codes.empty())
        return false;
    bool valid = true;
    for (unsigned char code : codes) { // every character is examined
        bool allowed = (code >= 48 && code <= 57) || (code >= 65 && code <= 90) ||
                       (code >= 97 && code <= 122) || code == '-' || code == 32;
        if (!allowed)
            valid = false;
    }
    return valid;
}

void ShellOpen(const std::string& Target) {
    sys::Shell::open(Target);
}

std::string ReplaceText(const std::string& Text, const std::string& Find,
                        const std::string& ReplaceWith) {
    // An empty Find would be found at every position without moving on.
    if (Find.empty())
        return Text;
    // The text is folded once for all the occurrences, not once for each, and Start and Pos
    // are kept as the byte offsets where those character positions start.
    text::FoldedText Searched(Text);
    std::string Result;
    std::size_t Start = 0;
    auto Pos = Searched.next(Find, Start);
    while (Pos) {
        Result.append(Text, Start, Pos->begin - Start);
        Result += ReplaceWith;
        Start = Pos->end;
        Pos = Searched.next(Find, Start);
    }
    Result.append(Text, Start);
    return Result;
}

std::string ReadFile(const std::string& Path) {
    if (!FileExists(Path))
        return {};
    return text::fromAnsi(sys::FileSystem::readBytes(Path));
}

bool FileExists(const std::string& Path) {
    try {
        sys::FileSystem::openForInput(Path);
        return true;
    } catch (const sys::Error& error) {
        // Only a missing file is an answer; anything else is the caller's to handle.
        if (error.number() == sys::ErrFileNotFound)
            return false;
        throw;
    }
}

std::string TextBetween(const std::string& Text, const std::string& StartMark,
                        const std::string& EndMark) {
    text::FoldedText Searched(Text);
    long P1 = Searched.find(StartMark, 1);
    long S = P1 + text::length(StartMark);
    long P2 = Searched.find(EndMark, S);
    if (P1 != 0 && P2 != 0)
        return std::string(Searched.mid(S, P2 - S));
    return {};
}

} // namespace zirirur
