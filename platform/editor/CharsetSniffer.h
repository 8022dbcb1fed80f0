#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace editor {

// Finds the charset that a page's own markup declares, the way a browser's pre-scan does:
// the first `<meta charset=...>` or `<meta http-equiv="Content-Type" content="...; charset=...">`
// of the page's head that names a charset we can read. Comments and the content of script,
// style, title and textarea elements are skipped, and the scan ends at the body.
class CharsetSniffer {
public:
    // Canonical charset name (CharsetLabels) of the first usable meta declaration, if any.
    static std::optional<std::string> metaCharset(std::string_view bytes);
    // Canonical charset name of the `encoding` of a leading `<?xml ...?>` declaration, if any.
    static std::optional<std::string> xmlDeclarationCharset(std::string_view bytes);
    // The charset named in a Content-Type value ("text/html; charset=utf-8"), as written.
    static std::optional<std::string> charsetInContentType(std::string_view content);
};

} // namespace editor
