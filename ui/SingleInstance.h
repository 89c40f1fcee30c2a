#pragma once

#include <QLocalServer>
#include <QLockFile>
#include <QObject>
#include <memory>

namespace quenvar::ui {

// One running copy per user and program: the first listens on a local
// socket; a second start asks it to come to the front and ends. The socket
// and its lock are in the runtime folder (core/Paths.h), or nowhere when
// there is no folder of the user's own: then every start opens a window.
class SingleInstance : public QObject {
  Q_OBJECT

 public:
  explicit SingleInstance(QString key);
  ~SingleInstance() override;
  // True when another copy answered (it has been asked to come forward).
  bool raiseRunning();
  // Starts listening; false when that failed (the program still runs).
  bool listen();

  // The key of this program as installed at `executablePath`, for this user.
  static QString KeyFor(const QString& executablePath);

 signals:
  void raiseRequested();

 private:
  QString path() const;  // the socket's (the lock's adds ".lock"); empty: none

  QString key_;
  std::unique_ptr<QLockFile> lock_;
  QLocalServer server_;
};

}  // namespace quenvar::ui
