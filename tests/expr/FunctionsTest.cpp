// SPDX-License-Identifier: GPL-3.0-or-later
#include "ExprTestSupport.h"

namespace qv::test {
namespace {

using FunctionsTest = ExprTest;

// Values to 18 digits, from an independent high-precision calculation of the
// function at the argument as read.
TEST_F(FunctionsTest, Values)
{
    CheckEntries({
        {"sin", "sin1", "0.841470984807896507"},
        {"cos", "cos1", "0.540302305868139717"},
        {"tan", "tan1", "1.55740772465490223"},
        {"cotan", "cotan1", "0.642092615934330703"},
        {"sec", "sec1", "1.85081571768092562"},
        {"cosec", "cosec(1)", "1.18839510577812122"},
        {"csc is cosec", "csc1", "1.18839510577812122"},
        {"sinh", "sinh1", "1.17520119364380146"},
        {"sinh of a negative", "sinh-2", "-3.62686040784701877"},
        {"cosh", "cosh1", "1.54308063481524378"},
        {"cosh is even", "cosh-2", "3.76219569108363146"},
        {"tanh", "tanh0.5", "0.462117157260009759"},
        {"tanh of a negative", "tanh-3", "-0.995054753686730451"},
        {"arcsinh", "arcsinh1", "0.881373587019543025"},
        {"arcsinh of a negative", "arcsinh-2", "-1.44363547517881034"},
        {"arcsinh above 1E10", "arcsinh1E11", "26.0215832034944478"},
        {"arccosh", "arccosh1.5", "0.962423650119206895"},
        {"arccosh above 1E10", "arccosh1E11", "26.0215832034944478"},
        {"arctanh", "arctanh0.5", "0.549306144334054846"},
        {"arctanh of a negative", "arctanh-0.9", "-1.47221948958322023"},
        {"arcsin near -1", "arcsin-0.999", "-1.52607123962616319"},
        // of the extended value nearest 0.999: the slope there is -22
        {"arccos near 1", "arccos0.999", "0.0447250871687334317"},
        {"arctan", "arctan1", "0.78539816339744831"},
        {"ln", "ln2", "0.693147180559945309"},
        {"log", "log2", "0.301029995663981195"},
        {"sqrt", "sqrt2", "1.41421356237309505"},
        {"abs", "abs-3", "3"},
        {"frac keeps the sign", "frac-2.5", "-0.5"},
        {"int truncates", "int-2.7", "-2"},
        {"round half to even, down", "round2.5", "2"},
        {"round half to even, up", "round3.5", "4"},
        {"round a negative half", "round-2.5", "-2"},
        {"ceil", "ceil-0.5", "0"},
        {"floor", "floor-0.5", "-1"},
    });
}

// Small arguments where the textbook formulas cancel: the results keep all
// their digits.
TEST_F(FunctionsTest, SmallArguments)
{
    CheckEntries({
        {"sinh", "sinh1E-10", "1E-10"},
        {"sinh of a negative", "sinh-1E-10", "-1E-10"},
        {"tanh", "tanh1E-10", "1E-10"},
        {"arcsinh", "arcsinh1E-10", "1E-10"},
        {"arctanh", "arctanh1E-10", "1E-10"},
        {"arcsin", "arcsin1E-10", "1E-10"},
        {"cosh", "cosh1E-10", "1"},
    });
}

TEST_F(FunctionsTest, SpecialCases)
{
    CheckEntries({
        {"arctanh of one", "arctanh1", "1.1E4932"},
        {"arctanh beyond one", "arctanh-2", "-1.1E4932"},
        {"arctanh of zero", "arctanh0", "0"},
        {"arccosh at one and below", "arccosh0.5", "0"},
        {"tanh above its limit", "tanh6000", "1"},
        {"tanh below its limit", "tanh-6000", "-1"},
        {"tanh just inside its limit", "tanh5678", "1"},
        {"sin from 2^63", "sin9.3E18", "0"},
        {"cos from 2^63", "cos-9.3E18", "0"},
        {"sec of a huge angle", "sec9.3E18", ZeroDivide},
        {"arcsin of one", "arcsin1", "1.57079632679489662"},
        {"arccos of minus one", "arccos-1", "3.14159265358979324"},
        {"cosh in range", "cosh11356", "3.52457289999283122E4931"},
        {"cosh beyond e^x's range", "cosh11357", "9.58078246712971283E4931"},
        {"sinh beyond e^x's range", "sinh-11357", "-9.58078246712971283E4931"},
    });
}

TEST_F(FunctionsTest, Faults)
{
    CheckEntries({
        {"cotan of zero", "cotan0", ZeroDivide},
        {"cosec of zero", "cosec0", ZeroDivide},
        {"ln of zero", "ln0", ZeroDivide},
        {"log of zero", "log0", ZeroDivide},
        {"ln of a negative", "ln-1", InvalidOp},
        {"sqrt of a negative", "sqrt-1", InvalidOp},
        {"arcsin beyond one", "arcsin1.5", InvalidOp},
        {"arccos beyond one", "arccos-1.5", InvalidOp},
        {"round beyond 32 bits", "round3E9", InvalidOp},
        {"round of a half beyond 32 bits", "round2147483647.5", InvalidOp},
        {"ceil beyond 32 bits", "ceil2147483647.5", InvalidOp},
        {"floor beyond 32 bits", "floor-2147483648.5", InvalidOp},
        {"cosh overflows", "cosh11358", Overflow},
        {"cosh of a large negative overflows", "cosh-20000", Overflow},
        {"sinh of a large negative overflows", "sinh-20000", Overflow},
        {"cosh where even e^(x/2) overflows", "cosh1E26", Overflow},
        {"cosh of a huge negative", "cosh-1E26", Overflow},
        {"sinh of a huge product", "sinh(16!*737690061506.12)", Overflow},
        {"sinh of a huge negative", "sinh-1E4000", Overflow},
    });
}

}  // namespace
}  // namespace qv::test
