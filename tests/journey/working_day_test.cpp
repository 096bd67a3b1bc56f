// A working day at the front desk, from the splash to the exit, and the next start with the
// account made during that day.
#include <QCheckBox>
#include <QDir>
#include <algorithm>
#include <QFileInfo>
#include <QPlainTextEdit>
#include <QRadioButton>

#include "billing/inpatient/frmCancelInBill.h"
#include "billing/inpatient/frmCancelInBillReport.h"
#include "billing/inpatient/frmInBill.h"
#include "billing/inpatient/frmInBillReport.h"
#include "billing/inpatient/frmInBillReportAll.h"
#include "billing/labxray/testbillform.h"
#include "billing/labxray/testcancelform.h"
#include "billing/labxray/testreportforms.h"
#include "billing/outpatient/frmBill.h"
#include "billing/outpatient/frmCancelBill.h"
#include "billing/outpatient/frmCancelOutBillReport.h"
#include "billing/outpatient/frmConsultantBillReportAll.h"
#include "billing/outpatient/frmOutBillReport.h"
#include "billing/outpatient/frmOutBillReportAll.h"
#include "journey_support.h"
#include "masters/frmAddDoctorDetail.h"
#include "masters/frmAddLabDetails.h"
#include "masters/frmAddXRayDetails.h"
#include "patients/frmAddConsultant.h"
#include "patients/frmDischarge.h"
#include "patients/patient_boxes.h"
#include "patients/patientrecord.h"
#include "data/vbdes.h"
#include "shell/frmAddNewUser.h"
#include "shell/frmChangeMenuSettings.h"
#include "shell/frmCopyDB.h"
#include "shell/frmSettingsChangePwd.h"

namespace {

const QString kPrintQuestion = QStringLiteral("Do you wish to Print this Bill");
const QString kPrinted = QStringLiteral("Bill Printed and Saved Successfully");
const QString kCancelQuestion = QStringLiteral("Do you Wish to Cancel ( Delete ) the Current Bill");
const QString kCancelled = QStringLiteral("Record Deleted ! Bill Cancelled ");
const QString kDoctor = QStringLiteral("Dr.Meera , M.B.B.S");

class WorkingDay : public JourneyTest {
protected:
  // Every row of a table in a database file, read through a connection of its own, the columns
  // of a row joined by "|".
  static QStringList tableRows(const QString& file, const QString& table) {
    auto con = std::make_shared<Connection>();
    con->Open(file);
    Recordset rs;
    rs.Open("SELECT * FROM " + table, con);
    QStringList out;
    for (rs.MoveFirst(); !rs.Eof(); rs.MoveNext()) {
      QStringList cells;
      for (int i = 0; i < rs.FieldCount(); ++i) cells << (rs.Fields(i).IsNull() ? "<null>" : rs.Fields(i).toText());
      out << cells.join('|');
    }
    return out;
  }

  void printYes() {
    boxes().expect(kPrintQuestion, "Print", vbYesNo, vbYes);
    boxes().expect(kPrinted, "Print Info", vbInformation);
  }
  void cancelYes() {
    boxes().expect(kCancelQuestion, "Warning", vbYesNo + vbCritical, vbYes);
    boxes().expect(kCancelled, "", vbInformation);
  }
  int sheets() const { return int(const_cast<WorkingDay*>(this)->printer().Sheets().size()); }
  // A printed sheet as lines, top to bottom: the texts at one height, left to right, the
  // characters of a right-aligned amount joined up into one word.
  QStringList printedLines(int sheet) {
    const auto all = printer().Sheets();
    if (sheet >= int(all.size())) return {"<no sheet>"};
    std::vector<PrintedItem> items = all[std::size_t(sheet)];
    std::stable_sort(items.begin(), items.end(),
                     [](const auto& a, const auto& b) { return a.y != b.y ? a.y < b.y : a.x < b.x; });
    QStringList lines;
    QStringList words;
    bool lastWasChar = false;
    for (std::size_t i = 0; i < items.size(); ++i) {
      if (i && items[i].y != items[i - 1].y) {
        lines << words.join(' ');
        words.clear();
        lastWasChar = false;
      }
      const bool isChar = items[i].text.size() == 1;
      if (isChar && lastWasChar && items[i].x - items[i - 1].x <= 150)
        words.back() += items[i].text;
      else
        words << items[i].text.trimmed();
      lastWasChar = isChar;
    }
    if (!words.isEmpty()) lines << words.join(' ');
    return lines;
  }

  // A new patient typed into the record form the command opens, saved with the Save button or,
  // with hotKeys, started with CTRL+A and saved with CTRL+S.
  void registerPatient(const QString& command, const QString& number, const QString& name, const QString& phone,
                       const QString& age, const QString& sex, const QString& address, const QString& location,
                       bool hotKeys) {
    PatientRecordForm* form = command == QLatin1String("mnuNewPateient")
                                  ? static_cast<PatientRecordForm*>(openFromMenu<frmAddOutPatient>(command))
                                  : static_cast<PatientRecordForm*>(openFromMenu<frmAddInPatient>(command));
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(shownMenu(), nullptr);  // the menu is hidden while the form is open
    if (hotKeys)
      PressKey(&form->txtFirstName, Qt::Key_A, Qt::ControlModifier);
    else
      Click(form->Picture5);
    ASSERT_TRUE(form->Picture9.isVisible()) << "New did not start a record";
    TypePatientBoxes(*form, number, name, phone, age, sex, address, location);
    boxes().expect("Record Saved Successfully", "Update Info", vbExclamation);
    if (hotKeys)
      PressKey(&form->txtAddress, Qt::Key_S, Qt::ControlModifier);
    else
      Click(form->Picture9);
    EXPECT_TRUE(form->Picture5.isVisible()) << "the form did not go back to browsing";
    closeForm(form);
    EXPECT_NE(shownMenu(), nullptr) << "the menu did not come back";
  }

  void addDoctor() {
    auto* form = openFromMenu<frmAddDoctorDetail>("mnuAddDrDetail");
    ASSERT_NE(form, nullptr);
    Click(form->Picture5);
    TypeOver(form->txtDoctorID, kDoctor);
    TypeOver(form->txtFirstName, "Meera");
    boxes().expect("Record Saved Successfully", "Update Info", vbExclamation);
    Click(form->Picture9);
    closeForm(form);
  }

  void addLabTest(const QString& description, const QString& amount) {
    auto* form = openFromMenu<frmAddLabDetails>("mnuLabTestNames");
    ASSERT_NE(form, nullptr);
    Click(form->Picture5);
    TypeOver(form->cmbPatientID, description);
    TypeOver(form->txtPassword, amount);
    boxes().expect("Record Saved Successfully", "Update Info", vbExclamation);
    Click(form->Picture9);
    closeForm(form);
  }

  void addXRayTest(const QString& description, const QString& adult, const QString& children) {
    auto* form = openFromMenu<frmAddXRayDetails>("mnuXRayTestNames");
    ASSERT_NE(form, nullptr);
    Click(form->Picture5);
    TypeOver(form->txtUserName, description);
    TypeOver(form->txtPassword, adult);
    TypeOver(form->txtConfirmPassword, children);
    boxes().expect("Record Saved Successfully", "Update Info", vbExclamation);
    Click(form->Picture9);
    closeForm(form);
  }

  // An out-patient bill: the patient, the doctor, the fees by box, added and printed.
  void outPatientBill(const QString& patient, const std::vector<std::pair<int, QString>>& fees, const QString& total) {
    auto* form = openFromMenu<frmBill>("mnuOutAddBill");
    ASSERT_NE(form, nullptr);
    TypeOver(form->cmbPatientName, patient);
    TypeOver(form->cmbDrName, kDoctor);
    for (const auto& [box, amount] : fees) TypeOver(form->Text1[std::size_t(box)], amount);
    Click(form->Picture1);
    EXPECT_EQ(form->txtTotal.text(), total);
    printYes();
    Click(form->Picture2);
    closeForm(form);
  }

  // An in-patient bill: a receipt when `advance` is given, else a charge bill from the boxes.
  void inPatientBill(const QString& patient, const QString& advance, const std::vector<std::pair<int, QString>>& charges,
                     const QStringList& rows, const QString& total) {
    auto* form = openFromMenu<frmInBill>("InAddBill");
    ASSERT_NE(form, nullptr);
    TypeOver(form->cmbPatientName, patient);
    TypeOver(form->cmbDrName, kDoctor);
    for (const auto& [box, amount] : charges) TypeOver(form->Text1[std::size_t(box)], amount);
    if (!advance.isEmpty()) TypeOver(form->txtAdvance, advance);
    Click(form->Picture1);
    EXPECT_EQ(rowsOf(&form->List), rows);
    EXPECT_EQ(form->txtTotal.text(), total);
    printYes();
    Click(form->Picture2);
    closeForm(form);
  }

  // A laboratory or x-ray bill of these tests.
  template <class F>
  void testBill(const QString& command, const QString& patient, const QStringList& tests, const QString& discount,
                const QString& gross, const QString& net) {
    auto* form = openFromMenu<F>(command);
    ASSERT_NE(form, nullptr);
    TypeOver(form->cmbPatientName, patient);
    TypeOver(form->cmbDrName, kDoctor);
    for (const QString& test : tests) {
      TypeOver(form->cmbDescription, test);
      Click(form->Picture1);
    }
    EXPECT_EQ(form->txtCTotal.text(), gross);
    if (!discount.isEmpty()) TypeOver(form->txtDiscount, discount);
    printYes();
    Click(form->Picture2);
    EXPECT_EQ(form->txtTotal.text(), net);
    closeForm(form);
  }

  // A bill looked up by its number in a cancel form and cancelled; the form closes itself.
  template <class F>
  void cancelBill(const QString& command, const QString& number, const QString& patientId) {
    auto* form = openFromMenu<F>(command);
    ASSERT_NE(form, nullptr);
    TypeOver(form->cmbBillNumber, number);
    EXPECT_EQ(form->txtPatientID.text(), patientId);
    cancelYes();
    Click(form->Picture1);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    if (F* still = LoadedForm<F>()) closeForm(still);
  }
  struct Report {
    QStringList rows;
    QString total;
    int sheets = 0;  // sheets the print sent
    int firstSheet = 0;
  };
  // A report form: Generate, then Print, then closed.
  template <class F>
  Report report(const QString& command, QCheckBox* (*tick)(F*) = nullptr) {
    Report out;
    auto* form = openFromMenu<F>(command);
    EXPECT_NE(form, nullptr);
    if (!form) return out;
    if (tick) {
      QCheckBox* box = tick(form);
      Tick(box);
      EXPECT_TRUE(box->isChecked());
    }
    Click(form->Picture1);
    out.rows = rowsOf(&form->List);
    out.total = form->txtTotal.text();
    const int before = sheets();
    out.firstSheet = before;
    Click(form->Picture2);
    out.sheets = sheets() - before;
    closeForm(form);
    return out;
  }

  void discharge(const QString& name, const QString& id) {
    auto* form = openFromMenu<frmDischarge>("mnuInDischarge");
    ASSERT_NE(form, nullptr);
    TypeOver(form->cmbPatientName, name);
    EXPECT_EQ(form->txtPatientID.text(), id);
    for (QPlainTextEdit* box : {&form->txtPrescription, &form->txtDisease, &form->txtHealth}) {
      TypeKeys(box, box == &form->txtPrescription ? "Rest, fluids" : box == &form->txtDisease ? "Fever" : "Good");
    }
    boxes().expect("Record Saved Successfully", "", vbOKOnly);
    Click(form->Picture1);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(LoadedForm<frmDischarge>(), nullptr);
  }

  void consultantFee(const QString& patient, const QString& amount) {
    auto* form = openFromMenu<frmAddConsultant>("mnuConBill");
    ASSERT_NE(form, nullptr);
    Click(form->Picture5);
    TypeOver(form->cmbPatientID, kDoctor);
    TypeOver(form->txtPassword, amount);
    TypeOver(form->Combo1, patient);
    boxes().expect("Record Saved Successfully", "Update Info", vbExclamation);
    Click(form->Picture9);
    closeForm(form);
  }

  void backUp() {
    auto* form = openFromMenu<frmCopyDB>("mnuCopyDatabase");
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(form->lblFilesCount.text(), home());
    boxes().expect("Do you really want to take Back-up On this Folder", "Back-up", vbYesNo, vbYes);
    boxes().expect("Back-up Successfully stored in " + home() + " this Directory");
    Click(form->Picture1);
    if (LoadedForm<frmCopyDB>()) closeForm(form);
  }

  void newDoctorAccount(const QString& name, const QString& password) {
    auto* form = openFromMenu<frmAddNewUser>("mnuNewUserAccounts");
    ASSERT_NE(form, nullptr);
    Click(form->Picture5);
    TypeOver(form->txtUserName, name);
    TypeOver(form->txtPassword, password);
    TypeOver(form->txtConfirmPassword, password);
    QRadioButton* doctor = &form->Option1[1];
    ChooseOption(doctor);
    EXPECT_TRUE(doctor->isChecked());
    boxes().expect("Record Saved Successfully", "Update Info", vbExclamation);
    Click(form->Picture9);
    closeForm(form);
  }

  void changePassword(const QString& password) {
    auto* form = openFromMenu<frmSettingsChangePwd>("mnuChangePassword");
    ASSERT_NE(form, nullptr);
    TypeOver(form->txtPassword, password);
    TypeOver(form->txtConfirmPassword, password);
    Click(form->Picture1);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(LoadedForm<frmSettingsChangePwd>(), nullptr);
  }

  void menuVertical() {
    auto* form = openFromMenu<frmChangeMenuSettings>("mnuChangeMenuView");
    ASSERT_NE(form, nullptr);
    ChooseOption(form->Option2);
    Click(form->Picture1);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(LoadedForm<frmChangeMenuSettings>(), nullptr);
  }
};

TEST_F(WorkingDay, FromTheSplashThroughTheDayToTheExitAndBackAsTheDoctor) {
  ASSERT_NE(startProgram(), nullptr);
  frmMain* main = logIn("tumbo", "tumbo");
  ASSERT_NE(main, nullptr);
  EXPECT_EQ(shownMenuFile(), "menuHr.swf");

  {
    SCOPED_TRACE("registration and masters");
    registerPatient("mnuNewPateient", "101", "Beena", "5550101", "41", "Female", "Rose Villa", "Pala", false);
    registerPatient("mnuInAdmission", "201", "Ravi", "5550201", "60", "Male", "12 Hill Road", "Brackwell", true);
    addDoctor();
    addLabTest("CBC", "150");
    addLabTest("Lipid Profile", "300");
    addXRayTest("Chest", "400", "250");
    EXPECT_EQ(scalar("SELECT group_concat(EmployeeID || ' ' || FirstName || ' ' || Sex || ' ' || Age) "
                     "FROM SettingsOutPatient"),
              "OP101 Beena Female 41");
    EXPECT_EQ(scalar("SELECT group_concat(EmployeeID || ' ' || FirstName || ' ' || Discharged) FROM SettingsInPatient"),
              "IP201 Ravi No");
    EXPECT_EQ(scalar("SELECT group_concat(DoctorID) FROM SettingDrDetails"), kDoctor);
    EXPECT_EQ(scalar("SELECT group_concat(Description || ' ' || Amount, ', ') FROM SettingsLab"),
              "CBC 150, Lipid Profile 300");
    EXPECT_EQ(scalar("SELECT group_concat(Description || ' ' || AdultAmount || ' ' || ChildrenAmount) FROM SettingsXRay"),
              "Chest 400 250");
  }

  {
    SCOPED_TRACE("bills");
    outPatientBill("OP101", {{0, "100"}, {4, "50"}}, "150");
    outPatientBill("OP101", {{0, "200"}}, "200");
    outPatientBill("OP101", {{0, "300"}}, "300");
    inPatientBill("IP201", "1000", {}, {"01|Adv.   Amt|1000.00"}, "1000");
    inPatientBill("IP201", "", {{0, "1500"}, {6, "250"}},
                  {"01|Bed Charges|1500.00", "02|Lab Charges|250.00", "|" + QString(26, ' ') + "Gross Total|1750.00",
                   "|" + QString(26, ' ') + "Less Advance|1000.00"},
                  "750");
    inPatientBill("IP201", "200", {}, {"01|Adv.   Amt|200.00"}, "200");
    testBill<frmLabBillReport>("mnuLabAddBill", "OP101", {"CBC", "Lipid Profile"}, "10", "450", "405");
    testBill<frmLabBillReport>("mnuLabAddBill", "IP201", {"CBC"}, "", "150", "150");
    testBill<frmXRayBillReport>("mnuXRayAddBill", "IP201", {"Chest"}, "", "400", "400");
    testBill<frmXRayBillReport>("mnuXRayAddBill", "OP101", {"Chest"}, "", "400", "400");
    // Each bill on its own sheet: the patient, the bill number and date, age and sex, the
    // doctor, the rows and the amount to pay.
    const QString beena = "Name  :  Beena ( OP101 )", ravi = "Name  :  Ravi ( IP201 )";
    const QString opHead = "41 Female", ipHead = "60 Male";
    const QStringList expected[] = {
        {beena, "1 10/12/2026", opHead, kDoctor, "01 Dr Fees 100.00", "02 ECG 50.00", "150.00"},
        {beena, "2 10/12/2026", opHead, kDoctor, "01 Dr Fees 200.00", "200.00"},
        {beena, "3 10/12/2026", opHead, kDoctor, "01 Dr Fees 300.00", "300.00"},
        {ravi, "1 10/12/2026", ipHead, kDoctor, "01 Adv.   Amt 1000.00", "1000.00"},
        {ravi, "2 10/12/2026", ipHead, kDoctor, "01 Bed Charges 1500.00", "02 Lab Charges 250.00",
         "Gross Total 1750.00", "Less Advance 1000.00", "750.00"},
        {ravi, "3 10/12/2026", ipHead, kDoctor, "01 Adv.   Amt 200.00", "200.00"},
        {beena, "1 10/12/2026", opHead, kDoctor, "01 CBC 150.00", "02 Lipid Profile 300.00", "Discount 10 % 45.00",
         "405.00"},
        {ravi, "2 10/12/2026", ipHead, kDoctor, "01 CBC 150.00", "150.00"},
        {ravi, "1 10/12/2026", ipHead, kDoctor, "01 XRay-Chest 400.00", "400.00"},
        {beena, "2 10/12/2026", opHead, kDoctor, "01 XRay-Chest 400.00", "400.00"},
    };
    ASSERT_EQ(sheets(), int(std::size(expected)));
    for (int i = 0; i < sheets(); ++i) {
      QStringList lines = printedLines(i);
      for (QString& line : lines) line = line.trimmed();
      EXPECT_EQ(lines, expected[i]) << "sheet " << i;
    }
    EXPECT_EQ(scalar("SELECT group_concat(BillNo || ' ' || Total, ', ') FROM OutPatientPrintDetails"),
              "1 150, 2 200, 3 300");
    EXPECT_EQ(scalar("SELECT BillNo FROM SettingsOutBillNo"), "3");
    EXPECT_EQ(scalar("SELECT BillNo FROM SettingsInBillNo"), "3");
    EXPECT_EQ(scalar("SELECT BillNo FROM SettingsLabBillNo"), "2");
    EXPECT_EQ(scalar("SELECT BillNo FROM SettingsXRayBillNo"), "2");
    EXPECT_EQ(scalar("SELECT count(*) FROM LabPrintDetails"), "3");  // a row per test
  }

  {
    SCOPED_TRACE("cancellations, discharge, consultant fee");
    cancelBill<frmCancelBill>("mnuOutCancelBill", "2", "OP101");
    cancelBill<frmCancelInBill>("InCancelBill", "3", "IP201");
    cancelBill<frmCancelLabBill>("mnuLabCancelBill", "2", "IP201");
    cancelBill<frmCancelXRayBill>("mnuXRayCancelBill", "2", "OP101");
    discharge("Ravi", "IP201");
    consultantFee("IP201", "500");
  }

  {
    SCOPED_TRACE("reports");
    const Report opDay = report<frmOutBillReport>("mnuDailyReport");
    const Report opDayEcg =
        report<frmOutBillReport>("mnuDailyReport", [](frmOutBillReport* f) { return &f->CheckBox1; });
    const Report opPeriod = report<frmOutBillReportAll>("mnuSearchReport");
    const Report opPeriodEcg =
        report<frmOutBillReportAll>("mnuSearchReport", [](frmOutBillReportAll* f) { return &f->CheckBox1; });
    const Report opCancelled = report<frmCancelOutBillReport>("mnuCancelBillReport");
    const Report consultant = report<frmConsultantBillReportAll>("mnuCon");
    const Report ipDay = report<frmInBillReport>("mnuInDailyReport");
    const Report ipPeriod = report<frmInBillReportAll>("mnuInSearchReport");
    const Report ipCancelled = report<frmCancelInBillReport>("mnuInBill");
    const Report labPeriod = report<frmLabBillReportAll>("mnuLabSearchBill");
    const Report labCancelled = report<frmCancelLabBillReport>("mnuLabBill");
    const Report xrayPeriod = report<frmXayBillReportAll>("mnuXRaySearchBill");
    const Report xrayCancelled = report<frmCancelXRayBillReport>("mnuXaryBill");
    const struct {
      const Report* report;
      QStringList rows;
      QString total;
      QString title;
    } expected[] = {
        {&opDay, {"01|3-Beena-OP101|300.00"}, "300.00", "CASH COLLECTION OUT-PATIENT BILL REPORT"},
        {&opDayEcg, {"01|1-Beena-OP101|150.00"}, "150.00", "CASH COLLECTION ECG BILL REPORT"},
        {&opPeriod, {"01|3 - Beena - 10/12/2026 - OP101|300.00"}, "300.00", "CASH COLLECTION OUT-PATIENT BILL REPORT"},
        {&opPeriodEcg, {"01|1 - Beena - 10/12/2026 - OP101|150.00"}, "150.00", "CASH COLLECTION ECG BILL REPORT"},
        {&opCancelled, {"01|Beena-OP101|2|200.00"}, "200.00", "CANCEL OUT-PATIENT BILL REPORT"},
        {&consultant, {"01|" + kDoctor + " - IP201 - 10/12/2026|500.00"}, "500.00",
         "CASH COLLECTION CONSULTANT FEE REPORT"},
        {&ipDay, {"01|1-10/12/2026-Ravi-IP201|1000.00", "02|2-10/12/2026-Ravi-IP201|750.00"}, "1750.00",
         "CASH COLLECTION IN-PATIENT BILL REPORT"},
        {&ipPeriod, {"01|1 - Ravi - 10/12/2026-IP201|1000.00", "02|2 - Ravi - 10/12/2026-IP201|750.00"}, "1750.00",
         "CASH COLLECTION IN-PATIENT BILL REPORT"},
        {&ipCancelled, {"01|Ravi-IP201|3|200.00"}, "200.00", "CANCEL IN-PATIENT BILL REPORT"},
        {&labPeriod, {"01|1 - Beena - 10/12/2026-OP101|405.00"}, "405.00", "CASH COLLECTION LAB BILL REPORT"},
        {&labCancelled, {"01|Ravi|2|150.00"}, "150.00", "CANCEL LAB BILL REPORT"},
        {&xrayPeriod, {"01|1 - Ravi - 10/12/2026-IP201|400.00"}, "400.00", "CASH COLLECTION X-RAY BILL REPORT"},
        {&xrayCancelled, {"01|Beena|2|400.00"}, "400.00", "CANCEL XRAY BILL REPORT"},
    };
    for (const auto& e : expected) {
      SCOPED_TRACE(e.title.toStdString());
      EXPECT_EQ(e.report->rows, e.rows);
      EXPECT_EQ(e.report->total, e.total);
      ASSERT_EQ(e.report->sheets, 1);
      // The sheet: the hospital's heading, the title and the total.
      const QStringList lines = printedLines(e.report->firstSheet);
      EXPECT_EQ(lines.value(0), "TALWYN HOSPITAL");
      EXPECT_TRUE(lines.contains(e.title));
      EXPECT_TRUE(lines.contains("Total : " + e.total)) << lines.join(" / ").toStdString();
    }
  }

  {
    SCOPED_TRACE("back-up, accounts, menu");
    backUp();
    newDoctorAccount("Meera", "heal42");
    changePassword("desk2026");
    menuVertical();
    EXPECT_EQ(shownMenuFile(), "menuVr.swf");
  }

  {
    SCOPED_TRACE("the database at the end of the day, and its back-up");
    EXPECT_EQ(scalar("SELECT Discharged || ' ' || DischargeDate || ' ' || DiseaseDetails FROM SettingsInPatient"),
              "Yes 2026-12-10 Fever");
    EXPECT_EQ(scalar("SELECT group_concat(BillNo || ' ' || BillDelete, ', ') FROM OutPatientPrintDetails"),
              "1 Available, 2 Deleted, 3 Available");
    EXPECT_EQ(scalar("SELECT group_concat(BillNo || ' ' || BillDelete, ', ') FROM InPatientPrintDetails"),
              "1 Available, 2 Available, 3 Deleted");
    EXPECT_EQ(scalar("SELECT group_concat(BillNo || ' ' || Description || ' ' || BillDelete, ', ') FROM LabPrintDetails"),
              "1 CBC Available, 1 Lipid Profile Available, 2 CBC Deleted");
    EXPECT_EQ(scalar("SELECT group_concat(BillNo || ' ' || PatientID || ' ' || BillDelete, ', ') FROM XRayPrintDetails"),
              "1 IP201 Available, 2 OP101 Deleted");
    EXPECT_EQ(scalar("SELECT Date || ' ' || DrName || ' ' || Amount || ' ' || PatientID FROM SettingsConsultant"),
              "2026-12-10 " + kDoctor + " 500 IP201");
    EXPECT_EQ(scalar("SELECT group_concat(UserName, ',') FROM SettingsNewUser"), "tumbo,Meera");
    EXPECT_EQ(scalar("SELECT Password FROM SettingsNewUser WHERE UserName = 'tumbo'"), CipherText("desk2026", true));
    EXPECT_EQ(scalar("SELECT UserType FROM SettingsNewUser WHERE UserName = 'Meera'"), CipherText("Doctor", true));

    // The copy was made before the accounts changed; every other table holds what the day left.
    const QString backup = QDir(home()).filePath("backupostrel.mdb");
    ASSERT_TRUE(QFileInfo::exists(backup));
    for (const char* table : {"SettingDrDetails", "SettingsLab", "SettingsXRay", "SettingsOutPatient",
                              "SettingsInPatient", "SettingsConsultant", "OutPatientPrintDetails",
                              "SettingsOutBillNo", "InPatientPrintDetails", "SettingsInBillNo", "LabPrintDetails",
                              "XRayPrintDetails", "SettingsLabBillNo", "SettingsXRayBillNo"}) {
      SCOPED_TRACE(table);
      const QStringList live = tableRows(dbPath(), table);
      EXPECT_FALSE(live.isEmpty());
      EXPECT_EQ(tableRows(backup, table), live);
    }
    EXPECT_EQ(tableRows(backup, "SettingsNewUser").size(), 1);
    EXPECT_EQ(scalar("SELECT BackupPath FROM SettingsCopyDB"), home());
  }

  exitProgram();
  processGone();

  {
    SCOPED_TRACE("the next start, as the doctor");
    // The default password was changed during the day: the start names no login any more.
    ASSERT_NE(startProgram(false), nullptr);
    ASSERT_NE(logIn("Meera", "heal42"), nullptr);
    EXPECT_EQ(shownMenuFile(), "menuUserHr.swf");
    EXPECT_FALSE(menuCommands().contains("mnuNewUserAccounts"));
    EXPECT_EQ(gUserName, "Meera");
    exitProgram();
    processGone();
  }
}

}  // namespace
