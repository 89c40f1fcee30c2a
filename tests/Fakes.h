#pragma once

#include <functional>
#include <string>
#include <vector>

#include "core/Feedback.h"
#include "core/RandomSource.h"

namespace quenvar::test {

// Records what the engine shows: captions in order, bar maximums, positions.
class FakeStatus : public ProgressBarView, public StatusLabelView {
 public:
  void setCaption(std::string_view caption) override { captions.emplace_back(caption); }
  std::vector<std::string> captions;
  std::vector<int64_t> maximums;
  std::vector<int64_t> positions;
  int hides = 0;

 protected:
  void applyVisible(bool visible) override {
    if (!visible) ++hides;
  }
  void applyMaximum(int64_t maximum) override { maximums.push_back(maximum); }
  void applyPosition(int64_t position) override { positions.push_back(position); }
};

// Installed while it lives: records the messages shown and answers every
// question as told.
class FakeNotifier : public Notifier {
 public:
  explicit FakeNotifier(bool yes = false) : yes_(yes) { SetNotifier(this); }
  ~FakeNotifier() override { SetNotifier(nullptr); }
  void error(std::string_view m) override { errors.emplace_back(m); }
  void warning(std::string_view m) override { warnings.emplace_back(m); }
  bool confirm(std::string_view q) override {
    questions.emplace_back(q);
    return yes_;
  }
  std::vector<std::string> errors, warnings, questions;

 private:
  bool yes_;
};

// A pump that runs at every point and may act there (a nested Cancel).
class FakePump : public MessagePump {
 public:
  explicit FakePump(std::function<void(int)> onCall = {}) : onCall_(std::move(onCall)) {
    SetMessagePump(this, 0);
  }
  ~FakePump() override { SetMessagePump(nullptr); }
  void processMessages() override {
    ++calls;
    if (onCall_) onCall_(calls);
  }
  int calls = 0;

 private:
  std::function<void(int)> onCall_;
};

// A generator's run as a page makes it with a manual seed: the run's own
// source, seeded and lent for the run, with `status` as its progress bar and
// status label when given. Returns the source as the run left it.
template <class Generator, class Input>
RandomSource SeededRun(Generator& generator, const Input& input, int32_t seed, FakeStatus* status = nullptr) {
  RandomSource source(seed);
  generator.Generate(input, {source, status, status});
  return source;
}

}  // namespace quenvar::test
