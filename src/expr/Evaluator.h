// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The expression evaluator behind every numeric entry field.
//
// It rewrites text rather than building a tree:
//   1. blanks are removed;
//   2. parenthesised groups are evaluated innermost first and each is replaced
//      in the text by the number text of its value ('2(3)' becomes '23');
//   3. each '-' is a sign or a subtraction, decided by what stands before it;
//   4. the flat text is cut into operands and operators;
//   5. the operators are reduced left to right in four passes of falling
//      precedence: "^"; "*" "/" "%" "&"; "+" subtraction "|"; "=";
//   6. each operand is a constant, a chain of prefix functions and postfix
//      "!", a "$" hexadecimal or a decimal number.
// Every group value and every operator result is carried as its 18-digit
// number text, so each step is rounded to 18 significant digits.
//
// The work is linear in the length of the text and needs no recursion, so any
// entry, however long or deeply nested, is evaluated or rejected quickly.
// Arithmetic faults come through as EInvalidOp, EZeroDivide, EOverflow and
// EDivByZero; everything else the text can get wrong is an EAssignError.

#include "catalogue/Errors.h"
#include "catalogue/Extended.h"

#include <string>
#include <string_view>

namespace qv {

namespace msg {
inline constexpr const char* EntryBlank = "Entry could not be evaluated:\rentry cannot be blank";
inline constexpr const char* ParenthesesMismatch = "Entry could not be evaluated:\r() (parentheses) do not match";
inline constexpr const char* InvalidExpression = "Entry could not be evaluated:\rinvalid expression";
inline constexpr const char* InvalidCharacters = "Entry could not be evaluated:\rinvalid character(s) in expression";
inline constexpr const char* InvalidHex = "Entry could not be evaluated:\rinvalid use of $ (hex function)";
inline constexpr const char* FactorialIntegersOnly =
    "Entry could not be evaluated:\r! (factoral) applicable to integers only";
}  // namespace msg

// A text the evaluator cannot read. The message is one of msg:: above.
class EAssignError : public EQuantovaError {
public:
    using EQuantovaError::EQuantovaError;
};

// The value of an entry such as '2*(3+4)^2', 'sqrt2', '5!', '$ff' or 'pi/4'.
// Raises EAssignError for text it cannot read and the arithmetic errors for
// faults in the computation.
Extended EvaluateExpression(const std::string& text);

// The value of one operand, with no operators or parentheses: 'pi', '-e',
// 'sqrtsqrt16', 'sin-1', '3!!', '$ff', '1.5E-7'. A run of minus signs counts
// by its parity, so '--5' is 5. Raises as EvaluateExpression does.
Extended EvaluateOperand(const std::string& text);

// True for the 25 function names, in any ASCII case, and for "!" and "$".
bool IsFunctionName(std::string_view text);

// x! for a whole number x, with the sign of x: Factorial(-5) is -120.
// Raises EAssignError when x is not whole and EOverflow from 1755 up.
Extended Factorial(Extended x);

}  // namespace qv
