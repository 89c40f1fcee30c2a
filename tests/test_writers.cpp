#include <gtest/gtest.h>
#include <sys/resource.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <fstream>

#include "Fakes.h"
#include "TestFiles.h"
#include "core/Errors.h"
#include "core/Unit_base.h"
#include "core/Writers.h"

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
  return TsaveTextPar{file, append, oneLine, perLine, separator};
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
  EXPECT_EQ(Save({"", "x", "y"}, Par(f, 3, 0)), "x,y\r\n");    // an empty first item takes no separator
  EXPECT_EQ(Save(kFive, Par(f, 2, 9)), "712\r\n39\r\n1\r\n");  // unknown separator: none
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

// In the death test's child: both saves must fail with EInOutError.
[[noreturn]] void SaveBeyondTheFileSizeLimit(const std::string& replaced, const std::string& appended) {
  std::signal(SIGXFSZ, SIG_IGN);
  const rlimit limit{4096, 4096};
  setrlimit(RLIMIT_FSIZE, &limit);
  TArrayString many;
  for (int i = 0; i < 100000; ++i) many.push_back("1234567");
  int thrown = 0;
  for (bool append : {false, true}) {
    try {
      Save(many, Par(append ? appended : replaced, 1, 0, false, append));
    } catch (const EInOutError&) {
      ++thrown;
    }
  }
  std::exit(thrown == 2 ? 0 : 1);
}

// A save that fails half-way leaves the file as it was before the save.
TEST(TextWriterDeathTest, FailedSaveLeavesTheOldFile) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  TempFolder dir;
  const std::string replaced = dir.file("replace.txt");
  const std::string appended = dir.file("append.txt");
  WriteRaw(replaced, "precious\r\n");
  WriteRaw(appended, "history\x1A");
  EXPECT_EXIT(SaveBeyondTheFileSizeLimit(replaced, appended), ::testing::ExitedWithCode(0), "");
  EXPECT_EQ(ReadFile(replaced), "precious\r\n");
  EXPECT_EQ(ReadFile(appended), "history\x1A");
  EXPECT_EQ(std::distance(fs::directory_iterator(dir.file("")), fs::directory_iterator()),
            2);  // no leftovers
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

TEST(ByteWriter, CancelKeepsTheBytesWritten) {
  TempFolder dir;
  const std::string f = dir.file("cut.dat");
  WriteRaw(f, "old");
  TArrayInteger values(100, 65);
  tsavetoBin writer;
  test::FakeStatus status;
  test::FakePump pump([&writer](int call) {
    if (call == 40) writer.Cancel();
  });
  writer.SaveBin(TsaveBinPar{f, true, &values, &status, &status});
  EXPECT_EQ(ReadFile(f), "old" + std::string(40, 'A'));
  EXPECT_EQ(status.captions, (std::vector<std::string>{"Write File ...", "Done"}));
}
