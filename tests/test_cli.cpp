#include <fcntl.h>
#include <grp.h>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>

#include "TestFiles.h"
#include "cli/Commands.h"
#include "cli/Options.h"
#include "core/Errors.h"
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
  long peakKiB = 0;  // the child's largest resident size
};

class Cli : public ::testing::Test {
 protected:
  // Runs the tool with stdout and stderr caught in files; `prepare` runs in
  // the child before the tool starts, `meanwhile` in the parent while it runs.
  Result RunWith(const std::vector<std::string>& args, const std::function<void()>& prepare,
                 const std::function<void(pid_t)>& meanwhile) {
    const fs::path out = dir_.string() + ".stdout", err = dir_.string() + ".stderr";
    std::fflush(nullptr);
    const pid_t pid = fork();
    if (pid == 0) {
      if (freopen(out.c_str(), "w", stdout) == nullptr || freopen(err.c_str(), "w", stderr) == nullptr)
        _exit(126);
      if (prepare) prepare();
      std::vector<char*> argv{const_cast<char*>(QUENVAR_CLI)};
      for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
      argv.push_back(nullptr);
      execv(QUENVAR_CLI, argv.data());
      _exit(127);
    }
    if (meanwhile) meanwhile(pid);
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    Result r{WIFEXITED(status) ? WEXITSTATUS(status) : 1000 + WTERMSIG(status), ReadFile(out), ReadFile(err),
             usage.ru_maxrss};
    fs::remove(out);
    fs::remove(err);
    return r;
  }
  Result Run(const std::vector<std::string>& args, int interruptAfterMs = -1, int signal = SIGINT) {
    return RunWith(args, {}, [&](pid_t pid) {
      if (interruptAfterMs < 0) return;
      usleep(useconds_t(interruptAfterMs) * 1000);
      kill(pid, signal);
    });
  }
  // The tool run as the user nobody: the tests run as root, whom file modes
  // do not stop. Status 90 means the privileges could not be dropped.
  Result RunAsNobody(const std::vector<std::string>& args) {
    return RunWith(
        args,
        [] {
          if (geteuid() == 0 && (setgroups(0, nullptr) != 0 || setgid(65534) != 0 || setuid(65534) != 0))
            _exit(90);
          if (geteuid() == 0) _exit(91);
        },
        {});
  }
  // The names in the test's folder: what a run left behind.
  std::vector<std::string> Entries() const {
    std::vector<std::string> names;
    for (const auto& e : fs::directory_iterator(dir_)) names.push_back(e.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
  }
  std::string path(const std::string& name) const { return (dir_ / name).string(); }
  void Write(const std::string& name, const std::string& content) const {
    std::ofstream(path(name), std::ios::binary) << content;
  }
  static long Lines(const std::string& text) { return std::count(text.begin(), text.end(), '\n'); }
  // A command line split at its spaces; and back, to label a table's row.
  static std::vector<std::string> Args(const std::string& line) {
    std::vector<std::string> args;
    std::istringstream words(line);
    for (std::string word; words >> word;) args.push_back(word);
    return args;
  }
  static std::string Joined(const std::vector<std::string>& args) {
    std::string line;
    for (const std::string& a : args) line += a + " ";
    return line;
  }

  // Polls until the child is where a test wants it (never a fixed sleep);
  // false after a minute.
  static bool WaitUntil(const std::function<bool()>& ready) {
    for (int i = 0; i < 60000; ++i, usleep(1000))
      if (ready()) return true;
    return false;
  }
  // Where the child's main thread waits in the kernel ("wait_for_partner":
  // opening a FIFO; "poll...": waiting for a pipe's data).
  static std::string Wchan(pid_t pid) { return ReadFile("/proc/" + std::to_string(pid) + "/wchan"); }
  static bool Exited(pid_t pid) {
    const std::string stat = ReadFile("/proc/" + std::to_string(pid) + "/stat");
    const size_t paren = stat.rfind(") ");
    return paren == std::string::npos || stat[paren + 2] == 'Z';
  }
  // Whether the child holds a file of the test's folder open.
  bool HoldsAFileHere(pid_t pid) const {
    std::error_code error;
    for (const auto& fd : fs::directory_iterator("/proc/" + std::to_string(pid) + "/fd", error)) {
      const std::string target = fs::read_symlink(fd.path(), error).string();
      if (!error && target.rfind(dir_.string() + "/", 0) == 0) return true;
    }
    return false;
  }

  TempFolder temp_;
  const fs::path& dir_ = temp_.path;
};

}  // namespace

// Seeded runs of every command: their exact lines and totals.
TEST_F(Cli, SeededRunsPrintTheirLinesAndTotals) {
  Write("items.txt", "a\r\nb\r\n\r\nc\rd\ne");
  Write("latin1.txt", "caf\xe9\n");  // not UTF-8: Latin-1
  Write("f.txt", "Ann\n");
  Write("l.txt", "Lee\nPark\n");
  Write("empty.txt", "\n\r\n");
  struct Case {
    std::string line, out, err;
  };
  const std::vector<Case> cases = {
      {"number --seed 12345 --count 5 --duplicates", "3854\n2894\n798\n5537\n6337\n",
       "      Generated total randoms: 5\n"},
      {"number --seed=12345 --count=5 --sort desc --one-line --separator comma --upper 5", "5,4,3,2,1\n",
       "Possible total randoms: 5      Generated total randoms: 5\n"},
      // Every value excluded: nothing drawn, at once, however many asked.
      {"number --lower 10 --upper 19 --exclude-digits 1 --count 2147483647 --duplicates --seed 1", "",
       "      Generated total randoms: 0\n"},
      {"number --lower -5 --upper=-1 --count 5 --seed -3 --sort asc --per-line 2 --separator space",
       "-5 -4\n-3 -2\n-1\n", "Possible total randoms: 5      Generated total randoms: 5\n"},
      // No thousands separator in the C locale: a comma.
      {"number --lower 999999 --upper 1000001 --count 3 --seed 1 --comma --sort asc",
       "999,999\n1,000,000\n1,000,001\n", "Possible total randoms: 3      Generated total randoms: 3\n"},
      {"number --lower +5 --upper 5 --count 1 --seed 0", "5\n",
       "Possible total randoms: 1      Generated total randoms: 1\n"},
      {"lottery --seed 12345 --lines 3 --separator space",
       "21 16 5 30 34 15\n24 5 2 49 52 14\n13 42 28 23 45 34\n",
       "Possible total: 14463212400      Generated total: 3\n"},
      {"lottery --seed 12345 --lines 1 --sort asc --separator comma", "5,16,21,30,34,15\n",
       "Possible total: 14463212400      Generated total: 1\n"},
      {"sample --items " + path("items.txt") + " --count 3 --seed 0", "a\nb\ne\n",
       "Possible total: 5      Generated total: 3\n"},
      {"sample --items " + path("latin1.txt") + " --seed 1", "caf\u00e9\n",
       "Possible total: 1      Generated total: 1\n"},
      {"name --female " + path("f.txt") + " --last " + path("l.txt") +
           " --gender female --count 5 --seed 1 --sort desc",
       "Ann Park\nAnn Lee\n", "Possible total: 2      Generated total: 2\n"},
      // One empty list of two is no obstacle.
      {"name --female " + path("empty.txt") + " --male " + path("f.txt") + " --last " + path("f.txt") +
           " --count 1 --seed 1",
       "Ann Ann\n", "Possible total: 1      Generated total: 1\n"},
      {"name --count 4 --seed 8 --gender female --duplicates",
       "Dorthey Henson\nLucille Livingston\nKanesha Crane\nArmandina Bean\n", "      Generated total: 4\n"},
      // Totals past 2^55 are given as "Over".
      {"string --mask ################ --count 1 --seed 3", "0584468753223471\n",
       "Possible total randoms: Over 36028797018963968      Generated total randoms: 1\n"},
      {"lottery --main-upper 1000 --main-pick 10 --no-bonus --lines 1 --seed 1",
       "32\t862\t203\t273\t672\t319\t162\t373\t426\t83\n",
       "Possible total:  Over 36028797018963968      Generated total: 1\n"},
  };
  for (const Case& c : cases) {
    const Result r = Run(Args(c.line));
    EXPECT_EQ(r.status, 0) << c.line << r.err;
    EXPECT_EQ(r.out, c.out) << c.line;
    EXPECT_EQ(r.err, c.err) << c.line;
  }
}

TEST_F(Cli, ClockSeedIsReportedAndRepeats) {
  const Result first = Run(Args("number --count 20"));
  ASSERT_EQ(first.status, 0);
  ASSERT_EQ(first.err.rfind("Seed: ", 0), 0u) << first.err;
  const std::string seed = first.err.substr(6, first.err.find('\n') - 6);
  EXPECT_EQ(Run({"number", "--count", "20", "--seed", seed}).out, first.out);
}

TEST_F(Cli, ValidationAndBadOptions) {
  Write("empty.txt", "\n\r\n");
  Write("names.txt", "Ann\n");
  struct Case {
    std::vector<std::string> args;
    std::string message;
  };
  const std::vector<Case> cases = {
      {Args("number --lower 10 --upper 5"),
       "The Upper number must greater than or equal to the Lower number!"},
      {Args("number --exclude-digits 9876543210"), "You can not exclude all digits!"},
      {Args("number --lower -2147483647 --upper 2147483647"),
       "The Upper number minus the Lower number must be less than 2147483647!"},
      {Args("number --lower +-5"), "--lower must be a whole number"},
      {Args("number --save-append"), "--save-append needs --save FILE"},
      {Args("number --append"), "--append needs --save FILE"},
      {Args("file --output x --save y"), "--save needs --show RADIX"},
      {Args("number --count 2147483648"), "--count must be a whole number from 1 to 2147483647"},
      {Args("number --sort up"), "--sort must be one of: asc, desc, drawn"},
      {Args("number --frobnicate"), "unknown option --frobnicate"},
      {Args("number --per-line 101"), "--per-line must be a whole number from 1 to 100"},
      {Args("number --seed"), "--seed needs a value"},
      {Args("file"), "--output PATH is required"},
      {Args("file --output x --size 2G"), "--size must be a byte count"},
      {Args("dice"), "unknown command 'dice'"},
      {Args("number -- --count 3"), "unexpected argument '--count'"},
      {Args("number -x"), "unknown option -x"},
      {Args("file -o - --show hex"), "the bytes and their text cannot both go"},
      {Args("file -o - --show hex --save -"), "the bytes and their text cannot both go"},
      {Args("number --secure --seed 5"), "--secure and --seed exclude each other"},
      {{"file", "--output", path("never.dat"), "--seed=1", "--secure"},
       "--secure and --seed exclude each other"},
      {Args("lottery --main-upper 5 --main-pick 6 --no-bonus --seed 1"),
       "Can't get more numbers than defined by the Lower and the Upper components.\n"},
      {Args("lottery --bonus-low 9 --bonus-upper 3"),
       "The Upper number must greater than or equal to the Lower number!\n"},
      {Args("lottery --main-pick 301"), "--main-pick must be a whole number from 1 to 300"},
      {{"string", "--mask", " \t "}, "The edit box of Mask can not be blank!\n"},
      {{"sample", "--items", path("empty.txt")},
       "Please load items from TXT file, or manually add item one by one!\n"},
      {{"name", "--last", path("empty.txt")},
       "The last-name list \"" + path("empty.txt") + "\" holds no names.\n"},
      {{"name", "--female", path("empty.txt"), "--male", path("empty.txt"), "--last", path("names.txt")},
       "The first-name lists"},
  };
  for (const Case& c : cases) {
    const Result r = Run(c.args);
    const std::string label = Joined(c.args) + ": " + r.err;
    EXPECT_EQ(r.status, 2) << label;
    // One line, naming the command, with nothing after the message (the
    // whole line where the row ends in a line end).
    EXPECT_EQ(r.err.rfind("quenvar-cli " + c.args[0] + ": " + c.message, 0), 0u) << label;
    if (c.message.back() == '\n') {
      EXPECT_EQ(r.err, "quenvar-cli " + c.args[0] + ": " + c.message) << label;
    }
    EXPECT_EQ(Lines(r.err), 1) << label;
    EXPECT_EQ(r.err.find(" \n"), std::string::npos) << label;
    EXPECT_EQ(r.out, "") << label;
  }
  EXPECT_FALSE(fs::exists(path("never.dat")));
  // Lower -2147483647 to Upper -1 is a difference of 2147483646: accepted.
  EXPECT_EQ(Run(Args("number --lower -2147483647 --upper -1 --count 1 --seed 0")).status, 0);
}

// --save goes through the text writer: the same bytes the save dialog writes.
TEST_F(Cli, SaveWritesWhatTheTextWriterWrites) {
  const std::vector<std::string> args =
      Args("number --seed 77 --count 25 --per-line 4 --separator comma --save " + path("cli.txt"));
  ASSERT_EQ(Run(args).status, 0);
  ASSERT_EQ(Run({args.begin(), args.end()}).status, 0);
  std::vector<std::string> appendArgs = args;
  appendArgs.push_back("--save-append");
  ASSERT_EQ(Run(appendArgs).status, 0);

  quenvar::Trandom_base base;
  quenvar::RandomSource source(77);
  quenvar::Tinputpar par;
  par.Lower = 1;
  par.Upper = 10000;
  par.Count = 25;
  par.ExcludeKind = quenvar::ExcludeDigits;
  base.Engine.MakeRandoms(par, source);
  base.Engine.FormatRandoms(base.Results, quenvar::TformatPar{});
  base.SaveText(quenvar::TsaveTextPar{path("lib.txt"), false, false, 4, quenvar::SeparatorComma});
  base.SaveText(quenvar::TsaveTextPar{path("lib.txt"), true, false, 4, quenvar::SeparatorComma});
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
  quenvar::RandomSource source(9);
  generator.Generate(input, source);
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

// Ctrl+C or SIGTERM once the bytes are being written (a second one too)
// leaves the byte file as it was: an existing file its content, an appended
// one its length; a new file is not made.
TEST_F(Cli, CancelledByteFileIsLeftAsItWas) {
  struct Case {
    std::string name;
    bool exists, append;
    std::vector<int> signals;
  };
  const std::vector<Case> cases = {{"old.dat", true, false, {SIGINT}},
                                   {"log.dat", true, true, {SIGTERM}},
                                   {"new.dat", false, false, {SIGINT}},
                                   {"twice.dat", true, true, {SIGINT, SIGTERM}}};
  for (const Case& c : cases) {
    if (c.exists) std::ofstream(path(c.name), std::ios::binary) << "old";
    std::vector<std::string> args = {"file", "--output", path(c.name), "--size", "2147483647", "--seed", "7"};
    if (c.append) args.push_back("--append");
    const Result r = RunWith(args, {}, [&](pid_t pid) {
      ASSERT_TRUE(WaitUntil([&] { return HoldsAFileHere(pid); }));
      for (int signal : c.signals) kill(pid, signal);
    });
    EXPECT_EQ(r.status, 130) << c.name;
    EXPECT_EQ(fs::exists(path(c.name)), c.exists) << c.name;
    EXPECT_EQ(ReadFile(path(c.name)), c.exists ? "old" : "") << c.name;
    if (c.signals.size() == 1) {
      EXPECT_NE(r.err.find("quenvar-cli file: cancelled; \"" + path(c.name) + "\" was left as it was"),
                std::string::npos)
          << r.err;
    }
  }
  EXPECT_EQ(Entries(), (std::vector<std::string>{"log.dat", "old.dat", "twice.dat"}));
}

// A standard stream that is closed is not taken by a file of the run: the
// seed line and the shown bytes go nowhere, never into the files.
TEST_F(Cli, ClosedStandardStreamsTakeNoFile) {
  Write("k.txt", "old\r\n");
  const Result seedLine = RunWith({"number", "--count", "1", "--save", path("k.txt"), "--save-append"},
                                  [] { close(STDERR_FILENO); }, {});
  EXPECT_EQ(seedLine.status, 0);
  const std::string text = ReadFile(path("k.txt"));
  EXPECT_EQ(text.rfind("old\r\n", 0), 0u) << text;
  EXPECT_EQ(text.find_first_not_of("0123456789\r\n", 5), std::string::npos) << text;

  const auto shown = Args("file --output " + path("b.dat") + " --size 4 --seed 1 --show hex");
  EXPECT_EQ(RunWith(shown, [] { close(STDOUT_FILENO); }, {}).status, 0);
  EXPECT_EQ(fs::file_size(path("b.dat")), 4u);
}

// One file cannot take both the bytes and their text, whatever the names.
TEST_F(Cli, OneFileForBytesAndTextIsRefused) {
  Write("x.dat", "old");
  fs::create_symlink(path("x.dat"), path("soft.dat"));
  fs::create_hard_link(path("x.dat"), path("hard.dat"));
  fs::create_symlink(path("new.dat"), path("dangling.dat"));
  fs::create_directories(path("sub"));
  const std::vector<std::pair<std::string, std::string>> cases = {{"x.dat", "x.dat"},
                                                                  {"x.dat", "soft.dat"},
                                                                  {"hard.dat", "x.dat"},
                                                                  {"dangling.dat", "new.dat"},
                                                                  {"other.dat", "sub/../other.dat"}};
  for (const auto& [output, save] : cases) {
    const Result r = Run({"file", "--output", path(output), "--size", "8", "--seed", "1", "--show", "hex",
                          "--save", path(save)});
    EXPECT_EQ(r.status, 2) << output << " " << save;
    EXPECT_NE(r.err.find("--output and --save name the same file"), std::string::npos) << r.err;
  }
  EXPECT_EQ(ReadFile(path("x.dat")), "old");
  EXPECT_EQ(Entries(), (std::vector<std::string>{"dangling.dat", "hard.dat", "soft.dat", "sub", "x.dat"}));
}

// Output that cannot be written (a full disk) is an error in a plain sentence,
// without the error's class name, and the byte file shown is left as it was.
TEST_F(Cli, FailedOutputIsAnError) {
  for (const std::vector<std::string>& args :
       {std::vector<std::string>{"number", "--help"},
        {"number", "-n", "5", "-s", "1"},
        {"file", "--output", path("b.dat"), "--size", "4", "--seed", "1", "--show", "hex"}}) {
    const Result r = RunWith(args, [] { freopen("/dev/full", "w", stdout); }, {});
    EXPECT_EQ(r.status, 1) << args[0];
    EXPECT_EQ(r.err,
              "quenvar-cli " + args[0] + ": cannot write to standard output: No space left on device\n");
  }
  EXPECT_FALSE(fs::exists(path("b.dat")));
}

// A signal while a FIFO waits for its other end is a cancel, as is one
// while a slow pipe is read: at once, whatever the pipe does next.
TEST_F(Cli, SignalsEndWaitsOnFifosAndPipes) {
  ASSERT_EQ(mkfifo(path("fifo").c_str(), 0600), 0);
  const std::vector<std::vector<std::string>> opens = {
      {"number", "--count", "1", "--seed", "1", "--save", path("fifo")},
      {"sample", "--items", path("fifo")},
      {"string", "--mask", "#", "--wildcards", path("fifo")}};
  for (size_t i = 0; i < opens.size(); ++i) {
    const Result r = RunWith(opens[i], {}, [&](pid_t pid) {
      ASSERT_TRUE(WaitUntil([&] { return Wchan(pid) == "wait_for_partner"; }));
      kill(pid, i % 2 == 0 ? SIGTERM : SIGINT);
    });
    EXPECT_EQ(r.status, 130) << opens[i][0] << ": " << r.err;
    EXPECT_NE(r.err.find("cancelled"), std::string::npos) << r.err;
  }

  const Result slow = RunWith({"sample", "--items", path("fifo"), "--count", "1"}, {}, [&](pid_t pid) {
    const int writer = open(path("fifo").c_str(), O_WRONLY);
    EXPECT_EQ(write(writer, "a\nb\n", 4), 4);
    EXPECT_TRUE(WaitUntil([&] {
      const std::string wchan = Wchan(pid);
      return wchan.find("pipe_read") != std::string::npos || wchan.find("poll") != std::string::npos;
    }));
    kill(pid, SIGINT);
    WaitUntil([&] { return Exited(pid); });
    close(writer);  // a run still waiting would now draw from the items
  });
  EXPECT_EQ(slow.status, 130) << slow.err;
  EXPECT_EQ(slow.out, "");
}

// The shipped wildcards: # digits, @ letters.
TEST_F(Cli, ShippedWildcardsAreDigitsAndLetters) {
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
}

// Every file that cannot be read or written, whatever the reason, ends in one
// line naming the file and the reason, with status 1: never in an abort.
TEST_F(Cli, FileProblemsEndInOneLineNamingTheFile) {
  fs::create_directories(path("folder"));
  fs::create_symlink(path("loop1"), path("loop2"));
  fs::create_symlink(path("loop2"), path("loop1"));
  const std::string tooLong = path(std::string(300, 'n'));
  Write("items.txt", "a\nb\n");
  Write("none.ini", "[Special Char]\r\nTotal=0\r\n");
  Write("empty.txt", "\n\r\n");
  const auto noWildcards = [&](const std::string& name) {
    return "The wildcard file \"" + path(name) + "\" defines no wildcards.\n";
  };
  struct Case {
    std::vector<std::string> args;
    std::string file, reason;
  };
  const std::vector<Case> cases = {
      {{"sample", "--items", path("folder")}, path("folder"), "Is a directory"},
      {{"name", "--last", path("folder")}, path("folder"), "Is a directory"},
      {{"name", "--female", path("folder"), "--gender", "female"}, path("folder"), "Is a directory"},
      {{"name", "--male", path("loop1"), "--gender", "male"},
       path("loop1"),
       "Too many levels of symbolic links"},
      {{"string", "--mask", "#", "--wildcards", path("folder")}, path("folder"), "Is a directory"},
      {{"string", "--mask", "#", "--wildcards", tooLong}, tooLong, "File name too long"},
      {{"string", "--mask", "#", "--wildcards", path("loop1")}, path("loop1"), "Too many levels"},
      {{"string", "--mask", "#", "--wildcards", path("missing.ini")}, path("missing.ini"), "No such file"},
      {{"string", "--mask", "##", "--wildcards", path("none.ini")},
       path("none.ini"),
       noWildcards("none.ini")},
      {{"string", "--mask", "##", "--wildcards", path("empty.txt")},
       path("empty.txt"),
       noWildcards("empty.txt")},
      {{"sample", "--items", path("missing.txt")}, path("missing.txt"), "No such file"},
      {{"sample", "--items", tooLong}, tooLong, "File name too long"},
      {{"sample", "--items", path("loop1")}, path("loop1"), "Too many levels of symbolic links"},
      {{"sample", "--items", path("items.txt"), "--save", tooLong}, tooLong, "File name too long"},
      {{"sample", "--items", path("items.txt"), "--save", path("loop1")}, path("loop1"), "Too many levels"},
      {{"sample", "--items", path("items.txt"), "--save", path("folder")}, path("folder"), "Is a directory"},
      {{"file", "--output", tooLong}, tooLong, "File name too long"},
      {{"file", "--output", path("loop1")}, path("loop1"), "Too many levels of symbolic links"},
      {{"file", "--output", path("loop1") + "/x.dat"}, path("loop1"), "Too many levels of symbolic links"},
      {{"file", "--output", path("folder")}, path("folder"), "Is a directory"},
      {{"file", "--output", path("folder"), "--show", "hex"}, path("folder"), "Is a directory"},
      {{"number", "--save", path("folder")}, path("folder"), "Is a directory"},
  };
  for (const Case& c : cases) {
    const Result r = Run(c.args);
    EXPECT_EQ(r.status, 1) << c.args[0] << " " << c.args[1] << ": " << r.err;
    EXPECT_EQ(r.err.rfind("quenvar-cli " + c.args[0] + ": ", 0), 0u) << r.err;
    EXPECT_NE(r.err.find(c.file), std::string::npos) << r.err;
    EXPECT_NE(r.err.find(c.reason), std::string::npos) << r.err;
    EXPECT_EQ(Lines(r.err), 1) << r.err;
    EXPECT_EQ(r.out, "") << r.err;
  }

  // A folder without permission, for a user whom its mode stops.
  fs::create_directories(path("closed"));
  Write("closed/list.txt", "x\n");
  ASSERT_EQ(chmod(dir_.c_str(), 0755), 0);
  ASSERT_EQ(chmod(path("closed").c_str(), 0700), 0);
  ASSERT_EQ(chmod(path("items.txt").c_str(), 0644), 0);
  for (const auto& args : std::vector<std::vector<std::string>>{
           {"sample", "--items", path("closed/list.txt")},
           {"name", "--last", path("closed/list.txt")},
           {"string", "--mask", "#", "--wildcards", path("closed/list.txt")},
           {"sample", "--items", path("items.txt"), "--save", path("closed/out.txt")},
           {"file", "--output", path("closed/out.dat")}}) {
    const Result r = RunAsNobody(args);
    EXPECT_EQ(r.status, 1) << args[0] << ": " << r.err;
    EXPECT_NE(r.err.find("\"" + path("closed/")), std::string::npos) << r.err;
    EXPECT_NE(r.err.find("Permission denied"), std::string::npos) << r.err;
  }
}

// The edge of the tool: whatever escapes a command becomes one message.
TEST(CliEdge, NothingEscapesACommand) {
  using quenvar::cli::RunCommand;
  struct Case {
    std::function<int()> run;
    int status;
    std::string message;
  };
  const std::vector<Case> cases = {
      {[]() -> int { throw std::runtime_error("odd failure"); }, 1, "quenvar-cli x: odd failure\n"},
      {[]() -> int { throw 42; }, 1, "quenvar-cli x: Unknown error\n"},
      {[]() -> int { throw std::bad_alloc(); }, 1,
       "quenvar-cli x: Out of memory: the request is too large for this computer.\n"},
      {[]() -> int { throw quenvar::EInOutError("Cannot open file \"f\". Is a directory"); }, 1,
       "quenvar-cli x: Cannot open file \"f\". Is a directory\n"},
      {[]() -> int { throw quenvar::cli::UsageError("bad\r\rvalue "); }, 2, "quenvar-cli x: bad value\n"},
      {[]() -> int { throw quenvar::EAbort(); }, 2, ""},
      {[]() -> int { return 0; }, 0, ""},
  };
  for (const Case& c : cases) {
    testing::internal::CaptureStderr();
    EXPECT_EQ(RunCommand("x", c.run), c.status);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), c.message);
  }
}

// --append belongs to the byte file, --save-append to the text of --save.
TEST_F(Cli, TheTwoAppendsAreSeparate) {
  const std::vector<std::string> show =
      Args("file --output " + path("b.dat") +
           " --size 2 --seed 5 --show dec --one-line --separator space --save " + path("t.txt"));
  ASSERT_EQ(Run(show).status, 0);
  const std::string bytes = ReadFile(path("b.dat")), text = ReadFile(path("t.txt"));
  ASSERT_EQ(bytes.size(), 2u);
  ASSERT_EQ(text.substr(text.size() - 2), "\r\n");

  std::vector<std::string> saveAppend = show;
  saveAppend.push_back("--save-append");
  ASSERT_EQ(Run(saveAppend).status, 0);
  EXPECT_EQ(ReadFile(path("b.dat")), bytes);
  EXPECT_EQ(ReadFile(path("t.txt")), text + text);

  std::vector<std::string> byteAppend = show;
  byteAppend.push_back("--append");
  ASSERT_EQ(Run(byteAppend).status, 0);
  EXPECT_EQ(ReadFile(path("b.dat")), bytes + bytes);
  EXPECT_EQ(ReadFile(path("t.txt")), text);

  // Elsewhere --append is the save's, as --save-append.
  ASSERT_EQ(Run({"number", "--count", "1", "--seed", "1", "--save", path("n.txt")}).status, 0);
  const std::string one = ReadFile(path("n.txt"));
  ASSERT_EQ(Run({"number", "--count", "1", "--seed", "1", "--save", path("n.txt"), "--append"}).status, 0);
  EXPECT_EQ(ReadFile(path("n.txt")), one + one);
}

// A save the user may not make is refused before the run, as an in-place
// write would refuse it, and the file is left as it was.
TEST_F(Cli, ReadOnlySaveIsRefusedBeforeTheRun) {
  ASSERT_EQ(chmod(dir_.c_str(), 0777), 0);
  for (const char* name : {"ro.txt", "ro.dat"}) {
    std::ofstream(path(name)) << "keep";
    ASSERT_EQ(chown(path(name).c_str(), 65534, 65534) == 0 || geteuid() != 0, true);
    ASSERT_EQ(chmod(path(name).c_str(), 0444), 0);
  }
  const Result text = RunAsNobody({"number", "--count", "5", "--save", path("ro.txt")});
  EXPECT_EQ(text.status, 1);
  // Refused before the run: no clock seed was taken, no totals given.
  EXPECT_EQ(text.err, "quenvar-cli number: Cannot open file \"" + path("ro.txt") + "\". Permission denied\n");
  const Result bytes = RunAsNobody({"file", "--output", path("ro.dat"), "--seed", "1"});
  EXPECT_EQ(bytes.status, 1) << bytes.err;
  const Result shown = RunAsNobody({"file", "--output", path("ro.dat"), "--show", "hex"});
  EXPECT_EQ(shown.err, "quenvar-cli file: Cannot open file \"" + path("ro.dat") + "\". Permission denied\n");
  EXPECT_EQ(ReadFile(path("ro.txt")), "keep");
  EXPECT_EQ(ReadFile(path("ro.dat")), "keep");
  EXPECT_EQ(Entries(), (std::vector<std::string>{"ro.dat", "ro.txt"}));
}

// Past a file-size limit the write fails as an error: message, status 1,
// the old content intact, nothing left behind.
TEST_F(Cli, FileSizeLimitIsAnErrorNotADeath) {
  Write("log.txt", "history\r\n");
  Write("old.dat", "old bytes");
  const auto limited = [] {
    const rlimit limit{1 << 16, 1 << 16};
    setrlimit(RLIMIT_FSIZE, &limit);
  };
  for (const auto& args : std::vector<std::vector<std::string>>{
           {"number", "--count", "100000", "--duplicates", "--save", path("log.txt"), "--save-append"},
           {"number", "--count", "100000", "--duplicates", "--save", path("log.txt")},
           {"file", "--output", path("old.dat"), "--size", "1M", "--append"},
           {"file", "--output", path("old.dat"), "--size", "1M"}}) {
    const Result r = RunWith(args, limited, {});
    EXPECT_EQ(r.status, 1) << args[0] << ": " << r.err;
    EXPECT_NE(r.err.find("File too large"), std::string::npos) << r.err;
  }
  // Bytes that fit, their text that does not: neither file changes.
  const Result both = RunWith(
      {"file", "--output", path("old.dat"), "--size", "20000", "--show", "hex", "--save", path("log.txt")},
      limited, {});
  EXPECT_EQ(both.status, 1) << both.err;
  EXPECT_EQ(ReadFile(path("log.txt")), "history\r\n");
  EXPECT_EQ(ReadFile(path("old.dat")), "old bytes");
  EXPECT_EQ(Entries(), (std::vector<std::string>{"log.txt", "old.dat"}));
}

// A --save cancelled before the file is written leaves it as it was and
// says so with 130; a save that was written says 0.
TEST_F(Cli, StatusTellsWhatHappenedToTheSave) {
  Write("keep.txt", "old\r\n");
  // A run that rejects most draws: long, in little memory.
  const Result r = Run({"number", "--lower", "1", "--upper", "2147483647", "--exclude-digits", "12345678",
                        "--count", "511", "--seed", "1", "--save", path("keep.txt")},
                       200);
  ASSERT_EQ(r.status, 130) << r.err;
  EXPECT_EQ(ReadFile(path("keep.txt")), "old\r\n");
  EXPECT_NE(r.err.find("quenvar-cli number: cancelled; \"" + path("keep.txt") + "\" was left as it was"),
            std::string::npos)
      << r.err;
  EXPECT_EQ(Entries(), std::vector<std::string>{"keep.txt"});
}

// A few names from a long list cost what a few samples from it cost: the
// list is read once and not searched whole for repeats.
TEST_F(Cli, NameListsAreReadAsItemListsAre) {
  {
    std::ofstream list(path("first.txt"), std::ios::binary);
    for (int i = 0; i < 1000000; ++i) list << "Name" << i << "\n";
  }
  Write("last.txt", "Lee\nPark\n");
  const Result sample = Run({"sample", "--items", path("first.txt"), "--count", "3", "--seed", "1"});
  const Result names = Run({"name", "--female", path("first.txt"), "--last", path("last.txt"), "--gender",
                            "female", "--count", "3", "--seed", "1"});
  ASSERT_EQ(names.status, 0) << names.err;
  EXPECT_EQ(names.out, "Name31379 Park\nName202580 Lee\nName671654 Lee\n");
  EXPECT_LT(names.peakKiB, sample.peakKiB * 5 / 4) << sample.peakKiB << " " << names.peakKiB;
}

// A run too large for the memory the tool may have is refused at once, with
// the figure, before anything is drawn or printed.
TEST_F(Cli, TooLargeRunsAreRefusedBeforeDrawing) {
  if (quenvar::test::kAddressSanitizer) GTEST_SKIP() << "limits the address space";
  Write("huge.txt", std::string(8 << 20, 'x') + "\n");
  rlimit saved{};
  getrlimit(RLIMIT_AS, &saved);
  rlimit limited = saved;
  limited.rlim_cur = rlim_t{1} << 30;  // inherited by the tool
  setrlimit(RLIMIT_AS, &limited);
  // 10^8 numbers fit in 1 GiB, their texts do not; nor do 500 copies of an
  // 8 MiB line.
  const Result number = Run(Args("number --duplicates --count 100000000 --seed 1"));
  const Result sample = Run({"sample", "--items", path("huge.txt"), "--duplicates", "--count", "500"});
  setrlimit(RLIMIT_AS, &saved);
  for (const Result& r : {number, sample}) {
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find(": Out of memory: this request needs "), std::string::npos) << r.err;
    EXPECT_NE(r.err.find(" MiB are free."), std::string::npos) << r.err;
    EXPECT_EQ(r.err.find("Calculating"), std::string::npos) << r.err;
    EXPECT_TRUE(r.out.empty());
  }
}

// --secure: every command takes it, never with --seed, and reports no seed.
TEST_F(Cli, SecureRunsDifferAndHaveNoSeed) {
  const Result a = Run(Args("number --secure --upper 1000000000 --count 50"));
  const Result b = Run(Args("number --secure --upper 1000000000 --count 50"));
  EXPECT_EQ(a.status, 0);
  EXPECT_NE(a.out, b.out);
  EXPECT_EQ(a.err, "Possible total randoms: 1000000000      Generated total randoms: 50\n");

  for (const std::vector<std::string>& args :
       {std::vector<std::string>{"string", "--mask", "@@@@@@@@", "--count", "3", "--secure"},
        {"lottery", "--lines", "3", "--secure"},
        {"name", "--count", "3", "--secure"},
        {"file", "--output", path("secure.dat"), "--size", "1K", "--secure"}}) {
    const Result r = Run(args);
    EXPECT_EQ(r.status, 0) << args[0] << ": " << r.err;
    EXPECT_EQ(r.err.find("Seed:"), std::string::npos) << args[0];
  }
  EXPECT_EQ(fs::file_size(path("secure.dat")), 1024u);
}

// Each command's help names its short options, --secure and the two appends.
TEST_F(Cli, HelpNamesTheOptions) {
  const std::vector<std::pair<std::vector<std::string>, std::vector<std::string>>> cases = {
      {{"number", "-h"},
       {"\n  -n, --count N         how many numbers", "\n  -s, --seed S          manual seed", "--secure"}},
      {{"file", "--help"},
       {"\n  -o, --output PATH     the file", "--secure",
        "--save-append         with --save: add to the end of FILE",
        "--append              add the bytes to the end of an existing file"}},
      {{"lottery", "--help"}, {"in drawing order"}},
  };
  for (const auto& [args, texts] : cases) {
    const Result r = Run(args);
    EXPECT_EQ(r.status, 0) << args[0];
    for (const std::string& text : texts)
      EXPECT_NE(r.out.find(text), std::string::npos) << args[0] << ": " << text;
  }
}

// The conventions of the command line: short names, "-" for standard input
// and output, "--", --quiet and a bare call.
TEST_F(Cli, CommandLineConventions) {
  const Result longNames = Run(Args("number --count 4 --seed 7 --per-line 2"));
  ASSERT_EQ(longNames.status, 0);
  EXPECT_EQ(Run(Args("number -n 4 -s7 --per-line 2 --")).out, longNames.out);
  std::string crlf = longNames.out;
  for (size_t at = crlf.find('\n'); at != std::string::npos; at = crlf.find('\n', at + 2))
    crlf.insert(at, "\r");
  EXPECT_EQ(Run(Args("number -n 4 -s 7 --per-line 2 --save -")).out, crlf);
  const Result quiet = Run(Args("number -n 4 -s 7 --quiet"));
  EXPECT_EQ(quiet.err, "");
  EXPECT_FALSE(quiet.out.empty());

  Write("guests.txt", "Ann\nBob\nCid\n");
  const Result fromFile = Run({"sample", "--items", path("guests.txt"), "-n", "2", "-s", "3"});
  const Result fromStdin = RunWith(Args("sample --items - -n 2 -s 3"),
                                   [this] {
                                     if (freopen(path("guests.txt").c_str(), "r", stdin) == nullptr)
                                       _exit(126);
                                   },
                                   {});
  EXPECT_EQ(fromStdin.status, 0) << fromStdin.err;
  EXPECT_EQ(fromStdin.out, fromFile.out);

  ASSERT_EQ(Run({"file", "-o", path("bytes.dat"), "--size", "100", "-s", "5"}).status, 0);
  const Result bytes = Run(Args("file --output - --size 100 --seed 5"));
  EXPECT_EQ(bytes.status, 0) << bytes.err;
  EXPECT_EQ(bytes.out, ReadFile(path("bytes.dat")));

  const Result bare = Run({});
  EXPECT_EQ(bare.status, 2);
  EXPECT_EQ(bare.out, "");
  EXPECT_EQ(bare.err.rfind("Usage: quenvar-cli COMMAND [OPTIONS]\n", 0), 0u) << bare.err;
}
