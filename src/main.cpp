#include <QApplication>

#include "shell/startup.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  app.setApplicationName(QStringLiteral("Halvion"));
  // The program ends only through its own exit paths; a moment with no window shown (the splash
  // gone, its message not yet answered) must not end it.
  app.setQuitOnLastWindowClosed(false);
  // The database file's lock, then the splash, which sets up the display and starts the rest.
  StartProgram();
  return app.exec();
}
