#include "ui/SeedGroup.h"

#include <QGridLayout>
#include <cmath>

#include "core/Codes.h"

namespace quenvar::ui {

namespace {
const char kSeedHint[] = QT_TRANSLATE_NOOP("quenvar::ui::SeedGroup", "Between -2147483647 and  2147483647");
}

SeedGroup::SeedGroup(QWidget* parent, const SeedNames& names, int32_t divisor)
    : QGroupBox(PageText(names.group), parent), divisor_(divisor) {
  // Alt+I, Alt+N and Alt+Y: letters no page uses for its own controls.
  autoRadio = new QRadioButton(PageText(names.autoCaption).replace(tr("Automatic"), tr("Automat&ic")), this);
  autoRadio->setObjectName(names.autoRadio);
  autoRadio->setChecked(true);
  manualRadio = new QRadioButton(PageText(names.manualCaption).replace(tr("Manual"), tr("Ma&nual")), this);
  manualRadio->setObjectName(names.manualRadio);
  secureRadio = new QRadioButton(tr("S&ystem (cryptographic, not repeatable)"), this);
  secureRadio->setObjectName("secureRadioButton");
  secureRadio->setAccessibleName(tr("System (cryptographic, not repeatable)"));
  secureRadio->setToolTip(
      tr("Draws from the operating system's cryptographic generator: for passwords and keys"));
  autoSpin = new TSpinEdit(this, -kInputBound, kInputBound, 0, "");
  autoSpin->setObjectName(names.autoSpin);
  autoSpin->setEnabled(false);
  manualSpin = new TSpinEdit(this, -kInputBound, kInputBound, 0, tr(kSeedHint));
  manualSpin->setObjectName(names.manualSpin);
  // Each box is read by the name of its radio button.
  autoSpin->setAccessibleName(tr("%1 seed").arg(PageText(names.autoCaption).simplified()));
  manualSpin->setAccessibleName(tr("%1 seed").arg(PageText(names.manualCaption).simplified()));
  auto* grid = new QGridLayout(this);
  grid->addWidget(autoRadio, 0, 0);
  grid->addWidget(autoSpin, 0, 1);
  grid->addWidget(manualRadio, 1, 0);
  grid->addWidget(manualSpin, 1, 1);
  grid->addWidget(secureRadio, 2, 0, 1, 2);
  connect(autoRadio, &QRadioButton::clicked, this, [this] { take(); });
  connect(manualRadio, &QRadioButton::clicked, this, [this] { take(); });
  connect(secureRadio, &QRadioButton::clicked, this, [this] { take(); });
}

int32_t SeedGroup::take() {
  secure_ = secureRadio->isChecked();
  if (secure_) {
    autoSpin->clear();  // there is no seed to show
    seedBits_ = 0;
  } else if (autoRadio->isChecked()) {
    seed_ = ClockSeed();
    autoSpin->setValue(seed_);
    seedBits_ = std::log2(86'400'000.0);
  } else {
    manualSpin->interpretText();
    seed_ = manualSpin->value();
    seedBits_ = 32;
  }
  return seed_;
}

RandomSource SeedGroup::takeSource() {
  const int32_t seed = take();
  return secure_ ? RandomSource::System() : RandomSource(seed);
}

void SeedGroup::proposeManual() {
  const int32_t clock = ClockSeed();
  manualSpin->setValue(
      static_cast<int32_t>(static_cast<uint32_t>(clock / divisor_) + static_cast<uint32_t>(clock)));
}

}  // namespace quenvar::ui
