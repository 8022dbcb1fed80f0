#include "platform/editor/MenuLayout.h"

#include "platform/editor/CommandBarControl.h"

#include <charconv>

namespace editor {

namespace {

constexpr std::string_view kHeader = "editor menu layout 1";

std::string escaped(std::string_view text) {
    std::string out;
    for (char c : text) {
        switch (c) {
        case '\\':
            out += "\\\\";
            break;
        case '\t':
            out += "\\t";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        default:
            out += c;
        }
    }
    return out;
}

std::optional<std::string> unescaped(std::string_view text) {
    std::string out;
    for (std::size_t k = 0; k < text.size(); ++k) {
        if (text[k] != '\\') {
            out += text[k];
            continue;
        }
        if (++k == text.size())
            return std::nullopt;
        switch (text[k]) {
        case '\\':
            out += '\\';
            break;
        case 't':
            out += '\t';
            break;
        case 'n':
            out += '\n';
            break;
        case 'r':
            out += '\r';
            break;
        default:
            return std::nullopt;
        }
    }
    return out;
}

std::vector<std::string_view> split(std::string_view line, char separator) {
    std::vector<std::string_view> fields;
    std::size_t start = 0;
    while (true) {
        std::size_t end = line.find(separator, start);
        if (end == std::string_view::npos) {
            fields.push_back(line.substr(start));
            return fields;
        }
        fields.push_back(line.substr(start, end - start));
        start = end + 1;
    }
}

std::optional<int> number(std::string_view text) {
    int value = 0;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

std::optional<bool> flag(std::string_view text) {
    if (text == "1")
        return true;
    if (text == "0")
        return false;
    return std::nullopt;
}

std::optional<MenuLayout::Control> controlOf(const std::vector<std::string_view>& fields) {
    if (fields.size() != 10 || fields[0] != "control")
        return std::nullopt;
    MenuLayout::Control control;
    auto depth = number(fields[1]);
    auto type = number(fields[2]);
    auto id = number(fields[3]);
    auto faceId = number(fields[4]);
    auto style = number(fields[5]);
    auto beginGroup = flag(fields[6]);
    auto visible = flag(fields[7]);
    auto parameter = unescaped(fields[8]);
    auto caption = unescaped(fields[9]);
    if (!depth || !type || !id || !faceId || !style || !beginGroup || !visible || !parameter ||
        !caption)
        return std::nullopt;
    if (*depth < 1 || *depth > MenuLayout::kDeepestNesting ||
        (*type != msoControlButton && *type != msoControlPopup) || *style < msoButtonAutomatic ||
        *style > msoButtonIconAndCaption)
        return std::nullopt;
    control.depth = *depth;
    control.type = *type;
    control.id = *id;
    control.faceId = *faceId;
    control.style = *style;
    control.beginGroup = *beginGroup;
    control.visible = *visible;
    control.parameter = *parameter;
    control.caption = *caption;
    return control;
}

// A control may go one level below the control before it only when that one is a popup.
bool nestingHolds(const MenuLayout::Bar& bar, const MenuLayout::Control& next) {
    if (bar.controls.empty())
        return next.depth == 1;
    const MenuLayout::Control& previous = bar.controls.back();
    if (next.depth <= previous.depth)
        return true;
    return next.depth == previous.depth + 1 && previous.type == msoControlPopup;
}

} // namespace

std::string MenuLayout::format() const {
    std::string text(kHeader);
    text += '\n';
    for (const Bar& bar : bars) {
        text += "bar\t" + escaped(bar.name) + '\n';
        for (const Control& control : bar.controls) {
            text += "control\t" + std::to_string(control.depth) + '\t' +
                    std::to_string(control.type) + '\t' + std::to_string(control.id) + '\t' +
                    std::to_string(control.faceId) + '\t' + std::to_string(control.style) + '\t' +
                    (control.beginGroup ? "1" : "0") + '\t' + (control.visible ? "1" : "0") + '\t' +
                    escaped(control.parameter) + '\t' + escaped(control.caption) + '\n';
        }
    }
    text += "end\n";
    return text;
}

std::optional<MenuLayout> MenuLayout::parse(std::string_view text) {
    std::vector<std::string_view> lines = split(text, '\n');
    // The last line ("end") proves that the file was written to its end.
    if (lines.size() < 3 || lines.front() != kHeader || !lines.back().empty() ||
        lines[lines.size() - 2] != "end")
        return std::nullopt;
    MenuLayout layout;
    for (std::size_t k = 1; k + 2 < lines.size(); ++k) {
        std::vector<std::string_view> fields = split(lines[k], '\t');
        if (fields.size() == 2 && fields[0] == "bar") {
            auto name = unescaped(fields[1]);
            if (!name)
                return std::nullopt;
            layout.bars.push_back(Bar{*name, {}});
            continue;
        }
        auto control = controlOf(fields);
        if (!control || layout.bars.empty() || !nestingHolds(layout.bars.back(), *control))
            return std::nullopt;
        layout.bars.back().controls.push_back(*control);
    }
    return layout;
}

} // namespace editor
