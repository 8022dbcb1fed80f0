#include "addin/ProjectGlobals.h"

namespace zirirur {

editor::Application* FPApp = nullptr;
ui::Control* ColorTarget = nullptr;

} // namespace zirirur
