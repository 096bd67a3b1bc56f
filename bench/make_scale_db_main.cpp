// Writes a ten-year database for the benchmark.
//   make-scale-db [--factor F] [--seed N] FILE
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <cstdio>

#include "platform/ado.h"
#include "scale_db.h"

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  QStringList args = app.arguments().mid(1);
  double factor = 1.0;
  std::uint64_t seed = 14;
  QString path;
  for (int i = 0; i < args.size(); ++i) {
    bool ok = true;
    if (args[i] == QLatin1String("--factor") && i + 1 < args.size()) {
      factor = args[++i].toDouble(&ok);
      ok = ok && factor > 0;
    } else if (args[i] == QLatin1String("--seed") && i + 1 < args.size()) {
      seed = args[++i].toULongLong(&ok);
    } else if (path.isEmpty() && !args[i].startsWith(QLatin1String("--"))) {
      path = args[i];
    } else {
      ok = false;
    }
    if (!ok) {
      path.clear();
      break;
    }
  }
  if (path.isEmpty()) {
    std::fprintf(stderr, "usage: make-scale-db [--factor F] [--seed N] FILE\n");
    return 2;
  }
  if (QFile::exists(path)) {
    std::fprintf(stderr, "make-scale-db: %s exists; it is never overwritten\n", qPrintable(path));
    return 1;
  }
  path = QFileInfo(path).absoluteFilePath();
  QElapsedTimer timer;
  timer.start();
  try {
    WriteScaleDatabase(path, ScaledCounts(factor), seed);
  } catch (const DbError& e) {
    std::fprintf(stderr, "make-scale-db: %s\n", qPrintable(e.Description()));
    return 1;
  }
  std::printf("make-scale-db: wrote %s (factor %g, seed %llu) in %.1f s\n", qPrintable(path), factor,
              static_cast<unsigned long long>(seed), double(timer.elapsed()) / 1000.0);
  return 0;
}
