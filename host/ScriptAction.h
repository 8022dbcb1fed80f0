#pragma once

#include "host/Script.h"

#include <cstdint>
#include <optional>
#include <string>

namespace host {

// A control of the topmost form as a script names it: "Name" or "Name(Index)".
struct ControlName {
    std::string name;
    int index = -1; // -1: not in a control array

    std::string text() const; // as written in the script
};

// One checked line of a script: what to do and with what. Every word is checked when the
// script is read, so a script with a bad line runs nothing at all.
struct ScriptAction {
    enum class Kind {
        Menu,         // menu CAPTION
        PrintMenu,    // print-menu
        Click,        // click C
        DblClick,     // dblclick C [ROW]
        Set,          // set C TEXT
        Type,         // type C TEXT
        Key,          // key C KEY
        Select,       // select C ROW|TEXT
        Check,        // check C 0|1
        Focus,        // focus C
        Mouse,        // mouse down|move|up C X Y [left|right|middle|none]
        Wait,         // wait MS
        Show,         // show
        Snapshot,     // snapshot C FILE.png
        Close,        // close
        Save,         // save [FILE]
        Answer,       // answer Yes|No|OK|Cancel|Abort|Retry|Ignore
        Input,        // input TEXT | input --cancel
        ChooseFile,   // choose-file NAME
        ChooseColour, // choose-colour #RRGGBB
        CancelDialog, // cancel-dialog
        Hyperlink,    // hyperlink ADDRESS | hyperlink --cancel
    };

    Kind kind = Kind::Show;
    int line = 0;
    std::string verb;    // the action's word as written
    ControlName control; // for the actions on a control
    std::string text;    // caption, text, key name, row text, file, mouse event, address
    std::optional<std::string> file; // save's target
    int number = -1;                 // row, key code, check value, milliseconds, answer code
    int x = 0;
    int y = 0;
    int button = 0;      // mouse button: 0 none, 1 left, 2 right, 4 middle
    int32_t colour = 0;  // 0x00BBGGRR
    bool cancel = false; // input --cancel, hyperlink --cancel
    bool rowByText = false;

    // Raises ScriptError naming the line when the action is unknown or its words do not fit.
    static ScriptAction parse(const ScriptLine& line);
    // The key code of a key name ("Enter", "Tab", "Escape", "A", "F1", "13", ...); nullopt when
    // there is none.
    static std::optional<int> keyCode(const std::string& name);
    // "Name" or "Name(Index)"; nullopt when the text is neither.
    static std::optional<ControlName> controlName(const std::string& text);
};

} // namespace host
