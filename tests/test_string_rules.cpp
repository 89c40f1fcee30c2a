// The Random String checks and totals shared by the page and quenvar-cli.
#include <gtest/gtest.h>

#include "core/Unit_base.h"
#include "generators/StringRules.h"

using namespace quenvar;

TEST(StringRules, BlankMaskIsRefused) {
  EXPECT_EQ(StringInputError(TrimMask(" \t\r\n ")), "The edit box of Mask can not be blank!");
  EXPECT_EQ(StringInputError(TrimMask(" # ")), std::nullopt);
}

TEST(StringRules, TotalsText) {
  EXPECT_EQ(StringTotalsText(false, 1000, 100),
            "Possible total randoms: 1000      Generated total randoms: 100");
  EXPECT_EQ(StringTotalsText(false, MaxPossible, 100),
            "Possible total randoms: Over 36028797018963968      Generated total randoms: 100");
  // Exact, though above the cap's threshold.
  EXPECT_EQ(StringTotalsText(false, 6634204312890625, 2),
            "Possible total randoms: 6634204312890625      Generated total randoms: 2");
  EXPECT_EQ(StringTotalsText(true, MaxPossible, 7), "      Generated total randoms: 7");
}

namespace {

TArrayInteger Codes(int low, int high) {
  TArrayInteger codes;
  for (int c = low; c <= high; ++c) codes.push_back(c);
  return codes;
}

}  // namespace

// Each checked group must leave one character: 26 excluded capitals are
// refused, 25 accepted; a group that is not checked is not looked at.
TEST(StringRules, EveryCheckedGroupGivesACharacter) {
  Tparchar w;
  w.IscheckUpper = true;
  w.UpperExclude = Codes('A', 'Z');
  EXPECT_EQ(WildcardGroupError(w),
            "When the uppercase A-Z box is checked\r\rYou can not exclude all uppercase letter!\r");
  w.UpperExclude.pop_back();
  EXPECT_EQ(WildcardGroupError(w), std::nullopt);

  w.IscheckLower = true;
  w.Lowerexclude = Codes('a', 'z');
  EXPECT_EQ(WildcardGroupError(w),
            "When the lowercase a-z box is checked\r\rYou can not exclude all lowercase letter!\r");
  w.IscheckLower = false;
  EXPECT_EQ(WildcardGroupError(w), std::nullopt);

  w.IscheckNumber = true;
  w.NumberExclude = Codes('0', '9');
  EXPECT_EQ(WildcardGroupError(w),
            "When the number 0-9 box is checked\r\rYou can not exclude all numbers!\r");
  w.NumberExclude.erase(w.NumberExclude.begin());
  EXPECT_EQ(WildcardGroupError(w), std::nullopt);

  w.IscheckSpecial = true;
  EXPECT_EQ(WildcardGroupError(w),
            "When the special character box is checked\r\rYou must select at least one character!\r");
  w.specialArray = {32};
  EXPECT_EQ(WildcardGroupError(w), std::nullopt);

  // Twenty-six codes that are not the whole alphabet leave letters to draw.
  Tparchar listed;
  listed.IscheckUpper = true;
  listed.UpperExclude = Codes('A', 'Y');
  listed.UpperExclude.push_back('A');
  EXPECT_EQ(WildcardGroupError(listed), std::nullopt);
}
