// SPDX-License-Identifier: GPL-3.0-or-later
// quantova-cli through real pipes: a co-process waiting for each answer, a
// reader that goes away, input that cannot be read or is too long, a
// damaged rates file, hostile unit names, and the shell completions.
#include "cli/CliProcess.h"
#include "support/TempDir.h"

#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>
#include <optional>
#include <unistd.h>

namespace qv {
namespace {

namespace fs = std::filesystem;

class CliRuns : public testing::Test {
protected:
    void SetUp() override
    {
        fs::create_directories(program);
        fs::copy_file(QUANTOVA_CLI_BINARY, cli);
    }

    test::CliResult Run(std::vector<std::string> args, const std::string& input = {})
    {
        args.insert(args.begin(), cli);
        return test::RunCli(args, dir.path(), input);
    }

    // Output of a shell command run with `shell`, or nullopt when that shell is missing.
    std::optional<std::string> InShell(const char* shell, const std::string& command)
    {
        if (std::system((std::string("command -v ") + shell + " >/dev/null 2>&1").c_str()) != 0) return std::nullopt;
        return test::RunCli({shell, "-c", command}, dir.path(), {}).out;
    }

    test::TempDir dir;
    const std::string program = dir.path() + "program/";
    const std::string cli = program + "quantova-cli";
};

TEST_F(CliRuns, ACoProcessGetsEachAnswerBeforeSendingTheNext)
{
    test::CliChild child = test::StartCli({cli, "--builtin", "--batch"}, dir.path());
    ASSERT_GT(child.pid, 0);
    const std::pair<std::string, std::string> exchanges[] = {
        {"1 in cm", "2.54"}, {"# a comment keeps its line", ""}, {"350 F C", "176.667"}, {"5 kn km/h", "9.26"}};
    for (const auto& [question, answer] : exchanges) {
        const std::string line = question + "\n";
        ASSERT_EQ(::write(child.in, line.data(), line.size()), static_cast<ssize_t>(line.size()));
        std::string got;
        ASSERT_TRUE(test::ReadLineWithin(child.out, 10000, got)) << "no answer to " << question;
        EXPECT_EQ(got, answer);
    }
    ::close(child.in);
    EXPECT_EQ(test::WaitWithin(child.pid, 10000), 0);
}

TEST_F(CliRuns, AClosedOutputEndsTheRunWhetherSigpipeIsIgnoredOrNot)
{
    const std::string pipeline = "yes '1 in cm' | '" + cli + "' --builtin --batch | head -n 1";
    for (const bool ignored : {false, true}) {
        SCOPED_TRACE(ignored ? "SIGPIPE ignored" : "SIGPIPE default");
        test::CliChild shell = test::StartCli({"sh", "-c", pipeline}, dir.path(), "/dev/null", ignored);
        ASSERT_GT(shell.pid, 0);
        std::string first;
        EXPECT_TRUE(test::ReadLineWithin(shell.out, 20000, first));
        EXPECT_EQ(first, "2.54");
        EXPECT_EQ(test::WaitWithin(shell.pid, 20000), 0) << "the pipeline did not end";
        ::close(shell.out);
        ::close(shell.err);
    }
}

TEST_F(CliRuns, UnreadableOrOverlongInputIsSaid)
{
    test::CliChild child = test::StartCli({cli, "--builtin", "--batch"}, dir.path(), dir.path());
    const std::string err = test::ReadAll(child.err);
    EXPECT_EQ(test::WaitWithin(child.pid, 10000), 5);
    EXPECT_EQ(err, "quantova-cli: cannot read standard input: Is a directory\n");

    const test::CliResult r = Run({"--builtin", "-b"},
                                  "1 in cm\n" + std::string(1536 * 1024, '7') + " in cm\n1 in m\n");
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, "2.54\n\n0.0254\n");
    EXPECT_EQ(r.err, "quantova-cli: line 2: the line is longer than 1 MiB; skipped\n");
}

TEST_F(CliRuns, ADamagedRatesFileCostsCurrencyAlone)
{
    test::WriteFileText(program + "Currency.txt", "GBP British Pounds\r\n");
    const std::string reason = "quantova-cli: Currency is left out: cannot read the rates file " + program +
                               "Currency.txt: ";
    test::CliResult r = Run({"-q", "1", "in", "cm"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "2.54\n");
    EXPECT_EQ(r.err, "");
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{"-q", "1", "GBP", "USD"}, {"-q", "-l", "Currency"}}) {
        r = Run(args);
        EXPECT_EQ(r.status, 5);
        EXPECT_EQ(r.err.rfind(reason, 0), 0u) << r.err;
    }
    r = Run({"-q", "-b"}, "1 in cm\n1 GBP USD\n");
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, "2.54\n\n");
}

TEST_F(CliRuns, ControlCharactersNeverReachTheTerminal)
{
    test::WriteFileText(program + "Currency.txt", "EV\x1b]0;owned\x07 Evil \x1b[2J 2\r\n");
    const test::CliResult table = Run({"-q", "-l", "Currency"});
    EXPECT_EQ(table.status, 0) << table.err;
    EXPECT_EQ(table.out.find_first_of("\x1b\x07"), std::string::npos);
    EXPECT_NE(table.out.find("EV?]0;owned?  Evil"), std::string::npos) << table.out;
    for (const char* format : {"tsv", "csv"})
        EXPECT_EQ(Run({"-q", "-l", "Currency", "-f", format}).out.find_first_of("\x1b\x07"), std::string::npos)
            << format;
    EXPECT_NE(Run({"-q", "-l", "Currency", "-f", "json"}).out.find("\"EV\\u001b]0;owned\\u0007\""), std::string::npos);
    const test::CliResult message = Run({"-q", "1", "\x1b[2J", "m"});
    EXPECT_EQ(message.status, 3);
    EXPECT_EQ(message.err.find('\x1b'), std::string::npos) << message.err;

    // The rates helper's messages name files and quote documents.
    fs::copy_file(QUANTOVA_UPDATE_RATES_BINARY, program + "quantova-update-rates");
    const test::CliResult rates = Run({"--update-rates", dir.path() + "rates\x1b]0;owned\x07.xml"});
    EXPECT_EQ(rates.status, 5);
    EXPECT_NE(rates.err.find("rates?]0;owned?.xml"), std::string::npos) << rates.err;
}

TEST_F(CliRuns, CompletionsOfferCategoriesAndUnitsInEachShell)
{
    const std::string completions = QUANTOVA_CLI_COMPLETIONS;
    const std::string bash = "source '" + completions + "/quantova-cli.bash'; c() { COMP_WORDS=('" + cli +
                             "' \"$@\"); COMP_CWORD=$#; _quantova_cli; printf '%s\\n' \"${COMPREPLY[@]}\"; }; ";
    EXPECT_EQ(InShell("bash", bash + "c --builtin 1 kn"), "knot\n");
    EXPECT_EQ(InShell("bash", bash + "c --builtin --list Ve"), "Velocity\\ \\(Speed\\)\n");
    EXPECT_EQ(InShell("bash", bash + "c --builtin -c Tem"), "Temperature\n");
    EXPECT_EQ(InShell("bash", bash + "c --builtin 1"), "\n") << "the value has no completion";
    EXPECT_EQ(InShell("bash", bash + "c --form"), "--format\n");

    // zsh: the helpers, with compadd printing what it would offer.
    const std::string zsh =
        "_arguments() { : }; compadd() { print -l -- \"${(@P)${@[-1]}}\" }; _call_program() { shift; \"$@\" }; "
        "source '" +
        completions + "/_quantova-cli'; words=('" + cli + "' --builtin ";
    if (auto units = InShell("zsh", zsh + "1 k); CURRENT=4; _quantova_cli_units")) {
        EXPECT_NE(units->find("\nknot\n"), std::string::npos);
    }
    if (auto categories = InShell("zsh", zsh + "-l V); CURRENT=4; _quantova_cli_first")) {
        EXPECT_NE(categories->find("Velocity (Speed)\n"), std::string::npos);
    }

    const std::string fish = "source '" + completions + "/quantova-cli.fish'; complete -C \"'" + cli + "' --builtin ";
    if (auto units = InShell("fish", fish + "1 kno\"")) {
        EXPECT_EQ(*units, "knot\n");
    }
    if (auto categories = InShell("fish", fish + "--list Vel\"")) {
        EXPECT_EQ(*categories, "Velocity (Speed)\n");
    }
}

}  // namespace
}  // namespace qv
