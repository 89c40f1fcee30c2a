#include "core/Paths.h"

#include <dirent.h>
#include <fcntl.h>
#include <pwd.h>
#include <sys/stat.h>
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

// The folder the program's files are looked for beside (empty: the
// executable's own), and the places found from it once asked for.
struct KnownPlaces {
  std::string programFolder;
  std::optional<Places> current;
};

KnownPlaces& Known() {
  static KnownPlaces known;
  return known;
}

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

// Whether anything stands at `path`, even a link that leads nowhere or in a
// loop: what is there is the user's.
bool Taken(const std::string& path) {
  std::error_code error;
  return fs::exists(fs::symlink_status(path, error));
}

std::string UserFile(const std::string& shipped, const std::string& user, Use use) {
  if (shipped == user) return user;
  if (use == Use::Read) return Taken(user) ? user : shipped;
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
  // Without a runtime folder the lock goes to a folder of the user's own: in
  // the shared temp folder under a name of theirs, or in their cache when
  // someone else holds that name (RuntimeFolder makes and checks them).
  places.runtime = Absolute(env, "XDG_RUNTIME_DIR");
  if (!IsFolder(places.runtime)) {
    places.runtime.clear();
    std::string shared = Absolute(env, "TMPDIR");
    if (!IsFolder(shared)) shared = "/tmp";
    places.privateRuntime = {Normal(shared) + "/quenvar-" + std::to_string(geteuid()),
                             XdgFolder(env, "XDG_CACHE_HOME", ".cache") + "/run"};
  }
  return places;
}

std::string ExecutableFolder() {
  std::error_code error;
  const fs::path exe = fs::read_symlink("/proc/self/exe", error);
  return error || !exe.has_parent_path() ? std::string(".") : exe.parent_path().string();
}

const Places& Current() {
  KnownPlaces& known = Known();
  if (!known.current)
    known.current = Locate(known.programFolder.empty() ? ExecutableFolder() : known.programFolder);
  return *known.current;
}

void SetProgramFolder(const std::string& folder) {
  KnownPlaces& known = Known();
  known.programFolder = folder;
  known.current.reset();
}

std::string SettingsFile() { return Current().config + "/setup.ini"; }

std::string WildcardFile(Use use) {
  const Places& places = Current();
  const std::string shipped = places.shipped + "/wildcard.ini", user = places.config + "/wildcard.ini";
  if (use == Use::Read || shipped == user) return UserFile(shipped, user, use);
  // Edits never go to the shipped file: where no copy can be made, writing
  // the user's fails and says so.
  CopyIfMissing(shipped, user);
  return user;
}

std::string NameListFile(NameList kind, Use use) {
  const Places& places = Current();
  const std::string name = std::string("/name/") + NameListName(kind);
  return UserFile(places.shipped + name, places.data + name, use);
}

std::string HelpFile() { return Current().shipped + "/help.chm"; }
std::string TempFolder() { return Current().temp; }
std::string RuntimeFolder() {
  const Places& places = Current();
  if (!places.runtime.empty()) return places.runtime;
  for (const std::string& folder : places.privateRuntime)
    if (MakePrivateFolder(folder)) return folder;
  return {};
}

bool MakePrivateFolder(const std::string& folder) {
  std::error_code error;
  fs::create_directories(fs::path(folder).parent_path(), error);
  if (mkdir(folder.c_str(), 0700) != 0 && errno != EEXIST) return false;
  // Ours alone: a folder (not a link to one), owned by this user, that no
  // one else may enter or change.
  struct stat st {};
  return lstat(folder.c_str(), &st) == 0 && S_ISDIR(st.st_mode) && st.st_uid == geteuid() &&
         (st.st_mode & 077) == 0;
}

bool IsPrintFileName(std::string_view name) {
  const auto digits = [&](size_t from, size_t count) {
    for (size_t i = from; i < from + count; ++i)
      if (name[i] < '0' || name[i] > '9') return false;
    return true;
  };
  return name.size() >= 19 && digits(0, 8) && name[8] == '_' && digits(9, 6) && name.ends_with(".txt");
}

void RemoveTempFolder(const std::string& folder) {
  // Opened without following a link: a temp folder that is a link, to
  // wherever it leads, is left alone.
  const int fd = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
  if (fd < 0) return;
  DIR* dir = fdopendir(fd);
  if (dir == nullptr) {
    close(fd);
    return;
  }
  std::vector<std::string> prints;
  while (const dirent* entry = readdir(dir)) {
    struct stat st {};
    if (IsPrintFileName(entry->d_name) && fstatat(fd, entry->d_name, &st, AT_SYMLINK_NOFOLLOW) == 0 &&
        S_ISREG(st.st_mode))
      prints.emplace_back(entry->d_name);
  }
  for (const std::string& name : prints) unlinkat(fd, name.c_str(), 0);
  closedir(dir);
  rmdir(folder.c_str());  // only when nothing else is left in it
}

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
