// The check in front of toml++: non-ASCII characters where toml++ would test
// them for whitespace are refused with the file, line and column; everywhere
// TOML allows them they pass.
#include <gtest/gtest.h>

#include <string>

#include "sim/scenario/scenario_error.h"
#include "sim/scenario/toml_text_guard.h"

namespace thornbrake::scenario {
namespace {

TEST(TomlTextGuard, RefusesNonAsciiWhereTomlTestsForWhitespace) {
    struct Case {
        const char* text;
        int line, column;  // column 0: where toml++ reports the broken value
    };
    const Case cases[] = {
        {"duration = 90.\xd0\x9c\n", 1, 15},               // after a number
        {"name = \"x\" \xc2\xa1\n", 1, 12},                // after a string
        {"# \xc3\xa9\nseed = 1\xe3\x80\x81\n", 2, 9},      // a comment before shifts nothing
        {"name = \"\"\"a\\  \n  \xd0\x9c\"\"\"\n", 2, 3},  // after a line-ending backslash
        {"name = 'a' \xd0\x9c\n", 1, 12},                  // after a literal string
        {"at = [0::z:*.'\xc6\xbb'\n", 1, 0},              // a quote inside a bare value opens nothing
        {"'a'.'b'\xef\xbb\x84K = 1\n", 1, 8},              // after a quoted key
        {"k\xc3\xa9y = 1\n", 1, 2},                        // in a bare key
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        try {
            CheckNonAsciiPlacement(c.text, "s.toml");
            ADD_FAILURE() << "not refused";
        } catch (const ScenarioError& error) {
            EXPECT_EQ(error.line(), c.line);
            if (c.column != 0) {
                EXPECT_EQ(error.column(), c.column);
            }
        }
    }
}

TEST(TomlTextGuard, PassesNonAsciiWhereTomlAllowsIt) {
    const char* const texts[] = {
        "name = \"x\"\n",                                    // plain ASCII
        "\xef\xbb\xbfname = \"x\"\n",                        // a byte order mark
        "# \xd0\x9c\xe3\x80\x81 comment\nname = \"\xd0\x9c\"\n",
        "description = '\xe3\x80\x81'\n",
        "x = \"\"\"\xe3\x80\x81\n\xc2\xa1\"\"\"\n",
        "x = \"a\\\"\xc2\xa1\"\n",                           // an escaped quote does not end the string
        "x = [1, '\xc2\xa1',\n  \"\xc2\xa1\", { k = '\xc2\xa1' }]\n",
        "['\xc2\xa1']\n",
    };
    for (const char* text : texts) {
        EXPECT_NO_THROW(CheckNonAsciiPlacement(text, "s.toml")) << text;
    }
}

}  // namespace
}  // namespace thornbrake::scenario
