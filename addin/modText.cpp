#include "addin/modText.h"

#include "platform/sys/Error.h"
#include "platform/sys/FileSystem.h"
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
    std::string Result;
    long Start = 1;
    long Pos = text::find(Text, Find, Start, text::Compare::IgnoreCase);
    while (Pos != 0) {
        Result += text::mid(Text, Start, Pos - Start);
        Result += ReplaceWith;
        Start = Pos + text::length(Find);
        Pos = text::find(Text, Find, Start, text::Compare::IgnoreCase);
    }
    Result += text::mid(Text, Start);
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
    long P1 = text::find(Text, StartMark, 1, text::Compare::IgnoreCase);
    long S = P1 + text::length(StartMark);
    long P2 = text::find(Text, EndMark, S, text::Compare::IgnoreCase);
    if (P1 != 0 && P2 != 0)
        return text::mid(Text, S, P2 - S);
    return {};
}

} // namespace zirirur
