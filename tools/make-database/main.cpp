// Writes a fresh database file: every table, the counter rows and the default login.
//   make-database [--if-missing] FILE
// Without --if-missing an existing FILE is an error; with it, an existing FILE is left as it is.
// Either way an existing file is never overwritten.
#include <QCoreApplication>
#include <QFile>
#include <cstdio>

#include "data/schema.h"
#include "platform/ado.h"

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  QStringList args = app.arguments().mid(1);
  const bool ifMissing = args.removeAll(QStringLiteral("--if-missing")) > 0;
  if (args.size() != 1) {
    std::fprintf(stderr, "usage: make-database [--if-missing] FILE\n");
    return 2;
  }
  const QString path = args.first();
  if (QFile::exists(path)) {
    if (ifMissing) return 0;
    std::fprintf(stderr, "make-database: %s exists; it is never overwritten\n", qPrintable(path));
    return 1;
  }
  try {
    CreateDatabase(path);
  } catch (const DbError& e) {
    std::fprintf(stderr, "make-database: %s\n", qPrintable(e.Description()));
    return 1;
  }
  std::printf("make-database: wrote %s\n", qPrintable(path));
  return 0;
}
