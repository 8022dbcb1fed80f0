#include "platform/ui/TextEntry.h"

#include "platform/sys/Text.h"
#include "platform/ui/Event.h"
#include "platform/ui/Form.h"

namespace ui {

TextEntry::TextEntry(Form& form, std::string name, int index)
    : Control(form, std::move(name), index) {}

void TextEntry::typeCharacter(const std::string& character) {
    const int typed = sys::text::ansiCode(character);
    const int code = keyPress(typed);
    applyKey(code, typedCharacter(typed, code, character));
}

int TextEntry::keyPress(int keyAscii) {
    raiseEvent(onKeyPress, keyAscii);
    return keyAscii;
}

std::string TextEntry::typedCharacter(int typed, int code, const std::string& character) {
    // A handler that changed the key gives a character of the code page; an unchanged key
    // keeps the character as typed, also one that the code page lacks.
    if (code == typed)
        return character;
    return sys::text::fromAnsi(std::string(1, char(code)));
}

void TextEntry::userType(const std::string& text) {
    if (!takesTyping())
        refuseAction("takes no typing");
    typeCharacters(text, [this](const std::string& character) {
        const int typed = sys::text::ansiCode(character);
        int code = 0;
        runUserEvent("KeyPress", [&] { code = keyPress(typed); });
        if (!form().isLoaded())
            return;
        const std::string effect = typedCharacter(typed, code, character);
        runUserEvent("Change", [&] { applyKey(code, effect); });
    });
}

void TextEntry::userPressKey(int keyCode) {
    int key = keyCode;
    runUserEvent("KeyDown", [&] { raiseEvent(onKeyDown, key, 0); });
    const int character = key == 0 ? 0 : characterOfKey(key);
    if (character == 0 || !form().isLoaded())
        return;
    int code = 0;
    runUserEvent("KeyPress", [&] { code = keyPress(character); });
    if (!form().isLoaded())
        return;
    const std::string effect = sys::text::fromAnsi(std::string(1, char(code)));
    runUserEvent("Change", [&] { applyKey(code, effect); });
}

} // namespace ui
