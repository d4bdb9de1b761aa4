// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "expr/Evaluator.h"
#include "expr/NumberText.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace qv::test {

// Every test starts and ends with the default separator '.'.
class ExprTest : public ::testing::Test {
protected:
    void SetUp() override { SetDecimalSeparator('.'); }
    void TearDown() override { SetDecimalSeparator('.'); }
};

// What the user sees for an entry: the number text of its value, or the
// message of the error it raises.
inline std::string Outcome(const std::string& text)
{
    try {
        return NumberText(EvaluateExpression(text));
    } catch (const EQuantovaError& e) {
        return e.what();
    }
}

// The error messages as the user reads them ('\r' is the line break).
inline const std::string Blank = "Entry could not be evaluated:\rentry cannot be blank";
inline const std::string Parentheses = "Entry could not be evaluated:\r() (parentheses) do not match";
inline const std::string BadExpression = "Entry could not be evaluated:\rinvalid expression";
inline const std::string BadCharacters = "Entry could not be evaluated:\rinvalid character(s) in expression";
inline const std::string BadHex = "Entry could not be evaluated:\rinvalid use of $ (hex function)";
inline const std::string NotInteger = "Entry could not be evaluated:\r! (factoral) applicable to integers only";
inline const std::string InvalidOp = "Invalid floating point operation";
inline const std::string ZeroDivide = "Floating point division by zero";
inline const std::string Overflow = "Floating point overflow";
inline const std::string DivByZero = "Division by zero";

// A row of a table of entries and what they give.
struct EntryCase {
    const char* name;
    std::string text;
    std::string expected;
};

inline void CheckEntries(const std::vector<EntryCase>& cases)
{
    for (const EntryCase& c : cases) {
        SCOPED_TRACE(std::string(c.name) + ": '" + c.text + "'");
        EXPECT_EQ(Outcome(c.text), c.expected);
    }
}

}  // namespace qv::test
