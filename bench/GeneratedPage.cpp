#include "GeneratedPage.h"

namespace bench {

std::string generatedPage(std::size_t size) {
    std::string html = "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.01 Transitional//EN\">\n"
                       "<html><head><title>Catalogue</title>\n"
                       "<script>function check(f) { return f && f.q.value != ''; }</script>\n"
                       "</head><body bgcolor=\"#FFFFFF\">\n";
    html.reserve(size + 4096);
    for (int i = 0; html.size() < size; ++i) {
        std::string n = std::to_string(i);
        html += "<!-- item " + n +
                " -->\n<table border=0 width=\"100%\"><tr><td>"
                "<font face=\"Arial\" size=2><b>Item " +
                n +
                "</b> &mdash; caf&eacute; &amp; "
                "more&nbsp;text, prices &lt; &pound;" +
                n + "</font></td>\n<td><form name=\"f" + n +
                "\" action=\"/cgi-bin/cart.pl?item=" + n +
                "&amp;lang=en\" method=post>\n"
                "<input type=hidden name=item value=\"" +
                n +
                "\">\n"
                "<input type=text name=qty size=3 value=1 onfocus=\"if(a&&b){x=&quot;" +
                n +
                "&quot;;}\" onblur=\"ZirirurNumberOnly(this);\">\n"
                "<select name=colour><option value=r>Red<option value=g selected>Green"
                "<option value=b>Blue</select>\n"
                "<textarea name=note rows=2 cols=20>Note " +
                n +
                "</textarea>\n"
                "<input type=image src=\"images/buy.gif\" name=buy alt=\"Buy\">\n"
                "</form></td></tr></table>\n<p>Some text with <i>markup</i> and a "
                "<a href=\"item" +
                n +
                ".htm\">link</a>.</p>\n"
                "<script>if (" +
                n +
                " < 10 && document.forms.length > 0) { check(null); }"
                "</script>\n";
    }
    return html + "</body></html>\n";
}

namespace {

// How the long table of forms is written.
enum class FormRows {
    AfterAHeaderRow,   // the forms stand among the rows of the row group
    FromTheTop,        // the first form stands in the table before the row group
    WithoutRowEndTags, // each form after the first stands in the row before its own
};

std::string formRows(std::size_t size, FormRows layout) {
    std::string html = "<html><head><title>Order</title></head><body>\n<table border=1>\n";
    if (layout == FormRows::AfterAHeaderRow)
        html += "<tr><th>Item</th><th>Quantity</th></tr>\n";
    const std::string rowEnd = layout == FormRows::WithoutRowEndTags ? "" : "</tr>";
    html.reserve(size + 4096);
    for (int i = 0; html.size() < size; ++i) {
        std::string n = std::to_string(i);
        html += "<form name=row" + n + " action=\"/cgi-bin/order.pl\" method=post>\n<tr><td>Item " +
                n + "</td><td><input type=text name=qty" + n +
                " size=3 value=1><input type=submit value=Order></td>" + rowEnd + "\n</form>\n";
    }
    return html + "</table>\n</body></html>\n";
}

} // namespace

std::string formRowsPage(std::size_t size) {
    return formRows(size, FormRows::AfterAHeaderRow);
}

std::string formRowsFromTheTopPage(std::size_t size) {
    return formRows(size, FormRows::FromTheTop);
}

std::string formRowsWithoutRowEndTagsPage(std::size_t size) {
    return formRows(size, FormRows::WithoutRowEndTags);
}

} // namespace bench
