// SPDX-License-Identifier: GPL-3.0-or-later
#include "expr/Functions.h"

#include "catalogue/CheckedMath.h"
#include "expr/Evaluator.h"

#include <cmath>
#include <cstdint>

namespace qv {

namespace {

// The table's order is the order in which names are tried: a longer name comes
// before the shorter one it begins with ("arctanh" before "arctan", "cosec"
// before "cos").
// clang-format off
enum Function {
    ArcTanh, ArcTan, CoTan, TanH, Tan, ArcCosH, ArcCos, CosH, CoSec, Cos, Sec, ArcSinH, ArcSin,
    SinH, Sin, Csc, Abs, Frac, Int, Ln, Round, Ceil, Floor, Log, Sqrt, FunctionCount
};
// clang-format on

constexpr std::string_view Names[FunctionCount] = {"arctanh", "arctan", "cotan", "tanh", "tan",     "arccosh", "arccos",
                                                   "cosh",    "cosec",  "cos",   "sec",  "arcsinh", "arcsin",  "sinh",
                                                   "sin",     "csc",    "abs",   "frac", "int",     "ln",      "round",
                                                   "ceil",    "floor",  "log",   "sqrt"};

constexpr Extended Ln2 = 0.693147180559945309417232121458176568L;
// From 2^63 on, neighbouring extended values lie a radian or more apart, so an
// argument there has no angle left to speak of: sine and cosine give 0.
constexpr Extended TrigLimit = 9223372036854775808.0L;
constexpr Extended TanhLimit = 5678.22249441322L;
constexpr Extended ArcTanhOfOne = 1.1E4932L;
constexpr Extended LargeArgument = 1E10L;

char LowerAscii(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

Extended Negated(Extended r, bool negative)
{
    return negative ? -r : r;
}

Extended SinOf(Extended x)
{
    return std::fabs(x) >= TrigLimit ? 0 : std::sin(x);
}
Extended CosOf(Extended x)
{
    return std::fabs(x) >= TrigLimit ? 0 : std::cos(x);
}

// ½·e^a for a = |x|, the half exponential both hyperbolic formulas start from.
// Taken at |x| so that a large negative argument overflows as the true result
// does, instead of underflowing to 0 and failing as a division by zero. Where
// e^a alone overflows but its half does not (a up to ln(2·max)), the half is
// taken as e^(a/2) · ½e^(a/2); beyond that the result overflows, even when
// e^(a/2) itself is already infinite.
Extended HalfExp(Extended a)
{
    const Extended full = std::exp(a);
    if (!std::isinf(full)) return 0.5L * full;
    const Extended root = std::exp(a / 2);
    if (std::isinf(root)) throw EOverflow();
    return CheckedMul(root, 0.5L * root);
}

Extended SinHOf(Extended x)
{
    const Extended a = std::fabs(x);
    Extended s;
    if (a < 1) {
        // h − 0.25/h cancels for small arguments; the same quantity from e^a − 1:
        const Extended m = std::expm1(a);
        s = 0.5L * (m + m / (m + 1));
    } else {
        const Extended h = HalfExp(a);
        s = h - 0.25L / h;
    }
    return Negated(s, x < 0);
}

Extended TanHOf(Extended x)
{
    if (x > TanhLimit) return 1;
    if (x < -TanhLimit) return -1;
    // (c² − 1)/(c² + 1) with c = e^x, written with m = c² − 1 so that small
    // arguments keep their digits.
    const Extended m = std::expm1(2 * x);
    return m / (m + 2);
}

Extended ArcTanHOf(Extended x)
{
    if (x == 0) return 0;
    const Extended a = std::fabs(x);
    if (a >= 1) return Negated(ArcTanhOfOne, x < 0);
    return Negated(0.5L * std::log1p(2 * a / (1 - a)), x < 0);
}

Extended ArcSinHOf(Extended x)
{
    if (x == 0) return 0;
    const Extended a = std::fabs(x);
    if (a > LargeArgument) return Negated(Ln2 + std::log(a), x < 0);
    return Negated(std::log1p(a + a * a / (std::sqrt(a * a + 1) + 1)), x < 0);
}

Extended ArcCosHOf(Extended x)
{
    if (x <= 1) return 0;
    if (x > LargeArgument) return Ln2 + std::log(x);
    // ln(x + √((x − 1)(x + 1))) as ln(1 + y): near 1 the sum would lose the
    // small part.
    const Extended t = x - 1;
    return std::log1p(t + std::sqrt(t * (x + 1)));
}

// √(1 − x²) for |x| <= 1, factored so that it keeps its digits near ±1.
Extended Complement(Extended x)
{
    if (std::fabs(x) > 1) throw EInvalidOp();
    return std::sqrt((1 - x) * (1 + x));
}

Extended Logarithm(Extended x, bool common)
{
    if (x < 0) throw EInvalidOp();
    if (x == 0) throw EZeroDivide();
    return common ? std::log10(x) : std::log(x);
}

// A whole result of ceil or floor that must fit 32 bits.
Extended Whole32(Extended r)
{
    if (r < -2147483648.0L || r > 2147483647.0L) throw EInvalidOp();
    return static_cast<Extended>(static_cast<std::int32_t>(r));
}

Extended Evaluate(int f, Extended x)
{
    switch (f) {
    case ArcTanh: return ArcTanHOf(x);
    case ArcTan: return std::atan(x);
    case CoTan: return CheckedDiv(1, std::tan(x));
    case TanH: return TanHOf(x);
    case Tan: return std::tan(x);
    case ArcCosH: return ArcCosHOf(x);
    case ArcCos: return std::atan2(Complement(x), x);
    case CosH: {
        const Extended h = HalfExp(std::fabs(x));
        return h + 0.25L / h;
    }
    case CoSec:
    case Csc: return CheckedDiv(1, SinOf(x));
    case Cos: return CosOf(x);
    case Sec: return CheckedDiv(1, CosOf(x));
    case ArcSinH: return ArcSinHOf(x);
    case ArcSin: return std::atan2(x, Complement(x));
    case SinH: return SinHOf(x);
    case Sin: return SinOf(x);
    case Abs: return std::fabs(x);
    case Frac: return x - std::trunc(x);
    case Int: return std::trunc(x);
    case Ln: return Logarithm(x, false);
    case Round: return static_cast<Extended>(RoundToInt32(x));
    case Ceil: return Whole32(std::ceil(x));
    case Floor: return Whole32(std::floor(x));
    case Log: return Logarithm(x, true);
    case Sqrt:
        if (x < 0) throw EInvalidOp();
        return std::sqrt(x);
    }
    throw EInvalidOp();
}

// a^n by squaring from the lowest bit; the base is not squared after the last
// set bit, which would overflow needlessly (10^4900). False on overflow.
bool RaiseWhole(Extended a, std::uint32_t n, Extended& result)
{
    Extended r = 1;
    Extended base = a;
    for (;;) {
        if ((n & 1) != 0) {
            r *= base;
            if (std::isinf(r)) return false;
        }
        n >>= 1;
        if (n == 0) break;
        base *= base;
        if (std::isinf(base)) return false;
    }
    result = r;
    return true;
}

}  // namespace

int MatchFunctionPrefix(std::string_view lowerText)
{
    for (int f = 0; f < FunctionCount; ++f) {
        if (lowerText.starts_with(Names[f])) return f;
    }
    return -1;
}

std::size_t FunctionNameLength(int f)
{
    return Names[f].size();
}

Extended ApplyFunction(int f, Extended x)
{
    RequireFinite(x);
    return CheckedResult(Evaluate(f, x));
}

Extended Power(Extended a, Extended b)
{
    RequireFinite(a);
    RequireFinite(b);
    if (b == 0) return 1;
    if (a == 0 && b > 0) return 0;
    if (b == std::trunc(b) && std::fabs(b) <= 2147483647.0L) {
        const auto n = static_cast<std::uint32_t>(std::fabs(b));
        Extended p = 0;
        if (b > 0) {
            if (!RaiseWhole(a, n, p)) throw EOverflow();
            return p;
        }
        if (a == 0) throw EZeroDivide();
        if (RaiseWhole(a, n, p)) {
            // a^n underflowed to zero: its reciprocal is far beyond the range.
            if (p == 0) throw EOverflow();
            return CheckedDiv(1, p);
        }
        // a^n overflowed, yet 1/a^n may still be a (tiny) value: take it as
        // the product of the reciprocals of two halves, each within range, or
        // as zero when even a half overflows. Underflow passes silently.
        Extended low = 0, high = 0;
        if (!RaiseWhole(a, n / 2, low) || !RaiseWhole(a, n - n / 2, high)) return 0;
        return (1 / low) * (1 / high);
    }
    if (a < 0) throw EInvalidOp();    // ln of a negative number
    if (a == 0) throw EZeroDivide();  // ln 0, with b < 0
    return CheckedResult(std::exp(CheckedMul(b, std::log(a))));
}

Extended Remainder(Extended a, Extended b)
{
    const std::int32_t x = TruncToInt32(a);
    const std::int32_t y = TruncToInt32(b);
    if (y == 0) throw EDivByZero();
    if (y == -1) return 0;  // and INT_MIN % -1 is never computed
    return static_cast<Extended>(x % y);
}

bool IsFunctionName(std::string_view text)
{
    if (text == "!" || text == "$") return true;
    if (text.size() > 7) return false;
    char lower[7];
    for (std::size_t i = 0; i < text.size(); ++i) lower[i] = LowerAscii(text[i]);
    const std::string_view name(lower, text.size());
    for (std::string_view n : Names) {
        if (n == name) return true;
    }
    return false;
}

Extended Factorial(Extended x)
{
    RequireFinite(x);
    if (x != std::trunc(x)) throw EAssignError(msg::FactorialIntegersOnly);
    const Extended n = std::fabs(x);
    if (n == 0) return 1;
    // Multiplying down checks every product, so that a huge n overflows at
    // once instead of counting down from it.
    Extended r = n;
    for (Extended k = n - 1; k >= 1; k -= 1) r = CheckedMul(r, k);
    return Negated(r, x < 0);
}

}  // namespace qv
