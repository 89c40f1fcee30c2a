#pragma once

#include <QCoreApplication>
#include <QString>
#include <array>
#include <cstddef>
#include <cstdint>

namespace quenvar::ui {

// The six pages, in tab order.
enum class Tab : uint8_t { Number, Lottery, Sampling, String, Name, File };
constexpr int kTabCount = 6;

// The code a page hands to the save and print dialogs (it picks their help
// topic). The File page writes bytes and has none.
enum class PageKind : uint8_t { None = 0, Number = 1, String = 2, Sampling = 3, Name = 4, Lottery = 5 };

// A set of pages, for the Exit buttons a page's busy state switches.
using TabSet = uint8_t;
constexpr TabSet TabBit(Tab tab) { return TabSet(1u << static_cast<unsigned>(tab)); }
constexpr TabSet kAllTabs = 0x3f;
constexpr TabSet kAllButLottery = kAllTabs & ~TabBit(Tab::Lottery);

// The seed group's controls.
struct SeedNames {
  const char *group = "Seed", *autoRadio, *autoSpin, *manualRadio, *manualSpin, *autoCaption, *manualCaption;
};

// What differs from page to page in the shared pattern. A control whose
// name is nullptr is not on that page.
struct PageInfo {
  Tab tab;
  const char* caption;  // the tab's text
  PageKind kind;
  int32_t seedDivisor;  // the manual seed proposed at start: seed div D + seed
  TabSet exitButtons;   // whose Exit buttons the busy state switches
  const char *page, *start, *startCaption, *cancel, *list, *header, *statusPanel, *statusLabel, *progress,
      *totals, *popup, *menu, *help, *exit;
  // Optional pieces.
  const char *asc = nullptr, *dsc = nullptr, *orig = nullptr;  // the three sort buttons
  const char* comma = nullptr;                                 // the thousands-separator button
  const char* columns = nullptr;  // the columns box (1 to 20) and the popup's "C&olumns"
  const char *save = nullptr, *saveHint = nullptr, *print = nullptr, *printHint = nullptr;
  const char* displayText;  // the status while rows are added
  SeedNames seed;
};

extern const std::array<PageInfo, kTabCount> kPages;

// A caption of the table in the user's language. The status texts
// (displayText) are the core's, translated where the status label shows them.
inline QString PageText(const char* text) { return QCoreApplication::translate("PageTable", text); }
inline const PageInfo& InfoOf(Tab tab) { return kPages[static_cast<std::size_t>(tab)]; }

}  // namespace quenvar::ui
