// SPDX-License-Identifier: GPL-3.0-or-later
// The general error display's texts for file errors: the path converted from
// the file system's encoding, the message from Windows-1252, and a failed
// save naming the file whose previous copy is unchanged.
#include "ui/ErrorDisplay.h"
#include "catalogue/Errors.h"

#include <QFile>
#include <gtest/gtest.h>

namespace qv::test {
namespace {

TEST(ErrorDisplayTest, FileErrorsShowPathsAndMessagesEachFromItsOwnEncoding)
{
    // "Jürgen" as the file system spells it, and a message with a
    // Windows-1252 byte (0xB5, micro).
    const std::string home = QFile::encodeName(QStringLiteral("/home/J\u00fcrgen")).toStdString();
    EFileError cannotCreate("Cannot create file %s", home + "/Custom Category.qv");
    cannotCreate.SetUnsavedFile(home + "/Custom Category.qv");
    EFileError writeError("Stream write error");
    writeError.SetUnsavedFile(home + "/Currency.txt");
    const EFileError cannotOpen("Cannot open \xB5 file %s", home + "/a.qv");

    const struct {
        const char* name;
        const EFileError& error;
        QString shown;
    } rows[] = {
        {"save refused", cannotCreate,
         QStringLiteral("Cannot create file /home/J\u00fcrgen/Custom Category.qv.\n\n"
                        "/home/J\u00fcrgen/Custom Category.qv was not saved. Its previous copy is unchanged.")},
        {"write failed", writeError,
         QStringLiteral("Stream write error.\n\n/home/J\u00fcrgen/Currency.txt was not saved. Its previous copy is "
                        "unchanged.")},
        {"not a save", cannotOpen, QStringLiteral("Cannot open \u00b5 file /home/J\u00fcrgen/a.qv.")},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(FileErrorText(row.error), row.shown);
    }
}

// Other errors that name a file (a rates update refused) show the path as
// right as file errors do.
TEST(ErrorDisplayTest, RatesErrorsShowPathsFromTheFileSystemsEncoding)
{
    const std::string path = QFile::encodeName(QStringLiteral("/home/J\u00fcrgen/Currency.txt")).toStdString();
    class ERatesLike : public EQuantovaError {
        using EQuantovaError::EQuantovaError;
    };
    const auto shown = [](const auto& error) { return ExceptionText(std::make_exception_ptr(error)); };
    EXPECT_EQ(shown(ERatesLike("The rates file %s cannot be updated: \xB5", path)),
              QStringLiteral("The rates file /home/J\u00fcrgen/Currency.txt cannot be updated: \u00b5."));
    EXPECT_EQ(shown(ERatesLike("No file named")), QStringLiteral("No file named."));
}

}  // namespace
}  // namespace qv::test
