#pragma once

namespace editor {
class Application;
}
namespace ui {
class Control;
}

namespace zirirur {

// The editor's Application: set at connection, released at disconnection; the only way in
// which the add-in reaches the editor, its page, web and command bars.
extern editor::Application* FPApp;

// The swatch that receives the colour chosen in the Color Selector (its BackColor and
// ToolTipText); never cleared.
extern ui::Control* ColorTarget;

} // namespace zirirur
