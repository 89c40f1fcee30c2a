#pragma once

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTimer>
#include <QtTest>
#include <functional>
#include <memory>

#include "FakePlatform.h"
#include "TestFiles.h"
#include "ui/Folders.h"
#include "ui/NumberPage.h"
#include "ui/PagePattern.h"
#include "ui/UnitMain.h"

namespace quenvar::test {

// What CancelInPhase saw: the captions of the status line in turn, and
// whether Cancel was clicked.
struct CancelWatch {
  QStringList phases;
  bool cancelled = false;
};

// Runs `run`, clicking Cancel once `page` shows `phase` while it runs;
// `atCancel` looks at the page just before the click.
inline CancelWatch CancelInPhase(ui::ResultPage& page, const QString& phase, const std::function<void()>& run,
                                 const std::function<void()>& atCancel = {}) {
  CancelWatch seen;
  QTimer watch;
  watch.setInterval(1);
  QObject::connect(&watch, &QTimer::timeout, [&] {
    const QString now = page.DisplayLabelText();
    if (seen.phases.isEmpty() || seen.phases.back() != now) seen.phases << now;
    if (now != phase || !page.running()) return;
    watch.stop();
    if (atCancel) atCancel();
    seen.cancelled = true;
    QTest::mouseClick(page.actions().cancelButton(), Qt::LeftButton);
  });
  watch.start();
  run();
  watch.stop();
  return seen;
}

// The real window, offscreen, answered by the fake platform, keeping its
// files (temp/, help.chm) in a folder of the test's own.
class GuiFixture {
 public:
  // Call from init(): a fresh window on the Random Number page; `prepare`
  // puts files into the window's folder before the window reads them.
  void openWindow(const std::function<void(const TempFolder&)>& prepare = {}) {
    fake = std::make_unique<FakePlatform>();
    folder = std::make_unique<TempFolder>();
    if (prepare) prepare(*folder);
    ui::SetApplicationFolder(QString::fromStdString(folder->path.string()));
    form = std::make_unique<ui::TFormRandom>();
    form->show();
    QVERIFY(QTest::qWaitForWindowExposed(form.get()));
    page = form->TabSheet1;
  }
  // The help's topics beside the test's help.chm, and no CHM viewer: F1
  // opens the program's own help window.
  void useHelpWindow() {
    fake->viewer.clear();
    const QDir topics(QString::fromStdString((folder->path / "help").string()));
    QVERIFY(topics.mkpath("."));
    const QDir source(QUENVAR_DATA_DIR "/../help");
    for (const QString& name : source.entryList({"*.html", "help.hhp"}, QDir::Files))
      QVERIFY(QFile::copy(source.filePath(name), topics.filePath(name)));
  }
  // Call from cleanup().
  void closeWindow() {
    form.reset();
    fake.reset();
    ui::SetApplicationFolder({});
    folder.reset();
  }

  std::unique_ptr<FakePlatform> fake;
  std::unique_ptr<TempFolder> folder;
  std::unique_ptr<ui::TFormRandom> form;
  ui::NumberPage* page = nullptr;
};

// Runs `open`, which should show a modal dialog of type T; `drive` acts on
// the dialog once it is up, then the dialog is closed. False when no such
// dialog opened while `open` ran, so a dead button fails its test.
template <typename T>
bool WhenModal(const std::function<void()>& open, const std::function<void(T*)>& drive) {
  auto state = std::make_shared<std::pair<bool, bool>>(false, false);  // driven, expired
  QTimer::singleShot(0, [drive, state] {
    if (state->second) return;
    auto* dialog = qobject_cast<T*>(QApplication::activeModalWidget());
    if (dialog == nullptr) return;
    drive(dialog);
    dialog->close();
    state->first = true;
  });
  open();
  state->second = true;
  return state->first;
}

}  // namespace quenvar::test
