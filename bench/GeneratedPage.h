#pragma once

#include <cstddef>
#include <string>

namespace bench {

// A page of old-style table layout of at least size bytes: forms in table cells, scripts,
// comments, entities, select lists and inline event handlers.
std::string generatedPage(std::size_t size);

} // namespace bench
