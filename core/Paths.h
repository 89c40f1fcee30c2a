#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace quenvar::paths {

// Where the program's files are, for the window and quenvar-cli alike.
//
// A portable copy (the build folder, or a copy unpacked in a folder the user
// can write) keeps everything beside its executable: setup.ini,
// wildcard.ini, name/, help.chm and temp/.
//
// An installed copy (its executable in bin/, beside share/quenvar/) reads
// what it ships from share/quenvar/ and keeps the user's files in the XDG
// folders: setup.ini and wildcard.ini in $XDG_CONFIG_HOME/quenvar (or
// ~/.config/quenvar), the name lists in $XDG_DATA_HOME/quenvar/name (or
// ~/.local/share/quenvar/name), temporary print files in
// $XDG_CACHE_HOME/quenvar/temp (or ~/.cache/quenvar/temp). A copy whose
// folder the user cannot write, without share/quenvar/, is treated the same
// way with its shipped files beside the executable.
//
// The single-instance lock lives in $XDG_RUNTIME_DIR; without one, in a
// folder of the user's own (mode 700): quenvar-<uid> in the temp folder, or
// run/ in the user's cache folder when that name is someone else's.
struct Places {
  bool portable = true;
  std::string program;                      // the executable's folder
  std::string shipped;                      // help.chm, wildcard.ini and name/ as shipped
  std::string config;                       // setup.ini, wildcard.ini
  std::string data;                         // name/
  std::string temp;                         // print files, removed at close
  std::string runtime;                      // the single-instance lock; when empty, the first of
  std::vector<std::string> privateRuntime;  // these that is the user's alone
};

// Reads an environment variable; empty when it is not set.
using Environment = std::function<std::string(const std::string&)>;
std::string ProcessEnvironment(const std::string& name);

// The places of a copy whose executable is in `programFolder`.
Places Locate(const std::string& programFolder, const Environment& env = ProcessEnvironment);

// The folder of the running executable.
std::string ExecutableFolder();

// The places of this process: those of the running executable, unless a test
// has chosen another program folder (empty: the executable's again).
const Places& Current();
void SetProgramFolder(const std::string& folder);

// How a user file is asked for. Read: the user's copy if there is one, else
// the shipped file (nothing is written). Edit: the user's copy, made from the
// shipped file on first use; a copy of the user's is never overwritten. When
// no copy can be made, the shipped name list is given; for wildcard.ini the
// user's path all the same, so that an edit fails rather than change the
// shipped file. Anything at the user's path (even a broken link) is the
// user's file.
enum class Use { Read, Edit };

enum class NameList { Female, Male, Last };

std::string SettingsFile();
std::string WildcardFile(Use use);
std::string NameListFile(NameList kind, Use use);
std::string HelpFile();
std::string TempFolder();
// The lock's folder, made when it is a private one; empty when there is none
// that is the user's alone.
std::string RuntimeFolder();
// Makes `folder` (mode 700) unless it is there; true when it is a folder of
// this user's that no one else can enter or change.
bool MakePrivateFolder(const std::string& folder);

// Whether a file name is one the print files are given (yyyyMMdd_hhmmss
// and ".txt").
bool IsPrintFileName(std::string_view name);
// At close: removes the print files in the temp folder, then the folder when
// nothing else is in it. Only regular files directly in it go, and nothing is
// followed through a link, the folder itself included.
void RemoveTempFolder(const std::string& folder);

// Copies `shipped` to `user` unless `user` exists, never overwriting it even
// when another process makes it meanwhile; creates the missing folders. True
// when `user` exists afterwards.
bool CopyIfMissing(const std::string& shipped, const std::string& user);

}  // namespace quenvar::paths
