// The benchmark: opens the forms on the ten-year file as a user would and prints one table of
// median times, the sqlite3 shell's time for the same report selections and the peak memory,
// then one line with the worst figure against its target.
//   halvion-bench --db FILE [--runs N] [--sqlite3 PATH] [--only TEXT]  (forms whose name holds TEXT)
#include <QApplication>
#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <sys/resource.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "benchforms.h"
#include "framework/databaseerror.h"
#include "data/schema.h"
#include "globals.h"
#include "platform/msgbox.h"
#include "platform/printer.h"
#include "platform/system.h"
#include "scale_db.h"
#include "shell/frmLoading.h"
#include "support/recording_printer.h"

namespace {

// Answers every question Yes and every notice OK, and keeps the prompts.
class AnsweringBoxes final : public MessageBoxService {
public:
  int show(const QString& prompt, int style, const QString&) override {
    prompts << prompt;
    return (style & 0x7) == vbYesNo ? vbYes : vbOK;
  }
  QStringList prompts;
};

double peakMb() {
  rusage u{};
  getrusage(RUSAGE_SELF, &u);
  return double(u.ru_maxrss) / 1024.0;
}

double median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return v.empty() ? 0 : v[v.size() / 2];
}

double ms(const QElapsedTimer& t) { return double(t.nsecsElapsed()) / 1e6; }

struct Row {
  QString form, what;
  double medianMs = 0;
  BenchTarget target = BenchTarget::None;
  double sqliteMs = 0;  // 0: no selection
  QString note;
  double peak = 0;
};

void copyTree(const QString& from, const QString& to) {
  QDirIterator it(from, QDir::Files, QDirIterator::Subdirectories);
  while (it.hasNext()) {
    const QString src = it.next();
    const QString dst = QDir(to).filePath(QDir(from).relativeFilePath(src));
    QDir().mkpath(QFileInfo(dst).path());
    QFile::copy(src, dst);
  }
}

// The sqlite3 shell on the same file and selection: the wall time of the run, and its rows.
double shellMs(const QString& shell, const QString& db, const QString& sql, int runs, int& rows) {
  std::vector<double> times;
  for (int r = 0; r < runs; ++r) {
    QProcess p;
    QElapsedTimer t;
    t.start();
    p.start(shell, {QStringLiteral("-readonly"), db, sql});
    p.waitForFinished(-1);
    const QByteArray out = p.readAllStandardOutput();
    times.push_back(ms(t));
    rows = int(out.count('\n'));
  }
  return median(times);
}

// The program's own start in a process of its own: made as main() makes it, until the splash
// is on screen.
int splashChild(int argc, char** argv, const QString& folder) {
  QApplication app(argc, argv);
  app.setApplicationName(QStringLiteral("Halvion"));
  app.setQuitOnLastWindowClosed(false);
  SetAppPath(folder);
  LoadForm<frmLoading>();
  for (;;) {
    QApplication::processEvents();
    frmLoading* splash = LoadedForm<frmLoading>();
    if (splash && splash->isVisible()) break;
  }
  std::fputs("shown\n", stdout);
  std::fflush(stdout);
  std::_Exit(0);
}

}  // namespace

int main(int argc, char** argv) {
  for (int i = 1; i + 1 < argc; ++i)
    if (QByteArray(argv[i]) == "--splash-child") return splashChild(argc, argv, QString::fromLocal8Bit(argv[i + 1]));

  QApplication app(argc, argv);
  QString source, shell = QStringLiteral("sqlite3");
  int runs = 5;
  QString only;
  const QStringList args = app.arguments();
  for (int i = 1; i + 1 < args.size(); ++i) {
    if (args[i] == QLatin1String("--db")) source = args[++i];
    else if (args[i] == QLatin1String("--runs")) runs = std::max(1, args[++i].toInt());
    else if (args[i] == QLatin1String("--sqlite3")) shell = args[++i];
    else if (args[i] == QLatin1String("--only")) only = args[++i];
  }
  if (source.isEmpty() || !QFile::exists(source)) {
    std::fprintf(stderr, "usage: halvion-bench --db FILE [--runs N] [--sqlite3 PATH]\n");
    return 2;
  }

  // A program folder of its own with a copy of the file, so every run starts from the same rows.
  QTemporaryDir dir(QFileInfo(source).absolutePath() + QStringLiteral("/bench-run-XXXXXX"));
  copyTree(QStringLiteral(HALVION_BENCH_ASSETS_DIR), dir.path());
  const QString db = QDir(dir.path()).filePath(QString::fromLatin1(kDatabaseFileName));
  if (!QFile::copy(source, db)) {
    std::fprintf(stderr, "halvion-bench: cannot copy %s\n", qPrintable(source));
    return 1;
  }
  SetAppPath(dir.path());
  auto boxes = std::make_shared<AnsweringBoxes>();
  SetMessageBoxService(boxes);
  SetPrinter(std::make_shared<RecordingPrinter>());
  SetClock([] { return QDateTime(ScaleLastDay(), QTime(10, 30)); });
  int ends = 0;
  SetEndHandler([&ends] { ++ends; });
  ConnectDB();

  std::vector<Row> rows;
  const BenchDays days = DefaultBenchDays();
  for (const BenchForm& form : BenchForms(days)) {
    if (!form.name.contains(only)) continue;
    // A real printer keeps nothing of what it printed; the recording one keeps every sheet, so
    // each form gets a fresh one and the run's peak is the program's own.
    SetPrinter(std::make_shared<RecordingPrinter>());
    Row open{form.name, QStringLiteral("command to ready"), 0, BenchTarget::MenuForm, 0, {}, 0};
    std::vector<double> times;
    for (int r = 0; r < runs; ++r) {
      QElapsedTimer t;
      t.start();
      VbForm* f = form.open();
      times.push_back(ms(t));
      if (!f) open.note = QStringLiteral("did not open");
      CloseForm(f);
    }
    open.medianMs = median(times);
    open.peak = peakMb();
    rows.push_back(open);
    std::fprintf(stderr, "%s: open %.1f ms\n", qPrintable(form.name), open.medianMs);

    for (const BenchAction& action : form.actions) {
      Row row{form.name, action.what, 0, action.target, 0, {}, 0};
      VbForm* f = form.open();
      if (!f) {
        row.note = QStringLiteral("did not open");
        rows.push_back(row);
        continue;
      }
      times.clear();
      int listed = -1;
      for (int r = 0; r < runs; ++r) {
        if (action.prepare) action.prepare(f, r);
        boxes->prompts.clear();
        QElapsedTimer t;
        t.start();
        action.act(f, r);
        SettleEvents();
        times.push_back(ms(t));
        if (action.listed) listed = action.listed(f);
        if (action.check)
          if (const QString wrong = action.check(f, r); !wrong.isEmpty()) row.note = wrong;
        if (action.target == BenchTarget::PrintSave &&
            !boxes->prompts.contains(QStringLiteral("Bill Printed and Saved Successfully")))
          row.note = QStringLiteral("not saved: ") + boxes->prompts.join(QStringLiteral(" / "));
      }
      CloseForm(f);
      row.medianMs = median(times);
      if (!action.selection.isEmpty()) {
        int shellRows = 0;
        row.sqliteMs = shellMs(shell, db, action.selection, runs, shellRows);
        row.note = QStringLiteral("%1 rows").arg(listed);
        if (shellRows != listed) row.note += QStringLiteral(" (sqlite3: %1)").arg(shellRows);
      }
      row.peak = peakMb();
      rows.push_back(row);
      std::fprintf(stderr, "%s: %s %.1f ms\n", qPrintable(form.name), qPrintable(action.what), row.medianMs);
    }
  }

  {  // program start to the splash on screen, in a fresh process each time
    Row splash{QStringLiteral("program"), QStringLiteral("start to splash on screen"), 0, BenchTarget::MenuForm, 0, {}, 0};
    std::vector<double> times;
    for (int r = 0; r < runs; ++r) {
      QProcess p;
      QElapsedTimer t;
      t.start();
      p.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--splash-child"), dir.path()});
      while (p.state() != QProcess::NotRunning && !p.canReadLine()) p.waitForReadyRead(5000);
      times.push_back(ms(t));
      p.waitForFinished(5000);
    }
    splash.medianMs = median(times);
    rows.push_back(splash);
  }

  const double peak = peakMb();
  std::printf("| form | measure | median ms | target ms | sqlite3 ms | ratio | peak MB | note |\n");
  std::printf("|---|---|---:|---:|---:|---:|---:|---|\n");
  double worst = 0;
  QString worstWhat;
  auto weigh = [&](double share, const QString& what) {
    if (share > worst) {
      worst = share;
      worstWhat = what;
    }
  };
  bool failed = false;
  for (const Row& r : rows) {
    const double target = TargetMs(r.target);
    const double ratio = r.sqliteMs > 0 ? r.medianMs / r.sqliteMs : 0;
    std::printf("| %s | %s | %.1f | %s | %s | %s | %.0f | %s |\n", qPrintable(r.form), qPrintable(r.what), r.medianMs,
                target > 0 ? qPrintable(QString::number(target)) : "-",
                r.sqliteMs > 0 ? qPrintable(QString::number(r.sqliteMs, 'f', 1)) : "-",
                r.sqliteMs > 0 ? qPrintable(QString::number(ratio, 'f', 2)) : "-", r.peak, qPrintable(r.note));
    const QString what = r.form + QStringLiteral(", ") + r.what;
    if (target > 0) weigh(r.medianMs / target, what);
    if (TargetRatio(r.target) > 0 && r.sqliteMs > 0) weigh(ratio / TargetRatio(r.target), what + QStringLiteral(" (x sqlite3)"));
    if (r.note.startsWith(QLatin1String("did not")) || r.note.startsWith(QLatin1String("not ")) ||
        r.note.startsWith(QLatin1String("no name")))
      failed = true;
  }
  std::printf("| program | peak memory of the whole run | - | - | - | - | %.0f | target 400 MB |\n", peak);
  weigh(peak / 400.0, QStringLiteral("peak memory"));
  if (ends) failed = true;
  std::printf("worst: %s at %.2f of its target; %s\n", qPrintable(worstWhat), worst,
              failed ? "SOME STEPS FAILED" : worst <= 1.0 ? "every target is met" : "targets NOT met");
  std::fflush(stdout);
  // _Exit skips the destructors: the copy of the file would be left behind on every run.
  dir.remove();
  std::_Exit(failed || worst > 1.0 ? 1 : 0);
}
