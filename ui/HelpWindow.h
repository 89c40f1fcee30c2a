#pragma once

#include <QMap>
#include <QTextBrowser>
#include <QWidget>

namespace quenvar::ui {

// F1: the help at a context number, in the compiled-HTML help viewer where
// the platform has one, else in the program's own help window.
void ShowHelp(int context);

// The help's HTML topics (help/ beside help.chm) in a window of the
// program's own, opened at the topic of a context number as help.hhp maps
// it. There is one; F1 again brings it to the front at the new topic.
class HelpWindow : public QWidget {
  Q_OBJECT

 public:
  // The window, made on first use; nullptr until then.
  static HelpWindow* instance();
  static void showTopic(const QString& topicsFolder, int context);

  QTextBrowser* browser() const { return browser_; }

 private:
  HelpWindow();
  void open(const QString& topicsFolder, int context);

  QTextBrowser* browser_;
  QString folder_;
  QMap<int, QString> topics_;  // context number -> topic file
};

// help.hhp's context numbers ([MAP]) and their topics ([ALIAS]).
QMap<int, QString> ReadHelpContexts(const QString& projectFile);

}  // namespace quenvar::ui
