// The settings-file reader must read a file exactly as the Windows reader
// does; each row is one rule of that reader.
#include <gtest/gtest.h>

#include <string>

#include "settings/profile_reader.h"

namespace thornbrake {
namespace {

struct LookupCase {
    const char* name;
    std::string text;
    const char* section;
    const char* key;
    std::int32_t expected;  // looked up with fallback 77
};

std::ostream& operator<<(std::ostream& out, const LookupCase& c) { return out << c.name; }

class ProfileLookup : public testing::TestWithParam<LookupCase> {};

TEST_P(ProfileLookup, ReadsLikeWindows) {
    const LookupCase& c = GetParam();
    EXPECT_EQ(ProfileIntFromText(c.text, c.section, c.key, 77), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Layout, ProfileLookup,
    testing::Values(
        LookupCase{"plain", "[S]\nK=5\n", "S", "K", 5},
        LookupCase{"empty_file", "", "S", "K", 77},
        LookupCase{"missing_section", "[T]\nK=5\n", "S", "K", 77},
        LookupCase{"missing_key", "[S]\nJ=5\n", "S", "K", 77},
        LookupCase{"key_under_other_section", "[S]\nJ=1\n[T]\nK=5\n", "S", "K", 77},
        LookupCase{"key_before_any_section", "K=5\n[S]\nJ=1\n", "S", "K", 77},
        LookupCase{"names_ignore_case", "[s]\nk=5\n", "S", "K", 5},
        LookupCase{"blanks_around_names", "  [ S ]  \n\t K \t=  5 \t\n", "S", "K", 5},
        LookupCase{"section_name_to_last_bracket", "[S]x]\nK=5\n", "S]x", "K", 5},
        LookupCase{"bracket_line_without_close_is_key", "[S]\n[K=5\n", "S", "[K", 5},
        LookupCase{"first_section_of_a_name_only", "[S]\nJ=1\n[S]\nK=5\n", "S", "K", 77},
        LookupCase{"first_key_of_a_name_wins", "[S]\nK=5\nK=6\n", "S", "K", 5},
        LookupCase{"first_key_without_equals_wins", "[S]\nK\nK=6\n", "S", "K", 77},
        LookupCase{"line_without_equals", "[S]\nK 5\n", "S", "K", 77},
        LookupCase{"empty_value", "[S]\nK=\n", "S", "K", 77},
        LookupCase{"blank_value", "[S]\nK=   \n", "S", "K", 77},
        LookupCase{"split_at_first_equals", "[S]\nK==5\n", "S", "K", 0},
        LookupCase{"double_quoted", "[S]\nK=\"5\"\n", "S", "K", 5},
        LookupCase{"single_quoted", "[S]\nK='5'\n", "S", "K", 5},
        LookupCase{"empty_quotes", "[S]\nK=\"\"\n", "S", "K", 77},
        LookupCase{"unmatched_quote_kept", "[S]\nK=\"5\n", "S", "K", 0},
        LookupCase{"semicolon_is_not_a_comment", "[S]\n;K=5\nK=6\n", "S", "K", 6},
        LookupCase{"inline_comment_not_stripped", "[S]\nK=5 ; five\n", "S", "K", 5},
        LookupCase{"crlf", "[S]\r\nK=5\r\n", "S", "K", 5},
        LookupCase{"cr_only", "[S]\rK=5\r", "S", "K", 5},
        LookupCase{"no_final_newline", "[S]\nK=5", "S", "K", 5},
        LookupCase{"byte_order_mark", "\xEF\xBB\xBF[S]\nK=5\n", "S", "K", 5},
        LookupCase{"vertical_tab_and_form_feed_trimmed", "[S]\n\vK\f=\f5\v\n", "S", "K", 5},
        LookupCase{"only_first_29_characters_count",
                   "[S]\nK=" + std::string(28, '0') + "12\n", "S", "K", 1},
        LookupCase{"eof_marker_trimmed", "[S]\nK=5\x1A\n", "S", "K", 5}),
    [](const auto& info) { return std::string(info.param.name); });

struct IntegerCase {
    const char* value;
    std::int32_t expected;
};

class ProfileInteger : public testing::TestWithParam<IntegerCase> {};

TEST_P(ProfileInteger, ConvertsLeadingInteger) {
    EXPECT_EQ(ParseProfileInteger(GetParam().value), GetParam().expected) << GetParam().value;
}

INSTANTIATE_TEST_SUITE_P(
    Conversion, ProfileInteger,
    testing::Values(IntegerCase{"0", 0}, IntegerCase{"42", 42}, IntegerCase{"+42", 42},
                    IntegerCase{"-1", -1}, IntegerCase{"-0", 0}, IntegerCase{"12abc", 12},
                    IntegerCase{"1.5", 1}, IntegerCase{"yes", 0}, IntegerCase{"abc", 0},
                    IntegerCase{"-", 0}, IntegerCase{"0x1F", 31}, IntegerCase{"0X1f", 0} /* prefixes are lower case only */,
                    IntegerCase{"-0x10", -16}, IntegerCase{"0x", 0}, IntegerCase{"0xg", 0},
                    IntegerCase{"0b101", 5}, IntegerCase{"0o17", 15}, IntegerCase{"019", 19},
                    IntegerCase{"2147483647", 2147483647},
                    IntegerCase{"2147483648", -2147483647 - 1},
                    IntegerCase{"4294967295", -1}, IntegerCase{"4294967296", 0},
                    IntegerCase{"4294967297", 1}, IntegerCase{"42A94967297", 42},
                    IntegerCase{"B4294967297", 0}, IntegerCase{" 5", 5}, IntegerCase{"\t-7", -7},
                    IntegerCase{"99999999999999999999", 1661992959}));

}  // namespace
}  // namespace thornbrake
