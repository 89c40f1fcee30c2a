#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "TestFiles.h"
#include "core/Unit_base.h"
#include "core/Writers.h"
#include "generators/Unit_file.h"

namespace fs = std::filesystem;

using quenvar::test::ReadFile;
using quenvar::test::TempFolder;

namespace {

struct Result {
  int status = -1;
  std::string out;
  std::string err;
};

class Cli : public ::testing::Test {
 protected:
  // Runs the tool with stdout and stderr caught in files.
  Result Run(const std::vector<std::string>& args, int interruptAfterMs = -1) {
    const fs::path out = dir_ / "stdout", err = dir_ / "stderr";
    const pid_t pid = fork();
    if (pid == 0) {
      freopen(out.c_str(), "w", stdout);
      freopen(err.c_str(), "w", stderr);
      std::vector<char*> argv{const_cast<char*>(QUENVAR_CLI)};
      for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
      argv.push_back(nullptr);
      execv(QUENVAR_CLI, argv.data());
      _exit(127);
    }
    if (interruptAfterMs >= 0) {
      usleep(useconds_t(interruptAfterMs) * 1000);
      kill(pid, SIGINT);
    }
    int status = 0;
    waitpid(pid, &status, 0);
    return Result{WIFEXITED(status) ? WEXITSTATUS(status) : 1000 + WTERMSIG(status), ReadFile(out),
                  ReadFile(err)};
  }
  std::string path(const std::string& name) const { return (dir_ / name).string(); }

  TempFolder temp_;
  const fs::path& dir_ = temp_.path;
};

}  // namespace

TEST_F(Cli, NumberWorkedExampleAndTotals) {
  const Result r = Run({"number", "--seed", "12345", "--count", "5", "--duplicates"});
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out, "3854\n2894\n798\n5537\n6337\n");
  EXPECT_EQ(r.err, "      Generated total randoms: 5\n");

  const Result sorted = Run({"number", "--seed=12345", "--count=5", "--sort", "desc", "--one-line",
                             "--separator", "comma", "--upper", "5"});
  EXPECT_EQ(sorted.out, "5,4,3,2,1\n");
  EXPECT_EQ(sorted.err, "Possible total randoms: 5      Generated total randoms: 5\n");
}

TEST_F(Cli, ClockSeedIsReportedAndRepeats) {
  const Result first = Run({"number", "--count", "20"});
  ASSERT_EQ(first.status, 0);
  ASSERT_EQ(first.err.rfind("Seed: ", 0), 0u) << first.err;
  const std::string seed = first.err.substr(6, first.err.find('\n') - 6);
  EXPECT_EQ(Run({"number", "--count", "20", "--seed", seed}).out, first.out);
}

TEST_F(Cli, NegativeValuesAndLayout) {
  const Result r = Run({"number", "--lower", "-5", "--upper=-1", "--count", "5", "--seed", "-3", "--sort",
                        "asc", "--per-line", "2", "--separator", "space"});
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out, "-5 -4\n-3 -2\n-1\n");
  const Result comma = Run({"number", "--lower", "999999", "--upper", "1000001", "--count", "3", "--seed",
                            "1", "--comma", "--sort", "asc"});
  EXPECT_EQ(comma.out, "999,999\n1,000,000\n1,000,001\n");  // no separator in the C locale: a comma
}

TEST_F(Cli, ValidationAndBadOptions) {
  struct Case {
    std::vector<std::string> args;
    std::string message;
  };
  const std::vector<Case> cases = {
      {{"number", "--lower", "10", "--upper", "5"},
       "The Upper number must greater than\n\nor equal to the Lower number!"},
      {{"number", "--exclude-digits", "9876543210"}, "You can not exclude all digits!"},
      {{"number", "--lower", "-2147483647", "--upper", "2147483647"},
       "The Upper number minus the Lower number\n\n    must be less than 2147483647!"},
      {{"number", "--count", "2147483648"}, "--count must be a whole number from 1 to 2147483647"},
      {{"number", "--lower", "x"}, "--lower must be a whole number"},
      {{"number", "--sort", "up"}, "--sort must be one of: asc, desc, drawn"},
      {{"number", "--frobnicate"}, "unknown option --frobnicate"},
      {{"number", "--per-line", "101"}, "--per-line must be a whole number from 1 to 100"},
      {{"number", "--seed"}, "--seed needs a value"},
      {{"file"}, "--output PATH is required"},
      {{"file", "--output", "x", "--size", "2G"}, "--size must be a byte count"},
      {{"dice"}, "unknown command 'dice'"},
  };
  for (const Case& c : cases) {
    const Result r = Run(c.args);
    EXPECT_EQ(r.status, 2) << c.args[1];
    EXPECT_NE(r.err.find(c.message), std::string::npos) << r.err;
    EXPECT_EQ(r.out, "");
  }
  // Lower -2147483647 to Upper -1 is a difference of 2147483646: accepted.
  EXPECT_EQ(Run({"number", "--lower", "-2147483647", "--upper", "-1", "--count", "1", "--seed", "0"}).status,
            0);
}

// --save goes through the text writer: the same bytes the save dialog writes.
TEST_F(Cli, SaveWritesWhatTheTextWriterWrites) {
  const std::vector<std::string> args = {"number",       "--seed", "77",          "--count", "25",
                                         "--per-line",   "4",      "--separator", "comma",   "--save",
                                         path("cli.txt")};
  ASSERT_EQ(Run(args).status, 0);
  ASSERT_EQ(Run({args.begin(), args.end()}).status, 0);
  std::vector<std::string> appendArgs = args;
  appendArgs.push_back("--append");
  ASSERT_EQ(Run(appendArgs).status, 0);

  quenvar::Trandom_base base;
  base.SetSeed(77);
  quenvar::Tinputpar par;
  par.Lower = 1;
  par.Upper = 10000;
  par.Count = 25;
  par.ExcludeKind = 1;
  base.Engine.MakeRandoms(par);
  base.Engine.FormatRandoms(base.Results, quenvar::TformatPar{});
  base.SaveText(quenvar::TsaveTextPar{path("lib.txt"), false, false, 4, 0});
  base.SaveText(quenvar::TsaveTextPar{path("lib.txt"), true, false, 4, 0});
  EXPECT_EQ(ReadFile(path("cli.txt")), ReadFile(path("lib.txt")));
  EXPECT_NE(ReadFile(path("cli.txt")).find("\r\n"), std::string::npos);
}

TEST_F(Cli, FileWritesTheGeneratorsBytes) {
  const Result r = Run({"file", "--output", path("deep/er/bytes.dat"), "--size", "3K", "--seed", "9"});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.err, "The random file '" + path("deep/er/bytes.dat") +
                       "' is generated successfully !     Generated total randoms: 3072\n");
  quenvar::Trandom_file generator;
  quenvar::TinputFilePar input;
  input.FileName = path("lib.dat");
  input.Count = 3072;
  input.Seed = 9;
  generator.Generate(input);
  generator.SaveToFile();
  EXPECT_EQ(ReadFile(path("deep/er/bytes.dat")), ReadFile(path("lib.dat")));

  const Result shown = Run({"file", "--output", path("s.dat"), "--size", "4", "--seed", "9", "--show", "hex",
                            "--one-line", "--separator", "space", "--append"});
  ASSERT_EQ(shown.status, 0);
  char expected[32];
  const std::string bytes = ReadFile(path("s.dat"));
  snprintf(expected, sizeof expected, "%02X %02X %02X %02X\n", uint8_t(bytes[0]), uint8_t(bytes[1]),
           uint8_t(bytes[2]), uint8_t(bytes[3]));
  EXPECT_EQ(shown.out, expected);
}

TEST_F(Cli, FileErrorsExitWithOne) {
  fs::create_directories(path("folder"));
  const Result r = Run({"file", "--output", path("folder"), "--seed", "1"});
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.err.find("EInOutError"), std::string::npos) << r.err;
  EXPECT_EQ(Run({"number", "--save", path("no/such/folder/x.txt"), "--seed", "1"}).status, 1);
}

// Ctrl+C cancels through the stop flag: the file keeps what was written.
TEST_F(Cli, InterruptKeepsTheBytesWritten) {
  const Result r = Run({"file", "--output", path("big.dat"), "--size", "2147483647", "--seed", "1"}, 300);
  EXPECT_EQ(r.status, 130);
  EXPECT_NE(r.err.find("The user cancel the operation!"), std::string::npos);
  const auto size = fs::file_size(path("big.dat"));
  EXPECT_GT(size, 0u);
  EXPECT_LT(size, 2147483647u);
}

TEST_F(Cli, LotteryLinesAndTotals) {
  const Result r = Run({"lottery", "--seed", "12345", "--lines", "3", "--separator", "space"});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out, "21 16 5 30 34 15\n24 5 2 49 52 14\n13 42 28 23 45 34\n");
  EXPECT_EQ(r.err, "Possible total: 14463212400      Generated total: 3\n");
  const Result sorted =
      Run({"lottery", "--seed", "12345", "--lines", "1", "--sort", "asc", "--separator", "comma"});
  EXPECT_EQ(sorted.out, "5,16,21,30,34,15\n");
  const Result over = Run(
      {"lottery", "--main-upper", "1000", "--main-pick", "10", "--no-bonus", "--lines", "1", "--seed", "1"});
  EXPECT_NE(over.err.find("Possible total:  Over 36028797018963968      Generated total: 1"),
            std::string::npos);
  const Result refused =
      Run({"lottery", "--main-upper", "5", "--main-pick", "6", "--no-bonus", "--seed", "1"});
  EXPECT_EQ(refused.status, 2);
  EXPECT_NE(refused.err.find("Can't get more numbers than defined by \nthe Lower and the Upper components."),
            std::string::npos);
  EXPECT_EQ(Run({"lottery", "--bonus-low", "9", "--bonus-upper", "3"}).status, 2);
  EXPECT_EQ(Run({"lottery", "--main-pick", "301"}).status, 2);
}

TEST_F(Cli, SampleStringAndName) {
  std::ofstream(path("items.txt"), std::ios::binary) << "a\r\nb\r\n\r\nc\rd\ne";
  const Result sample = Run({"sample", "--items", path("items.txt"), "--count", "3", "--seed", "0"});
  EXPECT_EQ(sample.out, "a\nb\ne\n");
  EXPECT_EQ(sample.err, "Possible total: 5      Generated total: 3\n");
  std::ofstream(path("blank.txt"), std::ios::binary) << "\r\n\n";
  const Result none = Run({"sample", "--items", path("blank.txt")});
  EXPECT_EQ(none.status, 2);
  EXPECT_NE(none.err.find("Please load items from TXT file,\n\nor manually add item one by one!"),
            std::string::npos);
  EXPECT_EQ(Run({"sample", "--items", path("missing.txt")}).status, 1);

  // The shipped wildcards: # digits, @ letters.
  const Result strings =
      Run({"string", "--mask", "  #@\\#  ", "--count", "5", "--seed", "3", "--sort", "asc"});
  ASSERT_EQ(strings.status, 0) << strings.err;
  EXPECT_EQ(strings.err, "Possible total randoms: 520      Generated total randoms: 5\n");
  std::istringstream lines(strings.out);
  std::string line;
  int count = 0;
  while (std::getline(lines, line)) {
    ++count;
    ASSERT_EQ(line.size(), 3u);
    EXPECT_TRUE(isdigit(line[0]) && isalpha(line[1]) && line[2] == '#') << line;
  }
  EXPECT_EQ(count, 5);
  const Result over = Run({"string", "--mask", std::string(16, '#'), "--count", "1", "--seed", "3"});
  EXPECT_EQ(over.err, "Possible total randoms: Over 36028797018963968      Generated total randoms: 1\n");
  const Result blank = Run({"string", "--mask", " \t "});
  EXPECT_EQ(blank.status, 2);
  EXPECT_NE(blank.err.find("The edit box of Mask can not be blank!"), std::string::npos);

  const Result names = Run({"name", "--count", "4", "--seed", "8", "--gender", "female", "--duplicates"});
  ASSERT_EQ(names.status, 0) << names.err;
  EXPECT_EQ(names.err, "      Generated total: 4\n");
  EXPECT_EQ(std::count(names.out.begin(), names.out.end(), '\n'), 4);
  std::ofstream(path("f.txt")) << "Ann\n";
  std::ofstream(path("l.txt")) << "Lee\nPark\n";
  const Result few = Run({"name", "--female", path("f.txt"), "--last", path("l.txt"), "--gender", "female",
                          "--count", "5", "--seed", "1", "--sort", "desc"});
  EXPECT_EQ(few.out, "Ann Park\nAnn Lee\n");
  EXPECT_EQ(few.err, "Possible total: 2      Generated total: 2\n");
}
