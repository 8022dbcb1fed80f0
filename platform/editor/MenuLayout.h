#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace editor {

// The editor's stored menu layout: the stored controls of its command bars, kept in a small
// text file. One line per bar ("bar", its name) followed by one line per control in menu
// order, each with its depth below the bar (1 for the bar's own controls), type, id, FaceId,
// style, BeginGroup, Visible, parameter and caption, separated by tabs; tabs, line ends and
// backslashes inside the texts are escaped with a backslash.
class MenuLayout {
public:
    // Popups nest no deeper in any real menu; a file that nests deeper is damaged, and the
    // walks over the menus (saving, deleting, looking up) stay shallow.
    static constexpr int kDeepestNesting = 64;

    struct Control {
        int depth = 1;
        int type = 1;
        int id = 0;
        int faceId = 0;
        int style = 0;
        bool beginGroup = false;
        bool visible = true;
        std::string parameter;
        std::string caption;
    };
    struct Bar {
        std::string name;
        std::vector<Control> controls;
    };

    std::vector<Bar> bars;

    std::string format() const;
    // None for a text that is not a whole layout (a damaged file).
    static std::optional<MenuLayout> parse(std::string_view text);
};

} // namespace editor
