#include "addin/ProjectGlobals.h"

namespace zirirur {

editor::Application* FPApp = nullptr;
ui::PictureBox* ColorTarget = nullptr;

} // namespace zirirur
