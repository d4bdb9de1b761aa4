// SPDX-License-Identifier: GPL-3.0-or-later
#include "builtin/RatesLines.h"

#include <gtest/gtest.h>

namespace qv::rates_lines {
namespace {

TEST(RatesLines, AnyTextPassesThroughAField)
{
    const std::string awkward = "tab\there, line\nend, cr\r, back\\slash, \\t as text, \xB0 and UTF-8 \xC3\xA9";
    const std::string line = Line(Done, {awkward, "", "last"});
    EXPECT_EQ(line.find('\n'), line.size() - 1) << "one line";
    const ParsedLine parsed = Parse(std::string_view(line).substr(0, line.size() - 1));
    EXPECT_EQ(parsed.Keyword, "done");
    ASSERT_EQ(parsed.Fields.size(), 3u);
    EXPECT_EQ(parsed.Fields[0], awkward);
    EXPECT_EQ(parsed.Fields[1], "");
    EXPECT_EQ(parsed.Field(2), "last");
    EXPECT_EQ(parsed.Field(3), "") << "a missing field reads as empty";

    EXPECT_EQ(Line(Progress, {"512", "1024"}), "progress\t512\t1024\n");
    EXPECT_EQ(Line(Reinstall), "reinstall\n");
    EXPECT_EQ(Parse("reinstall").Fields.size(), 0u);
}

TEST(RatesLines, CountsReadOnlyWholeNumbers)
{
    const std::pair<const char*, std::uint64_t> cases[] = {
        {"1024", 1024}, {"0", 0},    {"18446744073709551615", UINT64_MAX}, {"", 0},
        {"-5", 0},      {"12kB", 0}, {"18446744073709551616", 0}};
    for (const auto& [text, value] : cases) EXPECT_EQ(Count(text), value) << text;
}

}  // namespace
}  // namespace qv::rates_lines
