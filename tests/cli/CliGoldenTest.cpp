// SPDX-License-Identifier: GPL-3.0-or-later
// quantova-cli against the cases of tests/cli/golden/*.txt. Each case is:
//   $ ARGS                the arguments (blanks split them, '...' keeps one)
//   | INPUT => OUTPUT     a line of standard input and its line of output
//   < LINE                a line of standard input
//   > LINE                a line of standard output
//   ! LINE                a line of standard error, after "quantova-cli: "
//   = N                   the exit status (0 when not given)
// Other lines are comments. Output and errors are compared whole.
#include "cli/CliProcess.h"
#include "support/TempDir.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

namespace qv {
namespace {

namespace fs = std::filesystem;

struct GoldenCase {
    std::string where;  // file:line
    std::vector<std::string> args;
    std::string input, out, err;
    int status = 0;
};

std::vector<std::string> SplitArgs(std::string_view text)
{
    std::vector<std::string> args;
    std::string word;
    bool inWord = false, quoted = false;
    for (char c : text) {
        if (c == '\'') {
            quoted = !quoted;
            inWord = true;
        } else if (c == ' ' && !quoted) {
            if (inWord) args.push_back(word);
            word.clear();
            inWord = false;
        } else {
            word += c;
            inWord = true;
        }
    }
    if (inWord) args.push_back(word);
    return args;
}

std::vector<GoldenCase> ReadCases(const fs::path& file)
{
    std::vector<GoldenCase> cases;
    std::ifstream in(file);
    std::string line;
    for (int number = 1; std::getline(in, line); ++number) {
        if (line.size() >= 1 && line[0] == '$') {
            cases.push_back(
                {file.filename().string() + ":" + std::to_string(number), SplitArgs(line.substr(1)), {}, {}, {}, 0});
            continue;
        }
        if (cases.empty() || line.empty()) continue;
        GoldenCase& c = cases.back();
        const std::string rest = line.size() > 2 ? line.substr(2) : std::string();
        switch (line[0]) {
        case '|': {
            const std::size_t arrow = rest.find(" => ");
            std::string input = rest.substr(0, arrow),
                        output = arrow == std::string::npos ? "" : rest.substr(arrow + 4);
            while (!input.empty() && input.back() == ' ') input.pop_back();
            c.input += input + '\n';
            c.out += output + '\n';
            break;
        }
        case '<': c.input += rest + '\n'; break;
        case '>': c.out += rest + '\n'; break;
        case '!': c.err += "quantova-cli: " + rest + '\n'; break;
        case '=': c.status = std::stoi(rest); break;
        default: break;
        }
    }
    return cases;
}

TEST(CliGolden, EveryCaseAnswersAsWritten)
{
    test::TempDir dir;
    const std::string program = dir.path() + "program/";
    fs::create_directories(program);
    fs::copy_file(QUANTOVA_CLI_BINARY, program + "quantova-cli");
    int count = 0;
    for (const fs::directory_entry& entry : fs::directory_iterator(QUANTOVA_CLI_GOLDEN)) {
        for (const GoldenCase& c : ReadCases(entry.path())) {
            SCOPED_TRACE(c.where);
            std::vector<std::string> argv{program + "quantova-cli"};
            argv.insert(argv.end(), c.args.begin(), c.args.end());
            const test::CliResult r = test::RunCli(argv, dir.path(), c.input);
            EXPECT_EQ(r.status, c.status) << r.err;
            EXPECT_EQ(r.out, c.out);
            EXPECT_EQ(r.err, c.err);
            ++count;
        }
    }
    EXPECT_GT(count, 20);
}

}  // namespace
}  // namespace qv
