// The two-process figures of bench/two-desks.
//
//   halvion-two-desks --second-start FOLDER
//     The program's own start (StartProgram) in this new process, on the program folder FOLDER,
//     with its message boxes and its end recorded instead of shown: prints "refused" when it said
//     "Halvion is already running on this database. Close the other window first." and ended
//     without loading the splash, "started" when it took the lock and loaded the splash, and what
//     it did otherwise. (On the offscreen platform a real message box would wait for ever.)
//
//   halvion-two-desks --desks FOLDER [--bills K]
//     Two writers on the database file in FOLDER. This process is the first desk: it holds the
//     database's lock as the program does and works the real forms (the out-patient,
//     in-patient, laboratory and x-ray bill forms, K bills each; then K out-patient
//     registrations), with a recording printer and message boxes answered as a clerk would. A
//     second process, forked before the first desk starts, plays another program writing the
//     same file with plain SQLite, trusting what it read as this program once did: it reads the
//     counter, adds 1, keeps that number while its clerk works, then stores its bill under it and
//     writes it into the counter; its receipts add to the in-patient's advance; it registers the
//     identifier the form is registering, after looking for it first. Prints the figures as rows
//     of the table bench/two-desks shows.
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QTest>
#include <QTreeWidget>
#include <sqlite3.h>
#include <sys/mman.h>
#include <sys/wait.h>
#include <unistd.h>

#include <atomic>
#include <cstdio>
#include <functional>
#include <memory>
#include <new>
#include <random>
#include <string>

#include "billing/inpatient/frmInBill.h"
#include "billing/labxray/testbillform.h"
#include "billing/outpatient/frmBill.h"
#include "data/connectdb.h"
#include "framework/databaseerror.h"
#include "data/schema.h"
#include "globals.h"
#include "patients/patientrecord.h"
#include "platform/msgbox.h"
#include "platform/printer.h"
#include "platform/programlock.h"
#include "platform/system.h"
#include "shell/frmLoading.h"
#include "shell/startup.h"
#include "support/recording_printer.h"

namespace {

const QString kRunning = QStringLiteral("Halvion is already running on this database. Close the other window first.");
const QString kSaved = QStringLiteral("Bill Printed and Saved Successfully");
const QString kRecordSaved = QStringLiteral("Record Saved Successfully");
const QString kIdTaken = QStringLiteral("Please Select the Another Patient Id\r\nThis Patient ID Already Assigned");
// The other program's bills and patients carry this name; the first desk's never do.
constexpr const char* kOtherName = "Other desk";
// The identifiers registered in the last phase: this plus 1 .. K, clear of the billed patients.
constexpr int kFirstRegistered = 100000;
// A form bill that is not saved after this many prints is given up.
constexpr int kPrintsPerBill = 5;

// ---- the second start ----

class RecordedBoxes final : public MessageBoxService {
public:
  int show(const QString& prompt, int style, const QString& title) override {
    shown << QStringLiteral("%1 [%2, %3]").arg(prompt, title).arg(style);
    prompts << prompt;
    lastTitle = title;
    lastStyle = style;
    return (style & 0x7) == vbYesNo ? vbYes : vbOK;
  }
  QStringList shown, prompts;
  QString lastTitle;
  int lastStyle = 0;
};

int secondStart(int argc, char** argv, const QString& folder) {
  QApplication app(argc, argv);
  app.setApplicationName(QStringLiteral("Halvion"));
  app.setQuitOnLastWindowClosed(false);
  SetAppPath(folder);
  auto boxes = std::make_shared<RecordedBoxes>();
  SetMessageBoxService(boxes);
  int ends = 0;
  SetEndHandler([&ends] { ++ends; });
  StartProgram();
  const bool splash = LoadedForm<frmLoading>() != nullptr;
  if (ends == 1 && !splash && boxes->prompts == QStringList{kRunning} && boxes->lastTitle == QStringLiteral("Halvion") &&
      boxes->lastStyle == vbCritical)
    std::puts("refused");
  else if (splash)
    std::puts("started");
  else
    std::printf("ended %d time(s), boxes: %s\n", ends, qPrintable(boxes->shown.join(QStringLiteral(" | "))));
  std::fflush(stdout);
  // Whatever it took stays as it is: the next start is to find what this one left.
  std::_Exit(0);
}

// ---- what the two desks share ----

enum Phase : int { kStarting, kOutBills, kInBills, kLabBills, kXRayBills, kRegistrations, kStop };
constexpr int kBillKinds = 4;  // phases kOutBills .. kXRayBills

struct Shared {
  std::atomic<int> phase{kStarting};
  std::atomic<int> idWanted{0};   // the number the form registers now
  std::atomic<int> idHandled{0};  // the last one the other program has dealt with
  std::atomic<int> billsStored[kBillKinds]{};
  std::atomic<int> idsStored{0};
  std::atomic<int> refused{0};  // the other program's writes the database refused
  char lastError[200] = {};
};
static_assert(std::atomic<int>::is_always_lock_free, "shared between processes");

struct KindTables {
  const char* bills;
  const char* counter;
  bool linesPerTest;  // a bill is one row per test
};
const KindTables kTables[kBillKinds] = {
    {"OutPatientPrintDetails", "SettingsOutBillNo", false},
    {"InPatientPrintDetails", "SettingsInBillNo", false},
    {"LabPrintDetails", "SettingsLabBillNo", true},
    {"XRayPrintDetails", "SettingsXRayBillNo", true},
};

// ---- the other program: plain SQLite ----

class OtherProgram {
public:
  OtherProgram(const std::string& path, Shared* shared) : shared_(shared), random_(20261210) {
    if (sqlite3_open_v2(path.c_str(), &db_, SQLITE_OPEN_READWRITE, nullptr) != SQLITE_OK) fail("cannot open");
    sqlite3_busy_timeout(db_, 5000);
  }
  ~OtherProgram() { sqlite3_close_v2(db_); }

  void run() {
    for (;;) {
      const int phase = shared_->phase.load();
      if (phase == kStop) return;
      if (phase >= kOutBills && phase <= kXRayBills)
        makeBill(phase - kOutBills);
      else if (phase == kRegistrations)
        registerWhatTheFormRegisters();
      else
        usleep(500);
    }
  }

private:
  // The clerk's while: mostly a few milliseconds, now and then long enough for the other desk
  // to make several bills meanwhile.
  void clerk() { usleep(chance(4) ? between(10000, 50000) : between(0, 6000)); }
  bool chance(int oneIn) { return std::uniform_int_distribution<int>(1, oneIn)(random_) == 1; }
  int between(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random_); }

  void fail(const char* what) {
    std::snprintf(shared_->lastError, sizeof shared_->lastError, "%s: %s", what, db_ ? sqlite3_errmsg(db_) : "");
    shared_->refused.fetch_add(1);
  }

  // Runs one statement with text parameters; false (and noted) on an error.
  bool run(const std::string& sql, std::initializer_list<std::string> params = {}, long long* firstValue = nullptr) {
    sqlite3_stmt* st = nullptr;
    if (sqlite3_prepare_v2(db_, sql.c_str(), -1, &st, nullptr) != SQLITE_OK) {
      fail(sql.c_str());
      return false;
    }
    int i = 0;
    for (const std::string& p : params) sqlite3_bind_text(st, ++i, p.c_str(), -1, SQLITE_TRANSIENT);
    int rc = sqlite3_step(st);
    if (rc == SQLITE_ROW && firstValue) *firstValue = sqlite3_column_int64(st, 0);
    while (rc == SQLITE_ROW) rc = sqlite3_step(st);
    sqlite3_finalize(st);
    if (rc != SQLITE_DONE) {
      fail(sql.c_str());
      return false;
    }
    return true;
  }

  void makeBill(int kind) {
    const KindTables& t = kTables[kind];
    // The number its form showed when the bill was begun, stored as it is at the save.
    long long counter = 0;
    if (!run(std::string("SELECT BillNo FROM ") + t.counter, {}, &counter)) return;
    const std::string number = std::to_string(counter + 1);
    clerk();
    const std::string tag = "B" + std::to_string(++bills_);
    bool ok = run("BEGIN IMMEDIATE");
    switch (kind) {
      case 0:
        ok = ok && run("INSERT INTO OutPatientPrintDetails (BillNo, Date, DrFees, total, patientName, patientid, "
                       "BillDelete) VALUES (?, date('now', 'localtime'), '100', '100', ?, ?, 'Available')",
                       {number, kOtherName, tag});
        break;
      case 1:  // an advance receipt of 100 for IP1, added to what the patient holds
        ok = ok &&
             run("INSERT INTO InPatientPrintDetails (BillNo, Date, total, patientName, patientid, BillDelete, Advance) "
                 "VALUES (?, date('now', 'localtime'), '100', ?, 'IP1', 'Available', '100')",
                 {number, kOtherName}) &&
             run("UPDATE SettingsInPatient SET Advance = COALESCE(Advance, 0) + 100 WHERE EmployeeID = 'IP1'");
        break;
      default:
        ok = ok && run(std::string("INSERT INTO ") + t.bills +
                           " (BillNo, Date, Description, Amount, Discount, GrossTotal, total, patientName, patientid, "
                           "BillDelete) VALUES (?, date('now', 'localtime'), 'Test', '100', '0', '100', '100', ?, ?, "
                           "'Available')",
                       {number, kOtherName, tag});
        break;
    }
    ok = ok && run(std::string("UPDATE ") + t.counter + " SET BillNo = ?", {number});
    if (ok && run("COMMIT")) {
      shared_->billsStored[kind].fetch_add(1);
    } else {
      sqlite3_exec(db_, "ROLLBACK", nullptr, nullptr, nullptr);
    }
    usleep(between(0, 4000));
  }

  // It looks for the identifier, and stores it when it found none, in two steps.
  void registerWhatTheFormRegisters() {
    const int wanted = shared_->idWanted.load();
    if (wanted == 0 || wanted == shared_->idHandled.load()) {
      usleep(100);
      return;
    }
    usleep(between(0, 6000));  // before, during or after the form's save
    const std::string id = "OP" + std::to_string(wanted);
    long long found = 0;
    if (run("SELECT count(*) FROM SettingsOutPatient WHERE trim(EmployeeID) = ?", {id}, &found) && !found) {
      usleep(between(0, 1500));
      if (run("INSERT INTO SettingsOutPatient (EmployeeID, FirstName, Sex, MobilePhone, Age, Address, Location) "
              "VALUES (?, ?, 'Male', '5559999', '50', '1 Far Rd', 'Elsewhere')",
              {id, kOtherName}))
        shared_->idsStored.fetch_add(1);
    }
    shared_->idHandled.store(wanted);
  }

  sqlite3* db_ = nullptr;
  Shared* shared_;
  std::mt19937 random_;
  int bills_ = 0;
};

// ---- the first desk: the program's forms ----

class DeskBoxes final : public MessageBoxService {
public:
  int show(const QString& prompt, int style, const QString&) override {
    prompts << prompt;
    return (style & 0x7) == vbYesNo ? vbYes : vbOK;
  }
  QStringList prompts;
};

struct FormFigures {
  int saved = 0;
  int givenUp = 0;
  int renumberedAtPrint = 0;  // "This bill gets the number ...": the one shown was used
  int refusedAtSave = 0;      // printed, not saved; printed again
  int sheets = 0;
  QStringList otherPrompts;
};

void settle() {
  QApplication::processEvents();
  QApplication::processEvents();
}

// A click on an opaque pixel of the button.
void click(QWidget* w) {
  const QRegion shape = w->mask();
  const QPoint at = shape.isEmpty() ? w->rect().center() : shape.begin()->center();
  QTest::mouseClick(w, Qt::LeftButton, {}, at);
  settle();
}

void typeInto(QLineEdit* box, const QString& text) {
  box->setFocus();
  box->selectAll();
  QTest::keyClick(box, Qt::Key_Backspace);
  QTest::keyClicks(box, text);
}

void typeInto(QComboBox* combo, const QString& text) {
  combo->setFocus();
  combo->lineEdit()->selectAll();
  QTest::keyClick(combo, Qt::Key_Backspace);
  QTest::keyClicks(combo, text);
}

void closeForm(VbForm* form) {
  if (form && form->IsLoaded()) form->Unload();
  settle();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

class FirstDesk {
public:
  FirstDesk(Shared* shared, int bills) : shared_(shared), bills_(bills), random_(4711) {
    boxes_ = std::make_shared<DeskBoxes>();
    SetMessageBoxService(boxes_);
  }

  // Every counter write of this desk's connection, with the highest number stored at that moment,
  // inside the save's own transaction (temporary triggers see only this connection's writes).
  void watchCounterWrites() {
    exec("CREATE TEMP TABLE desk_counter_writes (kind INTEGER, old, new, highest)");
    for (int k = 0; k < kBillKinds; ++k) {
      for (const char* event : {"UPDATE", "INSERT"}) {
        exec(QStringLiteral("CREATE TEMP TRIGGER desk_counter_%1_%2 AFTER %2 ON main.%3 BEGIN "
                            "INSERT INTO desk_counter_writes VALUES (%1, %4, NEW.BillNo, "
                            "(SELECT max(CAST(BillNo AS INTEGER)) FROM main.%5)); END")
                 .arg(k)
                 .arg(QLatin1String(event), QLatin1String(kTables[k].counter),
                      QLatin1String(QByteArray(event) == "UPDATE" ? "OLD.BillNo" : "NULL"),
                      QLatin1String(kTables[k].bills)));
      }
    }
  }

  template <class F>
  FormFigures bills(Phase phase, const std::function<void(F*, int)>& fill) {
    FormFigures figures;
    auto printer = std::make_shared<RecordingPrinter>();
    SetPrinter(printer);
    shared_->phase.store(phase);
    F* form = ShowForm<F>();
    if (!form) {
      figures.otherPrompts << QStringLiteral("the form did not open: ") + boxes_->prompts.join(QStringLiteral(" / "));
      return figures;
    }
    for (int i = 1; i <= bills_; ++i) {
      click(&form->Picture4);  // a new bill: its number is shown now
      clerk();
      fill(form, i);
      clerk();
      bool saved = false;
      for (int print = 0; print < kPrintsPerBill && !saved; ++print) {
        boxes_->prompts.clear();
        click(&form->Picture2);
        for (const QString& p : boxes_->prompts) {
          if (p == kSaved)
            saved = true;
          else if (p.startsWith(QLatin1String("This bill gets the number")))
            ++figures.renumberedAtPrint;
          else if (p.startsWith(QLatin1String("The bill was printed but not saved")))
            ++figures.refusedAtSave;
          else if (p != QLatin1String("Do you wish to Print this Bill") && figures.otherPrompts.size() < 3)
            figures.otherPrompts << p;
        }
      }
      saved ? ++figures.saved : ++figures.givenUp;
    }
    closeForm(form);
    figures.sheets = printer->EndDocCount();
    return figures;
  }

  struct Registrations {
    int saved = 0;
    int refusedTaken = 0;
    QStringList otherPrompts;
  };

  Registrations registrations() {
    Registrations r;
    shared_->phase.store(kRegistrations);
    auto* form = ShowForm<frmAddOutPatient>();
    if (!form) {
      r.otherPrompts << QStringLiteral("the form did not open");
      return r;
    }
    form->FormWindow()->activateWindow();
    (void)QTest::qWaitForWindowActive(form->FormWindow());
    for (int i = 1; i <= bills_; ++i) {
      const int number = kFirstRegistered + i;
      click(&form->Picture5);  // New
      typeInto(&form->cmbPatientID, QString::number(number));
      typeInto(&form->txtFirstName, QStringLiteral("Desk One"));
      typeInto(&form->txtMobilePhone, QStringLiteral("5550001"));
      typeInto(&form->txtAge, QStringLiteral("40"));
      typeInto(&form->cmbSex, QStringLiteral("Female"));
      typeInto(&form->txtAddress, QStringLiteral("2 Lake St"));
      typeInto(&form->txtEmailId, QStringLiteral("Westfield"));
      shared_->idWanted.store(number);  // the other desk types the same number now
      usleep(std::uniform_int_distribution<int>(0, 3000)(random_));
      boxes_->prompts.clear();
      click(&form->Picture9);  // Save
      if (boxes_->prompts.contains(kRecordSaved)) {
        ++r.saved;
      } else {
        if (boxes_->prompts.contains(kIdTaken))
          ++r.refusedTaken;
        else if (r.otherPrompts.size() < 3)
          r.otherPrompts << boxes_->prompts.join(QStringLiteral(" / "));
        click(&form->Picture10);  // Cancel
      }
      // Every number is raced: the next one only once the other desk has dealt with this one.
      for (int waited = 0; shared_->idHandled.load() != number && waited < 2000; ++waited) usleep(1000);
    }
    closeForm(form);
    return r;
  }

  // The rows the triggers kept, per kind: writes, and writes below the highest number stored.
  QString counterWrites(int kind, bool belowHighest) {
    return value(QStringLiteral("SELECT count(*) FROM desk_counter_writes WHERE kind = %1%2")
                     .arg(kind)
                     .arg(belowHighest ? QStringLiteral(" AND CAST(new AS INTEGER) < COALESCE(highest, 0)") : QString()));
  }
  QString counterSetBack(int kind) {
    return value(QStringLiteral("SELECT count(*) FROM desk_counter_writes WHERE kind = %1 AND "
                                "CAST(new AS INTEGER) < CAST(old AS INTEGER)")
                     .arg(kind));
  }

private:
  void clerk() {
    std::uniform_int_distribution<int> oneIn(1, 10);
    usleep(oneIn(random_) == 1 ? std::uniform_int_distribution<int>(20000, 80000)(random_)
                               : std::uniform_int_distribution<int>(0, 6000)(random_));
  }
  void exec(const QString& sql) {
    char* error = nullptr;
    if (sqlite3_exec(gCon->handle(), sql.toUtf8().constData(), nullptr, nullptr, &error) != SQLITE_OK) {
      std::fprintf(stderr, "two-desks: %s: %s\n", qPrintable(sql), error);
      std::exit(1);
    }
  }
  QString value(const QString& sql) { return gCon->QueryValue(sql).toText(); }

  Shared* shared_;
  int bills_;
  std::mt19937 random_;
  std::shared_ptr<DeskBoxes> boxes_;
};

// The bill number a bill form shows when it is opened.
template <class F>
QString offeredNumber() {
  F* form = ShowForm<F>();
  const QString shown = form ? form->Label2.text() : QStringLiteral("(did not open)");
  closeForm(form);
  return shown;
}

// ---- the file, before and after ----

class File {
public:
  explicit File(const QString& path) {
    if (sqlite3_open_v2(path.toUtf8().constData(), &db_, SQLITE_OPEN_READWRITE, nullptr) != SQLITE_OK) {
      std::fprintf(stderr, "two-desks: cannot open %s\n", qPrintable(path));
      std::exit(1);
    }
    sqlite3_busy_timeout(db_, 5000);
  }
  ~File() { sqlite3_close_v2(db_); }
  void exec(const QString& sql) {
    char* error = nullptr;
    if (sqlite3_exec(db_, sql.toUtf8().constData(), nullptr, nullptr, &error) != SQLITE_OK) {
      std::fprintf(stderr, "two-desks: %s: %s\n", qPrintable(sql), error);
      std::exit(1);
    }
  }
  QString value(const QString& sql) {
    sqlite3_stmt* st = nullptr;
    QString out;
    if (sqlite3_prepare_v2(db_, sql.toUtf8().constData(), -1, &st, nullptr) == SQLITE_OK && sqlite3_step(st) == SQLITE_ROW)
      out = QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(st, 0)));
    else
      out = QStringLiteral("?");
    sqlite3_finalize(st);
    return out;
  }

private:
  sqlite3* db_ = nullptr;
};

// The doctors, price lists and patients the forms need: out-patients OP1 .. OPK (one billed by
// each bill of a kind), and the in-patient IP1 the receipts are for.
void seed(File& file, int bills) {
  file.exec(QStringLiteral(
      "BEGIN;"
      "INSERT INTO SettingDrDetails (DoctorID) VALUES ('Dr Meera');"
      "INSERT INTO SettingsLab (Description, Amount) VALUES ('CBC', '150'), ('Sugar', '40');"
      "INSERT INTO SettingsXRay (Description, AdultAmount, ChildrenAmount) VALUES ('Chest', '400', '250'), "
      "  ('Hand', '300', '180');"
      "INSERT INTO SettingsInPatient (EmployeeID, FirstName, Sex, Age, Address, Location, Discharged) "
      "  VALUES ('IP1', 'Ravi', 'Male', '40', '12 Hill Road', 'Brackwell', 'No');"
      "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < %1) "
      "INSERT INTO SettingsOutPatient (EmployeeID, FirstName, Sex, Age, Address, Location) "
      "  SELECT 'OP' || i, 'Patient ' || i, 'Female', '30', 'Rose Villa', 'Pala' FROM n;"
      "COMMIT;")
                .arg(bills));
}

// A bill: one row of an out- or in-patient table, the rows of one number and patient of a test
// table. Counts, for one kind: numbers held by two bills or more, and the first desk's bills
// stored under a number another bill held already.
QString billsOf(int kind) {
  const KindTables& t = kTables[kind];
  return t.linesPerTest ? QStringLiteral("SELECT BillNo, patientName, min(rowid) AS first FROM %1 "
                                         "GROUP BY BillNo, patientid, patientName")
                              .arg(QLatin1String(t.bills))
                        : QStringLiteral("SELECT BillNo, patientName, rowid AS first FROM %1").arg(QLatin1String(t.bills));
}

QString joined(const QStringList& figures) { return figures.join(QStringLiteral(" / ")); }

int desks(int argc, char** argv, const QString& folder, int bills) {
  const QString path = QDir(folder).filePath(QString::fromLatin1(kDatabaseFileName));
  {
    File file(path);
    seed(file, bills);
  }

  auto* shared = static_cast<Shared*>(
      mmap(nullptr, sizeof(Shared), PROT_READ | PROT_WRITE, MAP_SHARED | MAP_ANONYMOUS, -1, 0));
  if (shared == MAP_FAILED) return 1;
  new (shared) Shared;
  // Forked before anything of Qt exists in this process; the child uses SQLite alone.
  const pid_t other = fork();
  if (other < 0) return 1;
  if (other == 0) {
    {
      OtherProgram program(path.toStdString(), shared);
      program.run();
    }
    _exit(0);
  }

  // The offscreen platform's remarks (no window masks, no raise) would bury the table's notes.
  qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtCriticalMsg || type == QtFatalMsg) std::fprintf(stderr, "%s\n", qPrintable(message));
  });
  QApplication app(argc, argv);
  app.setApplicationName(QStringLiteral("Halvion"));
  SetAppPath(folder);
  int ends = 0;
  SetEndHandler([&ends] { ++ends; });
  // As the program starts: the lock first (the other program knows nothing of it).
  if (LockDatabaseFile(DatabasePath()) != ProgramLock::Taken) {
    std::fprintf(stderr, "two-desks: the database's lock is held by another process\n");
    shared->phase.store(kStop);
    waitpid(other, nullptr, 0);
    return 1;
  }
  ConnectDB();
  if (ends) return 1;

  FirstDesk desk(shared, bills);
  desk.watchCounterWrites();
  FormFigures figures[kBillKinds];
  figures[0] = desk.bills<frmBill>(kOutBills, [](frmBill* b, int i) {
    b->cmbPatientName.setFocus();
    b->cmbPatientName.setEditText(QStringLiteral("OP%1").arg(i));
    QTest::keyClick(&b->cmbPatientName, Qt::Key_Return);  // Enter chooses the patient
    b->cmbDrName.setEditText(b->cmbDrName.itemText(0));
    typeInto(&b->Text1[0], QStringLiteral("150"));
    click(&b->Picture1);
  });
  // Receipts of 100, 150, 200 and 250 in turn.
  auto receipt = [](int i) { return 100 + 50 * (i % 4); };
  figures[1] = desk.bills<frmInBill>(kInBills, [&receipt](frmInBill* b, int i) {
    b->cmbPatientName.setFocus();
    b->cmbPatientName.setEditText(QStringLiteral("IP1"));
    QTest::keyClick(&b->cmbPatientName, Qt::Key_Return);  // Enter chooses the patient
    b->cmbDrName.setEditText(b->cmbDrName.itemText(0));
    typeInto(&b->txtAdvance, QString::number(receipt(i)));
    click(&b->Picture1);
  });
  auto testBill = [](TestBillForm* b, int i) {
    b->cmbPatientName.setFocus();
    b->cmbPatientName.setEditText(QStringLiteral("OP%1").arg(i));
    QTest::keyClick(&b->cmbPatientName, Qt::Key_Return);  // Enter chooses the patient
    b->cmbDrName.setEditText(b->cmbDrName.itemText(0));
    for (int line = 0; line < 1 + i % 2; ++line) {
      b->cmbDescription.setFocus();
      b->cmbDescription.setEditText(b->cmbDescription.itemText((i + line) % b->cmbDescription.count()));
      click(&b->Picture1);
    }
  };
  figures[2] = desk.bills<frmLabBillReport>(kLabBills, testBill);
  figures[3] = desk.bills<frmXRayBillReport>(kXRayBills, testBill);
  const FirstDesk::Registrations registered = desk.registrations();
  shared->phase.store(kStop);
  int status = 0;
  waitpid(other, &status, 0);
  // With the other program gone: the number each bill form offers now.
  const QString offered[kBillKinds] = {offeredNumber<frmBill>(), offeredNumber<frmInBill>(),
                                       offeredNumber<frmLabBillReport>(), offeredNumber<frmXRayBillReport>()};

  QStringList formSaved, otherStored, doubled, formSecond, renumbered, refusedAtSave, below, setBack, atEnd;
  File file(path);
  for (int k = 0; k < kBillKinds; ++k) {
    const KindTables& t = kTables[k];
    formSaved << QString::number(figures[k].saved) +
                     (figures[k].givenUp ? QStringLiteral(" (%1 given up)").arg(figures[k].givenUp) : QString());
    otherStored << QString::number(shared->billsStored[k].load());
    const QString bills = billsOf(k);
    doubled << file.value(
        QStringLiteral("WITH b AS (%1) SELECT count(*) FROM (SELECT BillNo FROM b GROUP BY BillNo HAVING count(*) > 1)")
            .arg(bills));
    formSecond << file.value(QStringLiteral("WITH b AS (%1) SELECT count(*) FROM b WHERE patientName IS NOT '%2' AND "
                                            "EXISTS (SELECT 1 FROM b o WHERE o.BillNo = b.BillNo AND o.first < b.first)")
                                 .arg(bills, QLatin1String(kOtherName)));
    renumbered << QString::number(figures[k].renumberedAtPrint);
    refusedAtSave << QString::number(figures[k].refusedAtSave);
    below << desk.counterWrites(k, true) + QStringLiteral(" of ") + desk.counterWrites(k, false);
    setBack << desk.counterSetBack(k);
    atEnd << file.value(QStringLiteral("SELECT BillNo FROM %1").arg(QLatin1String(t.counter))) + QStringLiteral(" vs ") +
                 file.value(QStringLiteral("SELECT max(CAST(BillNo AS INTEGER)) FROM %1").arg(QLatin1String(t.bills))) +
                 QStringLiteral(", offers ") + offered[k];
  }
  const QString formReceived = file.value(QStringLiteral(
      "SELECT printf('%.2f', COALESCE(sum(Advance), 0)) FROM InPatientPrintDetails WHERE patientName IS NOT 'Other desk'"));
  const QString otherReceived = file.value(QStringLiteral(
      "SELECT printf('%.2f', COALESCE(sum(Advance), 0)) FROM InPatientPrintDetails WHERE patientName IS 'Other desk'"));
  const QString received =
      file.value(QStringLiteral("SELECT printf('%.2f', COALESCE(sum(Advance), 0)) FROM InPatientPrintDetails"));
  const QString held =
      file.value(QStringLiteral("SELECT printf('%.2f', COALESCE(Advance, 0)) FROM SettingsInPatient WHERE EmployeeID = 'IP1'"));
  const QString registeredIds = QStringLiteral("CAST(substr(trim(EmployeeID), 3) AS INTEGER) > %1").arg(kFirstRegistered);
  const QString idsTwice = file.value(
      QStringLiteral("SELECT count(*) FROM (SELECT 1 FROM SettingsOutPatient WHERE %1 GROUP BY trim(EmployeeID) "
                     "HAVING count(*) > 1)")
          .arg(registeredIds));
  const QString formIdSecond = file.value(
      QStringLiteral("SELECT count(*) FROM SettingsOutPatient p WHERE %1 AND FirstName = 'Desk One' AND EXISTS "
                     "(SELECT 1 FROM SettingsOutPatient o WHERE trim(o.EmployeeID) = trim(p.EmployeeID) AND "
                     "o.rowid < p.rowid)")
          .arg(registeredIds));
  const QString integrity = file.value(QStringLiteral("PRAGMA integrity_check"));

  auto row = [](const QString& what, const QString& figure) {
    std::printf("| %s | %s |\n", qPrintable(what), qPrintable(figure));
  };
  row(QStringLiteral("bills saved by the forms, out / in / lab / x-ray"), joined(formSaved));
  row(QStringLiteral("bills the other program stored meanwhile"), joined(otherStored));
  row(QStringLiteral("numbers stored twice"), joined(doubled));
  row(QStringLiteral("... of them a form's bill stored on a number already used"), joined(formSecond));
  row(QStringLiteral("forms' bills given the next number at Print (the one shown was used)"), joined(renumbered));
  row(QStringLiteral("papers refused after printing (not saved under the number on them), printed again"),
      joined(refusedAtSave));
  row(QStringLiteral("forms' counter writes below the highest stored number"), joined(below));
  row(QStringLiteral("forms' counter writes lower than the counter they replaced"), joined(setBack));
  row(QStringLiteral("counter at the end vs highest stored number, and the number the form then offers"), joined(atEnd));
  row(QStringLiteral("in-patient advance: received (forms' receipts + other's) vs held"),
      QStringLiteral("%1 (%2 + %3) vs %4").arg(received, formReceived, otherReceived, held));
  row(QStringLiteral("patient numbers: registered by the form / by the other program / form refused (taken)"),
      QStringLiteral("%1 / %2 / %3").arg(registered.saved).arg(shared->idsStored.load()).arg(registered.refusedTaken));
  row(QStringLiteral("patient numbers stored twice (the form's row the second)"),
      QStringLiteral("%1 (%2)").arg(idsTwice, formIdSecond));
  row(QStringLiteral("integrity_check of the file afterwards"), integrity);

  // What the forms must keep to whatever the other program does.
  QStringList met, notMet;
  const char* kindNames[kBillKinds] = {"out-patient bills", "in-patient bills", "laboratory bills", "x-ray bills"};
  for (int k = 0; k < kBillKinds; ++k) {
    // A paper refused after printing carries a number some other bill may end up stored under.
    const bool kept = figures[k].saved == bills && formSecond[k] == QLatin1String("0") &&
                      figures[k].refusedAtSave == 0 && below[k].startsWith(QLatin1String("0 of")) &&
                      setBack[k] == QLatin1String("0");
    (kept ? met : notMet) << QString::fromLatin1(kindNames[k]);
  }
  (received == held ? met : notMet) << QStringLiteral("advances");
  (formIdSecond == QLatin1String("0") ? met : notMet) << QStringLiteral("patient numbers");
  std::printf("\n");
  if (!met.isEmpty()) std::printf("kept by the forms: %s\n", qPrintable(met.join(QStringLiteral(", "))));
  if (!notMet.isEmpty()) std::printf("NOT kept by the forms: %s\n", qPrintable(notMet.join(QStringLiteral(", "))));

  QStringList notes;
  for (int k = 0; k < kBillKinds; ++k)
    for (const QString& p : figures[k].otherPrompts)
      notes << QStringLiteral("%1 bill form also said: %2").arg(QLatin1String(kTables[k].bills), QString(p).replace(QLatin1String("\r\n"), QLatin1String(" ")));
  for (const QString& p : registered.otherPrompts) notes << QStringLiteral("the out-patient form also said: ") + p;
  if (shared->refused.load())
    notes << QStringLiteral("the other program's writes refused by the database: %1 (last: %2)")
                 .arg(shared->refused.load())
                 .arg(QString::fromUtf8(shared->lastError));
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) notes << QStringLiteral("the other program ended with status %1").arg(status);
  if (ends) notes << QStringLiteral("the first desk's forms ended the program %1 time(s)").arg(ends);
  for (const QString& n : notes) std::fprintf(stderr, "note: %s\n", qPrintable(n));
  std::fflush(stdout);
  UnlockDatabaseFile();
  // The forms' windows and their connection go with the process.
  std::_Exit(!notMet.isEmpty() || !notes.isEmpty() ? 1 : 0);
}

}  // namespace

int main(int argc, char** argv) {
  QString folder;
  int bills = 100;
  bool second = false;
  for (int i = 1; i < argc; ++i) {
    const QByteArray a(argv[i]);
    if ((a == "--second-start" || a == "--desks") && i + 1 < argc) {
      second = a == "--second-start";
      folder = QString::fromLocal8Bit(argv[++i]);
    } else if (a == "--bills" && i + 1 < argc) {
      bills = std::max(1, std::atoi(argv[++i]));
    }
  }
  if (folder.isEmpty()) {
    std::fprintf(stderr, "usage: halvion-two-desks --second-start FOLDER | --desks FOLDER [--bills K]\n");
    return 2;
  }
  return second ? secondStart(argc, argv, folder) : desks(argc, argv, folder, bills);
}
