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

TEST(FileGenerator, SameSeedSameBytesAndAppend) {
  FileRun run;
  Trandom_file generator;
  for (int round = 0; round < 2; ++round) {
    generator.Generate(run.input(round == 0 ? "a.dat" : "b.dat", 1000, 4321));
    generator.SaveToFile();
  }
  EXPECT_EQ(ReadFile(run.input("a.dat", 0, 0).FileName), ReadFile(run.input("b.dat", 0, 0).FileName));
  EXPECT_EQ(ReadFile(run.input("a.dat", 0, 0).FileName).size(), 1000u);

  generator.Generate(run.input("one.dat", 1, 1));
  generator.SaveToFile();
  generator.Generate(run.input("one.dat", 1, 2, true));
  generator.SaveToFile();
  EXPECT_EQ(ReadFile(run.input("one.dat", 0, 0).FileName).size(), 2u);
}

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

TEST(FileGenerator, RadixChangesTheDisplayNotTheFile) {
  FileRun run;
  Trandom_file generator;
  generator.Generate(run.input("r.dat", 300, 5));
  generator.SaveToFile();
  const std::string bytes = ReadFile(run.input("r.dat", 0, 0).FileName);
  const char* forms[] = {"%d", "%02X", "%03o", nullptr};
  for (uint8_t radix = 0; radix < 4; ++radix) {
    generator.FormatResults(TformatPar{2, false, radix});
    ASSERT_EQ(generator.Results.size(), 300u);
    for (size_t i = 0; i < 300; ++i) {
      const unsigned v = uint8_t(bytes[i]);
      std::string expected;
      if (forms[radix] != nullptr) {
        char buffer[16];
        snprintf(buffer, sizeof buffer, forms[radix], v);
        expected = buffer;
      } else {
        for (int bit = 7; bit >= 0; --bit) expected += char('0' + ((v >> bit) & 1u));
      }
      ASSERT_EQ(generator.Results[i], expected) << int(radix);
    }
  }
  EXPECT_EQ(ReadFile(run.input("r.dat", 0, 0).FileName), bytes);
}

TEST(FileGenerator, CancelWhileStreamingKeepsWholeBlocks) {
  FileRun run;
  Trandom_file generator;
  test::FakePump pump([&generator](int call) {
    if (call == 3) generator.Cancel();
  });
  generator.GenerateStreamed(run.input("cut.dat", 1 << 20, 1));
  EXPECT_TRUE(generator.Stopped());
  EXPECT_EQ(ReadFile(run.input("cut.dat", 0, 0).FileName).size(), 3u << 16);
}
