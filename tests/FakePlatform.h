#pragma once

#include <QPageLayout>
#include <QPrinter>
#include <QStringList>
#include <deque>

#include "ui/Platform.h"

namespace quenvar::test {

// Answers the window's message boxes and dialogs at once and records them.
class FakePlatform : public ui::Platform {
 public:
  struct Box {
    QString text;
    ui::Icon icon;
  };
  FakePlatform() { ui::setPlatform(this); }
  ~FakePlatform() override { ui::setPlatform(nullptr); }

  ui::Answer messageBox(QWidget*, const QString& text, ui::Icon icon, bool yesNo) override {
    boxes.push_back({ui::MessageText(text), icon});
    if (!yesNo) return ui::Answer::Ok;
    const bool yes = !answers.empty() && answers.front();
    if (!answers.empty()) answers.pop_front();
    return yes ? ui::Answer::Yes : ui::Answer::No;
  }
  QString saveFileName(QWidget*, const QString&, const QString&, const QString&, const QString&) override {
    return nextFile;
  }
  QString openFileName(QWidget*, const QString&, const QString&) override { return nextFile; }
  std::optional<QString> inputBox(QWidget*, const QString&, const QString&, const QString&) override {
    return nextInput;
  }
  QStringList printerNames() override { return printers; }
  bool printerSetup(QWidget*, QPrinter& printer) override {
    ++setups;
    if (setupOrientation) printer.setPageOrientation(*setupOrientation);
    return setupOrientation.has_value();
  }
  bool openUrl(const QUrl& url) override {
    opened.push_back(url);
    return opens;
  }
  QString helpViewer() override { return viewer; }
  void showHelp(const QString& file, int context) override { help.push_back({file, context}); }

  QStringList texts() const {
    QStringList out;
    for (const Box& box : boxes) out << box.text;
    return out;
  }

  std::vector<Box> boxes;
  std::deque<bool> answers;
  QString nextFile;
  std::optional<QString> nextInput;
  QStringList printers;
  std::vector<QUrl> opened;
  bool opens = true;                 // false: no program can open what is asked
  QString viewer = "/usr/bin/xchm";  // empty: no CHM viewer, the help window opens
  std::vector<std::pair<QString, int>> help;
  int setups = 0;
  std::optional<QPageLayout::Orientation> setupOrientation;  // nullopt: the set-up is cancelled
};

}  // namespace quenvar::test
