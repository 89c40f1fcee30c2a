#include "ui/Application.h"
#include "ui/SingleInstance.h"
#include "ui/UnitMain.h"

using namespace quenvar::ui;

int main(int argc, char** argv) {
  QuenvarApplication app(argc, argv);
  SingleInstance instance(SingleInstance::KeyFor(QCoreApplication::applicationFilePath()));
  if (instance.raiseRunning()) return 0;
  instance.listen();
  TFormRandom form;
  app.nameWindowClass(&form);
  app.setExceptionHandler(
      [&form](const QString& c, const QString& m) { form.ApplicationEvents1Exception(c, m); });
  QObject::connect(&instance, &SingleInstance::raiseRequested, &form, &TFormRandom::restoreAndRaise);
  form.show();
  form.FormShow();
  return app.exec();
}
