#pragma once

#include <QString>

#include "core/RunOptions.h"

// The words of a page's command line, as the options' table spells them.
namespace quenvar::ui {

inline QString Arg(const runs::Command& command) { return QLatin1String(command.word); }
// "--word"; with a value glued on, "--word=value".
inline QString Arg(const runs::Option& option) { return QStringLiteral("--") + QLatin1String(option.word); }
inline QString Arg(const runs::Option& option, const QString& value) { return Arg(option) + '=' + value; }
// The option's word for the code `index`.
inline QString Arg(const runs::Option& option, int index) {
  return QString::fromStdString(runs::Choice(option, index));
}

}  // namespace quenvar::ui
