#pragma once

namespace editor {
class Application;
}
namespace ui {
class PictureBox;
}

namespace zirirur {

// The editor's Application: set at connection, released at disconnection; the only way in
// which the add-in reaches the editor, its page, web and command bars.
extern editor::Application* FPApp;

// The swatch that receives the colour chosen in the Color Selector; never cleared.
extern ui::PictureBox* ColorTarget;

} // namespace zirirur
