// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What the window benchmarks share: a package of built-in categories in a
// temporary program folder, made current for the run and removed after it.
// OffscreenBenchMain.cpp is their main(), with a QApplication on the
// offscreen platform.

#include <string>
#include <vector>

namespace qv::bench {

class BenchPackage {
public:
    explicit BenchPackage(std::vector<std::string> categories);
    ~BenchPackage();
    BenchPackage(const BenchPackage&) = delete;
    BenchPackage& operator=(const BenchPackage&) = delete;

private:
    std::string dir_;
};

}  // namespace qv::bench
