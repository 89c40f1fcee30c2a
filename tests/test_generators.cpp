#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "Fakes.h"
#include "TestFiles.h"
#include "core/RandomSource.h"
#include "generators/Unit_file.h"

using namespace quenvar;
namespace fs = std::filesystem;

using quenvar::test::ReadFile;
using quenvar::test::TempFolder;

namespace {

struct FileRun {
  TempFolder temp;
  const fs::path& folder = temp.path;
  TinputFilePar input(const std::string& name, int32_t count, bool append = false) {
    TinputFilePar par;
    par.FileName = (folder / name).string();
    par.Count = count;
    par.Append = append;
    return par;
  }
};

}  // namespace

// Streaming writes exactly the bytes that drawing everything first writes.
TEST(FileGenerator, StreamedBytesEqualTheDrawnOnes) {
  FileRun run;
  Trandom_file generator;
  for (int32_t count : {1, 31, 32, 33, 65536, 65536 * 2 + 77}) {
    RandomSource drawnSource(-77), streamedSource(-77);
    generator.Generate(run.input("drawn.dat", count), drawnSource);
    generator.SaveToFile();
    generator.GenerateStreamed(run.input("streamed.dat", count), streamedSource);
    EXPECT_EQ(streamedSource.state, drawnSource.state);
    EXPECT_EQ(ReadFile(run.input("streamed.dat", 0).FileName), ReadFile(run.input("drawn.dat", 0).FileName))
        << count << " bytes";
    EXPECT_EQ(generator.WrittenTotal(), count);
  }
}

// A cancel while streaming leaves the file as it was: a new one not made, an
// appended one its old length.
TEST(FileGenerator, CancelWhileStreamingWritesNothing) {
  FileRun run;
  Trandom_file generator;
  test::FakePump pump([&generator](int call) {
    if (call % 3 == 0) generator.Cancel();
  });
  RandomSource source(1);
  generator.GenerateStreamed(run.input("cut.dat", 1 << 20), source);
  EXPECT_TRUE(generator.Stopped());
  EXPECT_FALSE(std::filesystem::exists(run.input("cut.dat", 0).FileName));
  const TinputFilePar append = run.input("old.dat", 1 << 20, true);
  std::ofstream(append.FileName, std::ios::binary) << "old";
  generator.GenerateStreamed(append, source);
  EXPECT_TRUE(generator.Stopped());
  EXPECT_EQ(ReadFile(append.FileName), "old");
}
