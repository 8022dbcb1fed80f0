#pragma once

namespace zirirur {

// Lets the editor process its pending messages the given number of times.
void ProcessPendingMessages(int times);

} // namespace zirirur
