#pragma once

#include <chrono>
#include <functional>
#include <string>

#include "core/Feedback.h"

namespace quenvar::cli {

// The status line and progress bar of a run, drawn on standard error when it
// is a terminal and the run has lasted long enough to be worth watching.
class TerminalProgress : public ProgressBarView, public StatusLabelView {
 public:
  TerminalProgress();
  ~TerminalProgress() override;
  void setCaption(std::string_view caption) override;

 protected:
  void applyVisible(bool visible) override;
  void applyMaximum(int64_t maximum) override;
  void applyPosition(int64_t position) override;

 private:
  void draw(bool force);
  void clearLine();

  bool enabled_;
  bool drawn_ = false;
  std::string caption_;
  int64_t maximum_ = 1;
  int64_t position_ = 0;
  std::chrono::steady_clock::time_point started_;
  std::chrono::steady_clock::time_point lastDraw_;
};

// Ctrl+C and SIGTERM set a flag; the pump hands it to the running
// generator's Cancel, exactly as the window's Cancel button does.
class InterruptPump : public MessagePump {
 public:
  explicit InterruptPump(std::function<void()> cancel);
  ~InterruptPump() override;
  void processMessages() override;
  static bool interrupted();
  // Ctrl+C and SIGTERM both ask the run to stop. A second one ends the
  // process at once, unless a file is being written into at that moment
  // (then the run ends at its next check, the file whole). `command` names
  // the tool in the line printed then.
  static void InstallHandlers(const std::string& command);

 private:
  std::function<void()> cancel_;
  bool cancelled_ = false;
};

}  // namespace quenvar::cli
