// SPDX-License-Identifier: GPL-3.0-or-later
// Writes a package with every built-in category into a directory, as the
// installer would, for start-up measurements: make_package DIR
#include "builtin/BuildCats.h"
#include "catalogue/Category.h"

#include <cstdio>
#include <exception>
#include <string>

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_package DIR\n");
        return 2;
    }
    try {
        std::string dir = argv[1];
        if (dir.back() != '/') dir += '/';
        qv::TCategories package;
        package.Caption = "Custom Category";
        package.Active = true;
        std::vector<std::string> all = qv::ListBuiltInCategories();
        qv::BuildBuiltInCategories(package, all, dir);
        package.SaveToFile(dir + "Custom Category.qv");
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
    return 0;
}
