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

// The same without a header row: the first form stands in the table, while the parser puts all
// the rows into one row group with the forms after it.
std::string formRowsFromTheTopPage(std::size_t size);

// The same without the rows' end tags: each form after the first stands in the row before its
// own, and each form's row holds the next form.
std::string formRowsWithoutRowEndTagsPage(std::size_t size);

} // namespace bench
