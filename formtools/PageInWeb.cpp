#include "formtools/PageInWeb.h"

#include "addin/ProjectGlobals.h"
#include "platform/editor/Application.h"
#include "platform/editor/Web.h"
#include "platform/sys/Required.h"

namespace zirirur {

bool PageLiesInAWeb() {
    return !sys::required(sys::required(FPApp).activeWeb()).url().empty();
}

} // namespace zirirur
