#include "core/Paths.h"

#include <fcntl.h>
#include <pwd.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>

#ifndef QUENVAR_SHARE_FROM_BIN
#define QUENVAR_SHARE_FROM_BIN "../share/quenvar"
#endif

namespace fs = std::filesystem;

namespace quenvar::paths {

namespace {

std::optional<Places> g_current;
std::string g_programFolder;

bool IsFolder(const std::string& path) {
  std::error_code error;
  return !path.empty() && fs::is_directory(path, error);
}

// Without "." and ".." steps or a trailing slash.
std::string Normal(const std::string& path) {
  std::string normal = fs::path(path).lexically_normal().string();
  if (normal.size() > 1 && normal.back() == '/') normal.pop_back();
  return normal;
}

// An XDG variable counts only when it holds an absolute path.
std::string Absolute(const Environment& env, const char* name) {
  std::string value = env(name);
  return !value.empty() && value.front() == '/' ? value : std::string();
}

std::string Home(const Environment& env) {
  std::string home = env("HOME");
  if (!home.empty()) return home;
  if (const passwd* entry = getpwuid(getuid()); entry != nullptr && entry->pw_dir != nullptr)
    return entry->pw_dir;
  return "/";
}

std::string XdgFolder(const Environment& env, const char* name, const char* fallback) {
  std::string folder = Absolute(env, name);
  if (folder.empty()) folder = Home(env) + "/" + fallback;
  return Normal(folder + "/quenvar");
}

const char* NameListName(NameList kind) {
  switch (kind) {
    case NameList::Female:
      return "female_first_names.txt";
    case NameList::Male:
      return "male_first_names.txt";
    case NameList::Last:
      break;
  }
  return "last_names.txt";
}

std::string UserFile(const std::string& shipped, const std::string& user, Use use) {
  if (shipped == user) return user;
  std::error_code error;
  if (use == Use::Read) return fs::exists(user, error) ? user : shipped;
  return CopyIfMissing(shipped, user) ? user : shipped;
}

}  // namespace

std::string ProcessEnvironment(const std::string& name) {
  const char* value = std::getenv(name.c_str());
  return value != nullptr ? value : "";
}

Places Locate(const std::string& programFolder, const Environment& env) {
  Places places;
  places.program = Normal(programFolder);
  const std::string share = Normal(places.program + "/" + QUENVAR_SHARE_FROM_BIN);
  const bool installed = IsFolder(share);
  places.portable = !installed && access(places.program.c_str(), W_OK) == 0;
  places.shipped = installed ? share : places.program;
  if (places.portable) {
    places.config = places.data = places.program;
    places.temp = places.program + "/temp";
  } else {
    places.config = XdgFolder(env, "XDG_CONFIG_HOME", ".config");
    places.data = XdgFolder(env, "XDG_DATA_HOME", ".local/share");
    places.temp = XdgFolder(env, "XDG_CACHE_HOME", ".cache") + "/temp";
  }
  places.runtime = Absolute(env, "XDG_RUNTIME_DIR");
  if (!IsFolder(places.runtime)) places.runtime = Absolute(env, "TMPDIR");
  if (!IsFolder(places.runtime)) places.runtime = "/tmp";
  return places;
}

std::string ExecutableFolder() {
  std::error_code error;
  const fs::path exe = fs::read_symlink("/proc/self/exe", error);
  return error || !exe.has_parent_path() ? std::string(".") : exe.parent_path().string();
}

const Places& Current() {
  if (!g_current) g_current = Locate(g_programFolder.empty() ? ExecutableFolder() : g_programFolder);
  return *g_current;
}

void SetProgramFolder(const std::string& folder) {
  g_programFolder = folder;
  g_current.reset();
}

std::string SettingsFile() { return Current().config + "/setup.ini"; }

std::string WildcardFile(Use use) {
  const Places& places = Current();
  return UserFile(places.shipped + "/wildcard.ini", places.config + "/wildcard.ini", use);
}

std::string NameListFile(NameList kind, Use use) {
  const Places& places = Current();
  const std::string name = std::string("/name/") + NameListName(kind);
  return UserFile(places.shipped + name, places.data + name, use);
}

std::string HelpFile() { return Current().shipped + "/help.chm"; }
std::string TempFolder() { return Current().temp; }
std::string RuntimeFolder() { return Current().runtime; }

bool CopyIfMissing(const std::string& shipped, const std::string& user) {
  std::error_code error;
  if (fs::exists(fs::symlink_status(user, error))) return true;
  const fs::path folder = fs::path(user).parent_path();
  fs::create_directories(folder, error);
  std::ifstream in(shipped, std::ios::binary);
  if (!in) return false;
  const std::string content((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (in.bad()) return false;

  // The copy is written under a name of its own and then linked to its
  // place, which fails rather than replaces: the user's file, even one made
  // meanwhile, is never overwritten, and no half-written copy is ever seen.
  static unsigned counter = 0;
  const std::string staging = user + ".new-" + std::to_string(getpid()) + "-" + std::to_string(++counter);
  const int fd = open(staging.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
  if (fd < 0) return false;
  size_t done = 0;
  while (done < content.size()) {
    const ssize_t n = write(fd, content.data() + done, content.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) break;
    done += static_cast<size_t>(n);
  }
  const bool written = done == content.size() && fsync(fd) == 0;
  const bool closed = close(fd) == 0;
  bool linked = false;
  if (written && closed) linked = link(staging.c_str(), user.c_str()) == 0 || errno == EEXIST;
  unlink(staging.c_str());
  return linked;
}

}  // namespace quenvar::paths
