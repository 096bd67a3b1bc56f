// The code leans one way: shell -> the form folders -> framework -> data -> platform, and the
// form folders lean on each other only the way the data flows. Every #include under src/ is read
// and held against that rule, so that a wrong one is named with its file and line.
#include <gtest/gtest.h>

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTextStream>
#include <map>
#include <optional>

namespace {

// Where a file stands. Ranks grow upwards; the shared state sits just above platform, so every
// layer above platform may include it and it may include platform alone.
struct Place {
  int rank = 0;
  QString unit;  // the layer's name, or the form folder ("masters", "billing/inpatient", ...)
};

constexpr int kPlatform = 1, kGlobals = 2, kData = 3, kFramework = 4, kForms = 5, kShell = 6, kMain = 7;

// `path` is relative to src/.
std::optional<Place> placeOf(const QString& path) {
  const QStringList parts = path.split(u'/');
  const QString top = parts.first();
  if (parts.size() == 1) {
    if (top == QLatin1String("main.cpp")) return Place{kMain, top};
    if (top == QLatin1String("globals.h") || top == QLatin1String("globals.cpp"))
      return Place{kGlobals, QStringLiteral("globals")};
    return std::nullopt;
  }
  if (top == QLatin1String("platform")) return Place{kPlatform, top};
  if (top == QLatin1String("data")) return Place{kData, top};
  if (top == QLatin1String("framework")) return Place{kFramework, top};
  if (top == QLatin1String("shell")) return Place{kShell, top};
  if (top == QLatin1String("masters") || top == QLatin1String("patients")) return Place{kForms, top};
  if (top == QLatin1String("billing") && parts.size() > 2) return Place{kForms, top + u'/' + parts[1]};
  return std::nullopt;
}

// Which other form folders a form folder may use: bills read patients and masters, patients read
// masters, and each kind of bill shares only billing/common.
bool formMayUse(const QString& from, const QString& to) {
  if (from == to) return true;
  if (from == QLatin1String("masters")) return false;
  if (from == QLatin1String("patients")) return to == QLatin1String("masters");
  if (!from.startsWith(QLatin1String("billing/"))) return false;
  if (to == QLatin1String("masters") || to == QLatin1String("patients")) return true;
  return from != QLatin1String("billing/common") && to == QLatin1String("billing/common");
}

QString layerName(const Place& p) { return p.rank == kForms ? QStringLiteral("the form folders") : p.unit; }

// Every include under `root` (a src/ folder) that runs against the rule, as "file:line: why".
QStringList layerViolations(const QString& root) {
  static const QRegularExpression include(QStringLiteral(R"(^\s*#\s*include\s*([<"])([^>"]+)[>"])"));
  const QDir src(root);
  QStringList found;
  QStringList files;
  QDirIterator it(root, QDir::Files, QDirIterator::Subdirectories);
  while (it.hasNext()) files << src.relativeFilePath(it.next());
  files.sort();
  for (const QString& file : files) {
    const std::optional<Place> from = placeOf(file);
    if (!from) {
      found << file + QStringLiteral(":1: the file is in no layer");
      continue;
    }
    QFile f(src.filePath(file));
    if (!f.open(QIODevice::ReadOnly)) {
      found << file + QStringLiteral(":1: cannot be read");
      continue;
    }
    QTextStream in(&f);
    for (int line = 1; !in.atEnd(); ++line) {
      const QRegularExpressionMatch m = include.match(in.readLine());
      if (!m.hasMatch()) continue;
      const QString named = m.captured(2).trimmed();
      const QString where = file + u':' + QString::number(line) + QStringLiteral(": #include ") + m.captured(1) +
                            named + (m.captured(1) == u'<' ? u'>' : u'"') + QStringLiteral(": ");
      if (named == QLatin1String("sqlite3.h") && from->rank != kPlatform) {
        found << where + QStringLiteral("only platform talks to SQLite");
        continue;
      }
      // A file of ours is named from src/ or, in quotes, beside the including file; anything
      // else (Qt, the system, generated files) is no concern of the rule.
      QString target;
      if (QFileInfo(src.filePath(named)).isFile())
        target = QDir::cleanPath(named);
      else if (m.captured(1) == u'"' && QFileInfo(QFileInfo(src.filePath(file)).dir().filePath(named)).isFile())
        target = src.relativeFilePath(QDir::cleanPath(QFileInfo(src.filePath(file)).dir().filePath(named)));
      if (target.isEmpty()) continue;
      const std::optional<Place> to = placeOf(target);
      if (!to) {
        found << where + QStringLiteral("the file included is in no layer");
      } else if (to->rank > from->rank) {
        found << where + layerName(*from) + QStringLiteral(" may not include ") + layerName(*to) +
                     QStringLiteral(", a layer above it");
      } else if (from->rank == kForms && to->rank == kForms && !formMayUse(from->unit, to->unit)) {
        found << where + from->unit + QStringLiteral(" may not use ") + to->unit;
      }
    }
  }
  return found;
}

TEST(Layers, EveryIncludeUnderSrcLeansTheOneWay) {
  const QString root = QStringLiteral(HALVION_SOURCE_DIR);
  ASSERT_TRUE(QFileInfo(root + QStringLiteral("/platform/ado.cpp")).isFile()) << root.toStdString();
  const QStringList found = layerViolations(root);
  EXPECT_TRUE(found.isEmpty()) << found.join(u'\n').toStdString();
}

// The rule itself, on small trees of its own: each case names the includes it must catch.
TEST(Layers, TheRuleCatchesAWrongInclude) {
  const std::map<QString, QString> clean = {
      {"platform/ado.h", "#include <sqlite3.h>\n#include <QString>\n"},
      {"platform/ado.cpp", "#include \"platform/ado.h\"\n#include \"ado_sqlite.h\"\n"},
      {"platform/ado_sqlite.h", "#include \"platform/ado.h\"\n"},
      {"globals.h", "#include \"platform/ado.h\"\n"},
      {"data/schema.h", "#include \"globals.h\"\n#include \"platform/ado.h\"\n"},
      {"framework/keylist.h", "#include \"data/schema.h\"\n"},
      {"masters/doctors.h", "#include \"framework/keylist.h\"\n"},
      {"patients/record.h", "#include \"masters/doctors.h\"\n"},
      {"billing/common/chooser.h", "#include \"patients/record.h\"\n#include \"masters/doctors.h\"\n"},
      {"billing/labxray/test.cpp", "#include \"billing/common/chooser.h\"\n#include \"patients/record.h\"\n"},
      {"billing/outpatient/bill.h", "#include \"billing/common/chooser.h\"\n"},
      {"shell/dispatch.cpp", "#include \"billing/labxray/test.cpp\"\n#include \"globals.h\"\n"},
      {"main.cpp", "#include \"shell/dispatch.cpp\"\n"},
  };
  const struct {
    const char* name;
    std::map<QString, QString> added;  // files added to (or replacing those of) the clean tree
    QStringList caught;                // "file:line" of each wrong include, in file order
  } cases[] = {
      {"a clean tree", {}, {}},
      {"platform includes data",
       {{"platform/ado.cpp", "#include \"platform/ado.h\"\n#include \"data/schema.h\"\n"}},
       {"platform/ado.cpp:2"}},
      {"platform includes the shared state",
       {{"platform/log.cpp", "#include \"globals.h\"\n"}},
       {"platform/log.cpp:1"}},
      {"the shared state includes data", {{"globals.h", "#include \"data/schema.h\"\n"}}, {"globals.h:1"}},
      {"data includes framework, in angle brackets",
       {{"data/schema.cpp", "// the schema\n#include <QFile>\n  #  include <framework/keylist.h>\n"}},
       {"data/schema.cpp:3"}},
      {"framework includes a form folder",
       {{"framework/list.cpp", "#include \"patients/record.h\"\n"}},
       {"framework/list.cpp:1"}},
      {"a form folder includes shell",
       {{"masters/doctors.cpp", "#include \"shell/dispatch.cpp\"\n"}},
       {"masters/doctors.cpp:1"}},
      {"shell includes main", {{"shell/exit.cpp", "#include \"main.cpp\"\n"}}, {"shell/exit.cpp:1"}},
      {"patients use billing",
       {{"patients/search.cpp", "#include \"masters/doctors.h\"\n#include \"billing/common/chooser.h\"\n"}},
       {"patients/search.cpp:2"}},
      {"masters use patients", {{"masters/days.cpp", "#include \"patients/record.h\"\n"}}, {"masters/days.cpp:1"}},
      {"one bill kind uses another",
       {{"billing/labxray/cancel.cpp", "#include \"billing/outpatient/bill.h\"\n"}},
       {"billing/labxray/cancel.cpp:1"}},
      {"the common bill pieces use a bill kind",
       {{"billing/common/report.cpp", "#include \"billing/inpatient/x.h\"\n"}, {"billing/inpatient/x.h", ""}},
       {"billing/common/report.cpp:1"}},
      {"SQLite above platform",
       {{"data/schema.cpp", "#include <sqlite3.h>\n"}, {"shell/copy.cpp", "#include \"sqlite3.h\"\n"}},
       {"data/schema.cpp:1", "shell/copy.cpp:1"}},
      {"an include beside the file", {{"patients/search.cpp", "#include \"record.h\"\n"}}, {}},
      {"an include beside the file, of a layer above",
       {{"data/a.cpp", "#include \"../framework/keylist.h\"\n"}},
       {"data/a.cpp:1"}},
      {"a file in no layer", {{"tools/odd.cpp", ""}}, {"tools/odd.cpp:1"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    std::map<QString, QString> tree = clean;
    for (const auto& [path, text] : c.added) tree[path] = text;
    for (const auto& [path, text] : tree) {
      const QString file = QDir(dir.path()).filePath(path);
      ASSERT_TRUE(QDir().mkpath(QFileInfo(file).path()));
      QFile f(file);
      ASSERT_TRUE(f.open(QIODevice::WriteOnly));
      f.write(text.toUtf8());
    }
    QStringList at;
    const QStringList found = layerViolations(dir.path());
    for (const QString& v : found) at << v.section(u':', 0, 1);
    EXPECT_EQ(at, c.caught) << found.join(u'\n').toStdString();
  }
}

}  // namespace
