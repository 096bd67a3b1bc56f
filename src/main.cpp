#include <QApplication>

#include "framework/vbform.h"
#include "shell/frmLoading.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  app.setApplicationName(QStringLiteral("Halvion"));
  // The program ends only through its own exit paths; a moment with no window shown (the splash
  // gone, its message not yet answered) must not end it.
  app.setQuitOnLastWindowClosed(false);
  // The splash starts everything: its load sets up the display and shows it.
  LoadForm<frmLoading>();
  return app.exec();
}
