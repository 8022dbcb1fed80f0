#include "fieldmanager/ScriptString.h"

#include <gtest/gtest.h>

namespace {

using zirirur::ScriptString;

TEST(ScriptString, EscapesOnlyWhatWouldEndTheStringAndReadsItBack) {
    // Text without a backslash, an apostrophe or a line break stands as it is.
    EXPECT_EQ(ScriptString::escaped("Tom & \"Jerry\" &amp; <b>"), "Tom & \"Jerry\" &amp; <b>");
    EXPECT_EQ(ScriptString::escaped("Don't"), "Don\\x27t");
    EXPECT_EQ(ScriptString::escaped("a\\b\r\nc"), "a\\\\b\\r\\nc");
    EXPECT_EQ(ScriptString::escaped("x\u2028y\u2029"), "x\\u2028y\\u2029");
    for (const std::string text :
         {"", "'", "\\", "\\x27", "\\\\'", "end\\", "'\\'\\r\\n", "Stra\u00DFe\r\n"})
        EXPECT_EQ(ScriptString::unescaped(ScriptString::escaped(text)), text) << text;
    // Any other backslash, as a page written before may hold it, stands as it is.
    EXPECT_EQ(ScriptString::unescaped("it's C:\\temp\\x2"), "it's C:\\temp\\x2");
}

} // namespace
