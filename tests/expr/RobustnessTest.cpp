// SPDX-License-Identifier: GPL-3.0-or-later
#include "expr/Evaluator.h"

#include "ExprTestSupport.h"

namespace qv::test {
namespace {

using RobustnessTest = ExprTest;

// The longest text an entry field holds.
constexpr std::size_t Longest = 32767;

std::string Repeat(const std::string& piece, std::size_t times)
{
    std::string text;
    text.reserve(piece.size() * times);
    for (std::size_t i = 0; i < times; ++i) text += piece;
    return text;
}

// Entries of the longest length, in every shape that once took the evaluator
// too long or too deep: each must give its value or its error.
TEST_F(RobustnessTest, LongestEntries)
{
    const std::vector<EntryCase> cases = {
        {"chain of functions", Repeat("sqrt", 8191) + "256", "1"},
        {"nested parentheses", Repeat("(", 16383) + "1" + Repeat(")", 16383), "1"},
        {"nested functions with parentheses", Repeat("sqrt(", 5461) + "4" + Repeat(")", 5461), "1"},
        {"nested signs", Repeat("-(", 10922) + "5" + Repeat(")", 10922), "5"},
        {"nested sums", Repeat("(1+", 8191) + "1" + Repeat(")", 8191) + "+0", "8192"},
        {"long sum", Repeat("1+", 16383) + "1", "16384"},
        {"long product", Repeat("1*", 16383) + "1", "1"},
        {"long power", Repeat("1^", 16383) + "1", "1"},
        {"long or never reads its last operand", Repeat("1|", 16383) + "x", "1"},
        {"run of operators", "1" + Repeat("*", 32765) + "1", BadCharacters},
        {"run of signs", Repeat("-", 32766) + "5", "5"},
        {"subtraction and a run of signs", "5" + Repeat("-", 32765) + "3", "2"},
        {"run of factorials", "5" + Repeat("!", 32766), Overflow},
        {"huge exponent", "1e" + Repeat("9", 32765), BadCharacters},
        {"huge negative exponent", "1E-" + Repeat("9", 32764), "0"},
        {"long fraction", "0." + Repeat("3", 32765), "0.333333333333333333"},
        {"long whole number", "1" + Repeat("0", 32766), BadCharacters},
        {"opening parentheses only", Repeat("(", Longest), BadCharacters},
        {"closing parentheses only", Repeat(")", Longest), Parentheses},
        {"hex prefixes only", Repeat("$", Longest), BadHex},
        {"blanks only", Repeat(" ", Longest), BadExpression},
        {"blanks inside a number", "1" + Repeat(" ", 32765) + "1", "11"},
    };
    for (const EntryCase& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_EQ(c.text.size(), Longest);
        EXPECT_EQ(Outcome(c.text), c.expected);
    }
}

}  // namespace
}  // namespace qv::test
