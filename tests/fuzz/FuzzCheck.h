// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Helpers shared by the fuzz targets. A broken expectation aborts with a
// message, which libFuzzer reports as a crash and keeps the input for.

#include <cstdio>
#include <cstdlib>
#include <exception>

namespace qv::fuzz {

[[noreturn]] inline void Fail(const char* what)
{
    std::fprintf(stderr, "fuzz check failed: %s\n", what);
    std::abort();
}

inline void Check(bool condition, const char* what)
{
    if (!condition) Fail(what);
}

// Runs `action`, which may raise one of Quantova's own errors (the outcome
// the user would see as a message); any other exception is a fault. Returns
// true when `action` raised nothing.
template <typename Error, typename Action>
bool Attempt(Action&& action)
{
    try {
        action();
        return true;
    } catch (const Error&) {
        return false;
    }
}

}  // namespace qv::fuzz
