#pragma once

#include <cstdint>
#include <string>

#include "core/Text.h"

namespace quenvar {

// The Random File page's file naming, folder creation and result line: one
// place for the window's page and quenvar-cli.

constexpr int32_t kMaxFileSuffix = 3000000;

// The name the next run writes: with numbering on, the counter (two digits
// at least) goes before the extension of the base name, or at its end when
// it has none ("/home/u/byteFile.dat" and 1 give "/home/u/byteFile01.dat").
std::string NumberedFileName(const std::string& baseName, bool numbered, int32_t counter);

// The counter after a run.
inline int32_t NextFileSuffix(int32_t counter) {
  return counter < kMaxFileSuffix ? counter + 1 : kMaxFileSuffix;
}

// The folder part of a file name: up to and including its last separator
// ("" when it has none).
std::string FolderPart(const std::string& fileName);

// Makes the folder of a file name with any missing parents. A name without
// a folder throws EInOutError "Unable to create directory" unless
// `allowBareName` (a name relative to the working folder).
void CreateFolderOf(const std::string& fileName, bool allowBareName);

Text FileDoneText(const std::string& fileName, int64_t count);
inline constexpr char kFileCancelledText[] = TR_NOOP("Core", "The user cancel the operation!");

}  // namespace quenvar
