// SPDX-License-Identifier: GPL-3.0-or-later
// Prints a package file as lines of tab-separated text (Windows-1252 shown as
// UTF-8), for tests that check what the program saved:
//   caption <caption>    active <0|1>
//   category <name> <value> <default> <entry> <selected>
//   unit <symbol> <definition> <factor> <hidden>
#include "catalogue/Category.h"
#include "catalogue/Cp1252.h"
#include "expr/NumberText.h"

#include <cstdio>
#include <exception>

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: qvdump FILE.qv\n");
        return 2;
    }
    try {
        qv::TCategories package;
        package.LoadFromFile(argv[1]);
        std::printf("caption\t%s\nactive\t%d\n", qv::Cp1252ToUtf8(package.Caption).c_str(), package.Active ? 1 : 0);
        for (int c = 0; c < package.CategoryCount(); ++c) {
            const qv::TCategory& cat = package.CategoryAt(c);
            std::printf("category\t%s\t%s\t%d\t%d\t%d\n", qv::Cp1252ToUtf8(cat.Name).c_str(),
                        qv::NumberText(cat.Value).c_str(), cat.DefaultIndex, cat.EntryIndex, cat.SelectedIndex);
            for (int u = 0; u < cat.UnitCount(); ++u) {
                const qv::TUnit& unit = cat.UnitAt(u);
                std::printf("unit\t%s\t%s\t%s\t%d\n", qv::Cp1252ToUtf8(unit.Symbol).c_str(),
                            qv::Cp1252ToUtf8(unit.Definition).c_str(), qv::NumberText(unit.Factor).c_str(),
                            unit.Hidden ? 1 : 0);
            }
        }
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
    return 0;
}
