#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace editor {

// Finds the charset that a page's own markup declares, as browsers find it before they parse:
// the prescan of the page's first 1024 bytes takes the first `<meta charset=...>` or
// `<meta http-equiv="Content-Type" content="...; charset=...">` that names a charset we can
// read, wherever it stands among them (in the body too, or where text has pushed it there);
// comments and the attributes of other tags are skipped.
class CharsetSniffer {
public:
    static constexpr std::size_t kPrescanLength = 1024;

    // Canonical charset name (CharsetLabels) of the first usable meta declaration, if any.
    static std::optional<std::string> metaCharset(std::string_view bytes);
    // Canonical charset name of the `encoding` of a leading `<?xml ...?>` declaration, if any.
    static std::optional<std::string> xmlDeclarationCharset(std::string_view bytes);
    // The charset named in a Content-Type value ("text/html; charset=utf-8"), as written.
    static std::optional<std::string> charsetInContentType(std::string_view content);
};

} // namespace editor
