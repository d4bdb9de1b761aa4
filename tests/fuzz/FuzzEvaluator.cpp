// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzz target: the expression evaluator. Any text up to the longest entry a
// field holds, under "." and "," as the decimal separator, gives a finite
// value or one of the evaluator's typed errors; and the number text of a
// value, which the entry field shows, evaluates to the same text again.
#include "FuzzCheck.h"
#include "expr/Evaluator.h"
#include "expr/NumberText.h"

#include <chrono>
#include <cmath>
#include <cstdint>
#include <string>

namespace qv::fuzz {
namespace {

constexpr std::size_t LongestEntry = 32767;

// The slowest evaluation seen, reported when the run ends (timing is for
// information only; libFuzzer's -timeout catches a hang).
struct Slowest {
    double milliseconds = 0;
    std::string text;
    ~Slowest()
    {
        if (milliseconds == 0) return;
        std::fprintf(stderr, "slowest evaluation: %.2f ms, %zu bytes: '", milliseconds, text.size());
        for (unsigned char c : text.substr(0, 160)) {
            if (c >= 32 && c < 127)
                std::fputc(c, stderr);
            else
                std::fprintf(stderr, "\\x%02X", c);
        }
        std::fprintf(stderr, "%s'\n", text.size() > 160 ? "..." : "");
    }
} slowest;

// The value of `text`, or false when it raised one of the evaluator's errors.
bool Evaluate(const std::string& text, Extended& value)
{
    try {
        value = EvaluateExpression(text);
        return true;
    } catch (const EAssignError&) {
    } catch (const EMathError&) {
    } catch (const EDivByZero&) {
    }
    return false;
}

void EvaluateUnder(char separator, const std::string& text)
{
    SetDecimalSeparator(separator);
    Extended value = 0;
    const auto start = std::chrono::steady_clock::now();
    const bool valued = Evaluate(text, value);
    const std::chrono::duration<double, std::milli> took = std::chrono::steady_clock::now() - start;
    if (took.count() > slowest.milliseconds) {
        slowest.milliseconds = took.count();
        slowest.text = text;
    }
    if (!valued) return;

    Check(std::isfinite(value), "a result is finite");
    const std::string shown = NumberText(value);
    Extended again = 0;
    if (!Evaluate(shown, again)) {
        // Only the largest values round above the extended range as 18 digits.
        Check(std::fabs(value) > 1E4932L, "the number text of a result evaluates");
        return;
    }
    Check(NumberText(again) == shown, "the number text of a result evaluates to the same text");
}

}  // namespace
}  // namespace qv::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size > qv::fuzz::LongestEntry) return 0;
    const std::string text(reinterpret_cast<const char*>(data), size);
    for (char separator : {'.', ','}) qv::fuzz::EvaluateUnder(separator, text);
    qv::SetDecimalSeparator('.');
    return 0;
}
