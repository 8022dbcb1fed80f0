#pragma once

#include <string>
#include <string_view>

namespace zirirur {

// Which event attribute of a field holds a statement.
enum class EffectAttribute { OnFocus, OnBlur, OnKeyUp };

// A script file of the installation that statements call, and the id of its script element.
struct ScriptFile {
    std::string_view id;
    std::string_view fileName;
};

// One statement that the field manager writes into a field's event attribute, with the markers
// by which its old copy is found. A statement is either a fixed text or the start marker, an
// argument and the end marker; fixed statements may still be found through markers.
class EffectStatement {
public:
    EffectAttribute attribute;
    std::string_view fixedText;
    std::string_view startMarker;
    std::string_view endMarker;

    // The statement as written: the fixed text, or the markers around the argument.
    std::string text(std::string_view argument = {}) const;
    // The copy to remove from an attribute's value: the fixed text, or the start marker, the
    // text between the first start marker and the next end marker, and the end marker.
    std::string oldCopy(std::string_view value) const;
    // The value without every copy of the old one (without regard to case), trimmed of blanks.
    std::string remainder(std::string_view value) const;

    // The add rule: old copies out, then the new statement at the end, joined by ";".
    std::string added(std::string_view value, std::string_view statement) const;
    // The remove rule: old copies out; the rest as it stands (possibly empty).
    std::string removed(std::string_view value) const;

    // The statements of the effects.
    static const EffectStatement UpperCase;
    static const EffectStatement LowerCase;
    static const EffectStatement NumbersOnly;
    static const EffectStatement CharCounter;
    static const EffectStatement StatusOnFocus;
    static const EffectStatement StatusOnBlur;
    static const EffectStatement Lock;
    static const EffectStatement BoldOnFocus;
    static const EffectStatement BoldOnBlur;
    // Highlighting: the background and text colours while the field has the focus (onfocus)
    // and while it has not (onblur); the argument is a colour text.
    static const EffectStatement BackgroundOnFocus;
    static const EffectStatement TextColorOnFocus;
    static const EffectStatement BackgroundOnBlur;
    static const EffectStatement TextColorOnBlur;
    // A field is highlighted when its onfocus holds this (with regard to case).
    static constexpr std::string_view HighlightKey = "style.backgroundColor=";

    // The script files the statements call.
    static const ScriptFile TextFunctions;
    static const ScriptFile StatusScript;

    // The lock is added and removed by its own variant: after the old copy, every
    // "this.blur()" goes as well.
    static std::string lockAdded(std::string_view value);
    static std::string lockRemoved(std::string_view value);

    // Appends a statement to what remains of an attribute's value, with one ";" between.
    static std::string appended(std::string_view remainder, std::string_view statement);
    // What remains of an attribute's value after a removal, ended by ";" unless it is empty.
    static std::string closed(std::string_view remainder);
};

} // namespace zirirur
