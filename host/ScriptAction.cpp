#include "host/ScriptAction.h"

#include "host/ScriptError.h"
#include "platform/ui/MsgBox.h"

#include <algorithm>
#include <cctype>
#include <map>

namespace host {

namespace {

std::string lowerCase(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

// A whole number of at most nine digits, optionally negative when allowed.
std::optional<int> wholeNumber(const std::string& text, bool allowNegative = false) {
    size_t start = (allowNegative && !text.empty() && text[0] == '-') ? 1 : 0;
    if (text.size() <= start || text.size() - start > 9)
        return std::nullopt;
    for (size_t i = start; i < text.size(); ++i)
        if (!std::isdigit(static_cast<unsigned char>(text[i])))
            return std::nullopt;
    return std::stoi(text);
}

struct Arity {
    size_t least;
    size_t most;
    const char* usage;
};

const std::map<std::string, std::pair<ScriptAction::Kind, Arity>>& verbs() {
    using K = ScriptAction::Kind;
    static const std::map<std::string, std::pair<K, Arity>> table = {
        {"menu", {K::Menu, {1, 99, "menu CAPTION"}}},
        {"print-menu", {K::PrintMenu, {0, 0, "print-menu"}}},
        {"click", {K::Click, {1, 1, "click CONTROL"}}},
        {"dblclick", {K::DblClick, {1, 2, "dblclick CONTROL [ROW]"}}},
        {"set", {K::Set, {2, 2, "set CONTROL TEXT"}}},
        {"type", {K::Type, {2, 2, "type CONTROL TEXT"}}},
        {"key", {K::Key, {2, 2, "key CONTROL KEY"}}},
        {"select", {K::Select, {2, 2, "select CONTROL ROW"}}},
        {"check", {K::Check, {2, 2, "check CONTROL 0|1"}}},
        {"focus", {K::Focus, {1, 1, "focus CONTROL"}}},
        {"mouse", {K::Mouse, {4, 5, "mouse down|move|up CONTROL X Y [left|right|middle|none]"}}},
        {"wait", {K::Wait, {1, 1, "wait MILLISECONDS"}}},
        {"show", {K::Show, {0, 0, "show"}}},
        {"snapshot", {K::Snapshot, {2, 2, "snapshot CONTROL FILE.png"}}},
        {"close", {K::Close, {0, 0, "close"}}},
        {"save", {K::Save, {0, 1, "save [FILE]"}}},
        {"answer", {K::Answer, {1, 1, "answer Yes|No|OK|Cancel|Abort|Retry|Ignore"}}},
        {"input", {K::Input, {1, 1, "input TEXT | input --cancel"}}},
        {"choose-file", {K::ChooseFile, {1, 1, "choose-file NAME"}}},
        {"choose-colour", {K::ChooseColour, {1, 1, "choose-colour #RRGGBB"}}},
        {"choose-color", {K::ChooseColour, {1, 1, "choose-color #RRGGBB"}}},
        {"cancel-dialog", {K::CancelDialog, {0, 0, "cancel-dialog"}}},
        {"hyperlink", {K::Hyperlink, {1, 1, "hyperlink ADDRESS | hyperlink --cancel"}}},
    };
    return table;
}

std::optional<int32_t> colourValue(const std::string& text) {
    if (text.size() != 7 || text[0] != '#')
        return std::nullopt;
    int32_t rgb = 0;
    for (size_t i = 1; i < 7; ++i) {
        const char c = static_cast<char>(std::toupper(static_cast<unsigned char>(text[i])));
        int digit = 0;
        if (c >= '0' && c <= '9')
            digit = c - '0';
        else if (c >= 'A' && c <= 'F')
            digit = c - 'A' + 10;
        else
            return std::nullopt;
        rgb = rgb * 16 + digit;
    }
    // #RRGGBB to the toolkit's 0x00BBGGRR.
    const int32_t red = (rgb >> 16) & 0xFF;
    const int32_t green = (rgb >> 8) & 0xFF;
    const int32_t blue = rgb & 0xFF;
    return red | (green << 8) | (blue << 16);
}

} // namespace

std::string ControlName::text() const {
    return index < 0 ? name : name + "(" + std::to_string(index) + ")";
}

std::optional<ControlName> ScriptAction::controlName(const std::string& text) {
    ControlName control;
    size_t open = text.find('(');
    control.name = text.substr(0, open);
    if (control.name.empty() ||
        !(std::isalpha(static_cast<unsigned char>(control.name[0])) || control.name[0] == '_'))
        return std::nullopt;
    for (char c : control.name)
        if (!std::isalnum(static_cast<unsigned char>(c)) && c != '_')
            return std::nullopt;
    if (open == std::string::npos)
        return control;
    if (text.back() != ')')
        return std::nullopt;
    std::optional<int> index = wholeNumber(text.substr(open + 1, text.size() - open - 2));
    if (!index)
        return std::nullopt;
    control.index = *index;
    return control;
}

std::optional<int> ScriptAction::keyCode(const std::string& name) {
    static const std::map<std::string, int> named = {
        {"backspace", 8}, {"back", 8},     {"tab", 9},     {"enter", 13},    {"return", 13},
        {"shift", 16},    {"control", 17}, {"ctrl", 17},   {"alt", 18},      {"escape", 27},
        {"esc", 27},      {"space", 32},   {"pageup", 33}, {"pagedown", 34}, {"end", 35},
        {"home", 36},     {"left", 37},    {"up", 38},     {"right", 39},    {"down", 40},
        {"insert", 45},   {"delete", 46},  {"del", 46},
    };
    if (name.empty())
        return std::nullopt;
    if (auto number = wholeNumber(name)) {
        if (name.size() > 1 || *number > 9) // a single digit is the digit's key
            return *number <= 255 ? number : std::nullopt;
    }
    if (name.size() == 1) {
        const unsigned char c = static_cast<unsigned char>(name[0]);
        if (std::isalnum(c))
            return std::toupper(c); // the key of a letter or digit
        return std::nullopt;
    }
    const std::string lower = lowerCase(name);
    if (auto found = named.find(lower); found != named.end())
        return found->second;
    if (lower.size() >= 2 && lower[0] == 'f') { // F1 .. F16
        if (auto n = wholeNumber(lower.substr(1)); n && *n >= 1 && *n <= 16)
            return 111 + *n;
    }
    return std::nullopt;
}

ScriptAction ScriptAction::parse(const ScriptLine& line) {
    ScriptAction action;
    action.line = line.number;
    action.verb = line.words.at(0);
    const auto found = verbs().find(action.verb);
    if (found == verbs().end())
        throw ScriptError(line.number, "unknown action \"" + action.verb + "\"");
    action.kind = found->second.first;
    const Arity arity = found->second.second;
    const std::vector<std::string> args(line.words.begin() + 1, line.words.end());
    if (args.size() < arity.least || args.size() > arity.most)
        throw ScriptError(line.number, std::string("usage: ") + arity.usage);

    auto bad = [&](const std::string& what) -> ScriptError {
        return ScriptError(line.number, what + " (usage: " + arity.usage + ")");
    };
    auto control = [&](const std::string& word) {
        std::optional<ControlName> name = controlName(word);
        if (!name)
            throw bad("\"" + word + "\" is not a control name (Name or Name(Index))");
        return *name;
    };
    auto number = [&](const std::string& word, const char* what) {
        std::optional<int> value = wholeNumber(word);
        if (!value)
            throw bad("\"" + word + "\" is not " + what);
        return *value;
    };

    using K = Kind;
    switch (action.kind) {
    case K::Menu: {
        for (const std::string& word : args)
            action.text += (action.text.empty() ? "" : " ") + word;
        break;
    }
    case K::PrintMenu:
    case K::Show:
    case K::Close:
    case K::CancelDialog:
        break;
    case K::Click:
    case K::Focus:
        action.control = control(args[0]);
        break;
    case K::DblClick:
        action.control = control(args[0]);
        if (args.size() == 2)
            action.number = number(args[1], "a row number");
        break;
    case K::Set:
    case K::Type:
        action.control = control(args[0]);
        action.text = args[1];
        break;
    case K::Key: {
        action.control = control(args[0]);
        std::optional<int> code = keyCode(args[1]);
        if (!code)
            throw bad("\"" + args[1] + "\" is not a key");
        action.text = args[1];
        action.number = *code;
        break;
    }
    case K::Select:
        action.control = control(args[0]);
        if (auto row = wholeNumber(args[1])) {
            action.number = *row;
        } else {
            action.rowByText = true;
            action.text = args[1];
        }
        break;
    case K::Check:
        action.control = control(args[0]);
        if (args[1] != "0" && args[1] != "1")
            throw bad("\"" + args[1] + "\" is not 0 or 1");
        action.number = args[1] == "1" ? 1 : 0;
        break;
    case K::Mouse: {
        action.text = lowerCase(args[0]);
        if (action.text != "down" && action.text != "move" && action.text != "up")
            throw bad("\"" + args[0] + "\" is not down, move or up");
        action.control = control(args[1]);
        std::optional<int> x = wholeNumber(args[2], true);
        std::optional<int> y = wholeNumber(args[3], true);
        if (!x || !y)
            throw bad("the position must be two whole numbers");
        action.x = *x;
        action.y = *y;
        const std::string button = args.size() == 5        ? lowerCase(args[4])
                                   : action.text == "move" ? "none"
                                                           : "left";
        static const std::map<std::string, int> buttons = {
            {"none", 0}, {"left", 1}, {"right", 2}, {"middle", 4}};
        const auto b = buttons.find(button);
        if (b == buttons.end())
            throw bad("\"" + button + "\" is not a mouse button");
        action.button = b->second;
        break;
    }
    case K::Wait:
        action.number = number(args[0], "a number of milliseconds");
        break;
    case K::Snapshot:
        action.control = control(args[0]);
        action.text = args[1];
        if (action.text.empty())
            throw bad("the snapshot needs a file name");
        break;
    case K::Save:
        if (args.size() == 1) {
            if (args[0].empty())
                throw bad("the file name is empty");
            action.file = args[0];
        }
        break;
    case K::Answer: {
        static const std::map<std::string, int> answers = {
            {"ok", ui::vbOK},       {"cancel", ui::vbCancel}, {"abort", ui::vbAbort},
            {"retry", ui::vbRetry}, {"ignore", ui::vbIgnore}, {"yes", ui::vbYes},
            {"no", ui::vbNo},
        };
        const auto a = answers.find(lowerCase(args[0]));
        if (a == answers.end())
            throw bad("\"" + args[0] + "\" is not an answer");
        action.text = args[0];
        action.number = a->second;
        break;
    }
    case K::Input:
    case K::Hyperlink:
        if (args[0] == "--cancel")
            action.cancel = true;
        else
            action.text = args[0];
        break;
    case K::ChooseFile:
        action.text = args[0];
        break;
    case K::ChooseColour: {
        std::optional<int32_t> colour = colourValue(args[0]);
        if (!colour)
            throw bad("\"" + args[0] + "\" is not a colour #RRGGBB");
        action.colour = *colour;
        action.text = args[0];
        break;
    }
    }
    return action;
}

} // namespace host
