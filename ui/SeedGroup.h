#pragma once

#include <QGroupBox>
#include <QRadioButton>

#include "core/RandomSource.h"
#include "ui/PageTable.h"
#include "ui/SpinEdit.h"

namespace quenvar::ui {

// The "Seed" group every page has: an automatic seed from the clock, shown
// in a disabled box, or a manual one. At start the manual box proposes
// seed div D + seed for a fresh clock seed, D differing from page to page.
// A third choice draws from the system's cryptographic generator: no seed,
// no repeating the run.
class SeedGroup : public QGroupBox {
  Q_OBJECT

 public:
  SeedGroup(QWidget* parent, const SeedNames& names, int32_t divisor);

  // The radio buttons' click handler, run again by every Start: a fresh
  // clock seed when automatic is chosen, otherwise the manual box's value.
  // It only chooses what this page's next run takes: the seeded generator,
  // or the cryptographic one (then the seed returned means nothing and the
  // automatic box shows none). A run already going keeps its own source.
  int32_t take();
  // Start's take: the new run's own source, seeded from the seed taken or a
  // freshly keyed system stream. The run holds it until it ends.
  RandomSource takeSource();
  // Puts seed div D + seed (32-bit, wrapping) into the manual box.
  void proposeManual();
  int32_t lastTaken() const { return seed_; }
  // How strong the seed last taken can make a run, in bits: a manual seed
  // has 2^32 values, an automatic one the milliseconds of a day (about 26.4
  // bits, fewer when the time of the run is roughly known); 0 for the system
  // generator, which has no seed.
  double seedBits() const { return seedBits_; }
  // Whether the last take chose the cryptographic generator: its run has
  // no seed and cannot be repeated.
  bool secure() const { return secure_; }

  // The choice of the radio buttons, as kept in setup.ini. Setting it checks
  // the radio button only: the next take() acts on it.
  enum Choice { Automatic = 0, Manual = 1, System = 2 };
  Choice choice() const {
    return secureRadio->isChecked() ? System : manualRadio->isChecked() ? Manual : Automatic;
  }
  void setChoice(Choice choice) {
    (choice == System ? secureRadio : choice == Manual ? manualRadio : autoRadio)->setChecked(true);
  }

  QRadioButton *autoRadio, *manualRadio, *secureRadio;
  TSpinEdit *autoSpin, *manualSpin;

 private:
  int32_t divisor_;
  int32_t seed_ = 0;
  bool secure_ = false;
  double seedBits_ = 32;
};

}  // namespace quenvar::ui
