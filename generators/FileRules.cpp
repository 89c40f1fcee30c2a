#include "generators/FileRules.h"

#include <filesystem>
#include <system_error>

#include "core/Errors.h"

namespace quenvar {

namespace {
size_t AfterLastSeparator(const std::string& name) {
  const size_t slash = name.rfind('/');
  return slash == std::string::npos ? 0 : slash + 1;
}
}  // namespace

std::string FolderPart(const std::string& fileName) {
  return fileName.substr(0, AfterLastSeparator(fileName));
}

std::string NumberedFileName(const std::string& baseName, bool numbered, int32_t counter) {
  if (!numbered) return baseName;
  const size_t nameStart = AfterLastSeparator(baseName);
  size_t dot = baseName.rfind('.');
  if (dot == std::string::npos || dot < nameStart) dot = baseName.size();
  std::string number = std::to_string(counter);
  if (number.size() == 1) number.insert(0, "0");
  return baseName.substr(0, dot) + number + baseName.substr(dot);
}

void CreateFolderOf(const std::string& fileName, bool allowBareName) {
  const std::string folder = FolderPart(fileName);
  if (folder.empty()) {
    if (allowBareName) return;
    throw EInOutError(Text(TR_NOOP("Core", "Unable to create directory")));
  }
  std::error_code error;
  std::filesystem::create_directories(folder, error);
  if (error)
    throw EInOutError(
        Text(TR_NOOP("Core", "Unable to create directory \"%1\". %2")).arg(folder).arg(error.message()));
}

Text FileDoneText(const std::string& fileName, int64_t count) {
  return Text(TR_NOOP("Core",
                      "The random file '%1' is generated successfully !     Generated total randoms: %2"))
      .arg(fileName)
      .arg(count);
}

}  // namespace quenvar
