// Where the program's files are: a portable copy keeps them beside its
// executable, an installed one reads share/quenvar and keeps the user's in
// the XDG folders, under a home of the test's own.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>

#include "core/Paths.h"

using namespace quenvar::paths;
namespace fs = std::filesystem;

namespace {

std::string Read(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

void Write(const fs::path& path, const std::string& text) {
  fs::create_directories(path.parent_path());
  std::ofstream(path, std::ios::binary) << text;
}

// A scratch folder with an installed layout (prefix/bin beside
// prefix/share/quenvar, holding what the install ships), a portable copy and
// an empty home.
struct Layout {
  fs::path root = fs::temp_directory_path() / ("quenvar-paths-" + std::to_string(getpid()));
  fs::path bin = root / "prefix/bin", share = root / "prefix/share/quenvar";
  fs::path portable = root / "portable", home = root / "home";
  std::map<std::string, std::string> vars{{"HOME", (root / "home").string()}};

  Layout() {
    fs::remove_all(root);
    fs::create_directories(bin);
    fs::create_directories(portable);
    fs::create_directories(home);
    Write(share / "wildcard.ini", "[Special Char]\r\nTotal=0\r\n");
    Write(share / "name/female_first_names.txt", "Anna\n");
    Write(share / "name/male_first_names.txt", "Carl\n");
    Write(share / "name/last_names.txt", "Smith\n");
    Write(share / "help.chm", "ITSF");
  }
  ~Layout() {
    SetProgramFolder({});
    fs::permissions(root, fs::perms::owner_all);
    fs::remove_all(root);
  }
  Environment env() const {
    return [this](const std::string& name) {
      auto it = vars.find(name);
      return it == vars.end() ? std::string() : it->second;
    };
  }
  std::vector<std::string> leftovers(const fs::path& folder) const {
    std::vector<std::string> names;
    for (const auto& entry : fs::recursive_directory_iterator(folder))
      if (entry.path().filename().string().find(".new-") != std::string::npos)
        names.push_back(entry.path().string());
    return names;
  }
};

// Points the process at a layout's program folder with the layout's home.
struct UseProgram {
  std::string oldHome = ProcessEnvironment("HOME");
  UseProgram(const Layout& layout, const fs::path& folder) {
    setenv("HOME", layout.home.c_str(), 1);
    for (const char* name : {"XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME"}) unsetenv(name);
    SetProgramFolder(folder.string());
  }
  ~UseProgram() {
    setenv("HOME", oldHome.c_str(), 1);
    SetProgramFolder({});
  }
};

}  // namespace

TEST(Paths, PortableCopyKeepsEverythingBesideItsExecutable) {
  Layout layout;
  const Places places = Locate(layout.portable.string() + "/", layout.env());
  const std::string folder = layout.portable.string();
  EXPECT_TRUE(places.portable);
  EXPECT_EQ(places.program, folder);
  EXPECT_EQ(places.shipped, folder);
  EXPECT_EQ(places.config, folder);
  EXPECT_EQ(places.data, folder);
  EXPECT_EQ(places.temp, folder + "/temp");

  UseProgram use(layout, layout.portable);
  EXPECT_EQ(SettingsFile(), folder + "/setup.ini");
  EXPECT_EQ(HelpFile(), folder + "/help.chm");
  EXPECT_EQ(WildcardFile(Use::Edit), folder + "/wildcard.ini");
  EXPECT_EQ(NameListFile(NameList::Male, Use::Edit), folder + "/name/male_first_names.txt");
  EXPECT_EQ(NameListFile(NameList::Female, Use::Read), folder + "/name/female_first_names.txt");
  EXPECT_EQ(NameListFile(NameList::Last, Use::Read), folder + "/name/last_names.txt");
  // Nothing is made on the user's behalf: the build puts the files there.
  EXPECT_TRUE(fs::is_empty(layout.portable));
  EXPECT_TRUE(fs::is_empty(layout.home));
}

TEST(Paths, InstalledCopyReadsShareAndKeepsTheUsersFilesInXdgFolders) {
  Layout layout;
  const Places places = Locate(layout.bin.string(), layout.env());
  const std::string home = layout.home.string();
  EXPECT_FALSE(places.portable);
  EXPECT_EQ(places.program, layout.bin.string());
  EXPECT_EQ(places.shipped, layout.share.string());
  EXPECT_EQ(places.config, home + "/.config/quenvar");
  EXPECT_EQ(places.data, home + "/.local/share/quenvar");
  EXPECT_EQ(places.temp, home + "/.cache/quenvar/temp");

  layout.vars["XDG_CONFIG_HOME"] = (layout.root / "cfg").string();
  layout.vars["XDG_DATA_HOME"] = (layout.root / "data").string();
  layout.vars["XDG_CACHE_HOME"] = "relative/cache";  // not absolute: ignored
  const Places xdg = Locate(layout.bin.string(), layout.env());
  EXPECT_EQ(xdg.config, (layout.root / "cfg/quenvar").string());
  EXPECT_EQ(xdg.data, (layout.root / "data/quenvar").string());
  EXPECT_EQ(xdg.temp, home + "/.cache/quenvar/temp");
}

TEST(Paths, UsersCopiesAreMadeOnFirstEditAndNeverOverwritten) {
  Layout layout;
  UseProgram use(layout, layout.bin);
  const fs::path config = layout.home / ".config/quenvar", data = layout.home / ".local/share/quenvar";
  EXPECT_EQ(HelpFile(), (layout.share / "help.chm").string());
  EXPECT_EQ(SettingsFile(), (config / "setup.ini").string());

  // Reading alone writes nothing and gets the shipped files.
  EXPECT_EQ(WildcardFile(Use::Read), (layout.share / "wildcard.ini").string());
  EXPECT_EQ(NameListFile(NameList::Last, Use::Read), (layout.share / "name/last_names.txt").string());
  EXPECT_TRUE(fs::is_empty(layout.home));

  // The first edit copies the shipped file, byte for byte.
  EXPECT_EQ(WildcardFile(Use::Edit), (config / "wildcard.ini").string());
  EXPECT_EQ(Read(config / "wildcard.ini"), "[Special Char]\r\nTotal=0\r\n");
  EXPECT_EQ(NameListFile(NameList::Female, Use::Edit), (data / "name/female_first_names.txt").string());
  EXPECT_EQ(Read(data / "name/female_first_names.txt"), "Anna\n");
  EXPECT_FALSE(fs::exists(config / "setup.ini"));  // nothing shipped to copy

  // The user's edits stay, and reading now gets the user's copy.
  Write(config / "wildcard.ini", "mine");
  Write(data / "name/female_first_names.txt", "Beth\n");
  Write(layout.share / "wildcard.ini", "a newer shipped file");
  EXPECT_EQ(WildcardFile(Use::Edit), (config / "wildcard.ini").string());
  EXPECT_EQ(NameListFile(NameList::Female, Use::Edit), (data / "name/female_first_names.txt").string());
  EXPECT_EQ(Read(config / "wildcard.ini"), "mine");
  EXPECT_EQ(Read(data / "name/female_first_names.txt"), "Beth\n");
  EXPECT_EQ(WildcardFile(Use::Read), (config / "wildcard.ini").string());
  EXPECT_TRUE(layout.leftovers(layout.home).empty());
}

TEST(Paths, CopyIfMissingKeepsWhatIsThereAndReportsWhatCannotBeMade) {
  Layout layout;
  const fs::path shipped = layout.share / "wildcard.ini";
  const fs::path user = layout.root / "user/a/b/wildcard.ini";
  EXPECT_TRUE(CopyIfMissing(shipped.string(), user.string()));  // missing folders made
  EXPECT_EQ(Read(user), Read(shipped));

  // A link the user put there (even a dangling one) is the user's.
  const fs::path link = layout.root / "user/link.ini";
  fs::create_symlink(layout.root / "nowhere.ini", link);
  EXPECT_TRUE(CopyIfMissing(shipped.string(), link.string()));
  EXPECT_TRUE(fs::is_symlink(link));
  EXPECT_FALSE(fs::exists(layout.root / "nowhere.ini"));

  // No shipped file, or a folder that cannot be made (a file is in its way).
  EXPECT_FALSE(CopyIfMissing((layout.root / "none.ini").string(), (layout.root / "user/x.ini").string()));
  EXPECT_FALSE(fs::exists(layout.root / "user/x.ini"));
  Write(layout.root / "blocked", "a file");
  EXPECT_FALSE(CopyIfMissing(shipped.string(), (layout.root / "blocked/wildcard.ini").string()));
  EXPECT_TRUE(layout.leftovers(layout.root).empty());

  // Where no copy can be made, the shipped file is read, but an edit goes to
  // the user's path (and fails there), never to the shipped file.
  setenv("XDG_CONFIG_HOME", (layout.root / "blocked").c_str(), 1);
  SetProgramFolder(layout.bin.string());
  EXPECT_EQ(WildcardFile(Use::Read), shipped.string());
  EXPECT_EQ(WildcardFile(Use::Edit), (layout.root / "blocked/quenvar/wildcard.ini").string());
  unsetenv("XDG_CONFIG_HOME");
}

TEST(Paths, CopiesTakeTheUsersUmaskNotTheShippedFilesMode) {
  Layout layout;
  const fs::path shipped = layout.share / "name/last_names.txt";
  fs::permissions(shipped, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
  const mode_t old = umask(022);
  const fs::path user = layout.root / "user/last_names.txt";
  EXPECT_TRUE(CopyIfMissing(shipped.string(), user.string()));
  umask(old);
  EXPECT_EQ(fs::status(user).permissions() & fs::perms::all,
            fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read | fs::perms::others_read);
}

TEST(Paths, ReadOnlyCopyWithoutShareKeepsTheUsersFilesInXdgFolders) {
  Layout layout;
  fs::permissions(layout.portable, fs::perms::owner_read | fs::perms::owner_exec | fs::perms::group_read |
                                       fs::perms::group_exec | fs::perms::others_read |
                                       fs::perms::others_exec);
  const auto check = [&] {
    const Places places = Locate(layout.portable.string(), layout.env());
    return !places.portable && places.shipped == layout.portable.string() &&
           places.config == layout.home.string() + "/.config/quenvar" &&
           places.data == layout.home.string() + "/.local/share/quenvar";
  };
  if (geteuid() != 0) {
    EXPECT_TRUE(check());
    return;
  }
  // Root writes every folder: the check runs as an ordinary user.
  const pid_t child = fork();
  ASSERT_GE(child, 0);
  if (child == 0) _exit(setgid(65534) == 0 && setuid(65534) == 0 && check() ? 0 : 1);
  int status = 0;
  ASSERT_EQ(waitpid(child, &status, 0), child);
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
}

// Without a runtime folder the lock's folder is the user's alone: made mode
// 700 under a name of theirs in the shared temp folder, and never one that
// someone else made there (then their cache folder's).
TEST(Paths, LockGoesToTheRuntimeFolderElsePrivateFolder) {
  Layout layout;
  fs::create_directories(layout.root / "run");
  layout.vars["XDG_RUNTIME_DIR"] = (layout.root / "run").string();
  EXPECT_EQ(Locate(layout.bin.string(), layout.env()).runtime, (layout.root / "run").string());
  layout.vars["XDG_RUNTIME_DIR"] = (layout.root / "gone").string();  // not there
  const fs::path shared = layout.root / "shared";
  fs::create_directories(shared);
  layout.vars["TMPDIR"] = shared.string();
  const Places places = Locate(layout.bin.string(), layout.env());
  EXPECT_EQ(places.runtime, "");
  const fs::path own = shared / ("quenvar-" + std::to_string(geteuid())),
                 cache = layout.home / ".cache/quenvar/run";
  ASSERT_EQ(places.privateRuntime, (std::vector<std::string>{own.string(), cache.string()}));
  for (const fs::path& folder : {own, cache}) {
    EXPECT_TRUE(MakePrivateFolder(folder.string()));
    EXPECT_EQ(fs::status(folder).permissions() & fs::perms::all, fs::perms::owner_all);
  }
  fs::remove(own);
  fs::create_symlink(layout.home, own);  // a link, even to a folder of ours
  EXPECT_FALSE(MakePrivateFolder(own.string()));
  fs::remove(own);
  fs::create_directory(own);
  fs::permissions(own, fs::perms::all);  // others may put things in it
  EXPECT_FALSE(MakePrivateFolder(own.string()));
  fs::permissions(own, fs::perms::owner_all);
  if (geteuid() == 0) {  // only root can make it someone else's
    ASSERT_EQ(chown(own.c_str(), 65534, 65534), 0);
    EXPECT_FALSE(MakePrivateFolder(own.string()));
  }
}

TEST(Paths, ExecutableFolderIsThisTestsFolder) {
  EXPECT_TRUE(fs::exists(fs::path(ExecutableFolder()) / "test_core"));
  SetProgramFolder({});
  EXPECT_EQ(Current().program, ExecutableFolder());
}
