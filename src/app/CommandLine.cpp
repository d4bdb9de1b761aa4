// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/CommandLine.h"

#include "ProgramInfo.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <cstdio>

namespace qv {
namespace {

constexpr const char* Description = "A desktop unit converter: a value, or an arithmetic expression such as 12*2.54,\n"
                                    "converted into every unit of its category at once.";
constexpr const char* HelpOption = "Show this help and exit.";
constexpr const char* VersionOption = "Show the version and exit.";
constexpr const char* TryHelp = "Try 'quantova --help' for more information.";
constexpr int UsageError = 2;

void DeclareOptions(QCommandLineParser& parser)
{
    // "-platform" is one option, not -p -l -a ...: Qt's own options take
    // that form, and "-reverse" must not read as -v.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(QString::fromLatin1(Description));
    parser.addOption(
        QCommandLineOption({QStringLiteral("h"), QStringLiteral("help")}, QString::fromLatin1(HelpOption)));
    parser.addOption(
        QCommandLineOption({QStringLiteral("v"), QStringLiteral("version")}, QString::fromLatin1(VersionOption)));
}

}  // namespace

std::optional<int> AnswerInfoOptions(int argc, char* argv[])
{
    // The usual start, without arguments, pays nothing here.
    if (argc < 2) return std::nullopt;

    // A core application names the program in the usage line; it needs no
    // display and is gone before the real one is made.
    int count = argc;
    const QCoreApplication core(count, argv);
    QCommandLineParser parser;
    DeclareOptions(parser);
    // Qt's own options are still in the list here: errors wait for
    // RefuseUnknownArguments.
    parser.parse(QCoreApplication::arguments());
    if (parser.isSet(QStringLiteral("help"))) {
        std::fputs(parser.helpText().toLocal8Bit().constData(), stdout);
        return 0;
    }
    if (parser.isSet(QStringLiteral("version"))) {
        // "program (package) version", the form help2man reads.
        std::printf("quantova (%s) %s\n", ProgramName, ProgramVersion);
        return 0;
    }
    return std::nullopt;
}

std::optional<int> RefuseUnknownArguments()
{
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() < 2) return std::nullopt;
    QCommandLineParser parser;
    DeclareOptions(parser);
    QString error;
    if (!parser.parse(arguments))
        error = parser.errorText();
    else if (!parser.positionalArguments().isEmpty())
        error = QStringLiteral("Unexpected argument '%1'.").arg(parser.positionalArguments().constFirst());
    if (error.isEmpty()) return std::nullopt;
    std::fprintf(stderr, "quantova: %s\n%s\n", error.toLocal8Bit().constData(), TryHelp);
    return UsageError;
}

}  // namespace qv
