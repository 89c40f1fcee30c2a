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
  TinputFilePar input(const std::string& name, int32_t count, int32_t seed, bool append = false) {
    TinputFilePar par;
    par.FileName = (folder / name).string();
    par.Count = count;
    par.Seed = seed;
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
    generator.Generate(run.input("drawn.dat", count, -77));
    generator.SaveToFile();
    const uint32_t stateAfterDraw = RandomSeed;
    generator.GenerateStreamed(run.input("streamed.dat", count, -77));
    EXPECT_EQ(RandomSeed, stateAfterDraw);
    EXPECT_EQ(ReadFile(run.input("streamed.dat", 0, 0).FileName),
              ReadFile(run.input("drawn.dat", 0, 0).FileName))
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
  generator.GenerateStreamed(run.input("cut.dat", 1 << 20, 1));
  EXPECT_TRUE(generator.Stopped());
  EXPECT_FALSE(std::filesystem::exists(run.input("cut.dat", 0, 0).FileName));
  const TinputFilePar append = run.input("old.dat", 1 << 20, 1, true);
  std::ofstream(append.FileName, std::ios::binary) << "old";
  generator.GenerateStreamed(append);
  EXPECT_TRUE(generator.Stopped());
  EXPECT_EQ(ReadFile(append.FileName), "old");
}
