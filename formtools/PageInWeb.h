#pragma once

namespace zirirur {

// Whether the page lies in a web of the editor: the editor's active web gives a non-empty
// address (with no web open it answers with a closed web, whose address is empty). Raises
// error 91 when the add-in is not connected.
bool PageLiesInAWeb();

} // namespace zirirur
