#include "ui/Folders.h"

namespace quenvar::ui {

namespace {
QString Q(const std::string& path) { return QString::fromStdString(path); }
}  // namespace

QString ApplicationFolder() { return Q(paths::Current().program); }

void SetApplicationFolder(const QString& folder) { paths::SetProgramFolder(folder.toStdString()); }

QString TempFolder() { return Q(paths::TempFolder()); }
QString HelpFile() { return Q(paths::HelpFile()); }
QString SettingsFile() { return Q(paths::SettingsFile()); }
QString WildcardFile() { return Q(paths::WildcardFile(paths::Use::Edit)); }
QString NameListFile(paths::NameList kind) { return Q(paths::NameListFile(kind, paths::Use::Edit)); }

}  // namespace quenvar::ui
