#include "formtools/CompStore.h"

#include "platform/sys/App.h"
#include "platform/sys/Error.h"
#include "platform/sys/Text.h"

namespace zirirur {

std::string CompStoreFolder() {
    return sys::App::path() + "\\FormComps\\";
}

std::string GenerateCompCode(const std::string& sName) {
    std::string result;
    for (const unsigned char stored : sys::text::toAnsi(sName)) {
        const int a = stored;
        int code = 0;
        if (a > 70)
            code = a - 4;
        else if (a > 60)
            code = a - 2;
        else
            code = a - 1;
        // No character has code -1.
        if (code < 0)
            sys::raise(sys::ErrInvalidCall);
        result += static_cast<char>(code);
    }
    return sys::text::fromAnsi(result);
}

} // namespace zirirur
