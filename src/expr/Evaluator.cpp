// SPDX-License-Identifier: GPL-3.0-or-later
#include "expr/Evaluator.h"

#include "catalogue/CheckedMath.h"
#include "expr/DecimalDigits.h"
#include "expr/Functions.h"
#include "expr/NumberText.h"

#include <cstdint>
#include <vector>

namespace qv {

namespace {

Extended EvaluateOperandText(std::string_view text);

constexpr Extended Pi = 3.141592653589793238462643383279502884L;
constexpr Extended E = 2.718281828459045235360287471352662498L;

// Binary operators; the pass that reduces each follows from its position.
enum class Op : std::uint8_t { Power, Multiply, Divide, Remainder, And, Add, Subtract, Or, Equal };

int PassOf(Op op)
{
    switch (op) {
    case Op::Power: return 0;
    case Op::Multiply:
    case Op::Divide:
    case Op::Remainder:
    case Op::And: return 1;
    case Op::Add:
    case Op::Subtract:
    case Op::Or: return 2;
    case Op::Equal: return 3;
    }
    return 3;
}

constexpr int PassCount = 4;
constexpr std::size_t LongestFunctionName = 7;

// A minus sign directly after one of these characters is a sign, not a
// subtraction.
bool SignFollows(char c)
{
    switch (c) {
    case '%':
    case '&':
    case '*':
    case '+':
    case '/':
    case '=':
    case 'E':
    case '^':
    case '|':
    case '-': return true;
    default: return false;
    }
}

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}
bool IsHexDigit(char c)
{
    return IsDigit(c) || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

// Whether the '+' or '-' at position i belongs to the exponent of a decimal
// number: it follows an 'e' or 'E' that directly follows the digits of the
// number, and a digit follows it. The converted values are written with a
// lower-case 'e' ('1.05702e-16', '1.2e+4'), so they read back as themselves;
// 'e-1' (Euler's number minus 1) and '$1e-3' (hexadecimal 1E minus 3) stay
// subtractions.
bool IsExponentSign(std::string_view text, std::size_t i)
{
    if (i < 2 || i + 1 >= text.size() || !IsDigit(text[i + 1])) return false;
    if (text[i - 1] != 'e' && text[i - 1] != 'E') return false;
    const char sep = DecimalSeparator();
    std::size_t start = i - 1;
    bool digits = false;
    while (start > 0 && (IsDigit(text[start - 1]) || text[start - 1] == sep)) {
        digits = digits || IsDigit(text[start - 1]);
        --start;
    }
    if (!digits) return false;
    while (start > 0 && IsHexDigit(text[start - 1])) --start;
    return start == 0 || text[start - 1] != '$';
}

// The operator at position i of a blank-free, parenthesis-free text, if any.
bool OperatorAt(std::string_view text, std::size_t i, Op& op)
{
    switch (text[i]) {
    case '^': op = Op::Power; return true;
    case '*': op = Op::Multiply; return true;
    case '/': op = Op::Divide; return true;
    case '%': op = Op::Remainder; return true;
    case '&': op = Op::And; return true;
    case '+':
        if (IsExponentSign(text, i)) return false;
        op = Op::Add;
        return true;
    case '|': op = Op::Or; return true;
    case '=': op = Op::Equal; return true;
    case '-':
        if (i == 0 || SignFollows(text[i - 1]) || IsExponentSign(text, i)) return false;
        if (i <= LongestFunctionName && IsFunctionName(text.substr(0, i))) return false;
        op = Op::Subtract;
        return true;
    default: return false;
    }
}

// An operand: the text as the user wrote it, or the result of an operator,
// held as the value that its number text reads back as.
struct Term {
    std::string_view text;
    bool reduced = false;
    bool readable = true;  // false when the result's number text is out of range
    Extended value = 0;
};

Term Reduced(Extended r)
{
    Term t;
    t.reduced = true;
    t.readable = RoundTo18Digits(r, t.value);
    return t;
}

Extended ValueOf(const Term& t)
{
    if (!t.reduced) return EvaluateOperandText(t.text);
    if (!t.readable) throw EAssignError(msg::InvalidCharacters);
    return t.value;
}

Term Apply(Op op, const Term& left, const Term& right)
{
    const Extended a = ValueOf(left);
    if (op == Op::Or && a != 0) return Reduced(1);  // the right operand is never read
    const Extended b = ValueOf(right);
    switch (op) {
    case Op::Power: return Reduced(Power(a, b));
    case Op::Multiply: return Reduced(CheckedMul(a, b));
    case Op::Divide: return Reduced(CheckedDiv(a, b));
    case Op::Remainder: return Reduced(Remainder(a, b));
    case Op::And: return Reduced(a != 0 && b != 0 ? 1 : 0);
    case Op::Add: return Reduced(CheckedAdd(a, b));
    case Op::Subtract: return Reduced(CheckedSub(a, b));
    case Op::Or: return Reduced(b != 0 ? 1 : 0);
    case Op::Equal: return Reduced(a == b ? 1 : 0);
    }
    throw EInvalidOp();
}

// Evaluates a text without blanks or parentheses.
Extended EvaluateFlat(std::string_view text)
{
    std::vector<Term> terms;
    std::vector<Op> ops;
    std::size_t start = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        Op op;
        if (OperatorAt(text, i, op)) {
            terms.push_back(Term{text.substr(start, i - start)});
            ops.push_back(op);
            start = i + 1;
        }
    }
    // A trailing operator leaves no last operand, and an empty text none at all.
    if (start < text.size()) terms.push_back(Term{text.substr(start)});
    if (terms.size() != ops.size() + 1) throw EAssignError(msg::InvalidExpression);

    // Each pass folds runs of its operators left to right, the left operand
    // evaluated first, into new lists for the next pass.
    for (int pass = 0; pass < PassCount && !ops.empty(); ++pass) {
        std::vector<Term> nextTerms;
        std::vector<Op> nextOps;
        Term current = terms[0];
        for (std::size_t i = 0; i < ops.size(); ++i) {
            if (PassOf(ops[i]) == pass) {
                current = Apply(ops[i], current, terms[i + 1]);
            } else {
                nextTerms.push_back(current);
                nextOps.push_back(ops[i]);
                current = terms[i + 1];
            }
        }
        nextTerms.push_back(current);
        terms.swap(nextTerms);
        ops.swap(nextOps);
    }
    return ValueOf(terms[0]);
}

// Evaluates a group: the same as a whole entry, which cannot be empty.
Extended EvaluateGroup(std::string_view text)
{
    if (text.empty()) throw EAssignError(msg::EntryBlank);
    return EvaluateFlat(text);
}

// Replaces every parenthesised group, innermost first, by the number text of
// its value. The groups are met in the order in which the first ")" closes
// the last "(" before it; a "(" that is never closed stays in the text.
std::string ResolveParentheses(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    std::vector<std::size_t> opens;
    for (const char c : text) {
        if (c == '(') {
            opens.push_back(out.size());
            out += c;
        } else if (c == ')') {
            if (opens.empty()) throw EAssignError(msg::ParenthesesMismatch);
            const std::size_t open = opens.back();
            opens.pop_back();
            const Extended v = EvaluateGroup(std::string_view(out).substr(open + 1));
            out.resize(open);
            out += NumberText(v);
        } else {
            out += c;
        }
    }
    return out;
}

// An operand with every run of minus signs cut to its parity ("--" deleted
// repeatedly) and ASCII letters in lower case.
std::string NormaliseOperand(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    bool pendingMinus = false;
    for (const char c : text) {
        if (c == '-') {
            pendingMinus = !pendingMinus;
            continue;
        }
        if (pendingMinus) out += '-';
        pendingMinus = false;
        out += (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
    }
    if (pendingMinus) out += '-';
    return out;
}

// "$" and one to eight hexadecimal digits, taken as a signed 32-bit integer.
Extended ReadHex(std::string_view text)
{
    if (text.size() < 2 || text.size() > 9) throw EAssignError(msg::InvalidHex);
    std::uint32_t bits = 0;
    for (const char c : text.substr(1)) {
        unsigned digit;
        if (c >= '0' && c <= '9')
            digit = static_cast<unsigned>(c - '0');
        else if (c >= 'a' && c <= 'f')
            digit = static_cast<unsigned>(c - 'a' + 10);
        else
            throw EAssignError(msg::InvalidHex);
        bits = bits << 4 | digit;
    }
    return static_cast<Extended>(static_cast<std::int32_t>(bits));
}

// "pi", "e" and their negatives, recognised only as the whole rest of an
// operand: '2pi' is not a product.
bool ReadConstant(std::string_view text, Extended& value)
{
    if (text == "pi")
        value = Pi;
    else if (text == "-pi")
        value = -Pi;
    else if (text == "e")
        value = E;
    else if (text == "-e")
        value = -E;
    else
        return false;
    return true;
}

constexpr int FactorialStep = -1;

Extended EvaluateOperandText(std::string_view text)
{
    const std::string operand = NormaliseOperand(text);
    // Peel function names off the front and "!" off the back, in the order in
    // which the operand's rules try them, until a constant, a hexadecimal or
    // a decimal number is left; then apply the steps innermost first.
    std::vector<int> steps;
    std::size_t begin = 0, end = operand.size();
    Extended x = 0;
    for (;;) {
        const std::string_view rest(operand.data() + begin, end - begin);
        if (ReadConstant(rest, x)) break;
        const int f = MatchFunctionPrefix(rest);
        if (f >= 0) {
            steps.push_back(f);
            begin += FunctionNameLength(f);
            continue;
        }
        if (!rest.empty() && rest.back() == '!') {
            steps.push_back(FactorialStep);
            --end;
            continue;
        }
        if (!rest.empty() && rest.front() == '$') {
            x = ReadHex(rest);
            break;
        }
        if (!TryReadNumber(rest, x)) throw EAssignError(msg::InvalidCharacters);
        break;
    }
    for (auto step = steps.rbegin(); step != steps.rend(); ++step) {
        x = *step == FactorialStep ? Factorial(x) : ApplyFunction(*step, x);
    }
    return x;
}

}  // namespace

Extended EvaluateOperand(const std::string& text)
{
    return EvaluateOperandText(text);
}

Extended EvaluateExpression(const std::string& text)
{
    if (text.empty()) throw EAssignError(msg::EntryBlank);
    std::string compact;
    compact.reserve(text.size());
    for (const char c : text) {
        if (c != ' ' && c != '\t') compact += c;
    }
    // A text of blanks gets past the blank test and fails as an expression
    // without operands.
    if (compact.find(')') == std::string::npos) return EvaluateFlat(compact);
    return EvaluateFlat(ResolveParentheses(compact));
}

}  // namespace qv
