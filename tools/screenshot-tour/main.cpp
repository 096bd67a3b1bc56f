// The screenshot tour: starts the program on a scratch copy of its folder (the pictures, the movie
// descriptions and a new database with a few doctors, patients, price-list rows and bills), logs
// in as a user does, opens every form the main window's menu offers through the menu movie, puts
// a little data on the bill, search and cancellation forms, and saves one picture of each form;
// then the states a user reaches from a form (its View All list, a record being typed, a doctor
// saved and found again) and the cards and the bill reprint the menu does not open.
//
//   screenshot-tour OUTPUT_FOLDER
//
// Meant to run under a virtual X server (tools/screenshots); the pictures are taken from the
// screen, so they show what a user sees: the rounded windows over the main window's ground.
#include <QApplication>
#include <QComboBox>
#include <QDateEdit>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QPixmap>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>
#include <cstdio>
#include <functional>
#include <map>
#include <sqlite3.h>

#include "billing/common/reportform.h"
#include "billing/inpatient/frmCancelInBill.h"
#include "billing/inpatient/frmCancelInBillReport.h"
#include "billing/inpatient/frmInBill.h"
#include "billing/inpatient/frmInBillReport.h"
#include "billing/inpatient/frmInBillReportAll.h"
#include "billing/labxray/testbillform.h"
#include "billing/labxray/testcancelform.h"
#include "billing/outpatient/frmBill.h"
#include "billing/outpatient/frmCancelBill.h"
#include "data/schema.h"
#include "framework/vbform.h"
#include "globals.h"
#include "masters/frmAddDoctorDetail.h"
#include "masters/frmAddLabDetails.h"
#include "masters/frmAddXRayDetails.h"
#include "masters/frmAvailableDays.h"
#include "masters/frmViewAllDoctors.h"
#include "masters/frmViewDrDetails.h"
#include "masters/frmViewEmpDetails.h"
#include "masters/pricelists.h"
#include "patients/frmAddConsultant.h"
#include "patients/frmDischarge.h"
#include "patients/patientlists.h"
#include "patients/patientrecord.h"
#include "patients/patientsearch.h"
#include "platform/msgbox.h"
#include "platform/system.h"
#include "shell/dispatch.h"
#include "shell/frmAddNewUser.h"
#include "shell/frmCopyDB.h"
#include "shell/frmLoading.h"
#include "shell/frmLogin.h"
#include "shell/frmMain.h"
#include "shell/frmViewUserDetails.h"

namespace {

void say(const QString& text) {
  std::fprintf(stdout, "%s\n", text.toLocal8Bit().constData());
  std::fflush(stdout);
}

// Every message box is answered without a window: OK, or No where it asks, so the tour never
// prints, deletes or overwrites anything (it saves one new doctor, in the scratch folder). Each one is written to the log.
class AnsweringBoxes final : public MessageBoxService {
public:
  int show(const QString& prompt, int style, const QString& title) override {
    say(QStringLiteral("  message: \"%1\" (%2)").arg(QString(prompt).replace('\n', QStringLiteral(" / ")), title));
    return (style & 0x7) == vbYesNo ? vbNo : vbOK;
  }
};

void wait(int ms) { QTest::qWait(ms); }

// Waits up to `ms` for the condition, letting the program run meanwhile.
bool waitFor(const std::function<bool()>& done, int ms = 8000) {
  for (int waited = 0; waited < ms; waited += 50) {
    if (done()) return true;
    wait(50);
  }
  return done();
}

class Tour {
public:
  explicit Tour(QString out) : out_(std::move(out)) {}

  QString folder;  // the scratch program folder

  // What the screen shows inside the widget's window (its frame and region included).
  bool shoot(QWidget* w, const QString& name) {
    wait(300);  // let the window finish painting
    QScreen* screen = QGuiApplication::primaryScreen();
    const QRect r(w->mapToGlobal(QPoint(0, 0)), w->size());
    const QPixmap shot = screen->grabWindow(0, r.x(), r.y(), r.width(), r.height());
    const QString file = QDir(out_).filePath(name + QStringLiteral(".png"));
    const bool ok = !shot.isNull() && shot.save(file);
    say(QStringLiteral("%1 %2").arg(ok ? QStringLiteral("saved") : QStringLiteral("FAILED"), file));
    if (!ok) ++failures;
    return ok;
  }

  int failures = 0;

private:
  QString out_;
};

// The forms whose menu command the main window does not open yet, opened straight away so their
// look can be judged all the same.
const std::map<QString, FormOpener>& pendingForms() {
  static const std::map<QString, FormOpener> forms = {
      {QStringLiteral("mnuOutPatientHistory"), &OpenMenuForm<frmViewOutPatient>},
      {QStringLiteral("mnuNewPateient"), &OpenMenuForm<frmAddOutPatient>},
      {QStringLiteral("mnuInPatientHistory"), &OpenMenuForm<frmViewInPatient>},
      {QStringLiteral("mnuInAdmission"), &OpenMenuForm<frmAddInPatient>},
      {QStringLiteral("InCancelBill"), &OpenMenuForm<frmCancelInBill>},
      {QStringLiteral("mnuInDailyReport"), &OpenMenuForm<frmInBillReport>},
      {QStringLiteral("mnuInSearchReport"), &OpenMenuForm<frmInBillReportAll>},
      {QStringLiteral("mnuInDischarge"), &OpenMenuForm<frmDischarge>},
      {QStringLiteral("mnuConBill"), &OpenMenuForm<frmAddConsultant>},
      {QStringLiteral("mnuAddDrDetail"), &OpenMenuForm<frmAddDoctorDetail>},
      {QStringLiteral("mnuXRayTestNames"), &OpenMenuForm<frmAddXRayDetails>},
      {QStringLiteral("mnuLabTestNames"), &OpenMenuForm<frmAddLabDetails>},
      {QStringLiteral("mnuCopyDatabase"), &OpenMenuForm<frmCopyDB>},
      {QStringLiteral("mnuInBill"), &OpenMenuForm<frmCancelInBillReport>},
  };
  return forms;
}

void copyTree(const QString& from, const QString& to) {
  QDirIterator it(from, QDir::Files, QDirIterator::Subdirectories);
  while (it.hasNext()) {
    const QString src = it.next();
    const QString target = QDir(to).filePath(QDir(from).relativeFilePath(src));
    QDir().mkpath(QFileInfo(target).path());
    QFile::copy(src, target);
  }
}

// A small hospital's first weeks: a few doctors, patients, tests and bills, the latest of today.
bool fillDatabase(const QString& path) {
  const QDate today = Today();
  auto day = [&](int back) { return today.addDays(-back).toString(Qt::ISODate); };
  const QString sql = QStringLiteral(
      "BEGIN;"
      "INSERT INTO SettingDrDetails VALUES"
      " ('Dr Meera Nair','Meera','Nair','Female','9847012345','0481256012','1979-04-12','47','','Rose Villa, Pala',"
      "  'meera@halvion.example','Consultant','MD','General Medicine','09:00','13:00','Mon Tue Wed Thu Fri'),"
      " ('Dr Anand Varma','Anand','Varma','Male','9847056789','','1984-09-30','42','','12 Hill Road, Kottayam',"
      "  '','Consultant','MS','Orthopaedics','14:00','18:00','Mon Wed Fri'),"
      " ('Dr Rekha Thomas','Rekha','Thomas','Female','9447011223','','1990-01-05','36','','Lake View, Vaikom',"
      "  '','Resident','MBBS','Paediatrics','08:00','20:00','Tue Thu Sat');"
      "INSERT INTO SettingsOutPatient VALUES"
      " ('OP1','Beena Joseph','','Female','9846123456','','1985-03-02','41','','Rose Villa','Pala'),"
      " ('OP2','Ravi Kumar','','Male','9895001122','','1962-11-20','64','','14 Church Road','Kottayam'),"
      " ('OP3','Chitra Menon','','Female','9400011223','','2018-07-14','8','','Lake View','Vaikom'),"
      " ('OP4','Joseph Mathew','','Male','9847333444','','1990-05-09','36','','5 Market Street','Ettumanoor');"
      "INSERT INTO SettingsInPatient VALUES"
      " ('IP1','Thomas Kurian','','Male','9846777888','','1958-02-17','68','','Kurian House','Pala',"
      "  'Patient','','Rest and review','Fever','Stable',NULL,'No',2000),"
      " ('IP2','Lakshmi Pillai','','Female','9847999000','','1975-08-23','51','','Pillai Bhavan','Kumily',"
      "  'Patient','','Physiotherapy','Fracture','Improving',NULL,'No',5000);"
      "INSERT INTO SettingsLab VALUES ('Blood Sugar','60'),('CBC','150'),('Lipid Profile','400'),"
      " ('Urine Routine','80');"
      "INSERT INTO SettingsXRay VALUES ('Chest PA','350','250'),('Hand AP','300','200'),('Knee Lateral','320','220');"
      "INSERT INTO OutPatientPrintDetails VALUES"
      " (1,'%1','150','50','','','','','','200','Ravi Kumar','OP2','Available'),"
      " (2,'%2','150','','','','200','','','350','Beena Joseph','OP1','Available'),"
      " (3,'%3','100','','','','','','','100','Chitra Menon','OP3','Deleted'),"
      " (4,'%3','150','50','','','','','','200','Joseph Mathew','OP4','Available'),"
      " (5,'%3','150','','','','','400','','550','Ravi Kumar','OP2','Available');"
      "UPDATE SettingsOutBillNo SET BillNo = 5;"
      "INSERT INTO InPatientPrintDetails VALUES"
      " (1,'%2','','','','','','','','','','','2000','Thomas Kurian','IP1','Available','2000'),"
      " (2,'%3','1500','1000','600','','','350','150','','','','3600','Lakshmi Pillai','IP2','Available','5000'),"
      " (3,'%3','','','','','','','','','','','1000','Thomas Kurian','IP1','Deleted','1000');"
      "UPDATE SettingsInBillNo SET BillNo = 3;"
      "INSERT INTO LabPrintDetails VALUES"
      " (1,'%2','CBC','150','','210','210','Beena Joseph','OP1','Available'),"
      " (1,'%2','Blood Sugar','60','','210','210','Beena Joseph','OP1','Available'),"
      " (2,'%3','Lipid Profile','400','10','400','360','Ravi Kumar','OP2','Available'),"
      " (3,'%3','Urine Routine','80','','80','80','Chitra Menon','OP3','Deleted');"
      "UPDATE SettingsLabBillNo SET BillNo = 3;"
      "INSERT INTO XRayPrintDetails VALUES"
      " (1,'%2','Chest PA','350','','350','350','Ravi Kumar','OP2','Available'),"
      " (2,'%3','Knee Lateral','320','','620','620','Lakshmi Pillai','IP2','Available'),"
      " (2,'%3','Hand AP','300','','620','620','Lakshmi Pillai','IP2','Available'),"
      " (3,'%3','Hand AP','200','','200','200','Chitra Menon','OP3','Deleted');"
      "UPDATE SettingsXRayBillNo SET BillNo = 3;"
      "INSERT INTO SettingsConsultant VALUES ('%2','Dr Anand Varma','500','IP2'),"
      " ('%3','Dr Meera Nair','300','IP1');"
      "INSERT INTO SettingsEmployeeDetails(EmployeeID, FirstName, LastName, Sex, Address) VALUES"
      " ('7','Ravi','Kumar','Male','Flat 4, 18 Harbour View Road, near the old fish market');"
      "COMMIT;")
                          .arg(day(6), day(2), day(0));
  sqlite3* db = nullptr;
  bool ok = sqlite3_open_v2(path.toUtf8().constData(), &db, SQLITE_OPEN_READWRITE, nullptr) == SQLITE_OK;
  char* err = nullptr;
  if (ok) ok = sqlite3_exec(db, sql.toUtf8().constData(), nullptr, nullptr, &err) == SQLITE_OK;
  if (!ok) say(QStringLiteral("cannot fill the scratch database: %1").arg(QString::fromUtf8(err ? err : sqlite3_errmsg(db))));
  sqlite3_free(err);
  sqlite3_close(db);
  return ok;
}

void click(QWidget* w) { QTest::mouseClick(w, Qt::LeftButton, {}, w->rect().center()); }
void type(QWidget* w, const QString& text) {
  w->setFocus();
  QTest::keyClicks(w, text);
}
// The lists the completion leaves open close, as when the user moves on.
void closePopups() {
  for (int i = 0; i < 10 && QApplication::activePopupWidget(); ++i) {
    QApplication::activePopupWidget()->close();
    wait(50);
  }
}
void choose(QComboBox* box, const QString& text) {
  type(box, text);
  closePopups();
}
// A bill form's patient: the identifier typed, and Enter to choose it.
void choosePatient(QComboBox* box, const QString& id) { choose(box, id + QLatin1Char('\r')); }
void pick(QComboBox* box, const QString& text) {
  const int at = box->findText(text);
  if (at >= 0) box->setCurrentIndex(at);
  closePopups();
}
void report(QWidget* form, ImageButton* generate) {
  const auto pickers = form->findChildren<QDateEdit*>();
  if (pickers.size() > 1) pickers.front()->setDate(Today().addDays(-7));
  click(generate);
}

// A little of what a user types into the forms that start empty.
void fillForm(VbForm* form) {
  if (auto* f = qobject_cast<frmBill*>(form)) {
    choosePatient(&f->cmbPatientName, QStringLiteral("OP2"));
    pick(&f->cmbDrName, QStringLiteral("Dr Meera Nair"));
    type(&f->Text1[0], QStringLiteral("150"));
    type(&f->Text1[1], QStringLiteral("50"));
    type(&f->Text1[4], QStringLiteral("200"));
    click(&f->Picture1);
    type(&f->Text2, QStringLiteral("Injection"));
    type(&f->Text1[6], QStringLiteral("35"));
    f->CheckBox2.setChecked(true);
    click(&f->Picture1);
    f->CheckBox1.setChecked(true);
  } else if (auto* f = qobject_cast<frmInBill*>(form)) {
    choosePatient(&f->cmbPatientName, QStringLiteral("IP1"));
    pick(&f->cmbDrName, QStringLiteral("Dr Meera Nair"));
    type(&f->Text1[0], QStringLiteral("1500"));
    type(&f->Text1[1], QStringLiteral("1000"));
    type(&f->Text1[2], QStringLiteral("600"));
    click(&f->Picture1);
  } else if (auto* f = qobject_cast<TestBillForm*>(form)) {
    const bool lab = f->Kind() == TestBillKind::Lab;
    choosePatient(&f->cmbPatientName, lab ? QStringLiteral("OP1") : QStringLiteral("OP2"));
    pick(&f->cmbDrName, QStringLiteral("Dr Rekha Thomas"));
    for (const QString& test : lab ? QStringList{QStringLiteral("CBC"), QStringLiteral("Blood Sugar")}
                                   : QStringList{QStringLiteral("Chest PA")}) {
      f->cmbDescription.setEditText(QString());
      choose(&f->cmbDescription, test);
      click(&f->Picture1);
    }
    f->cmbDescription.setEditText(QString());
  } else if (auto* f = qobject_cast<DetailCard*>(form)) {  // the patient searches
    const bool out = qobject_cast<frmViewOutPatient*>(form) != nullptr;
    f->cmbDrName.setEditText(out ? QStringLiteral("Beena Joseph") : QStringLiteral("Thomas Kurian"));
    click(&f->Picture1);
  } else if (auto* f = dynamic_cast<frmCancelBill*>(form)) {
    choose(&f->cmbBillNumber, QStringLiteral("4"));
  } else if (auto* f = dynamic_cast<frmCancelInBill*>(form)) {
    choose(&f->cmbBillNumber, QStringLiteral("2"));
  } else if (auto* f = dynamic_cast<TestCancelForm*>(form)) {
    choose(&f->cmbBillNumber, QStringLiteral("2"));
  } else if (auto* f = qobject_cast<BillReportForm*>(form)) {
    report(f, &f->Picture1);
  }
  closePopups();
}

// The menu form the command opened: the one the main window's area shows in front.
VbForm* openedForm(frmMain* main) {
  if (auto* active = qobject_cast<VbForm*>(gActiveForm.data())) return active;
  const auto windows = main->MDIClient.subWindowList(QMdiArea::StackingOrder);
  for (auto it = windows.rbegin(); it != windows.rend(); ++it)
    if ((*it)->isVisible())
      if (auto* f = qobject_cast<VbForm*>((*it)->widget())) return f;
  return nullptr;
}

void closeForm(VbForm* form) {
  if (!form) return;
  form->Unload();
  wait(200);
}

QString shotName(int index, VbForm* form) {
  return QStringLiteral("%1-%2").arg(index, 2, 10, QLatin1Char('0')).arg(QString::fromLatin1(form->metaObject()->className()));
}

// The list a record form's View All opens, pictured and closed.
template <class List>
void shootList(Tour& tour, RecordForm* form, const QString& name) {
  click(&form->Picture8);
  wait(300);
  if (List* list = LoadedForm<List>()) {
    tour.shoot(list->FormWindow(), name + QStringLiteral("-") + QString::fromLatin1(list->metaObject()->className()));
    closeForm(list);
  } else {
    say(QStringLiteral("  View All opened no list"));
  }
}

// What a user reaches from a menu form after its first look, each pictured with the form's name
// and what it shows.
void moreOf(Tour& tour, VbForm* form, const QString& name) {
  if (auto* f = dynamic_cast<frmAddDoctorDetail*>(form)) {
    click(&f->Picture5);  // New
    type(&f->txtDoctorID, QStringLiteral("Dr Esi Mensah"));
    type(&f->txtFirstName, QStringLiteral("Esi"));
    type(&f->txtLastName, QStringLiteral("Mensah"));
    f->cmbSex.setEditText(QStringLiteral("Female"));
    type(&f->txtMobilePhone, QStringLiteral("9847123456"));
    type(&f->txtHomePhone, QStringLiteral("0481765432"));
    f->DTPicker1.setDate(QDate(1975, 6, 14));
    type(&f->txtPagerNumber, QStringLiteral("55"));
    f->txtAddress.setPlainText(QStringLiteral("14 Ring Road\nPala"));
    type(&f->txtEmailId, QStringLiteral("esi@halvion.example"));
    type(&f->txtDoctorType, QStringLiteral("Consultant"));
    type(&f->txtQualification, QStringLiteral("MD"));
    type(&f->txtSpecialization, QStringLiteral("Paediatrics"));
    f->DTPicker2.setTime(QTime(9, 0));
    f->DTPicker3.setTime(QTime(13, 30));
    frmAvailableDays::LookUp(f);
    wait(300);
    if (auto* days = LoadedForm<frmAvailableDays>()) {
      for (int row : {1, 2, 4})
        if (QListWidgetItem* item = days->List1.item(row)) item->setSelected(true);
      tour.shoot(days->FormWindow(), name + QStringLiteral("-frmAvailableDays"));
      click(&days->Picture1);
      wait(200);
    }
    closePopups();
    tour.shoot(f->FormWindow(), name + QStringLiteral("-new"));
    click(&f->Picture9);  // Save
    click(&f->Picture1);  // away to the first and back to the last, the one just saved
    click(&f->Picture4);
    tour.shoot(f->FormWindow(), name + QStringLiteral("-saved"));
    shootList<frmViewAllDoctors>(tour, f, name);
  } else if (auto* f = dynamic_cast<frmAddOutPatient*>(form)) {
    shootList<frmViewOutPatientDetails>(tour, f, name);
  } else if (auto* f = dynamic_cast<frmAddInPatient*>(form)) {
    shootList<frmViewInPatientDetails>(tour, f, name);
  } else if (auto* f = dynamic_cast<frmAddLabDetails*>(form)) {
    shootList<frmViewAllLab>(tour, f, name);
  } else if (auto* f = dynamic_cast<frmAddXRayDetails*>(form)) {
    click(&f->Picture5);
    tour.shoot(f->FormWindow(), name + QStringLiteral("-new"));
    click(&f->Picture10);  // Cancel
    shootList<frmViewAllXRay>(tour, f, name);
  } else if (auto* f = dynamic_cast<frmAddConsultant*>(form)) {
    click(&f->Picture5);
    closePopups();
    tour.shoot(f->FormWindow(), name + QStringLiteral("-new"));
    click(&f->Picture10);
  } else if (auto* f = dynamic_cast<frmAddNewUser*>(form)) {
    click(&f->Picture5);
    type(&f->txtUserName, QStringLiteral("dora"));
    type(&f->txtPassword, QStringLiteral("secret"));
    type(&f->txtConfirmPassword, QStringLiteral("secret"));
    QTest::mouseClick(&f->Option1[2], Qt::LeftButton);
    tour.shoot(f->FormWindow(), name + QStringLiteral("-new"));
    click(&f->Picture10);
  }
  closePopups();
}

// A card the menu does not open: as it loads, then with a record shown.
void shootCard(Tour& tour, DetailCard* card, const QString& name, const QString& typed) {
  tour.shoot(card->FormWindow(), name + QStringLiteral("-load"));
  if (typed.isEmpty()) {
    card->cmbDrName.setCurrentIndex(0);
  } else {
    choose(&card->cmbDrName, typed);
  }
  click(&card->Picture1);
  closePopups();
  tour.shoot(card->FormWindow(), name);
  closeForm(card);
}

// The forms no menu command opens, opened straight away.
void shootOtherForms(Tour& tour, int index) {
  auto name = [&](VbForm* form) { return shotName(index++, form); };
  if (auto* card = ShowForm<frmViewDrDetails>()) shootCard(tour, card, name(card), QStringLiteral("Dr M"));
  if (auto* card = ShowForm<frmViewEmpDetails>()) shootCard(tour, card, name(card), QStringLiteral("Ra"));
  if (auto* card = ShowForm<frmViewUserDetails>()) shootCard(tour, card, name(card), QString());
  if (auto* f = ShowForm<frmReprintInBill>()) {
    choosePatient(&f->cmbPatientName, QStringLiteral("IP2"));
    type(&f->Text2, QStringLiteral("Oxygen"));
    type(&f->Text1[9], QStringLiteral("75"));
    f->CheckBox2.setChecked(true);
    click(&f->Picture1);
    closePopups();
    tour.shoot(f->FormWindow(), name(f));
    closeForm(f);
  }
}

// The commands of the main window's menu movie (its menu bar is made anew each time the menu
// comes back), each with its item, in the order shown.
std::vector<std::pair<QString, QAction*>> menuCommands(frmMain* main, QMenuBar** bar = nullptr) {
  std::vector<std::pair<QString, QAction*>> out;
  QMenuBar* found = main->ShockwaveFlash2.findChild<QMenuBar*>();
  if (bar) *bar = found;
  if (!found) return out;
  auto add = [&](QAction* a) {
    if (!a->data().toString().isEmpty()) out.emplace_back(a->data().toString(), a);
  };
  for (QAction* top : found->actions()) {
    if (QMenu* menu = top->menu()) {
      for (QAction* item : menu->actions()) add(item);
    } else {
      add(top);
    }
  }
  return out;
}

QAction* menuItem(frmMain* main, const QString& command) {
  for (const auto& [c, a] : menuCommands(main))
    if (c == command) return a;
  return nullptr;
}

int runTour(Tour& tour) {
  // The splash, then the login it opens.
  LoadForm<frmLoading>();
  if (auto* splash = LoadedForm<frmLoading>(); splash && waitFor([&] { return splash->isVisible(); }))
    tour.shoot(splash, QStringLiteral("00-frmLoading"));
  frmLogin* login = nullptr;
  if (!waitFor([&] { return (login = LoadedForm<frmLogin>()) && login->isVisible(); }, 15000)) {
    say(QStringLiteral("the login window never showed"));
    return 1;
  }
  wait(300);
  type(&login->txtUserName, QStringLiteral("tumbo"));
  type(&login->txtPassword, QStringLiteral("tumbo"));
  tour.shoot(login, QStringLiteral("01-frmLogin"));
  click(&login->Picture1);

  frmMain* main = nullptr;
  if (!waitFor([&] { return (main = LoadedForm<frmMain>()) && main->isVisible(); })) {
    say(QStringLiteral("the main window never showed"));
    return 1;
  }
  wait(500);
  tour.shoot(main, QStringLiteral("02-frmMain"));

  QMenuBar* bar = nullptr;
  QStringList commands;
  for (const auto& entry : menuCommands(main, &bar)) commands << entry.first;
  if (commands.empty()) {
    say(QStringLiteral("the main window shows no menu"));
    return 1;
  }
  // The Admin menu with its first group dropped down, as the user sees it.
  if (QAction* first = bar->actions().value(0); first && first->menu()) {
    bar->setActiveAction(first);
    wait(400);
    tour.shoot(main, QStringLiteral("03-frmMain-menu"));
    first->menu()->hide();
    bar->setActiveAction(nullptr);
    wait(200);
  }

  int index = 10;
  for (const QString& command : commands) {
    if (command == QLatin1String("mnuexit")) continue;
    QAction* item = menuItem(main, command);
    if (!item) {
      say(QStringLiteral("%1: the menu does not show it now").arg(command));
      continue;
    }
    say(QStringLiteral("%1 (%2)").arg(command, item->text()));
    gActiveForm = nullptr;
    item->trigger();  // as the click on the menu item does
    wait(300);
    VbForm* form = openedForm(main);
    if (!form) {
      const auto pending = pendingForms().find(command);
      if (pending == pendingForms().end()) {
        say(QStringLiteral("  opens nothing"));
        continue;
      }
      say(QStringLiteral("  not wired in the main window yet: opened straight away"));
      try {
        pending->second();
      } catch (...) {
        say(QStringLiteral("  its load failed"));
      }
      wait(300);
      form = openedForm(main);
      if (!form) {
        say(QStringLiteral("  it closed itself"));
        continue;
      }
    }
    fillForm(form);
    wait(200);
    const QString name = shotName(index++, form);
    tour.shoot(form->FormWindow(), name);
    moreOf(tour, form, name);
    closeForm(form);
  }
  shootOtherForms(tour, index);
  return tour.failures ? 1 : 0;
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  app.setApplicationName(QStringLiteral("Halvion"));
  app.setQuitOnLastWindowClosed(false);

  const QString out = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("build/screenshots");
  if (!QDir().mkpath(out)) {
    say(QStringLiteral("cannot make the folder %1").arg(out));
    return 1;
  }

  // The program folder is a scratch copy: the user's own database is never opened.
  QTemporaryDir scratch;
  if (!scratch.isValid()) return 1;
  copyTree(QStringLiteral(HALVION_ASSETS_DIR), scratch.path());
  const QString db = QDir(scratch.path()).filePath(QString::fromLatin1(kDatabaseFileName));
  try {
    CreateDatabase(db);
  } catch (const std::exception& e) {
    say(QStringLiteral("cannot make the scratch database: %1").arg(QString::fromLocal8Bit(e.what())));
    return 1;
  }
  if (!fillDatabase(db)) return 1;
  SetAppPath(scratch.path());
  SetMessageBoxService(std::make_shared<AnsweringBoxes>());
  SetEndHandler([] { say(QStringLiteral("  the program asked to end")); });

  Tour tour(out);
  tour.folder = scratch.path();
  const int rc = runTour(tour);
  ResetForms();
  SetMessageBoxService(nullptr);
  return rc;
}
