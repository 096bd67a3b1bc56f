#include "benchforms.h"

#include <QApplication>
#include <QComboBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QTest>
#include <QTreeWidget>
#include <optional>

#include "billing/inpatient/frmInBill.h"
#include "billing/outpatient/frmBill.h"
#include "billing/outpatient/frmCancelBill.h"
#include "billing/outpatient/frmCancelOutBillReport.h"
#include "billing/outpatient/frmConsultantBillReportAll.h"
#include "billing/outpatient/frmOutBillReport.h"
#include "billing/outpatient/frmOutBillReportAll.h"
#include "billing/inpatient/frmCancelInBill.h"
#include "billing/inpatient/frmCancelInBillReport.h"
#include "billing/inpatient/frmInBillReport.h"
#include "billing/inpatient/frmInBillReportAll.h"
#include "billing/labxray/testbillform.h"
#include "billing/labxray/testcancelform.h"
#include "billing/labxray/testreportforms.h"
#include "masters/frmAddDoctorDetail.h"
#include "masters/frmAddLabDetails.h"
#include "masters/frmAddXRayDetails.h"
#include "patients/frmAddConsultant.h"
#include "patients/frmDischarge.h"
#include "patients/patientsearch.h"
#include "shell/frmAboutme.h"
#include "shell/frmAddNewUser.h"
#include "shell/frmChangeMenuSettings.h"
#include "shell/frmCopyDB.h"
#include "shell/frmSettingsChangePwd.h"
#include "shell/frmcontactus.h"
#include "patients/patientrecord.h"
#include "shell/dispatch.h"
#include "shell/frmLogin.h"

double TargetMs(BenchTarget target) {
  switch (target) {
    case BenchTarget::MenuForm: return 300;
    case BenchTarget::Keystroke: return 16;
    case BenchTarget::PrintSave: return 20;
    case BenchTarget::DayReport: return 100;
    case BenchTarget::MonthReport: return 250;
    case BenchTarget::None: break;
  }
  return 0;
}

double TargetRatio(BenchTarget target) {
  return target == BenchTarget::DayReport || target == BenchTarget::MonthReport ? 3 : 0;
}

BenchDays DefaultBenchDays() { return {QDate(2026, 12, 9), QDate(2026, 11, 1), QDate(2026, 11, 30)}; }

void SettleEvents() {
  QApplication::processEvents();
  QApplication::processEvents();
}

void CloseForm(VbForm* form) {
  if (form && form->IsLoaded()) form->Unload();
  SettleEvents();
  // The running program's event loop deletes an unloaded form; processEvents alone never does.
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

namespace {

void click(QWidget* w) { QTest::mouseClick(w, Qt::LeftButton, {}, w->rect().center()); }

// Opens the form as the main window's menu does for `command`; a form the menu does not open yet
// is shown the same way the menu would show it.
template <class F>
std::function<VbForm*()> viaMenu(const QString& command) {
  return [command]() -> VbForm* {
    if (!command.isEmpty() && CommandAction(command))
      DispatchMenuCommand(MainWindowCommands(), command, [] {});
    else
      ShowForm<F>();
    SettleEvents();
    return LoadedForm<F>();
  };
}

QString iso(const QDate& d) { return d.toString(Qt::ISODate); }

// A patient identifier of the generated file ("OP" out-patients, "IP" in-patients), different for
// each run.
QString patientOf(int run, const QString& kind = QStringLiteral("OP")) { return kind + QString::number(1 + run * 7); }

// One keystroke in a chooser: the identifier but its last character is already there, the last
// one is typed (completion from the list, the identifier itself proposed). The key chooses nobody.
BenchAction keystroke(std::function<QComboBox*(VbForm*)> chooser, std::function<QLineEdit*(VbForm*)> nameBox,
                      const QString& kind = QStringLiteral("OP")) {
  BenchAction a;
  a.what = QStringLiteral("one keystroke in the patient chooser");
  a.target = BenchTarget::Keystroke;
  a.prepare = [chooser, nameBox, kind](VbForm* f, int run) {
    QComboBox* combo = chooser(f);
    combo->setFocus();
    combo->setEditText(patientOf(run, kind).chopped(1));
    nameBox(f)->clear();
    SettleEvents();
  };
  a.act = [chooser, kind](VbForm* f, int run) {
    const QString id = patientOf(run, kind);
    QTest::keyClick(chooser(f), id.back().toLatin1());
  };
  a.check = [chooser, nameBox, kind](VbForm* f, int run) {
    const QString shown = chooser(f)->currentText();
    if (shown != patientOf(run, kind)) return QStringLiteral("not proposed: \"%1\"").arg(shown);
    if (!nameBox(f)->text().isEmpty()) return QStringLiteral("chosen without Enter: \"%1\"").arg(shown);
    return QString();
  };
  return a;
}

// The Enter that chooses the identifier the keys proposed: the look-up of its patient.
BenchAction confirmPatient(std::function<QComboBox*(VbForm*)> chooser, std::function<QLineEdit*(VbForm*)> nameBox,
                           const QString& kind = QStringLiteral("OP")) {
  BenchAction a;
  a.what = QStringLiteral("Enter in the patient chooser");
  a.target = BenchTarget::Keystroke;
  a.prepare = [chooser, nameBox, kind](VbForm* f, int run) {
    QComboBox* combo = chooser(f);
    const QString id = patientOf(run, kind);
    combo->setFocus();
    combo->setEditText(id.chopped(1));
    QTest::keyClick(combo, id.back().toLatin1());
    nameBox(f)->clear();  // so that the name shown after the key is the look-up's own
    SettleEvents();
  };
  a.act = [chooser](VbForm* f, int) { QTest::keyClick(chooser(f), Qt::Key_Return); };
  a.check = [chooser, nameBox](VbForm* f, int) {
    if (nameBox(f)->text().isEmpty())
      return QStringLiteral("no name shown for \"%1\"").arg(chooser(f)->currentText());
    return QString();
  };
  return a;
}

// The chooser's two keystrokes for a bill form.
void addChooserKeys(BenchForm& f, std::function<QComboBox*(VbForm*)> chooser,
                    std::function<QLineEdit*(VbForm*)> nameBox, const QString& kind = QStringLiteral("OP")) {
  f.actions.push_back(keystroke(chooser, nameBox, kind));
  f.actions.push_back(confirmPatient(chooser, nameBox, kind));
}

BenchAction reportAction(const QString& what, BenchTarget target, std::function<void(VbForm*)> pickDays,
                         const QString& selection) {
  BenchAction a;
  a.what = what;
  a.target = target;
  a.prepare = [pickDays](VbForm* f, int) {
    pickDays(f);
    SettleEvents();
  };
  a.act = [](VbForm* f, int) {
    click(&static_cast<BillReportForm*>(f)->Picture1);
    SettleEvents();
  };
  a.selection = selection;
  // Without a selection of the same rows there is nothing to hold the count against.
  if (!selection.isEmpty())
    a.listed = [](VbForm* f) { return static_cast<BillReportForm*>(f)->List.topLevelItemCount(); };
  return a;
}

BenchAction printReport(std::function<void(VbForm*)> pickDays) {
  BenchAction a;
  a.what = QStringLiteral("print the report");
  a.prepare = [pickDays](VbForm* f, int) {
    pickDays(f);
    click(&static_cast<BillReportForm*>(f)->Picture1);
    SettleEvents();
  };
  a.act = [](VbForm* f, int) { click(&static_cast<BillReportForm*>(f)->Picture2); };
  return a;
}

QString collectionSelection(const QDate& from, const QDate& to) {
  return QStringLiteral(
             "SELECT BillNo, patientName, Date, patientid, total FROM OutPatientPrintDetails "
             "WHERE BillDelete='Available' AND Date BETWEEN '%1' AND '%2' "
             "AND ifnull(trim(ECG,' '),'')='' AND ifnull(trim(Scan,' '),'')='' ORDER BY BillNo, rowid")
      .arg(iso(from), iso(to));
}

// The second day's picker, whether the form always has one or only in its period shape.
QDateEdit& secondDay(QDateEdit& picker) { return picker; }
QDateEdit& secondDay(std::optional<QDateEdit>& picker) { return *picker; }

template <class F>
std::function<void(VbForm*)> range(QDate from, QDate to) {
  return [from, to](VbForm* f) {
    auto* form = static_cast<F*>(f);
    form->DTPicker1.setDate(from);
    secondDay(form->DTPicker2).setDate(to);
  };
}

template <class F>
std::function<void(VbForm*)> oneDay(QDate day) {
  return [day](VbForm* f) { static_cast<F*>(f)->DTPicker1.setDate(day); };
}

BenchForm outPatientBill() {
  BenchForm f{QStringLiteral("out-patient bill"), QStringLiteral("mnuOutAddBill"),
              viaMenu<frmBill>(QStringLiteral("mnuOutAddBill")), {}};
  addChooserKeys(f, [](VbForm* form) { return &static_cast<frmBill*>(form)->cmbPatientName; },
                 [](VbForm* form) { return &static_cast<frmBill*>(form)->txtPatientID; });
  BenchAction save;
  save.what = QStringLiteral("one bill printed and saved");
  save.target = BenchTarget::PrintSave;
  save.prepare = [](VbForm* form, int run) {
    auto* b = static_cast<frmBill*>(form);
    click(&b->Picture4);  // a new bill
    b->cmbPatientName.setFocus();
    b->cmbPatientName.setEditText(patientOf(run));
    QTest::keyClick(&b->cmbPatientName, Qt::Key_Return);  // Enter chooses the patient
    b->cmbDrName.setEditText(b->cmbDrName.itemText(0));
    b->Text1[0].setText(QStringLiteral("150"));
    click(&b->Picture1);
    SettleEvents();
  };
  save.act = [](VbForm* form, int) { click(&static_cast<frmBill*>(form)->Picture2); };
  f.actions.push_back(save);
  return f;
}

BenchForm inPatientBill() {
  BenchForm f{QStringLiteral("in-patient bill"), QStringLiteral("InAddBill"),
              viaMenu<frmInBill>(QStringLiteral("InAddBill")), {}};
  addChooserKeys(f, [](VbForm* form) { return &static_cast<frmInBill*>(form)->cmbPatientName; },
                 [](VbForm* form) { return &static_cast<frmInBill*>(form)->txtPatientID; }, QStringLiteral("IP"));
  BenchAction save;
  save.what = QStringLiteral("one bill printed and saved");
  save.target = BenchTarget::PrintSave;
  save.prepare = [](VbForm* form, int run) {
    auto* b = static_cast<frmInBill*>(form);
    click(&b->Picture4);
    b->cmbPatientName.setFocus();
    b->cmbPatientName.setEditText(QStringLiteral("IP%1").arg(1 + run * 7));
    QTest::keyClick(&b->cmbPatientName, Qt::Key_Return);  // Enter chooses the patient
    b->cmbDrName.setEditText(b->cmbDrName.itemText(0));
    b->Text1[0].setText(QStringLiteral("500"));
    click(&b->Picture1);
    SettleEvents();
  };
  save.act = [](VbForm* form, int) { click(&static_cast<frmInBill*>(form)->Picture2); };
  f.actions.push_back(save);
  return f;
}

// A cancellation form: one look-up of a bill from near the end of its list, as the counter's
// latest ones are; the look-up must show the bill's patient.
template <class F>
BenchAction cancelLookUp() {
  BenchAction lookUp;
  lookUp.what = QStringLiteral("one bill look-up");
  lookUp.prepare = [](VbForm* form, int) {
    auto* c = static_cast<F*>(form);
    c->cmbBillNumber.setFocus();
    c->txtPatientID.clear();
    SettleEvents();
  };
  lookUp.act = [](VbForm* form, int run) {
    auto* c = static_cast<F*>(form);
    const int count = c->cmbBillNumber.count();
    c->cmbBillNumber.setEditText(c->cmbBillNumber.itemText(std::max(0, count - 1 - run * 3)));
  };
  lookUp.check = [](VbForm* form, int) {
    auto* c = static_cast<F*>(form);
    return c->txtPatientID.text().isEmpty()
               ? QStringLiteral("not found: bill \"%1\"").arg(c->cmbBillNumber.currentText())
               : QString();
  };
  return lookUp;
}

// A form measured from its command to ready alone.
template <class F>
BenchForm opened(const QString& name, const QString& command) {
  return {name, command, viaMenu<F>(command), {}};
}

// A bill form of the test kinds: to ready, the two keystrokes in its chooser, and one bill of one
// test printed and saved.
template <class F>
BenchForm testBill(const QString& name, const QString& command) {
  BenchForm f = opened<F>(name, command);
  addChooserKeys(f, [](VbForm* form) { return &static_cast<F*>(form)->cmbPatientName; },
                 [](VbForm* form) { return &static_cast<F*>(form)->txtPatientID; });
  BenchAction save;
  save.what = QStringLiteral("one bill printed and saved");
  save.target = BenchTarget::PrintSave;
  save.prepare = [](VbForm* form, int run) {
    auto* b = static_cast<F*>(form);
    click(&b->Picture4);  // a new bill
    b->cmbPatientName.setFocus();
    b->cmbPatientName.setEditText(patientOf(run));
    QTest::keyClick(&b->cmbPatientName, Qt::Key_Return);  // Enter chooses the patient
    b->cmbDrName.setEditText(b->cmbDrName.itemText(0));
    b->cmbDescription.setFocus();
    b->cmbDescription.setEditText(b->cmbDescription.itemText(run % b->cmbDescription.count()));
    click(&b->Picture1);
    SettleEvents();
  };
  save.act = [](VbForm* form, int) { click(&static_cast<F*>(form)->Picture2); };
  f.actions.push_back(save);
  return f;
}

// A cancellation form: to ready and one look-up.
template <class F>
BenchForm cancellation(const QString& name, const QString& command) {
  BenchForm f = opened<F>(name, command);
  f.actions.push_back(cancelLookUp<F>());
  return f;
}

// A record form: to ready, then Next and Last on its record bar.
template <class F>
BenchForm record(const QString& name, const QString& command) {
  BenchForm f = opened<F>(name, command);
  for (int button : {3, 4}) {
    BenchAction move;
    move.what = button == 3 ? QStringLiteral("Next") : QStringLiteral("Last");
    move.prepare = [](VbForm* form, int) {
      click(static_cast<RecordForm*>(form)->RecordButton(1));  // from the first record
      SettleEvents();
    };
    move.act = [button](VbForm* form, int) { click(static_cast<RecordForm*>(form)->RecordButton(button)); };
    f.actions.push_back(move);
  }
  return f;
}

// The selection a report lists for its days, for the sqlite3 shell.
using Selection = std::function<QString(const QDate& from, const QDate& to)>;

// A report form whose pickers are DTPicker1 (and DTPicker2): generate one day (and one month),
// then print what the last generate listed.
template <class F, bool period>
BenchForm report(const QString& name, const QString& command, const BenchDays& d, const Selection& selection) {
  BenchForm f = opened<F>(name, command);
  if constexpr (period) {
    f.actions.push_back(reportAction(QStringLiteral("generate one day"), BenchTarget::DayReport,
                                     range<F>(d.day, d.day), selection(d.day, d.day)));
    f.actions.push_back(reportAction(QStringLiteral("generate one month"), BenchTarget::MonthReport,
                                     range<F>(d.monthFirst, d.monthLast), selection(d.monthFirst, d.monthLast)));
    f.actions.push_back(printReport(range<F>(d.monthFirst, d.monthLast)));
  } else {
    f.actions.push_back(reportAction(QStringLiteral("generate one day"), BenchTarget::DayReport, oneDay<F>(d.day),
                                     selection(d.day, d.day)));
    f.actions.push_back(printReport(oneDay<F>(d.day)));
  }
  return f;
}

// The ordinary bills (neither ECG nor scan) of the in-patient collection reports.
QString inCollectionSelection(const QDate& from, const QDate& to) {
  return QStringLiteral(
             "SELECT BillNo, patientName, Date, patientid, total FROM InPatientPrintDetails "
             "WHERE BillDelete='Available' AND Date BETWEEN '%1' AND '%2' "
             "AND ifnull(trim(ECG,' '),'')='' AND ifnull(trim(Scan,' '),'')='' ORDER BY BillNo, rowid")
      .arg(iso(from), iso(to));
}

QString inCancelledSelection(const QDate& day, const QDate&) {
  return QStringLiteral(
             "SELECT patientName, patientid, BillNo, total FROM InPatientPrintDetails "
             "WHERE BillDelete='Deleted' AND Date = '%1' ORDER BY rowid")
      .arg(iso(day));
}

// A test bill is listed once, however many lines it has.
Selection testCollectionSelection(const QString& table) {
  return [table](const QDate& from, const QDate& to) {
    return QStringLiteral(
               "SELECT DISTINCT BillNo, Date, total, patientName, patientid FROM %1 "
               "WHERE BillDelete='Available' AND Date BETWEEN '%2' AND '%3' ORDER BY BillNo")
        .arg(table, iso(from), iso(to));
  };
}

Selection testCancelledSelection(const QString& table) {
  return [table](const QDate& day, const QDate&) {
    return QStringLiteral(
               "SELECT DISTINCT BillNo, Date, patientName, total FROM %1 WHERE BillDelete='Deleted' AND Date = '%2'")
        .arg(table, iso(day));
  };
}

}  // namespace

std::vector<BenchForm> BenchForms(const BenchDays& d) {
  std::vector<BenchForm> forms;
  forms.push_back(outPatientBill());
  forms.push_back(inPatientBill());
  forms.push_back(cancellation<frmCancelBill>(QStringLiteral("out-patient cancellation"),
                                             QStringLiteral("mnuOutCancelBill")));

  BenchForm daily{QStringLiteral("out-patient daily report"), QStringLiteral("mnuDailyReport"),
                  viaMenu<frmOutBillReport>(QStringLiteral("mnuDailyReport")), {}};
  daily.actions.push_back(reportAction(QStringLiteral("generate one day"), BenchTarget::DayReport,
                                       oneDay<frmOutBillReport>(d.day), collectionSelection(d.day, d.day)));
  daily.actions.push_back(printReport(oneDay<frmOutBillReport>(d.day)));
  forms.push_back(daily);

  BenchForm period{QStringLiteral("out-patient period report"), QStringLiteral("mnuSearchReport"),
                   viaMenu<frmOutBillReportAll>(QStringLiteral("mnuSearchReport")), {}};
  period.actions.push_back(reportAction(QStringLiteral("generate one day"), BenchTarget::DayReport,
                                        range<frmOutBillReportAll>(d.day, d.day), collectionSelection(d.day, d.day)));
  period.actions.push_back(reportAction(QStringLiteral("generate one month"), BenchTarget::MonthReport,
                                        range<frmOutBillReportAll>(d.monthFirst, d.monthLast),
                                        collectionSelection(d.monthFirst, d.monthLast)));
  period.actions.push_back(printReport(range<frmOutBillReportAll>(d.monthFirst, d.monthLast)));
  forms.push_back(period);

  BenchForm cancelled{QStringLiteral("out-patient cancelled report"), QStringLiteral("mnuCancelBillReport"),
                      viaMenu<frmCancelOutBillReport>(QStringLiteral("mnuCancelBillReport")), {}};
  cancelled.actions.push_back(reportAction(
      QStringLiteral("generate one day"), BenchTarget::DayReport, oneDay<frmCancelOutBillReport>(d.day),
      QStringLiteral("SELECT patientName, patientid, BillNo, total FROM OutPatientPrintDetails "
                     "WHERE BillDelete='Deleted' AND Date = '%1' ORDER BY rowid")
          .arg(iso(d.day))));
  cancelled.actions.push_back(printReport(oneDay<frmCancelOutBillReport>(d.day)));
  forms.push_back(cancelled);

  auto feeSelection = [](const QDate& from, const QDate& to) {
    return QStringLiteral(
               "SELECT DrName, patientid, Date, Amount FROM SettingsConsultant "
               "WHERE Date BETWEEN '%1' AND '%2' ORDER BY DrName, rowid")
        .arg(iso(from), iso(to));
  };
  BenchForm fees{QStringLiteral("consultant fee report"), QStringLiteral("mnuCon"),
                 viaMenu<frmConsultantBillReportAll>(QStringLiteral("mnuCon")), {}};
  fees.actions.push_back(reportAction(QStringLiteral("generate one day"), BenchTarget::DayReport,
                                      range<frmConsultantBillReportAll>(d.day, d.day), feeSelection(d.day, d.day)));
  fees.actions.push_back(reportAction(QStringLiteral("generate one month"), BenchTarget::MonthReport,
                                      range<frmConsultantBillReportAll>(d.monthFirst, d.monthLast),
                                      feeSelection(d.monthFirst, d.monthLast)));
  fees.actions.push_back(printReport(range<frmConsultantBillReportAll>(d.monthFirst, d.monthLast)));
  forms.push_back(fees);

  forms.push_back(testBill<frmLabBillReport>(QStringLiteral("laboratory bill"), QStringLiteral("mnuLabAddBill")));
  forms.push_back(testBill<frmXRayBillReport>(QStringLiteral("x-ray bill"), QStringLiteral("mnuXRayAddBill")));
  forms.push_back(cancellation<frmCancelInBill>(QStringLiteral("in-patient cancellation"), QStringLiteral("InCancelBill")));
  forms.push_back(
      cancellation<frmCancelLabBill>(QStringLiteral("laboratory cancellation"), QStringLiteral("mnuLabCancelBill")));
  forms.push_back(
      cancellation<frmCancelXRayBill>(QStringLiteral("x-ray cancellation"), QStringLiteral("mnuXRayCancelBill")));
  forms.push_back(report<frmInBillReport, false>(QStringLiteral("in-patient daily report"),
                                                 QStringLiteral("mnuInDailyReport"), d, inCollectionSelection));
  forms.push_back(report<frmInBillReportAll, true>(QStringLiteral("in-patient period report"),
                                                   QStringLiteral("mnuInSearchReport"), d, inCollectionSelection));
  forms.push_back(report<frmCancelInBillReport, false>(QStringLiteral("in-patient cancelled report"),
                                                       QStringLiteral("mnuInBill"), d, inCancelledSelection));
  forms.push_back(report<frmLabBillReportAll, true>(QStringLiteral("laboratory period report"),
                                                    QStringLiteral("mnuLabSearchBill"), d,
                                                    testCollectionSelection(QStringLiteral("LabPrintDetails"))));
  forms.push_back(report<frmCancelLabBillReport, false>(QStringLiteral("laboratory cancelled report"),
                                                        QStringLiteral("mnuLabBill"), d,
                                                        testCancelledSelection(QStringLiteral("LabPrintDetails"))));
  forms.push_back(report<frmXayBillReportAll, true>(QStringLiteral("x-ray period report"),
                                                    QStringLiteral("mnuXRaySearchBill"), d,
                                                    testCollectionSelection(QStringLiteral("XRayPrintDetails"))));
  forms.push_back(report<frmCancelXRayBillReport, false>(QStringLiteral("x-ray cancelled report"),
                                                         QStringLiteral("mnuXaryBill"), d,
                                                         testCancelledSelection(QStringLiteral("XRayPrintDetails"))));
  forms.push_back(record<frmAddOutPatient>(QStringLiteral("out-patient record"), QStringLiteral("mnuNewPateient")));
  forms.push_back(record<frmAddInPatient>(QStringLiteral("in-patient record"), QStringLiteral("mnuInAdmission")));
  forms.push_back(record<frmAddDoctorDetail>(QStringLiteral("doctor record"), QStringLiteral("mnuAddDrDetail")));
  forms.push_back(record<frmAddLabDetails>(QStringLiteral("laboratory test record"), QStringLiteral("mnuLabTestNames")));
  forms.push_back(record<frmAddXRayDetails>(QStringLiteral("x-ray test record"), QStringLiteral("mnuXRayTestNames")));
  forms.push_back(record<frmAddConsultant>(QStringLiteral("consultant fee record"), QStringLiteral("mnuConBill")));
  forms.push_back(record<frmAddNewUser>(QStringLiteral("user record"), QStringLiteral("mnuNewUserAccounts")));
  // Every other form of the menu, to ready.
  forms.push_back(opened<frmViewOutPatient>(QStringLiteral("out-patient search"), QStringLiteral("mnuOutPatientHistory")));
  forms.push_back(opened<frmViewInPatient>(QStringLiteral("in-patient search"), QStringLiteral("mnuInPatientHistory")));
  forms.push_back(opened<frmDischarge>(QStringLiteral("discharge"), QStringLiteral("mnuInDischarge")));
  forms.push_back(opened<frmSettingsChangePwd>(QStringLiteral("password change"), QStringLiteral("mnuChangePassword")));
  forms.push_back(opened<frmCopyDB>(QStringLiteral("database back-up"), QStringLiteral("mnuCopyDatabase")));
  forms.push_back(opened<frmChangeMenuSettings>(QStringLiteral("menu view"), QStringLiteral("mnuChangeMenuView")));
  forms.push_back(opened<frmcontactus>(QStringLiteral("contact"), QStringLiteral("mnuHelpTopic")));
  forms.push_back(opened<frmAboutme>(QStringLiteral("about"), QStringLiteral("mnuAboutMe")));

  BenchForm login{QStringLiteral("login"), QString(), viaMenu<frmLogin>(QString()), {}};
  BenchAction walk;
  walk.what = QStringLiteral("user-table walk (unknown password)");
  walk.prepare = [](VbForm* form, int) {
    auto* l = static_cast<frmLogin*>(form);
    l->txtUserName.setText(QStringLiteral("user20"));
    l->txtPassword.setText(QStringLiteral("not the password"));
  };
  walk.act = [](VbForm* form, int) { click(&static_cast<frmLogin*>(form)->Picture1); };
  login.actions.push_back(walk);
  forms.push_back(login);
  return forms;
}
