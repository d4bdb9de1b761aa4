// SPDX-License-Identifier: GPL-3.0-or-later
// quantova-cli as a script sees it: arguments and standard input in, text and
// an exit status out. Each test runs a copy of the program in a folder of its
// own, so that the folder's packages are the test's alone.
#include "catalogue/Category.h"
#include "support/LocalHttpServer.h"
#include "support/TempDir.h"

#include <clocale>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <gtest/gtest.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace qv {
namespace {

namespace fs = std::filesystem;

struct Result {
    int status = -1;
    std::string out, err;
};

class Cli : public testing::Test {
protected:
    void SetUp() override
    {
        fs::permissions(root.path(), fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec |
                                         fs::perms::others_read | fs::perms::others_exec);
        fs::create_directories(program);
        fs::copy_file(QUANTOVA_CLI_BINARY, program + "quantova-cli");
        fs::create_directories(userData);
    }

    // Runs the program copy with `args`, `input` on standard input and
    // XDG_DATA_HOME set to the test's user data folder. `prefix` goes before
    // the program (another user, for instance).
    Result Run(std::vector<std::string> args, const std::string& input = {}, std::vector<std::string> prefix = {},
               std::vector<std::string> env = {})
    {
        test::WriteFileText(root.file("in"), input);
        std::vector<std::string> argv = std::move(prefix);
        argv.push_back(program + "quantova-cli");
        argv.insert(argv.end(), args.begin(), args.end());
        std::vector<char*> cargv;
        for (std::string& a : argv) cargv.push_back(a.data());
        cargv.push_back(nullptr);

        env.push_back("XDG_DATA_HOME=" + root.path() + "data");
        env.push_back("HOME=" + root.path());
        for (char** e = environ; *e; ++e)
            if (std::string_view(*e).substr(0, 14) != "XDG_DATA_HOME=" && std::string_view(*e).substr(0, 5) != "HOME=")
                env.push_back(*e);
        std::vector<char*> cenv;
        for (std::string& e : env) cenv.push_back(e.data());
        cenv.push_back(nullptr);

        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addopen(&actions, 0, root.file("in").c_str(), O_RDONLY, 0);
        posix_spawn_file_actions_addopen(&actions, 1, root.file("out").c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        posix_spawn_file_actions_addopen(&actions, 2, root.file("err").c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        pid_t pid = 0;
        const int spawned = posix_spawnp(&pid, cargv[0], &actions, nullptr, cargv.data(), cenv.data());
        posix_spawn_file_actions_destroy(&actions);
        Result result;
        if (spawned != 0) return result;
        int wstatus = 0;
        waitpid(pid, &wstatus, 0);
        result.status = WIFEXITED(wstatus) ? WEXITSTATUS(wstatus) : 128 + WTERMSIG(wstatus);
        result.out = test::ReadFileText(root.file("out"));
        result.err = test::ReadFileText(root.file("err"));
        return result;
    }

    // A package as the window saves it: one category with a unit whose
    // definition holds a comma, a Windows-1252 "µ" and a hidden unit.
    void WritePackage(const std::string& path, bool active = true)
    {
        TCategories package;
        package.Caption = "Trip";
        package.Active = active;
        TCategory& distance = package.AppendCategory("Distance");
        distance.AppendUnit("m", "meters", 1.0L);
        distance.AppendUnit("km", "kilometers, metric", 1000.0L);
        distance.AppendUnit("\xB5m", "micrometers", 1E-6L);
        distance.AppendUnit("mi", "miles", 1609.344L);
        distance.UnitAt(3).Hidden = true;
        package.SaveToFile(path);
    }

    test::TempDir root;
    const std::string program = root.path() + "program/";
    const std::string userData = root.path() + "data/Quantova/";
};

struct Case {
    const char* name;
    std::vector<std::string> args;
    int status;
    std::string out;  // the whole of standard output
    std::string err;  // a part of standard error
};

void Check(const Case& c, const Result& r)
{
    SCOPED_TRACE(c.name);
    EXPECT_EQ(r.status, c.status) << r.err;
    EXPECT_EQ(r.out, c.out);
    EXPECT_NE(r.err.find(c.err), std::string::npos) << r.err;
}

TEST_F(Cli, ConvertsWithTheBuiltInCategories)
{
    const Case cases[] = {
        {"length, by expression", {"12*2.54", "in", "ft"}, 0, "2.54\n", ""},
        {"several targets", {"2", "km", "m", "mi"}, 0, "2000\n1.24274\n", ""},
        {"temperature by formula", {"100", "C°", "F°", "K", "R°"}, 0, "212\n373.15\n671.67\n", ""},
        {"negative value after --", {"--", "-40", "Celsius", "Fahrenheit"}, 0, "-40\n", ""},
        {"currency, default rates", {"1", "GBP", "USD"}, 0, "1.6832\n", ""},
        {"symbol in any case", {"1", "KM", "FT"}, 0, "3280.84\n", ""},
        {"by definition", {"1", "Feet", "meters"}, 0, "0.3048\n", ""},
        {"area, non-ASCII symbol", {"1", "m²", "ft²"}, 0, "10.7639\n", ""},
        {"hexadecimal value", {"$ff", "g", "kg"}, 0, "0.255\n", ""},
        {"precision", {"--precision", "18", "sqrt2", "in", "in"}, 0, "1.41421356237309505\n", ""},
        {"scientific", {"--scientific", "1234.5", "in", "in"}, 0, "1.23450e+3\n", ""},
        {"category settles", {"--category", "angle", "1", "min", "s"}, 0, "60\n", ""},
        {"format with named targets",
         {"--format", "tsv", "1", "ft", "in"},
         0,
         "symbol\tdefinition\tvalue\nin\tinches\t12\n",
         ""},
        {"no arguments", {}, 2, "", "needs a VALUE and a FROM unit"},
        {"precision out of range", {"--precision", "19", "1", "m", "ft"}, 2, "", "--precision"},
        {"unknown format", {"--format", "xml", "1", "m", "ft"}, 2, "", "--format"},
        {"value taken for an option", {"-pi", "rad", "degrees"}, 2, "", "goes after '--'"},
        {"batch with arguments", {"--batch", "1", "m"}, 2, "", "--batch reads"},
        {"batch with a table", {"--batch", "--format", "table"}, 2, "", "--format table does not apply"},
        {"unknown unit", {"1", "parsec", "xyz"}, 3, "", "unknown unit 'xyz'"},
        {"units of two categories", {"1", "m", "kg"}, 3, "", "not of one category ('m' is in"},
        {"ambiguous units", {"1", "min", "s"}, 3, "", "several categories (Time, Angle); choose one with --category"},
        {"ambiguous unit list",
         {"1", "m"},
         3,
         "",
         "'m' is a unit of several categories: m (meters) in Length; m (milli) in Metric Prefixes"},
        {"unit not in the category", {"--category", "Time", "1", "rad", "s"}, 3, "", "no unit 'rad' in Time"},
        {"unknown category", {"--list", "Nope"}, 3, "", "unknown category 'Nope'"},
        {"evaluator message", {"2+", "m", "ft"}, 4, "", "Entry could not be evaluated: invalid expression"},
        {"arithmetic fault", {"1/0", "m", "ft"}, 4, "", "Floating point division by zero"},
    };
    for (const Case& c : cases) {
        std::vector<std::string> args{"--builtin"};
        args.insert(args.end(), c.args.begin(), c.args.end());
        Check(c, Run(args));
    }
}

TEST_F(Cli, WritesEveryFormatFromAPackageFile)
{
    const std::string package = root.file("trip.qv");
    WritePackage(package);
    const Case cases[] = {
        {"table",
         {"1", "km"},
         0,
         "m   meters              1000\nkm  kilometers, metric  1\nµm  micrometers         1e9\n",
         ""},
        {"tsv",
         {"--format", "tsv", "1", "m"},
         0,
         "symbol\tdefinition\tvalue\nm\tmeters\t1\nkm\tkilometers, metric\t0.001\nµm\tmicrometers\t1e6\n",
         ""},
        {"csv",
         {"--format", "csv", "--precision", "3", "2", "mi"},
         0,
         "symbol,definition,value\nm,meters,3.22e3\nkm,\"kilometers, metric\",3.22\nµm,micrometers,3.22e9\n",
         ""},
        {"json",
         {"--format", "json", "1", "µm", "km"},
         0,
         "[\n  {\"symbol\": \"km\", \"definition\": \"kilometers, metric\", \"value\": 1e-9}\n]\n",
         ""},
        {"hidden unit as source", {"1", "mi", "m"}, 0, "1609.34\n", ""},
        {"categories", {"--list"}, 0, "Distance\n", ""},
        {"categories, json",
         {"--list", "--format", "json"},
         0,
         "[\n  {\"category\": \"Distance\", \"units\": 4}\n]\n",
         ""},
        {"units and factors",
         {"--list", "distance"},
         0,
         "m   meters              1         default\nkm  kilometers, metric  1000\nµm  micrometers         1E-6\n"
         "mi  miles               1609.344  hidden\n",
         ""},
        {"unreadable package", {"1", "m", "ft"}, 5, "", "cannot read the package /nonexistent/a.qv: Cannot open file"},
    };
    for (const Case& c : cases) {
        std::vector<std::string> args{"--package", c.status == 5 ? "/nonexistent/a.qv" : package};
        args.insert(args.end(), c.args.begin(), c.args.end());
        Check(c, Run(args));
    }
}

// Into every unit, a unit the value cannot be converted into (a factor of 0
// from an older package, an overflow) says why in its row and on standard
// error; the other rows are written, and the status tells of the failure.
TEST_F(Cli, EveryUnitListsTheRowsThatCannotBeConverted)
{
    TCategories package;
    package.Caption = "Old";
    TCategory& distance = package.AppendCategory("Distance");
    distance.AppendUnit("m", "meters", 1.0L);
    distance.AppendUnit("km", "kilometers", 1000.0L);
    distance.AppendUnit("fm", "femtometers", 1E-15L);
    distance.AppendUnit("zf", "zero factor", 1.0L);
    distance.UnitAt(3).Factor = 0.0L;
    const std::string path = root.file("old.qv");
    package.SaveToFile(path);
    const Case cases[] = {
        {"zero factor",
         {"1", "km"},
         4,
         "m   meters       1000\nkm  kilometers   1\nfm  femtometers  1e18\nzf  zero factor  division by zero\n",
         "quantova-cli: zf: Floating point division by zero\n"},
        {"overflow",
         {"--format", "csv", "1e4930", "m"},
         4,
         "symbol,definition,value\nm,meters,1e4930\nkm,kilometers,1e4927\nfm,femtometers,overflow\n"
         "zf,zero factor,division by zero\n",
         "quantova-cli: fm: Floating point overflow\nquantova-cli: zf: Floating point division by zero\n"},
        {"named target", {"1", "km", "zf"}, 4, "", "Floating point division by zero"},
    };
    for (const Case& c : cases) {
        std::vector<std::string> args{"--package", path};
        args.insert(args.end(), c.args.begin(), c.args.end());
        Check(c, Run(args));
    }
}

TEST_F(Cli, BatchGoesOnAfterABadLine)
{
    const Result r = Run({"--builtin", "--batch"},
                         "1 in cm\n\n2 xyzzyx cm\n3 ft surv m\n1/0 m ft\n12\t in\t ft\r\n1 in m");
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, "2.54\n\n\n0.914402\n\n1\n0.0254\n");
    EXPECT_EQ(r.err,
              "quantova-cli: line 3: unknown unit 'xyzzyx'\nquantova-cli: line 5: Floating point division by zero\n");

    const Result good = Run({"--builtin", "--batch", "--precision", "3"}, "1 mi km\n-40 Celsius Fahrenheit\n");
    EXPECT_EQ(good.status, 0) << good.err;
    EXPECT_EQ(good.out, "1.61\n-40\n");

    // Long input is converted in shares on several threads; order and line
    // numbers must not notice.
    std::string input, expected;
    for (int line = 1; line <= 20000; ++line) {
        const bool bad = line == 2 || line == 15001;
        input += bad ? "1 in xyzzyx\n" : std::to_string(line) + " in in\n";
        expected += bad ? "\n" : std::to_string(line) + "\n";
    }
    const Result many = Run({"--builtin", "--batch", "--precision", "18"}, input);
    EXPECT_EQ(many.status, 1);
    EXPECT_TRUE(many.out == expected);
    EXPECT_EQ(many.err,
              "quantova-cli: line 2: unknown unit 'xyzzyx'\nquantova-cli: line 15001: unknown unit 'xyzzyx'\n");

    const Result angles = Run({"--builtin", "--batch", "--category", "angle"}, "1 min s\n1 rev degrees\n");
    EXPECT_EQ(angles.status, 0) << angles.err;
    EXPECT_EQ(angles.out, "60\n360\n");
}

// The data folder is the program's own when it can write there, else the
// user's; quantova-cli reads it and never writes into it.
TEST_F(Cli, FindsThePackageTheWindowWouldLoad)
{
    test::WriteFileText(program + "Currency.txt", "GBP British Pounds 2\r\n");
    Result r = Run({"1", "GBP", "USD"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "2\n");
    EXPECT_EQ(r.err, "quantova-cli: no package in " + program + "; using the 36 built-in categories\n");
    EXPECT_EQ(std::distance(fs::directory_iterator(program), fs::directory_iterator()), 2) << "nothing written";

    WritePackage(program + "Trip.qv");
    r = Run({"--list"});
    EXPECT_EQ(r.out, "Distance\n");
    EXPECT_EQ(r.err, "");

    // A folder the program cannot write: the user's data folder instead.
    fs::remove(program + "Trip.qv");
    fs::create_directories(userData);
    WritePackage(userData + "Trip.qv");
    fs::permissions(program, fs::perms::owner_write, fs::perm_options::remove);
    std::vector<std::string> asAnotherUser;
    if (geteuid() == 0) asAnotherUser = {"setpriv", "--reuid=65534", "--regid=65534", "--clear-groups"};
    r = Run({"--list"}, {}, asAnotherUser);
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "Distance\n");
}

// A German locale is built into the test's folder when the system has none.
TEST_F(Cli, LocaleSeparatorOnlyWhenAsked)
{
    std::vector<std::string> german{"LC_ALL=de_DE.UTF-8"};
    if (!std::setlocale(LC_NUMERIC, "de_DE.UTF-8")) {
        const std::string command = "localedef -i de_DE -f UTF-8 " + root.path() + "de_DE.UTF-8 >/dev/null 2>&1";
        if (std::system(command.c_str()) != 0) GTEST_SKIP() << "no German locale and no localedef";
        german.push_back("LOCPATH=" + root.path());
    }
    std::setlocale(LC_NUMERIC, "C");
    const Result plain = Run({"--builtin", "1.5", "km", "m"}, {}, {}, german);
    EXPECT_EQ(plain.out, "1500\n") << plain.err;
    const Result local = Run({"--builtin", "--locale", "--batch"}, "1,5 km mi\n1.5 km mi\n", {}, german);
    EXPECT_EQ(local.out, "0,932057\n\n");
    EXPECT_NE(local.err.find("line 2: Entry could not be evaluated"), std::string::npos) << local.err;
    // JSON numbers keep their '.', whatever the user's separator.
    const Result json = Run({"--builtin", "--locale", "-f", "json", "1,5", "m", "km"}, {}, {}, german);
    EXPECT_NE(json.out.find("\"value\": 0.0015}"), std::string::npos) << json.out;
}

TEST_F(Cli, UpdatesTheRatesFileOrSaysWhyNot)
{
    fs::copy_file(QUANTOVA_UPDATE_RATES_BINARY, program + "quantova-update-rates");
    const std::string daily = test::ReadFileText(QUANTOVA_RATES_DATA "/eurofxref-daily.xml");
    test::LocalHttpServer server{test::HttpResponse{.Body = daily}};
    const std::string rates = program + "Currency.txt";
    // Two sources, the second missing: the first one's rates are written
    // and the second is named. The count of old rates follows the clock.
    const Result first = Run({"--update-rates", server.Url(), root.file("none.xml")});
    EXPECT_EQ(first.status, 0) << first.err;
    EXPECT_EQ(first.out.rfind("Rates of December 7, 2026: 53 currencies changed, 8 of them added. ", 0), 0u)
        << first.out;
    EXPECT_NE(first.out.find(" rates are older than 30 days. The rates from " + root.file("none.xml") +
                             " are missing: Cannot open file " + root.file("none.xml") + ".\n"),
              std::string::npos)
        << first.out;
    Check({"the new rates convert", {}, 0, "1.1645\n", ""}, Run({"1", "EUR", "USD"}));
    test::WriteFileText(root.file("daily.xml"), daily);
    const Result again = Run({"--update-rates", root.file("daily.xml")});
    EXPECT_EQ(again.out.rfind("Rates of December 7, 2026: no currency changed. ", 0), 0u) << again.out;

    const std::string after = test::ReadFileText(rates);
    const Case cases[] = {
        {"HTTP error",
         {"--update-rates", server.Url("/missing")},
         6,
         "",
         "quantova-cli: 127.0.0.1 answered with HTTP status 404.\n"},
        {"no such file", {"--update-rates", root.file("none.xml")}, 5, "", "Cannot open file " + root.file("none.xml")},
        {"with a conversion", {"1", "m", "--update-rates", server.Url()}, 2, "", "--update-rates takes addresses"},
    };
    for (const Case& c : cases) {
        if (c.status == 6) server.SetResponse(test::HttpResponse{.Status = 404});
        Check(c, Run(c.args));
        EXPECT_TRUE(test::ReadFileText(rates) == after) << c.name << ": the rates file changed";
    }

    server.SetResponse(test::HttpResponse{.Silent = true});
    Check({"silent server", {}, 6, "", "127.0.0.1 did not answer within 0.3 seconds."},
          Run({"--update-rates", server.Url()}, {}, {}, {"QUANTOVA_RATES_TIMEOUT_MS=300"}));
    fs::remove(program + "quantova-update-rates");
    Check({"helper missing", {}, 6, "", "cannot find quantova-update-rates"}, Run({"--update-rates"}));
    EXPECT_TRUE(test::ReadFileText(rates) == after) << "the rates file changed";
}

}  // namespace
}  // namespace qv
