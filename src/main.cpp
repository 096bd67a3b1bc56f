#include <QApplication>
#include <QMainWindow>

#include "data/connectdb.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  app.setApplicationName(QStringLiteral("Halvion"));
  ConnectDB();
  QMainWindow window;
  window.setWindowTitle(QStringLiteral("Halvion"));
  window.resize(800, 600);
  window.show();
  return app.exec();
}
