#pragma once

#include <QString>

#include "core/Paths.h"

namespace quenvar::ui {

// The window's files, placed by core/Paths.h: beside the executable for a
// copy run from where the user can write, in share/quenvar and the XDG
// folders for an installed one. Tests point the program folder at a folder
// of their own (a folder of theirs is a portable copy; a bin/ beside a
// share/quenvar/ is an installed one).
QString ApplicationFolder();
void SetApplicationFolder(const QString& folder);  // empty: the executable's again

QString TempFolder();
QString HelpFile();
QString SettingsFile();
// The user's copies, made from the shipped files on first use.
QString WildcardFile();
QString NameListFile(paths::NameList kind);

}  // namespace quenvar::ui
