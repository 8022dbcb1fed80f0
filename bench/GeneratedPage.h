#pragma once

#include <cstddef>
#include <string>

namespace bench {

// A page of old-style table layout of at least size bytes: forms in table cells, scripts,
// comments, entities, select lists and inline event handlers.
std::string generatedPage(std::size_t size);

// A page of at least size bytes that is one long table with a form before each of its rows, as
// legacy order pages have it: the parser leaves each form empty among the rows.
std::string formRowsPage(std::size_t size);

} // namespace bench
