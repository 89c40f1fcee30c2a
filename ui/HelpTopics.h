#pragma once

#include <array>
#include <cstddef>

#include "ui/PageTable.h"

namespace quenvar::ui {

// The help topics by their context numbers, which help/help.hhp maps to its
// pages of help (F1).
struct HelpTopics {
  int page, save, print;  // the page's own, its save dialog's and its print dialog's
};

// By PageKind, each row named by its page (tests/check_help.py reads them).
// The File page (PageKind::None) saves and prints no text: its dialogs would
// show the number topics.
inline constexpr std::array<HelpTopics, 6> kHelpTopics = {{
    {700, 23, 24},    // File
    {58, 23, 24},     // Number
    {421, 232, 242},  // String
    {800, 87, 88},    // Sampling
    {900, 654, 312},  // Name
    {71, 72, 73},     // Lottery
}};

constexpr const HelpTopics& TopicsOf(PageKind kind) {
  const auto at = static_cast<size_t>(kind);
  return kHelpTopics[at < kHelpTopics.size() ? at : 0];
}

constexpr int kAboutHelp = 30;
constexpr int kDistributionHelp = 95;  // the chart

}  // namespace quenvar::ui
