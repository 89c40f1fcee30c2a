#pragma once

#include <QCheckBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QStringListModel>
#include <QToolButton>
#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "generators/Unit_file.h"
#include "ui/PagePattern.h"
#include "ui/SpinEdit.h"

namespace quenvar::ui {

class SettingsExchange;

// The "Random File" page: a file of random bytes, written under a name that
// can be numbered anew for every run, and shown (when display is on) as
// hexadecimal, decimal, octal or binary. Every run writes its bytes to the
// file as they are drawn. Shown, a seeded run's bytes are drawn again from
// its seed as rows are painted, and a System run's are held a byte each;
// rows are formatted as they are painted, from the bytes and the chosen
// radix, so a hundred million bytes cost no text.
class FilePage : public GeneratorPage<Trandom_file, TinputFilePar> {
  Q_OBJECT

 public:
  FilePage();

  void validateInputs() override;
  QStringList commandLine() const override;

  // Handlers of the page's own inputs.
  void ChAutoFileNameClick();
  void Rx3SpinCountExit() { input.Count = Rx3SpinCount->value(); }
  void raOverwriteClick() { input.Append = !raOverwrite->isChecked(); }
  void spSelectFileClick();
  void btnHexClick();
  void btn3DisplayedClick();
  // Display switched on after a run written with display off: a seeded
  // run's bytes drawn again from its seed; a System run's read back from its
  // file while that is as the run left it, else it says why its bytes
  // cannot be shown.
  void ShowWrittenRun();

  // The page's section of setup.ini, "File".
  void exchangeSettings(SettingsExchange& settings);
  // The output file until the user chooses one: byteFile.dat in the home
  // folder.
  static QString DefaultFileName();

  // The text a byte is shown as in the current radix.
  std::string_view byteText(size_t entry) const { return byteTexts_[generator.ByteAt(entry)]; }

  QString BaseFileName;  // the chosen name, before any number is added
  TSpinEdit *Rx3SpinCount, *RxSpinAutoFilename;
  QLineEdit* EditFileName;
  QToolButton* spSelectFile;
  QCheckBox* ChAutoFileName;
  QRadioButton *raOverwrite, *raAppend;
  QToolButton *btnHex, *btnDec, *btnOct, *btnBin, *btn3Displayed;
  QAction *mH, *mD, *mO, *mB, *pmEnableDisplay;
  QStringListModel* disabledLine;  // the list's one line while display is off

 protected:
  // A run draws, shows, then writes (or, with display off, writes as it
  // draws); the file is named anew after every run.
  void generate(RandomSource& source) override;
  void formatResults() override {}  // rows are formatted when drawn
  void formatted() override;
  void releaseResults() override {
    GeneratorPage::releaseResults();
    generator.ReleaseBytes();
  }
  qint64 entryCount() const override;
  bool displaysResults() const override { return btn3Displayed->isChecked(); }
  QString totalsText() const override;
  // Held only when the bytes were shown; a run written straight to the file
  // keeps none.
  bool holdsDistribution() const override { return generator.ByteCount() > 0; }
  Distribution distribution() const override;
  void showEvent(QShowEvent* event) override;

 private:
  void buildToolPieces();
  void buildInputs();
  void showModel(QAbstractItemModel* shown, QAbstractItemDelegate* delegate);
  void nextFile();

  // The last run, when it was written with display off: where its bytes
  // are, the file as it left it, and how to draw them again.
  struct WrittenRun {
    std::string file;
    int64_t offset = 0;
    int64_t count = 0;
    struct Stamp {
      uint64_t device = 0, inode = 0;
      int64_t size = -1, modifiedNs = 0;
      bool operator==(const Stamp&) const = default;
    } stamp;
    bool seeded = false;
    int32_t seed = 0;
    static Stamp StampOf(const std::string& file);
  };
  bool readBack(const WrittenRun& run);
  std::optional<WrittenRun> written_;
  // The run under way: its file, its seed, and whether it is written as drawn.
  std::string runFile_;
  int32_t runSeed_ = 0;
  bool runSeeded_ = false;
  bool streamed_ = false;

  Tmake_random formatter_;  // formats one value in the chosen radix
  // The texts of the 256 byte values in the chosen radix, made when it is
  // chosen: a row's text is looked up, not formatted.
  std::array<std::string, 256> byteTexts_;
  QAbstractItemDelegate* rowDelegate_;
  QAbstractItemDelegate* lineDelegate_;
};

}  // namespace quenvar::ui
