#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/Printing.h"

using namespace quenvar;

namespace {

// A page 100 units wide and 60 high; every character 10 wide, text 8 high
// (lines of 10), average character 2 wide (tab stops every 16).
class FakeCanvas : public PrintCanvas {
 public:
  int pageWidth() const override { return 100; }
  int pageHeight() const override { return 60; }
  // A UTF-8 character is 10 wide; so is every byte that is no part of a
  // whole character, drawn as a replacement mark.
  int textWidth(std::string_view text) const override {
    int characters = 0;
    for (size_t i = 0; i < text.size(); ++characters) {
      const auto lead = static_cast<unsigned char>(text[i]);
      size_t length = lead < 0xC2 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
      if (lead >= 0x80 && lead < 0xC2) length = 1;
      bool whole = i + length <= text.size();
      for (size_t k = 1; whole && k < length; ++k)
        whole = (static_cast<unsigned char>(text[i + k]) & 0xC0) == 0x80;
      i += whole ? length : 1;
    }
    return 10 * characters;
  }
  int textHeight(std::string_view) const override { return 8; }
  int charHeight() const override { return 8; }
  int averageCharWidth() const override { return 2; }
  void drawText(int x, int y, std::string_view text) override {
    ops.push_back("p" + std::to_string(page) + " " + std::to_string(x) + "," + std::to_string(y) + " " +
                  std::string(text));
  }
  void newPage() override { ++page; }
  void endDoc() override { ended = true; }
  std::vector<std::string> ops;
  int page = 1;
  bool ended = false;
};

using V = std::vector<std::string>;

V Print(std::string_view text) {
  FakeCanvas canvas;
  TprinterText::PrintLines(canvas, text);
  return canvas.ops;
}

}  // namespace

// Lines go down by 10 and break to a new page when y passes 60 - 2 * 10;
// long lines wrap after the last character that fits; tab stops every 16
// from x + 1; non-ASCII text is measured and broken by character.
TEST(PrintLayout, WhereEachPieceIsDrawn) {
  struct Case {
    std::string text;
    V ops;
  };
  const Case cases[] = {
      {"a\r\nb\r\nc\r\nd\r\ne\r\nf\r\n",
       {"p1 0,0 a", "p1 0,10 b", "p1 0,20 c", "p1 0,30 d", "p1 0,40 e", "p2 0,0 f"}},
      {"abcdefghijkl\r\nz\r\n", {"p1 0,0 abcdefghij", "p1 0,10 kl", "p1 0,20 z"}},
      {"ab\tc\r\n", {"p1 0,0 ab", "p1 32,0 c"}},                  // from x 20: 16 * ((20 + 1) div 16 + 1)
      {"abcdefghi\tz\r\n", {"p1 0,0 abcdefghi", "p1 0,10 z"}},    // stop 96: "z" no longer fits
      {"abcdefghij\tz\r\n", {"p1 0,0 abcdefghij", "p1 0,10 z"}},  // stop 112 is past the edge
      {"a\fb\r\nc", {"p1 0,0 a", "p2 0,0 b", "p2 0,10 c"}},
      {"\r\nx\n", {"p1 0,8 x"}},  // an empty line advances by a character's height
      // "ä" and "€" are two and three bytes, one character each.
      {"\xC3\xA4"
       "bcdefghij\xE2\x82\xAC"
       "k\r\n",
       {"p1 0,0 \xC3\xA4"
        "bcdefghij",
        "p1 0,10 \xE2\x82\xAC"
        "k"}},
      {"\xC3\xA4\xC3\xB6\tc\r\n", {"p1 0,0 \xC3\xA4\xC3\xB6", "p1 32,0 c"}},
      // A lead byte that starts no well-formed sequence counts as one character.
      {"\xC3"
       "bcdefghijk\r\n",
       {"p1 0,0 \xC3"
        "bcdefghij",
        "p1 0,10 k"}},
  };
  for (const Case& c : cases) EXPECT_EQ(Print(c.text), c.ops) << c.text;
}

// A preview draws any page alone exactly as the print draws it, through
// wrapped lines, tabs and form feeds, and counts the pages.
TEST(PrintLayout, EachPageAloneAsPrinted) {
  std::string text;
  for (int i = 0; i < 40; ++i)
    text += i % 7 == 3    ? "abcdefghijklmnopqrstuvwxyz\tq\r\n"
            : i % 11 == 5 ? "x\fy\r\n"
                          : std::to_string(i) + "\r\n";
  FakeCanvas whole;
  TprinterText::PrintLines(whole, text);
  PrintLayout layout;
  FakeCanvas measures;
  ASSERT_TRUE(layout.Measure(measures, text));
  EXPECT_EQ(layout.Pages(), whole.page);
  for (int64_t k = 0; k < layout.Pages(); ++k) {
    V expected;
    const std::string prefix = "p" + std::to_string(k + 1) + " ";
    for (const std::string& op : whole.ops)
      if (op.rfind(prefix, 0) == 0) expected.push_back("p1 " + op.substr(prefix.size()));
    FakeCanvas one;
    layout.DrawPage(one, text, k);
    EXPECT_EQ(one.ops, expected) << "page " << k + 1;
    EXPECT_EQ(one.page, 1);
  }
}
