#include "masters/frmAddDoctorDetail.h"

#include <QFont>
#include <QSignalBlocker>

#include "framework/keyfilters.h"
#include "framework/listform.h"
#include "framework/tooltip.h"
#include "framework/trimpicture.h"
#include "framework/twips.h"
#include "masters/agetext.h"
#include "masters/frmAvailableDays.h"
#include "masters/frmViewAllDoctors.h"
#include "platform/msgbox.h"
#include "platform/system.h"
#include "platform/vbruntime.h"

namespace {
const QString kWarning = QStringLiteral("Warning");
constexpr int kLabelWidth = 2295, kLabelHeight = 255, kBoxWidth = 2775;
}  // namespace

RecordFormConfig frmAddDoctorDetail::DoctorFormConfig() {
  RecordFormConfig c;
  c.caption = QString(18, QLatin1Char(' ')) + QStringLiteral("Settings Doctor Details");
  c.height = 6705;
  // Wide enough for the right-hand column and its "..." button: at the designed 8695 the day
  // picker's button and half the inputs would lie outside the window.
  c.width = 13815;
  c.sql = QStringLiteral("SELECT * FROM SettingDrDetails");
  c.keyColumn = 0;
  c.refusalTitle = kWarning;
  return c;
}

frmAddDoctorDetail::frmAddDoctorDetail() : RecordForm(DoctorFormConfig()) {
  const QFont labelFont(QStringLiteral("Arial"), 10, QFont::Bold);
  const QFont boxFont(QStringLiteral("Arial"), 9, QFont::Bold);

  // The name rows of the left column; the doctor name sits one row below the last name so that
  // neither box covers the other.
  const struct {
    QLabel* label;
    const char* text;
    int left, top;
    QWidget* box;
    int boxLeft, boxHeight;
  } rows[] = {
      {&Label9, "First Name", 1800, 1320, &txtFirstName, 4200, 330},
      {&Label4, "Last Name", 1800, 1680, &txtLastName, 4200, 330},
      {&Label8, "Doctor Name", 1800, 2040, &txtDoctorID, 4200, 330},
      {&Label17, "Address", 8040, 960, &txtAddress, 9960, 645},
      {&Label14, "Email Id", 8040, 1680, &txtEmailId, 9960, 330},
      {&Label15, "Doctor Type", 8040, 2040, &txtDoctorType, 9960, 330},
      {&Label12, "Qualification", 8040, 2400, &txtQualification, 9960, 330},
      {&Label13, "Specialization", 8040, 2760, &txtSpecialization, 9960, 330},
      {&Label10, "In Time", 8040, 3120, &DTPicker2, 9960, 300},
      {&Label11, "Out Time", 8040, 3480, &DTPicker3, 9960, 300},
      // Two rows high, so that it ends above the sex row instead of running under it.
      {&Label18, "Available Days", 8040, 3840, &txtAvailabledays, 9960, 570},
      {&Label5, "Sex", 7800, 4440, &cmbSex, 10200, 315},
      {&Label1, "Mobile Phone", 7800, 4800, &txtMobilePhone, 10200, 330},
      {&Label2, "Home Phone", 7800, 5160, &txtHomePhone, 10200, 330},
      {&Label6, "Date Of Birth", 7800, 5520, &DTPicker1, 10200, 330},
      {&Label7, "Age", 7800, 5880, &txtAge, 10200, 330},
      {&Label16, "Pager Number", 7800, 6240, &txtPagerNumber, 10200, 330},
  };
  for (const auto& r : rows) {
    r.label->setText(QLatin1String(r.text));
    r.label->setFont(labelFont);
    r.label->setStyleSheet(QStringLiteral("color: #8e3b52; background: transparent;"));
    MoveTwips(r.label, r.left, r.top, kLabelWidth, kLabelHeight);
    r.label->setBuddy(r.box);
    r.box->setFont(boxFont);
    MoveTwips(r.box, r.boxLeft, r.top, kBoxWidth, r.boxHeight);
  }
  for (QPlainTextEdit* box : {&txtAddress, &txtAvailabledays}) box->setTabChangesFocus(true);

  Command1.setText(QStringLiteral("..."));
  MoveTwips(&Command1, 12960, 3720, 615, 495);
  connect(&Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });

  cmbSex.setEditable(true);
  cmbSex.setInsertPolicy(QComboBox::NoInsert);
  cmbSex.addItem(QStringLiteral("Male"));
  cmbSex.addItem(QStringLiteral("Female"));
  cmbSex.setCurrentIndex(-1);

  DTPicker1.setDisplayFormat(QStringLiteral("dd/MM/yyyy"));
  DTPicker1.setCalendarPopup(true);
  connect(&DTPicker1, &QDateEdit::dateChanged, this, [this] { DTPicker1_Change(); });
  for (QTimeEdit* t : {&DTPicker2, &DTPicker3}) t->setDisplayFormat(QStringLiteral("HH:mm"));

  MoveTwips(&Picture12, 7080, 2040, 360, 360);
  MoveTwips(&Picture11, 13080, 4440, 360, 360);  // clear of the sex box

  // The record bar: New .. View All above the navigation buttons, Save and Cancel in the places
  // of Modify and Delete.
  const int navLefts[] = {2400, 3240, 4080, 4920};
  for (int i = 0; i < 4; ++i) MoveTwips(RecordButton(i + 1), navLefts[i], 5040, 810, 750);
  const int commandLefts[] = {120, 2160, 4320, 6480};
  for (int i = 0; i < 4; ++i) MoveTwips(RecordButton(i + 5), commandLefts[i], 3360, 960, 420);
  MoveTwips(&Picture9, 2160, 3480, 960, 420);
  MoveTwips(&Picture10, 4320, 3480, 960, 420);

  QWidget* order[] = {&txtFirstName, &txtLastName, &txtDoctorID, &txtAddress, &txtEmailId, &txtDoctorType,
                      &txtQualification, &txtSpecialization, &DTPicker2, &DTPicker3, &txtAvailabledays,
                      &Command1, &cmbSex, &txtMobilePhone, &txtHomePhone, &DTPicker1, &txtAge,
                      &txtPagerNumber};
  for (std::size_t i = 0; i + 1 < std::size(order); ++i) setTabOrder(order[i], order[i + 1]);

  WireKeyPress(&txtFirstName, [this](int& k) { k = NameOnlyKeyPress(&txtFirstName, k); });
  WireKeyPress(&txtLastName, [this](int& k) { k = NameOnlyKeyPress(&txtLastName, k); });
  WireKeyPress(&cmbSex, [this](int& k) { k = AutoCompleteKeyPress(&cmbSex, k, false); });
  WireKeyPress(&txtMobilePhone, [this](int& k) { k = NumberOnlyKeyPress(&txtMobilePhone, k, false); });
  WireKeyPress(&txtHomePhone, [this](int& k) { k = NumberOnlyKeyPress(&txtHomePhone, k, false); });
  WireKeyPress(&txtPagerNumber, [this](int& k) { k = NumberOnlyKeyPress(&txtPagerNumber, k, false); });
  WireKeyPress(&txtAge, [this](int& k) { k = NumberOnlyKeyPress(&txtAge, k, true); });
}

frmAddDoctorDetail::~frmAddDoctorDetail() = default;

void frmAddDoctorDetail::Form_Load() {
  {
    // The load sets the pickers; only the user's change of the birth date computes an age.
    const QSignalBlocker block(&DTPicker1);
    DTPicker1.setDate(Today());
  }
  DTPicker2.setTime(QTime(0, 0));
  DTPicker3.setTime(QTime(0, 0));

  Picture12.setPicture(QStringLiteral("help1.gif"));
  TrimPictureBox(&Picture12);
  AddToolTip(&Picture12, QStringLiteral("Example : Dr.Zerdan , M.B.B.S"), this);
  RecordForm::Form_Load();
  // The help icon on the right carries no tip of its own.
  Picture11.setToolTip(QString());
}

void frmAddDoctorDetail::display() { txtDoctorID.setText(MainRecordset->Fields(0).toText()); }

void frmAddDoctorDetail::ClearInputs() { txtDoctorID.clear(); }

void frmAddDoctorDetail::emptyAllInputs() {
  txtDoctorID.clear();
  txtFirstName.clear();
  txtLastName.clear();
  cmbSex.setCurrentIndex(-1);
  cmbSex.setEditText(QString());
  txtMobilePhone.clear();
  txtHomePhone.clear();
  txtAge.clear();
  txtPagerNumber.clear();
  txtAddress.clear();
  txtEmailId.clear();
  txtDoctorType.clear();
  txtQualification.clear();
  txtSpecialization.clear();
  txtAvailabledays.clear();
}

bool frmAddDoctorDetail::ValidateSave() {
  if (Trim(txtDoctorID.text()).isEmpty()) {
    Refuse(QStringLiteral("Please Fill the DoctorID"));
    txtDoctorID.setFocus();
    return false;
  }
  if (DuplicateKeyFound()) {
    MsgBox(QStringLiteral("Please Select the Another Doctor Id\r\nThis Doctor ID Already Assigned"), vbCritical,
           kWarning);
    txtDoctorID.setFocus();
    return false;
  }
  return true;
}

void frmAddDoctorDetail::WriteColumns() { MainRecordset->SetField(0, txtDoctorID.text()); }

void frmAddDoctorDetail::ViewAllRecords() { LookUp<frmViewAllDoctors>(this); }

void frmAddDoctorDetail::Picture6_Click() {
  EditFlag = true;
  if (txtDoctorID.text().isEmpty()) {
    Refuse(QStringLiteral("Please select any Record"));
    return;
  }
  const QString notAvailable = QStringLiteral("Not Available");
  for (QLineEdit* box : findChildren<QLineEdit*>())
    if (Trim(box->text()) == notAvailable) box->clear();
  for (QPlainTextEdit* box : {&txtAddress, &txtAvailabledays})
    if (Trim(box->toPlainText()) == notAvailable) box->clear();
  RecordForm::Picture6_Click();
}

void frmAddDoctorDetail::Picture7_Click() {
  // Nothing on the screen names a doctor: nothing to ask about.
  if (txtDoctorID.text().isEmpty()) {
    Refuse(QStringLiteral("Please select any Record"));
    return;
  }
  RecordForm::Picture7_Click();
}

void frmAddDoctorDetail::Picture10_Click() {
  const bool hasRows = MainRecordset && MainRecordset->State() == adStateOpen && MainRecordset->RecordCount() != 0;
  RecordForm::Picture10_Click();
  if (hasRows) {
    emptyAllInputs();
    txtDoctorID.setFocus();
  }
}

void frmAddDoctorDetail::Command1_Click() { frmAvailableDays::LookUp(this); }

void frmAddDoctorDetail::DTPicker1_Change() {
  const QDate today = Today();
  if (DTPicker1.date() > today) {
    MsgBox(QStringLiteral("Sorry ! Sir,you have not born yet. "));
    const QSignalBlocker block(&DTPicker1);
    DTPicker1.setDate(today);
  }
  txtAge.setText(ageText(today, DTPicker1.date()));
}
