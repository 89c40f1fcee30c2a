#pragma once

#include <QString>

namespace quenvar::ui {

// The folder the window keeps its files in: the executable's, where
// setup.ini, wildcard.ini, name/ and help.chm live and temp/ is made. Tests
// point it at a folder of their own.
QString ApplicationFolder();
void SetApplicationFolder(const QString& folder);  // empty: the executable's again

inline QString TempFolder() { return ApplicationFolder() + "/temp"; }
inline QString HelpFile() { return ApplicationFolder() + "/help.chm"; }
// The user's choices from one run to the next.
inline QString SettingsFile() { return ApplicationFolder() + "/setup.ini"; }

}  // namespace quenvar::ui
