#include "formtools/PendingMessages.h"

#include "platform/ui/MsgBox.h"

namespace zirirur {

void ProcessPendingMessages(int times) {
    for (int i = 0; i < times; ++i)
        ui::doEvents();
}

} // namespace zirirur
