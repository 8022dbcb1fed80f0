#include "addin/ButtonArt.h"

#include "platform/sys/App.h"

namespace zirirur {

std::string ButtonArt(const std::string& name) {
    return sys::App::path() + "\\Buttons\\" + name + ".png";
}

} // namespace zirirur
