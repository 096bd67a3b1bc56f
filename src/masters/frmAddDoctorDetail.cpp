#include "masters/frmAddDoctorDetail.h"

#include <QFont>
#include <QSignalBlocker>

#include "data/doctors.h"
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
const QString kTimeFormat = QStringLiteral("HH:mm");

// A stored birth date, "dd/MM/yyyy" (or without the leading zeros, or a date column's
// "yyyy-MM-dd"); invalid when it is none.
QDate birthDate(const QString& stored) {
  const QString text = Trim(stored);
  QDate d = QDate::fromString(text, QStringLiteral("dd/MM/yyyy"));
  if (!d.isValid()) d = QDate::fromString(text, QStringLiteral("d/M/yyyy"));
  if (!d.isValid()) d = DateFromIsoText(text);
  return d;
}

// A stored hour, "HH:mm" (or "H:mm"); invalid when it is none.
QTime hourOf(const QString& stored) {
  const QString text = Trim(stored);
  QTime t = QTime::fromString(text, kTimeFormat);
  if (!t.isValid()) t = QTime::fromString(text, QStringLiteral("H:mm"));
  return t;
}

// Two columns of captions and boxes on one row grid, laid out as the patient forms are, with the
// record bar across the bottom.
constexpr int kTop = 960, kStep = 450, kBoxHeight = 330;
constexpr int kLeftLabel = 1200, kLeftBox = 3240;
constexpr int kRightLabel = 7080, kRightBox = 9000;
constexpr int kLabelWidth = 1900, kLabelHeight = 300, kBoxWidth = 3000;
constexpr int kBarTop = 5880;
}  // namespace

RecordFormConfig frmAddDoctorDetail::DoctorFormConfig() {
  RecordFormConfig c;
  c.caption = QString(18, QLatin1Char(' ')) + QStringLiteral("Settings Doctor Details");
  // Wide and high enough for both columns, the "..." button and the record bar: at the designed
  // 8695 by 6705 the day picker's button and half the inputs would lie outside the window.
  c.height = 7380;
  c.width = 13230;
  c.read = DoctorsRead();
  c.keyColumn = cols::SettingDrDetails::DoctorID;
  c.keyCaseCounts = false;  // the bill forms complete the name with case ignored
  c.refusalTitle = kWarning;
  return c;
}

frmAddDoctorDetail::frmAddDoctorDetail() : RecordForm(DoctorFormConfig()) {
  const QFont labelFont(QStringLiteral("Arial"), 10, QFont::Bold);
  const QFont boxFont(QStringLiteral("Arial"), 9, QFont::Bold);

  // The doctor's own details on the left, the working details on the right; the address and the
  // day list are two rows high. Tab goes down the left column, then down the right one.
  const struct {
    QLabel* label;
    const char* text;
    QWidget* box;
    bool right;
    int row;
    int rows;
  } rows[] = {
      {&Label9, "First Name", &txtFirstName, false, 0, 1},
      {&Label4, "Last Name", &txtLastName, false, 1, 1},
      {&Label8, "Doctor Name", &txtDoctorID, false, 2, 1},
      {&Label5, "Sex", &cmbSex, false, 3, 1},
      {&Label6, "Date Of Birth", &DTPicker1, false, 4, 1},
      {&Label7, "Age", &txtAge, false, 5, 1},
      {&Label1, "Mobile Phone", &txtMobilePhone, false, 6, 1},
      {&Label2, "Home Phone", &txtHomePhone, false, 7, 1},
      {&Label16, "Pager Number", &txtPagerNumber, false, 8, 1},
      {&Label17, "Address", &txtAddress, true, 0, 2},
      {&Label14, "Email Id", &txtEmailId, true, 2, 1},
      {&Label15, "Doctor Type", &txtDoctorType, true, 3, 1},
      {&Label12, "Qualification", &txtQualification, true, 4, 1},
      {&Label13, "Specialization", &txtSpecialization, true, 5, 1},
      {&Label10, "In Time", &DTPicker2, true, 6, 1},
      {&Label11, "Out Time", &DTPicker3, true, 7, 1},
      {&Label18, "Available Days", &txtAvailabledays, true, 8, 2},
  };
  QWidget* previous = nullptr;
  for (const auto& r : rows) {
    const int top = kTop + r.row * kStep;
    r.label->setText(QLatin1String(r.text));
    r.label->setFont(labelFont);
    r.label->setStyleSheet(QStringLiteral("color: #8e3b52; background: transparent;"));
    MoveTwips(r.label, r.right ? kRightLabel : kLeftLabel, top + 15, kLabelWidth, kLabelHeight);
    r.label->setBuddy(r.box);
    r.box->setFont(boxFont);
    MoveTwips(r.box, r.right ? kRightBox : kLeftBox, top, kBoxWidth, kBoxHeight + (r.rows - 1) * kStep);
    if (previous) setTabOrder(previous, r.box);
    previous = r.box;
  }
  setTabOrder(&txtAvailabledays, &Command1);
  for (QPlainTextEdit* box : {&txtAddress, &txtAvailabledays}) box->setTabChangesFocus(true);

  Command1.setText(QStringLiteral("..."));
  MoveTwips(&Command1, kRightBox + kBoxWidth + 120, kTop + 8 * kStep, 615, 495);
  connect(&Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });

  cmbSex.setEditable(true);
  cmbSex.setInsertPolicy(QComboBox::NoInsert);
  cmbSex.addItem(QStringLiteral("Male"));
  cmbSex.addItem(QStringLiteral("Female"));
  cmbSex.setCurrentIndex(-1);

  DTPicker1.setDisplayFormat(QStringLiteral("dd/MM/yyyy"));
  DTPicker1.setCalendarPopup(true);
  connect(&DTPicker1, &QDateEdit::dateChanged, this, [this] { DTPicker1_Change(); });
  for (QTimeEdit* t : {&DTPicker2, &DTPicker3}) t->setDisplayFormat(kTimeFormat);

  // The help icons sit right of the boxes they stand beside: the doctor name's and the sex's.
  MoveTwips(&Picture12, kLeftBox + kBoxWidth + 120, kTop + 2 * kStep - 15, 360, 360);
  MoveTwips(&Picture11, kLeftBox + kBoxWidth + 120, kTop + 3 * kStep - 15, 360, 360);

  PlaceRecordButtons(1440, kBarTop, 6960);

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
  Picture12.setPicture(QStringLiteral("help1.gif"));
  TrimPictureBox(&Picture12);
  AddToolTip(&Picture12, QStringLiteral("Example : Dr.Zerdan , M.B.B.S"), this);
  RecordForm::Form_Load();
  // The help icon on the right carries no tip of its own.
  Picture11.setToolTip(QString());
}

void frmAddDoctorDetail::showPickers(const QString& birth, const QString& in, const QString& out) {
  // Only the user's change of the birth date computes an age; the shown one is the stored one.
  storedBirth_ = birth;
  storedIn_ = in;
  storedOut_ = out;
  const QDate born = birthDate(birth);
  const QTime from = hourOf(in), to = hourOf(out);
  shownBirth_ = born.isValid() ? born : Today();
  shownIn_ = from.isValid() ? from : QTime(0, 0);
  shownOut_ = to.isValid() ? to : QTime(0, 0);
  const QSignalBlocker block(&DTPicker1);
  DTPicker1.setDate(shownBirth_);
  DTPicker2.setTime(shownIn_);
  DTPicker3.setTime(shownOut_);
}

void frmAddDoctorDetail::display() {
  const Doctor d = ReadDoctor(*MainRecordset);
  txtDoctorID.setText(d.doctorId);
  txtFirstName.setText(d.firstName);
  txtLastName.setText(d.lastName);
  cmbSex.setCurrentIndex(-1);
  cmbSex.setEditText(d.sex);
  txtMobilePhone.setText(d.mobilePhone);
  txtHomePhone.setText(d.homePhone);
  showPickers(d.dateOfBirth, d.inTime, d.outTime);
  txtAge.setText(d.age);
  txtAge.setCursorPosition(0);  // the age sentence is wider than its box: show its beginning
  txtPagerNumber.setText(d.pagerNumber);
  txtAddress.setPlainText(d.address);
  txtEmailId.setText(d.emailId);
  txtDoctorType.setText(d.doctorType);
  txtQualification.setText(d.qualification);
  txtSpecialization.setText(d.specialization);
  txtAvailabledays.setPlainText(d.availableDays);
}

void frmAddDoctorDetail::ClearInputs() {
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
  showPickers(QString(), QString(), QString());
}

bool frmAddDoctorDetail::ValidateSave() {
  if (Trim(txtDoctorID.text()).isEmpty()) {
    Refuse(QStringLiteral("Please Fill the DoctorID"), &txtDoctorID);
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

void frmAddDoctorDetail::WriteColumns() {
  Doctor d;
  d.doctorId = txtDoctorID.text();
  d.firstName = txtFirstName.text();
  d.lastName = txtLastName.text();
  d.sex = cmbSex.currentText();
  d.mobilePhone = txtMobilePhone.text();
  d.homePhone = txtHomePhone.text();
  // A picker left as shown gives back the text it was shown from.
  d.dateOfBirth = DTPicker1.date() == shownBirth_ ? storedBirth_ : DateText(DTPicker1.date());
  d.age = txtAge.text();
  d.pagerNumber = txtPagerNumber.text();
  d.address = txtAddress.toPlainText();
  d.emailId = txtEmailId.text();
  d.doctorType = txtDoctorType.text();
  d.qualification = txtQualification.text();
  d.specialization = txtSpecialization.text();
  d.inTime = DTPicker2.time() == shownIn_ ? storedIn_ : DTPicker2.time().toString(kTimeFormat);
  d.outTime = DTPicker3.time() == shownOut_ ? storedOut_ : DTPicker3.time().toString(kTimeFormat);
  d.availableDays = txtAvailabledays.toPlainText();
  WriteDoctor(*MainRecordset, d);
}

void frmAddDoctorDetail::ViewAllRecords() { LookUp<frmViewAllDoctors>(this); }

void frmAddDoctorDetail::ModifyAccepted() {
  const QString notAvailable = QStringLiteral("Not Available");
  for (QLineEdit* box : findChildren<QLineEdit*>())
    if (Trim(box->text()) == notAvailable) box->clear();
  for (QPlainTextEdit* box : {&txtAddress, &txtAvailabledays})
    if (Trim(box->toPlainText()) == notAvailable) box->clear();
}

void frmAddDoctorDetail::Picture7_Click() {
  // Nothing on the screen names a doctor: nothing to ask about.
  if (txtDoctorID.text().isEmpty()) {
    Refuse(QStringLiteral("Please select any Record"));
    return;
  }
  RecordForm::Picture7_Click();
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
