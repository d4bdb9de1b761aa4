// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/CliErrors.h"

#include <gtest/gtest.h>

namespace qv::cli {
namespace {

// A path in an error is printed as the file system spells it (UTF-8 here),
// the message around it converted from Windows-1252.
TEST(TerminalMessage, PathsStayAsTheFileSystemSpellsThem)
{
    const std::string path = "/home/J\xC3\xBCrgen/a.qv";
    EXPECT_EQ(TerminalMessage(EFileError("Cannot open \xB5 file %s", path)),
              "Cannot open \xC2\xB5 file /home/J\xC3\xBCrgen/a.qv");
    EXPECT_EQ(TerminalMessage(EQuantovaError("Line\rbreak \xB5")), "Line break \xC2\xB5");
}

}  // namespace
}  // namespace qv::cli
