#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <functional>

#include "Fakes.h"
#include "TestFiles.h"
#include "core/Errors.h"
#include "core/IniFile.h"
#include "generators/Unit_character.h"

using namespace quenvar;
namespace fs = std::filesystem;

using quenvar::test::ReadFile;
using quenvar::test::TempFolder;

namespace {

using Folder = TempFolder;
using Answers = quenvar::test::FakeNotifier;

Tparchar Digits(const std::string& name) {
  Tparchar w;
  w.Name = name;
  w.IscheckNumber = true;
  return w;
}

}  // namespace

TEST(IniFile, ReadingConventions) {
  const IniFile ini = IniFile::FromText(
      "; a comment\r\n[Simply]\r\nColumn = 7\r\nhex=0x1F\r\ndollar=$10\r\nbad=12abc\r\nneg=-5\r\n"
      "big=2147483648\r\nflag=2\r\nquoted=\"  spaced  "
      "\"\r\nempty=\r\n[other]\r\ncolumn=1\r\n[SIMPLY]\r\nlate=1\r\n");
  EXPECT_EQ(ini.ReadInteger("simply", "COLUMN", 0), 7);
  EXPECT_EQ(ini.ReadInteger("Simply", "hex", 0), 31);
  EXPECT_EQ(ini.ReadInteger("Simply", "dollar", -1), -1);  // "$" only where asked for
  EXPECT_EQ(ini.ReadInteger("Simply", "dollar", -1, true), 16);
  EXPECT_EQ(ini.ReadInteger("Simply", "bad", 9), 9);
  EXPECT_EQ(ini.ReadInteger("Simply", "neg", 0), -5);
  EXPECT_EQ(ini.ReadInteger("Simply", "big", 3), 3);
  EXPECT_EQ(ini.ReadInteger("Simply", "missing", 4), 4);
  EXPECT_TRUE(ini.ReadBool("Simply", "flag", false));
  EXPECT_TRUE(ini.ReadBool("Simply", "bad", true));
  EXPECT_EQ(ini.ReadString("Simply", "quoted", ""), "  spaced  ");
  EXPECT_EQ(ini.ReadString("Simply", "empty", "x"), "");
  EXPECT_EQ(ini.ReadString("nowhere", "column", "d"), "d");
  EXPECT_EQ(ini.ReadInteger("Simply", "late", 0), 0);  // the first of two like-named sections is read
  EXPECT_EQ(IniFile::FromText("[s]\nk=" + std::string(3000, 'v')).ReadString("s", "k", "").size(), 2047u);
}

TEST(IniFile, WritingKeepsEveryOtherLine) {
  Folder dir;
  const std::string path = dir.file("setup.ini");
  std::ofstream(path, std::ios::binary)
      << "; keep me\r\n[Simply]\r\ncolumn=2\r\nunknown=yes\r\n\r\n[File]\r\nname=x\r\n";
  IniFile ini(path);
  ini.WriteInteger("SIMPLY", "Column", 5);
  ini.WriteBool("Simply", "comma", true);
  ini.WriteString("New", "key", "value");
  ini.UpdateFile();
  EXPECT_EQ(ReadFile(path),
            "; keep "
            "me\r\n[Simply]\r\ncolumn=5\r\nunknown=yes\r\ncomma=1\r\n\r\n[File]\r\nname=x\r\n[New]\r\nkey="
            "value\r\n");
  EXPECT_EQ(IniFile(path).ReadInteger("simply", "COMMA", 0), 1);
  IniFile missing(dir.file("none.ini"));
  EXPECT_FALSE(missing.SectionExists("Simply"));
}

// Whatever breaks a file's lines end with, a write gives back every line it
// did not change byte for byte; lines ending in CR alone are lines, and a
// byte-order mark does not hide the first section.
TEST(IniFile, LineBreaksAndByteOrderMarkAreKept) {
  // Mixed breaks and no final break: the new key goes before the blank line,
  // with the file's first break; the last line keeps having none.
  IniFile mixed = IniFile::FromText("[A]\nx=1\r\ny=2\r\n\n[B]\rz=3");
  EXPECT_EQ(mixed.ReadInteger("B", "z", 0), 3);
  mixed.WriteInteger("A", "x", 5);
  mixed.WriteInteger("A", "w", 6);
  EXPECT_EQ(mixed.Text(), "[A]\nx=5\r\ny=2\r\nw=6\n\n[B]\rz=3");
  // Added at the very end, a key takes over the missing final break.
  mixed.WriteInteger("B", "v", 7);
  EXPECT_EQ(mixed.Text(), "[A]\nx=5\r\ny=2\r\nw=6\n\n[B]\rz=3\nv=7");
  mixed.WriteString("C", "u", "8");
  EXPECT_EQ(mixed.Text(), "[A]\nx=5\r\ny=2\r\nw=6\n\n[B]\rz=3\nv=7\n[C]\nu=8");
  mixed.DeleteKey("C", "u");
  EXPECT_EQ(mixed.Text(), "[A]\nx=5\r\ny=2\r\nw=6\n\n[B]\rz=3\nv=7\n[C]");

  // CR-only breaks: every line is read, and a write adds no second section.
  const std::string crOnly = "[Special Char]\rTotal=1\rName0=#\r";
  IniFile cr = IniFile::FromText(crOnly);
  EXPECT_EQ(cr.ReadInteger("Special Char", "Total", 0), 1);
  EXPECT_EQ(cr.ReadString("Special Char", "Name0", ""), "#");
  cr.WriteInteger("Special Char", "Total", 2);
  EXPECT_EQ(cr.Text(), "[Special Char]\rTotal=2\rName0=#\r");

  // A UTF-8 byte-order mark before the first section.
  IniFile bom = IniFile::FromText("\xEF\xBB\xBF[Simply]\r\ncolumn=2\r\n");
  EXPECT_TRUE(bom.SectionExists("Simply"));
  EXPECT_EQ(bom.ReadInteger("Simply", "column", 0), 2);
  bom.WriteInteger("Simply", "column", 3);
  EXPECT_EQ(bom.Text(), "\xEF\xBB\xBF[Simply]\r\ncolumn=3\r\n");

  // A new file is written with CR LF.
  IniFile fresh;
  fresh.WriteString("S", "k", "v");
  EXPECT_EQ(fresh.Text(), "[S]\r\nk=v\r\n");
}

// A text reads back as it was written, whatever quotes and blanks it has.
TEST(IniFile, TextsReadBackAsWritten) {
  for (const std::string value : {"\"##\"", "\"quoted note\"", "\"Smith, John\"", "'single'", "  both  ",
                                  " lead", "trail\t", "\"", "\"\"", "x\"", "\"x", "plain", ""}) {
    IniFile ini = IniFile::FromText("[S]\r\nk=old\r\n");
    ini.WriteString("S", "k", value);
    ini.WriteString("S", "new", value);
    for (const char* key : {"k", "new"})
      EXPECT_EQ(IniFile::FromText(ini.Text()).ReadString("S", key, "?"), value) << ini.Text();
  }
}

// A line that already reads as what is written stays byte for byte: bytes
// that are not UTF-8 (read as Latin-1), quotes, blanks, hexadecimal, any
// non-zero Boolean, a value cut at its length.
TEST(IniFile, LinesHoldingTheValueStay) {
  struct Case {
    std::string line;
    std::function<void(IniFile&)> write;
  };
  const std::string cut(2047, 'v');
  const Case cases[] = {
      {"Filename=caf\xe9.dat", [](IniFile& i) { i.WriteString("S", "Filename", "caf\u00e9.dat"); }},
      {"item0=Jos\xe9", [](IniFile& i) { i.WriteString("S", "item0", "Jos\u00e9"); }},
      {"commask0=\"##\"", [](IniFile& i) { i.WriteString("S", "commask0", "##"); }},
      {"note =  spaced out ", [](IniFile& i) { i.WriteString("S", "note", "spaced out"); }},
      {"long=" + cut + "more", [&](IniFile& i) { i.WriteString("S", "long", cut); }},
      {"low = 0x10", [](IniFile& i) { i.WriteInteger("S", "low", 16); }},
      {"code=$7E", [](IniFile& i) { i.WriteInteger("S", "code", 126); }},
      {"comma=5", [](IniFile& i) { i.WriteBool("S", "comma", true); }},
  };
  for (const Case& c : cases) {
    const std::string text = "[S]\r\n" + c.line + "\r\n";
    IniFile ini = IniFile::FromText(text);
    c.write(ini);
    EXPECT_EQ(ini.Text(), text);
  }
  EXPECT_EQ(IniFile::FromText("[S]\r\nitem0=Jos\xe9\r\n").ReadString("S", "item0", ""), "Jos\u00e9");
}

// The wildcard list saved over a file with CR-only breaks and a byte-order
// mark keeps one section, which loads back.
TEST(Wildcards, SavedOverUnusualFilesKeepOneSection) {
  Folder dir;
  for (const std::string& text :
       {std::string("[Special Char]\rTotal=0\r"), std::string("\xEF\xBB\xBF[Special Char]\r\nTotal=0\r\n")}) {
    const std::string path = dir.file("wildcard.ini");
    std::ofstream(path, std::ios::binary) << text;
    Tlistparchar list(path);
    list.Items.push_back(Digits("#"));
    list.Save();
    const std::string saved = ReadFile(path);
    EXPECT_EQ(saved.find("[Special Char]"), saved.rfind("[Special Char]")) << saved;
    EXPECT_EQ(saved.substr(0, 3) == "\xEF\xBB\xBF", text.substr(0, 3) == "\xEF\xBB\xBF");
    EXPECT_EQ(Tlistparchar(path).Items.size(), 1u);
  }
}

TEST(Wildcards, WorkedExampleOnDisk) {
  Folder dir;
  const std::string path = dir.file("wildcard.ini");
  Tlistparchar list(path);
  EXPECT_TRUE(list.Items.empty());
  Tparchar w = Digits("#");
  w.Description = "digits 2-9";
  w.NumberExclude = {48, 49};
  list.Add(w);
  EXPECT_EQ(ReadFile(path),
            "[Special Char]\r\nTotal=1\r\nName0=#\r\nDescription0=digits "
            "2-9\r\nIscheckUpper0=0\r\nIscheckLower0=0\r\n"
            "IscheckNumber0=1\r\nIscheckSpecial0=0\r\nspecialArray0Total=0\r\nUpperExclude0Total=0\r\n"
            "Lowerexclude0Total=0\r\nNumberExclude0Total=2\r\nNumberExclude00=48\r\nNumberExclude01=49\r\n");
  EXPECT_EQ(Tlistparchar(path).Items, list.Items);
}

TEST(Wildcards, AddModifyDeleteRules) {
  Folder dir;
  const std::string path = dir.file("wildcard.ini");
  Tlistparchar list(path);
  Answers no(false);
  Tparchar blank = Digits(" \t");
  EXPECT_THROW(list.Add(blank), EAbort);
  Tparchar none = Digits("n");
  none.IscheckNumber = false;
  EXPECT_THROW(list.Add(none), EAbort);
  list.Add(Digits("A"));
  list.Add(Digits("a"));  // differs only in case: allowed
  EXPECT_THROW(list.Add(Digits("A")), EAbort);
  EXPECT_EQ(no.errors,
            (std::vector<std::string>{
                "The name of wildcard can not be blank, please input!",
                "The Upper,lower,number and special letter\rat least one check box must be checked !",
                "The name of wildcard is duplicated, please select another!"}));
  Tparchar renamed = Digits("A");
  renamed.Description = "changed";
  list.Modify("A", renamed);  // not compared with itself
  EXPECT_THROW(list.Modify("A", Digits("a")), EAbort);
  EXPECT_EQ(Tlistparchar(path).Items[0].Description, "changed");

  // An exclusion list of a group that is off survives saving and loading.
  Tparchar kept = Digits("k");
  kept.UpperExclude = {65, 66};
  list.Add(kept);
  EXPECT_EQ(Tlistparchar(path).Items.back().UpperExclude, (TArrayInteger{65, 66}));

  EXPECT_FALSE(list.Delete("a"));
  EXPECT_EQ(no.questions.back(), "Do you want to delete the item a ?");
  EXPECT_EQ(list.Items.size(), 3u);
  Answers yes(true);
  EXPECT_TRUE(list.Delete("a"));
  EXPECT_TRUE(list.Delete("A"));
  EXPECT_TRUE(list.Delete("k"));
  EXPECT_TRUE(Tlistparchar(path).Items.empty());
  EXPECT_NE(ReadFile(path).find("Total=0\r\n"), std::string::npos);
  EXPECT_NE(ReadFile(path).find("Name0=k"), std::string::npos);  // old keys stay, unread
}

// Twelve wildcards where the second holds eleven codes: specialArray1 + 10
// and specialArray11 + 0 read alike. Such a list keeps every code.
TEST(Wildcards, ClashingArrayKeysLoseNothing) {
  Folder dir;
  const std::string path = dir.file("wildcard.ini");
  Tlistparchar list(path);
  std::vector<Tparchar> items;
  for (int i = 0; i < 12; ++i) {
    Tparchar w = Digits(std::string(1, char('A' + i)));
    w.IscheckSpecial = true;
    w.specialArray =
        i == 1 ? TArrayInteger{33, 34, 35, 36, 37, 38, 39, 40, 41, 42, 43} : TArrayInteger{60 + i};
    items.push_back(w);
  }
  list.Items = items;
  list.Save();
  EXPECT_EQ(Tlistparchar(path).Items, items);

  // Without a clash the file is the plain scheme, with no extra key.
  items.resize(11);
  list.Items = items;
  list.Save();
  EXPECT_EQ(ReadFile(path).find("ArrayKeyScheme"), std::string::npos);
  EXPECT_EQ(Tlistparchar(path).Items, items);
}
