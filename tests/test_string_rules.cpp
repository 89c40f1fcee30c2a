// The Random String checks and totals shared by the page and quenvar-cli.
#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>

#include "core/Errors.h"
#include "core/InputFile.h"
#include "core/Unit_base.h"
#include "generators/NumberRules.h"
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

// A message keeps its template and its figures apart, so the window can
// translate the template: a file error names the file as a figure, and the
// English fills each %n once (a file name holding "%2" stays as it is).
TEST(Messages, TemplateAndFiguresApart) {
  try {
    ReadWholeFile("/nonexistent/a%2b");
    FAIL() << "no error";
  } catch (const EInOutError& e) {
    const auto& piece = e.text().pieces().at(0);
    EXPECT_STREQ(piece.source, "Cannot open file \"%1\". %2");
    EXPECT_EQ(piece.args.at(0), "/nonexistent/a%2b");
    EXPECT_EQ(std::string(e.what()),
              "Cannot open file \"/nonexistent/a%2b\". " + std::string(strerror(ENOENT)));
  }
  const Text totals = NumberTotalsText(false, 10, 7);
  EXPECT_EQ(totals.pieces().size(), 3u);
  EXPECT_EQ(totals.english(), "Possible total randoms: 10      Generated total randoms: 7");
}
