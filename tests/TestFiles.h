#pragma once

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace quenvar::test {

// A folder of the test's own under the system's temporary folder, removed
// with everything in it when the object goes.
class TempFolder {
 public:
  TempFolder() : path(Fresh()) { std::filesystem::create_directories(path); }
  ~TempFolder() {
    std::error_code ignored;
    std::filesystem::permissions(path, std::filesystem::perms::owner_all, ignored);  // tests may lock it
    std::filesystem::remove_all(path, ignored);
  }
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  std::string file(const std::string& name) const { return (path / name).string(); }
  // Writes a file of these bytes into the folder; returns its path.
  std::string write(const std::string& name, const std::string& bytes) const {
    std::ofstream(path / name, std::ios::binary) << bytes;
    return file(name);
  }

  const std::filesystem::path path;

 private:
  static std::filesystem::path Fresh() {
    static int counter = 0;
    return std::filesystem::temp_directory_path() /
           ("quenvar-test-" + std::to_string(getpid()) + "-" + std::to_string(counter++));
  }
};

// AddressSanitizer reserves terabytes of address space for its shadow: under
// it, a limit of the address space stops everything, and the tests that set
// one skip themselves.
#if defined(__SANITIZE_ADDRESS__)
inline constexpr bool kAddressSanitizer = true;
#else
inline constexpr bool kAddressSanitizer = false;
#endif

// A whole file, bytes as stored; empty when it cannot be read.
inline std::string ReadFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

}  // namespace quenvar::test
