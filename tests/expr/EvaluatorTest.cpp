// SPDX-License-Identifier: GPL-3.0-or-later
#include "expr/Evaluator.h"

#include "ExprTestSupport.h"

#include <cmath>
#include <typeinfo>

namespace qv::test {
namespace {

using EvaluatorTest = ExprTest;

TEST_F(EvaluatorTest, Operators)
{
    CheckEntries({
        {"product", "12*2.54", "30.48"},
        {"left-associative division", "8/2/2", "2"},
        {"left-associative power", "2^3^2", "64"},
        {"worked example", "10 - 2*(3+4)^2", "-88"},
        {"equality last", "1+1=2", "1"},
        {"equality false", "2=3", "0"},
        {"and binds like a product", "1|0&0", "1"},
        {"and true", "3&5", "1"},
        {"or true", "0|7", "1"},
        {"or never reads its right operand", "1|x", "1"},
        {"or reads its right operand when needed", "0|x", BadCharacters},
        {"and reads both operands", "0&x", BadCharacters},
        {"remainder", "7%3", "1"},
        {"remainder takes the sign of a", "-7%3", "-1"},
        {"remainder ignores the sign of b", "7%-3", "1"},
        {"remainder truncates", "7.9%3", "1"},
        {"remainder of the smallest integer by -1", "-2147483648%-1", "0"},
        {"remainder is an integer operation", "3E9%2", InvalidOp},
        {"remainder by zero", "7%0", DivByZero},
        {"division by zero", "1/0", ZeroDivide},
        {"zero by zero", "0/0", InvalidOp},
        {"results carry 18 digits", "1/3*3", "0.999999999999999999"},
        {"product overflows", "1E4000*1E4000", Overflow},
        {"sum of opposites is a plain zero", "0*-1+0", "0"},
    });
}

TEST_F(EvaluatorTest, Powers)
{
    CheckEntries({
        {"zero to the zero", "0^0", "1"},
        {"zero to a positive power", "0^5", "0"},
        {"zero to a fractional power", "0^0.5", "0"},
        {"negative whole exponent", "2^-1", "0.5"},
        {"negative base, odd exponent", "(0-2)^3", "-8"},
        {"fractional exponent", "2^0.5", "1.41421356237309505"},
        {"huge whole exponent of one", "1^1E30", "1"},
        {"zero to a negative whole power", "0^-1", ZeroDivide},
        {"zero to a negative fractional power", "0^-0.5", ZeroDivide},
        {"negative base, fractional exponent", "(0-8)^(1/3)", InvalidOp},
        {"overflow", "10^5000", Overflow},
        {"overflow by exp", "2^1E10", Overflow},
        {"underflow passes", "10^-5000", "0"},
        {"reciprocal of an overflowing power", "2^-16383", "1.68105157155604675E-4932"},
        {"reciprocal of an underflowing power", "0.5^-20000", Overflow},
    });
    // 10^4900 is in range: squaring the base after the last set bit would
    // overflow.
    const Extended big = EvaluateExpression("10^4900");
    EXPECT_NEAR(static_cast<double>(big / 1E4900L), 1.0, 1E-15);
}

TEST_F(EvaluatorTest, SignRule)
{
    CheckEntries({
        {"sign after subtraction", "5--3", "8"},
        {"two signs cancel", "--5", "5"},
        {"sign after product", "2*-3", "-6"},
        {"sign after power", "2^-2", "0.25"},
        {"sign after equals", "1=-1", "0"},
        {"sign after and", "2&-1", "1"},
        {"sign binds before power", "-2^2", "4"},
        {"sign of a group", "-(-5)", "5"},
        {"sign after upper-case E", "2E-3", "0.002"},
        {"lower-case e exponent", "2e-3", "0.002"},
        {"exponent with a plus sign", "1.5e+3", "1500"},
        {"upper-case exponent with a plus sign", "1.5E+3", "1500"},
        {"exponent after a point", "1.e-3", "0.001"},
        {"exponent of a negative number", "-1.5e-3", "-0.0015"},
        {"exponent inside an expression", "2*1e-3+1", "1.002"},
        {"exponent in a function's argument", "sqrt4e-2", "0.2"},
        {"exponent without digits is zero", "2e", "2"},
        {"sign not followed by a digit subtracts", "2e--3", "5"},
        {"e minus one", "e-1", "1.71828182845904524"},
        {"e plus one", "e+1", "3.71828182845904524"},
        {"hexadecimal digit e, minus", "$1e-3", "27"},
        {"sign after a whole function name", "sin-1", "-0.841470984807896507"},
        {"group after a function name", "sin(-1)", "-0.841470984807896507"},
        {"function name not at the start", "2*sin(-1)", BadCharacters},
        {"sign before a function", "-sin1", BadCharacters},
        {"subtracting a function", "0-sin1", "-0.841470984807896507"},
        {"sign after hex prefix", "$-1", BadHex},
        {"negative pi", "-pi", "-3.14159265358979324"},
        {"operand of signs only", "5---", BadCharacters},
    });
}

TEST_F(EvaluatorTest, Parentheses)
{
    CheckEntries({
        {"text before a group is joined", "2(3)", "23"},
        {"groups side by side", "(1)(2)", "12"},
        {"group first", "(1+2)*3", "9"},
        {"nested", "((2))", "2"},
        {"group value carries 18 digits", "(1/3)*3", "0.999999999999999999"},
        {"negative group value becomes a sign", "2-(0-3)", "5"},
        {"function of a group, squared", "sin(30)^2", "0.976206490207578146"},
        {"blanks and tabs", " ( 1 +\t2 ) * 3 ", "9"},
        {"empty group", "()", Blank},
        {"group of blanks", "( )", Blank},
        {"empty group inside", "1+()", Blank},
        {"close without open", "1+2)", Parentheses},
        {"close before open", ")(", Parentheses},
        {"open never closed", "(1+2", BadCharacters},
        {"one open too many", "((1)", BadCharacters},
        {"group evaluated before a later mismatch", "(1/0))", ZeroDivide},
    });
}

TEST_F(EvaluatorTest, Operands)
{
    struct Case {
        const char* name;
        std::string text;
        Extended expected;
    };
    const Case cases[] = {
        {"pi", "pi", 3.141592653589793238462643383279502884L},
        {"e", "e", 2.718281828459045235360287471352662498L},
        {"minus e", "-e", -2.718281828459045235360287471352662498L},
        {"minus signs cut to parity before constants", "--e", 2.718281828459045235360287471352662498L},
        {"function of a function", "sqrtsqrt16", 2},
        {"function of a constant", "sinpi", std::sin(3.141592653589793238462643383279502884L)},
        {"function of a negative constant", "sin-pi", std::sin(-3.141592653589793238462643383279502884L)},
        {"factorial", "5!", 120},
        {"factorial of a factorial", "3!!", 720},
        {"factorial keeps the sign", "-3!", -6},
        {"factorial of zero", "0!", 1},
        {"function of a factorial", "sqrt16!", std::sqrt(20922789888000.0L)},
        {"hex", "$ff", 255},
        {"hex in capitals", "$FF", 255},
        {"hex is a signed 32-bit integer", "$ffffffff", -1},
        {"smallest hex", "$80000000", -2147483648.0L},
        {"factorial of hex", "$4!", 24},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(EvaluateOperand(c.text), c.expected);
    }
    // A function result is not rounded to 18 digits unless an operator or a
    // group writes it out.
    EXPECT_EQ(EvaluateExpression("sqrt2"), std::sqrt(2.0L));
    EXPECT_NE(EvaluateExpression("sqrt2*1"), std::sqrt(2.0L));
}

TEST_F(EvaluatorTest, ErrorMessages)
{
    CheckEntries({
        {"empty text", "", Blank},
        {"blanks only", "   ", BadExpression},
        {"leading operator", "+5", BadCharacters},
        {"trailing operator", "5+", BadExpression},
        {"two operators", "5++3", BadCharacters},
        {"constant with a factor", "2pi", BadCharacters},
        {"function without argument", "sqrt", BadCharacters},
        {"decimal out of range", "1E5000", BadCharacters},
        {"result whose 18 digits are out of range", "1.189731495357231765E4932*1", BadCharacters},
        {"hex with a bad digit", "$fg", BadHex},
        {"hex with nine digits", "$123456789", BadHex},
        {"factorial of a fraction", "2.5!", NotInteger},
        {"factorial too large", "1755!", Overflow},
        {"factorial of a huge number", "1E18!", Overflow},
        {"square root of a negative", "sqrt(-1)", InvalidOp},
        {"byte 155 is an ordinary character",
         "5\x9B"
         "3",
         BadCharacters},
    });
}

TEST_F(EvaluatorTest, ErrorKinds)
{
    struct Case {
        const char* text;
        const std::type_info& kind;
    };
    const Case cases[] = {
        {"5+", typeid(EAssignError)}, {"7%0", typeid(EDivByZero)},    {"1/0", typeid(EZeroDivide)},
        {"ln-1", typeid(EInvalidOp)}, {"10^5000", typeid(EOverflow)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        try {
            EvaluateExpression(c.text);
            ADD_FAILURE() << "no error";
        } catch (const EQuantovaError& e) {
            EXPECT_EQ(typeid(e), c.kind);
        }
    }
}

TEST_F(EvaluatorTest, FactorialDirectly)
{
    EXPECT_EQ(Factorial(20), 2432902008176640000.0L);  // exact: every product fits 64 bits
    EXPECT_EQ(Factorial(-5), -120);
    EXPECT_TRUE(std::isfinite(Factorial(1754)));
}

TEST_F(EvaluatorTest, FunctionNames)
{
    const struct {
        const char* text;
        bool expected;
    } cases[] = {
        {"sin", true}, {"SIN", true}, {"ArcTanh", true},   {"sqrt", true},  {"csc", true},
        {"!", true},   {"$", true},   {"si", false},       {"sin1", false}, {"", false},
        {"pi", false}, {"e", false},  {"arctanhh", false}, {"!!", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(IsFunctionName(c.text), c.expected);
    }
}

TEST_F(EvaluatorTest, CommaSeparator)
{
    SetDecimalSeparator(',');
    CheckEntries({
        {"decimal comma", "1,609344*1000", "1609,344"},
        {"group value written and read with a comma", "(1/4)*3", "0,75"},
        {"point is not a separator", "1.5", BadCharacters},
        {"exponent after a comma", "1,5e-3", "0,0015"},
    });
}

}  // namespace
}  // namespace qv::test
