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

// A wildcard.ini of three wildcards: # digits, @ letters, * letters and digits.
inline constexpr char kWildcards[] =
    "[Special Char]\r\nTotal=3\r\n"
    "Name0=#\r\nDescription0=digits 0-9\r\nIscheckUpper0=0\r\nIscheckLower0=0\r\nIscheckNumber0=1\r\n"
    "IscheckSpecial0=0\r\n"
    "Name1=@\r\nDescription1=letters\r\nIscheckUpper1=1\r\nIscheckLower1=1\r\nIscheckNumber1=0\r\n"
    "IscheckSpecial1=0\r\n"
    "Name2=*\r\nDescription2=letters and digits\r\nIscheckUpper2=1\r\nIscheckLower2=1\r\n"
    "IscheckNumber2=1\r\nIscheckSpecial2=0\r\n";

}  // namespace quenvar::test
