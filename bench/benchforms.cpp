#include "benchforms.h"

#include <QApplication>
#include <QComboBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QTest>
#include <QTreeWidget>

#include "billing/inpatient/frmInBill.h"
#include "billing/outpatient/frmBill.h"
#include "billing/outpatient/frmCancelBill.h"
#include "billing/outpatient/frmCancelOutBillReport.h"
#include "billing/outpatient/frmConsultantBillReportAll.h"
#include "billing/outpatient/frmOutBillReport.h"
#include "billing/outpatient/frmOutBillReportAll.h"
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

// A patient identifier of the generated file, different for each run.
QString patientOf(int run) { return QStringLiteral("OP%1").arg(1 + run * 7); }

// One keystroke in a chooser: the identifier but its last character is already there, the last
// one is typed (completion from the list, then the look-up of the patient).
BenchAction keystroke(std::function<QComboBox*(VbForm*)> chooser) {
  BenchAction a;
  a.what = QStringLiteral("one keystroke in the patient chooser");
  a.target = BenchTarget::Keystroke;
  a.prepare = [chooser](VbForm* f, int run) {
    QComboBox* combo = chooser(f);
    combo->setFocus();
    combo->setEditText(patientOf(run).chopped(1));
    SettleEvents();
  };
  a.act = [chooser](VbForm* f, int run) {
    const QString id = patientOf(run);
    QTest::keyClick(chooser(f), id.back().toLatin1());
  };
  return a;
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
    click(static_cast<OutReportForm*>(f)->Picture1);
    SettleEvents();
  };
  a.selection = selection;
  a.listed = [](VbForm* f) { return static_cast<OutReportForm*>(f)->List->topLevelItemCount(); };
  return a;
}

BenchAction printReport(std::function<void(VbForm*)> pickDays) {
  BenchAction a;
  a.what = QStringLiteral("print the report");
  a.prepare = [pickDays](VbForm* f, int) {
    pickDays(f);
    click(static_cast<OutReportForm*>(f)->Picture1);
    SettleEvents();
  };
  a.act = [](VbForm* f, int) { click(static_cast<OutReportForm*>(f)->Picture2); };
  return a;
}

QString collectionSelection(const QDate& from, const QDate& to) {
  return QStringLiteral(
             "SELECT BillNo, patientName, Date, patientid, total FROM OutPatientPrintDetails "
             "WHERE BillDelete='Available' AND Date BETWEEN '%1' AND '%2' "
             "AND ifnull(trim(ECG,' '),'')='' AND ifnull(trim(Scan,' '),'')='' ORDER BY BillNo, rowid")
      .arg(iso(from), iso(to));
}

template <class F>
std::function<void(VbForm*)> range(QDate from, QDate to) {
  return [from, to](VbForm* f) {
    auto* form = static_cast<F*>(f);
    form->DTPicker1->setDate(from);
    form->DTPicker2->setDate(to);
  };
}

template <class F>
std::function<void(VbForm*)> oneDay(QDate day) {
  return [day](VbForm* f) { static_cast<F*>(f)->DTPicker1->setDate(day); };
}

BenchForm outPatientBill() {
  BenchForm f{QStringLiteral("out-patient bill"), QStringLiteral("mnuOutAddBill"),
              viaMenu<frmBill>(QStringLiteral("mnuOutAddBill")), {}};
  f.actions.push_back(keystroke([](VbForm* form) { return static_cast<frmBill*>(form)->cmbPatientName; }));
  BenchAction save;
  save.what = QStringLiteral("one bill printed and saved");
  save.target = BenchTarget::PrintSave;
  save.prepare = [](VbForm* form, int run) {
    auto* b = static_cast<frmBill*>(form);
    click(b->Picture4);  // a new bill
    b->cmbPatientName->setFocus();
    b->cmbPatientName->setEditText(patientOf(run));
    b->cmbDrName->setEditText(b->cmbDrName->itemText(0));
    b->Text1[0]->setText(QStringLiteral("150"));
    click(b->Picture1);
    SettleEvents();
  };
  save.act = [](VbForm* form, int) { click(static_cast<frmBill*>(form)->Picture2); };
  f.actions.push_back(save);
  return f;
}

BenchForm inPatientBill() {
  BenchForm f{QStringLiteral("in-patient bill"), QStringLiteral("InAddBill"),
              viaMenu<frmInBill>(QStringLiteral("InAddBill")), {}};
  f.actions.push_back(keystroke([](VbForm* form) { return static_cast<frmInBill*>(form)->cmbPatientName; }));
  BenchAction save;
  save.what = QStringLiteral("one bill printed and saved");
  save.target = BenchTarget::PrintSave;
  save.prepare = [](VbForm* form, int run) {
    auto* b = static_cast<frmInBill*>(form);
    click(b->Picture4);
    b->cmbPatientName->setFocus();
    b->cmbPatientName->setEditText(QStringLiteral("IP%1").arg(1 + run * 7));
    b->cmbDrName->setEditText(b->cmbDrName->itemText(0));
    b->Text1[0]->setText(QStringLiteral("500"));
    click(b->Picture1);
    SettleEvents();
  };
  save.act = [](VbForm* form, int) { click(static_cast<frmInBill*>(form)->Picture2); };
  f.actions.push_back(save);
  return f;
}

BenchForm outPatientCancel() {
  BenchForm f{QStringLiteral("out-patient cancellation"), QStringLiteral("mnuOutCancelBill"),
              viaMenu<frmCancelBill>(QStringLiteral("mnuOutCancelBill")), {}};
  BenchAction lookUp;
  lookUp.what = QStringLiteral("one bill look-up");
  lookUp.prepare = [](VbForm* form, int) {
    static_cast<frmCancelBill*>(form)->cmbBillNumber->setFocus();
    SettleEvents();
  };
  lookUp.act = [](VbForm* form, int run) {
    auto* c = static_cast<frmCancelBill*>(form);
    // A bill from near the end of the list, as the counter's latest ones are.
    const int count = c->cmbBillNumber->count();
    c->cmbBillNumber->setEditText(c->cmbBillNumber->itemText(std::max(0, count - 1 - run * 3)));
  };
  f.actions.push_back(lookUp);
  return f;
}

}  // namespace

std::vector<BenchForm> BenchForms(const BenchDays& d) {
  std::vector<BenchForm> forms;
  forms.push_back(outPatientBill());
  forms.push_back(inPatientBill());
  forms.push_back(outPatientCancel());

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
