#include "ui/Folders.h"

#include <QCoreApplication>

namespace quenvar::ui {

namespace {
QString g_folder;
}

QString ApplicationFolder() { return g_folder.isEmpty() ? QCoreApplication::applicationDirPath() : g_folder; }

void SetApplicationFolder(const QString& folder) { g_folder = folder; }

}  // namespace quenvar::ui
