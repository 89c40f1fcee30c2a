#include <grp.h>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>

#include "Fakes.h"
#include "TestFiles.h"
#include "core/Errors.h"
#include "core/Unit_base.h"
#include "core/Writers.h"
#include "generators/Unit_character.h"

using namespace quenvar;
namespace fs = std::filesystem;

using quenvar::test::ReadFile;
using quenvar::test::TempFolder;

namespace {

void WriteRaw(const std::string& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

std::string Save(const TArrayString& items, TsaveTextPar par) {
  Trandom_base base;
  base.Results = items;
  base.SaveText(par);
  return ReadFile(par.FileName);
}

TsaveTextPar Par(const std::string& file, int32_t perLine, uint8_t separator, bool oneLine = false,
                 bool append = false) {
  return TsaveTextPar{file, append, oneLine, perLine, static_cast<TSeparator>(separator)};
}

const TArrayString kFive{"7", "12", "3", "9", "1"};

}  // namespace

TEST(TextWriter, Layouts) {
  TempFolder dir;
  const std::string f = dir.file("out.txt");
  EXPECT_EQ(Save(kFive, Par(f, 2, 0)), "7,12\r\n3,9\r\n1\r\n");
  EXPECT_EQ(Save(kFive, Par(f, 1, 0, true, false)), "7,12,3,9,1\r\n");
  EXPECT_EQ(Save(kFive, Par(f, 4, 2, true)), "7 12 3 9 1\r\n");  // one line wins
  EXPECT_EQ(Save(kFive, Par(f, 1, 1)), "7\r\n12\r\n3\r\n9\r\n1\r\n");
  EXPECT_EQ(Save(kFive, Par(f, 10, 1)), "7\t12\t3\t9\t1\r\n");
  EXPECT_EQ(Save({"a", "b", "c", "d", "e", "f"}, Par(f, 3, 2)), "a b c\r\nd e f\r\n");
  EXPECT_EQ(Save({"a", "b", "c", "d", "e", "f", "g"}, Par(f, 3, 2)), "a b c\r\nd e f\r\ng\r\n");
  EXPECT_EQ(Save({"only"}, Par(f, 5, 0)), "only\r\n");
  EXPECT_EQ(Save({"", "x", "y"}, Par(f, 3, 0)), "x,y\r\n");         // an empty first item takes no separator
  EXPECT_EQ(Save({"", "x", "y"}, Par(f, 1, 0, true)), ",x,y\r\n");  // but on one line it does
  EXPECT_EQ(Save(kFive, Par(f, 2, 9)), "712\r\n39\r\n1\r\n");       // unknown separator: none
}

TEST(TextWriter, ReplaceAndAppend) {
  TempFolder dir;
  const std::string f = dir.file("log.txt");
  EXPECT_EQ(Save({"1"}, Par(f, 1, 0, false, true)), "1\r\n");  // append creates
  EXPECT_EQ(Save({"2", "3"}, Par(f, 1, 0, false, true)), "1\r\n2\r\n3\r\n");
  WriteRaw(f, "no line end");
  EXPECT_EQ(Save({"x"}, Par(f, 1, 0, false, true)), "no line endx\r\n");
  WriteRaw(f, std::string(1000, 'z'));
  EXPECT_EQ(Save({"short"}, Par(f, 1, 0)), "short\r\n");
  EXPECT_EQ(Save({}, Par(f, 1, 0)), "");
  WriteRaw(f, "keep");
  EXPECT_EQ(Save({}, Par(f, 1, 0, false, true)), "keep");
}

// Appending drops an old end-of-text mark (byte 26) among the last 128 bytes.
TEST(TextWriter, AppendCutsBeforeTheEndOfTextMark) {
  TempFolder dir;
  const std::string f = dir.file("old.txt");
  WriteRaw(f, std::string(300, 'a') + "tail\x1A\x1Arest");
  EXPECT_EQ(Save({"new"}, Par(f, 1, 0, false, true)), std::string(300, 'a') + "tailnew\r\n");
  WriteRaw(f, "\x1A" + std::string(200, 'b'));  // the mark is not among the last 128 bytes
  EXPECT_EQ(Save({"n"}, Par(f, 1, 0, false, true)), "\x1A" + std::string(200, 'b') + "n\r\n");
}

TEST(TextWriter, FileErrorsAreReported) {
  TempFolder dir;
  EXPECT_THROW(Save(kFive, Par(dir.file("missing/folder/out.txt"), 1, 0)), EInOutError);
  fs::create_directories(dir.file("a-folder"));
  EXPECT_THROW(Save(kFive, Par(dir.file("a-folder"), 1, 0)), EInOutError);
}

// In the death test's child, with a file-size limit and SIGXFSZ left at its
// default (the writer must keep the process alive): all saves must fail.
[[noreturn]] void SaveBeyondTheFileSizeLimit(const std::string& replaced, const std::string& appended,
                                             const std::string& created) {
  const rlimit limit{4096, 4096};
  setrlimit(RLIMIT_FSIZE, &limit);
  TArrayString many;
  for (int i = 0; i < 100000; ++i) many.push_back("1234567");
  int thrown = 0;
  for (const std::string& file : {replaced, appended, created}) {
    try {
      Save(many, Par(file, 1, 0, false, file == appended));
    } catch (const EInOutError&) {
      ++thrown;
    }
  }
  // An append that fits in the staging but not in the file: put back.
  try {
    Save({std::string(3000, 'x')}, Par(appended, 1, 0, false, true));
  } catch (const EInOutError&) {
    ++thrown;
  }
  std::exit(thrown == 4 ? 0 : 1);
}

size_t Entries(const std::string& folder) {
  return static_cast<size_t>(std::distance(fs::directory_iterator(folder), fs::directory_iterator()));
}

// A save that fails half-way leaves the file as it was before the save, and
// nothing else behind.
TEST(TextWriterDeathTest, FailedSaveLeavesTheOldFile) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  TempFolder dir;
  const std::string replaced = dir.file("replace.txt");
  const std::string appended = dir.file("append.txt");
  WriteRaw(replaced, "precious\r\n");
  WriteRaw(appended, std::string(2000, 'h') + "history\x1A");
  EXPECT_EXIT(SaveBeyondTheFileSizeLimit(replaced, appended, dir.file("new.txt")),
              ::testing::ExitedWithCode(0), "");
  EXPECT_EQ(ReadFile(replaced), "precious\r\n");
  EXPECT_EQ(ReadFile(appended), std::string(2000, 'h') + "history\x1A");
  EXPECT_EQ(Entries(dir.file("")), 2u);  // no leftovers, no half-made new file
}

constexpr uid_t kNobody = 65534;

// Runs `work` in a child process as the user nobody: the tests run as root,
// whom file modes do not stop. Returns its exit status; 90 and up mean the
// privileges could not be dropped (a failure, not a pass).
int AsNobody(const std::function<int()>& work) {
  std::fflush(nullptr);
  const pid_t pid = fork();
  if (pid == 0) {
    if (geteuid() == 0 && (setgroups(0, nullptr) != 0 || setgid(kNobody) != 0 || setuid(kNobody) != 0))
      _exit(90);
    if (geteuid() == 0) _exit(91);
    _exit(work());
  }
  int status = 0;
  waitpid(pid, &status, 0);
  return WIFEXITED(status) ? WEXITSTATUS(status) : 100 + WTERMSIG(status);
}

// Hands a file or folder to nobody (when we are root; otherwise it is ours).
void GiveToNobody(const std::string& path, mode_t mode) {
  if (geteuid() == 0) {
    ASSERT_EQ(chown(path.c_str(), kNobody, kNobody), 0);
  }
  ASSERT_EQ(chmod(path.c_str(), mode), 0);
}

// 0: the save failed with EInOutError; 1: it succeeded; 2: anything else.
int SaveExpectingFailure(const TArrayString& items, const TsaveTextPar& par, std::string* message = nullptr) {
  try {
    Save(items, par);
    return 1;
  } catch (const EInOutError& e) {
    if (message != nullptr) *message = e.what();
    return 0;
  } catch (...) {
    return 2;
  }
}

// Saving over a file writes into it: it keeps its owner, mode, inode and
// hard links, and a symbolic link keeps pointing at the file it names.
TEST(TextWriter, SavingOverAFileWritesIntoIt) {
  TempFolder dir;
  const std::string file = dir.file("data.txt"), twin = dir.file("twin.txt"), link = dir.file("link.txt");
  WriteRaw(file, "old content that is longer\r\n");
  fs::create_hard_link(file, twin);
  fs::create_symlink(file, link);
  GiveToNobody(file, 0640);
  struct stat before {};
  ASSERT_EQ(stat(file.c_str(), &before), 0);

  Save({"new"}, Par(link, 1, 0));
  struct stat after {};
  ASSERT_EQ(stat(file.c_str(), &after), 0);
  EXPECT_EQ(after.st_ino, before.st_ino);
  EXPECT_EQ(after.st_uid, before.st_uid);
  EXPECT_EQ(after.st_mode, before.st_mode);
  EXPECT_EQ(after.st_nlink, 2u);
  EXPECT_TRUE(fs::is_symlink(link));
  EXPECT_EQ(ReadFile(twin), "new\r\n");
  Save({"more"}, Par(twin, 1, 0, false, true));
  EXPECT_EQ(ReadFile(file), "new\r\nmore\r\n");
  EXPECT_EQ(Entries(dir.file("")), 3u);

  // A file of ours alone is replaced in one step, keeping its mode.
  const std::string mine = dir.file("mine.txt");
  WriteRaw(mine, "old");
  ASSERT_EQ(chmod(mine.c_str(), 0604), 0);
  fs::create_symlink(mine, dir.file("to-mine.txt"));
  Save({"new"}, Par(dir.file("to-mine.txt"), 1, 0));
  EXPECT_EQ(ReadFile(mine), "new\r\n");
  EXPECT_EQ(fs::status(mine).permissions(), fs::perms(0604));
  EXPECT_TRUE(fs::is_symlink(dir.file("to-mine.txt")));
  EXPECT_EQ(Entries(dir.file("")), 5u);

  // A link to a file not made yet creates that file.
  fs::create_symlink(dir.file("later.txt"), dir.file("pending.txt"));
  Save({"x"}, Par(dir.file("pending.txt"), 1, 0));
  EXPECT_TRUE(fs::is_symlink(dir.file("pending.txt")));
  EXPECT_EQ(ReadFile(dir.file("later.txt")), "x\r\n");
}

// What an in-place write would refuse is refused: a read-only file stays as
// it was, with the input/output error naming it.
TEST(TextWriter, ReadOnlyFileIsRefused) {
  TempFolder dir;
  const std::string file = dir.file("ro.txt");
  WriteRaw(file, "keep\r\n");
  GiveToNobody(dir.file(""), 0777);
  GiveToNobody(file, 0444);
  std::string message;
  EXPECT_EQ(AsNobody([&] {
              const int status = SaveExpectingFailure({"x"}, Par(file, 1, 0), &message);
              return status != 0                                                                ? status
                     : message.find("\"" + file + "\". Permission denied") != std::string::npos ? 0
                                                                                                : 4;
            }),
            0);
  EXPECT_EQ(AsNobody([&] { return SaveExpectingFailure({"x"}, Par(file, 1, 0, false, true)); }), 0);
  EXPECT_EQ(ReadFile(file), "keep\r\n");

  // Marked read-only for everyone, it is refused to any user, root included.
  std::string ownMessage;
  EXPECT_EQ(SaveExpectingFailure({"x"}, Par(file, 1, 0), &ownMessage), 0);
  EXPECT_NE(ownMessage.find("Permission denied"), std::string::npos) << ownMessage;
  EXPECT_EQ(ReadFile(file), "keep\r\n");

  // The wildcards are saved the same way, with their own message.
  const std::string ini = dir.file("wildcard.ini");
  const std::string iniText = "[Special Char]\r\nTotal=0\r\n";
  WriteRaw(ini, iniText);
  GiveToNobody(ini, 0444);
  EXPECT_EQ(AsNobody([&] {
              Tlistparchar wildcards(ini);
              Tparchar digits;
              digits.Name = "#";
              digits.IscheckNumber = true;
              try {
                wildcards.Add(digits);
              } catch (const EInOutError& e) {
                return std::string(e.what()) == "Unable to write to " + ini ? 0 : 3;
              }
              return 1;
            }),
            0);
  EXPECT_EQ(ReadFile(ini), iniText);
  EXPECT_EQ(Entries(dir.file("")), 2u);
}

// Where no file can be made beside the old one (the folder is closed, or the
// name is too long for any suffix), a failing save still keeps the old file.
TEST(TextWriter, FailedSaveKeepsTheOldFileWhateverTheFolderAllows) {
  TempFolder dir;
  const std::string closed = dir.file("closed");
  fs::create_directories(closed);
  const std::string file = closed + "/writable.txt";
  const std::string longName = dir.file(std::string(250, 'n') + ".txt");
  WriteRaw(file, "precious\r\n");
  WriteRaw(longName, "precious too\r\n");
  GiveToNobody(dir.file(""), 0777);
  GiveToNobody(file, 0666);
  GiveToNobody(longName, 0666);
  if (geteuid() == 0) {
    ASSERT_EQ(chown(closed.c_str(), 0, 0), 0);
  }
  ASSERT_EQ(chmod(closed.c_str(), 0555), 0);

  TArrayString many;
  for (int i = 0; i < 100000; ++i) many.push_back("1234567");
  for (const std::string& target : {file, longName}) {
    EXPECT_EQ(AsNobody([&] {
                const rlimit limit{4096, 4096};
                setrlimit(RLIMIT_FSIZE, &limit);
                return SaveExpectingFailure(many, Par(target, 1, 0));
              }),
              0)
        << target;
  }
  EXPECT_EQ(ReadFile(file), "precious\r\n");
  EXPECT_EQ(ReadFile(longName), "precious too\r\n");
  // And when it succeeds, the file is written in place.
  EXPECT_EQ(AsNobody([&] { return SaveExpectingFailure({"new"}, Par(file, 1, 0)); }), 1);
  EXPECT_EQ(ReadFile(file), "new\r\n");
  EXPECT_EQ(Entries(closed), 1u);
  EXPECT_EQ(Entries(dir.file("")), 2u);
}

// A file deleted while the save was prepared is made anew, not lost.
TEST(TextWriter, FileDeletedMeanwhileIsMadeAnew) {
  TempFolder dir;
  const std::string file = dir.file("gone.txt");
  WriteRaw(file, "old");
  TsavetoText writer(Par(file, 1, 0));
  writer.OpenText();
  fs::remove(file);
  writer.WriteRandoms({"new"});
  writer.CloseText();
  EXPECT_EQ(ReadFile(file), "new\r\n");
}

// A stop asked for while the text is written leaves the file as it was.
TEST(TextWriter, StopLeavesTheFileAsItWas) {
  TempFolder dir;
  const std::string file = dir.file("stopped.txt");
  WriteRaw(file, "before");
  TArrayString many;
  for (int i = 0; i < 100000; ++i) many.push_back("1234567");
  int asked = 0;
  for (bool append : {false, true}) {
    TsavetoText writer(Par(file, 1, 0, false, append), [&asked] { return ++asked == 3; });
    writer.OpenText();
    EXPECT_THROW(writer.WriteRandoms(many), OutputFile::Stopped);
    asked = 0;
  }
  EXPECT_EQ(ReadFile(file), "before");
  EXPECT_EQ(Entries(dir.file("")), 1u);
}

TEST(ByteWriter, WritesLowBytes) {
  TempFolder dir;
  const std::string f = dir.file("bytes.dat");
  TArrayInteger values;
  for (int i = 0; i < 100; ++i) values.push_back(i * 37 + 256 * i);
  tsavetoBin writer;
  writer.SaveBin(TsaveBinPar{f, false, &values, nullptr, nullptr});
  const std::string bytes = ReadFile(f);
  ASSERT_EQ(bytes.size(), 100u);
  for (int i = 0; i < 100; ++i) EXPECT_EQ(uint8_t(bytes[size_t(i)]), uint8_t(i * 37));
  writer.SaveBin(TsaveBinPar{f, true, &values, nullptr, nullptr});
  EXPECT_EQ(ReadFile(f), bytes + bytes);
  const TArrayInteger none;
  writer.SaveBin(TsaveBinPar{f, true, &none, nullptr, nullptr});
  EXPECT_EQ(ReadFile(f).size(), 200u);
  writer.SaveBin(TsaveBinPar{f, false, &none, nullptr, nullptr});
  EXPECT_EQ(ReadFile(f), "");
  writer.SaveBin(TsaveBinPar{dir.file("new.dat"), true, &values, nullptr, nullptr});
  EXPECT_EQ(ReadFile(dir.file("new.dat")), bytes);
}

// A cancel after 40 of 100 bytes leaves the file as it was: appended or
// replaced (renamed over, or written into through a second link), it keeps
// its old content, and a new file is not made.
TEST(ByteWriter, CancelLeavesTheFileAsItWas) {
  TempFolder dir;
  const std::string f = dir.file("cut.dat");
  WriteRaw(f, "old");
  TArrayInteger values(100, 65);
  tsavetoBin writer;
  test::FakeStatus status;
  test::FakePump pump([&writer](int call) {
    if (call % 40 == 0) writer.Cancel();
  });
  writer.SaveBin(TsaveBinPar{f, true, &values, &status, &status});
  EXPECT_EQ(ReadFile(f), "old");
  EXPECT_EQ(status.captions, (std::vector<std::string>{"Write File ...", "Done"}));
  writer.SaveBin(TsaveBinPar{f, false, &values, &status, &status});
  EXPECT_EQ(ReadFile(f), "old");
  fs::create_hard_link(f, dir.file("twin.dat"));
  writer.SaveBin(TsaveBinPar{f, false, &values, &status, &status});
  EXPECT_EQ(ReadFile(dir.file("twin.dat")), "old");
  writer.SaveBin(TsaveBinPar{dir.file("new.dat"), false, &values, &status, &status});
  EXPECT_FALSE(fs::exists(dir.file("new.dat")));
}
