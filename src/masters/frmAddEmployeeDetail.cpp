#include "masters/frmAddEmployeeDetail.h"

#include <QEvent>
#include <QFont>
#include <QSignalBlocker>

#include "data/employees.h"
#include "framework/keyfilters.h"
#include "framework/listform.h"
#include "framework/tooltip.h"
#include "framework/trimpicture.h"
#include "framework/twips.h"
#include "masters/agetext.h"
#include "masters/frmViewEmployeeDetails.h"
#include "platform/msgbox.h"
#include "platform/system.h"
#include "platform/vbruntime.h"

namespace {
const QString kWarning = QStringLiteral("Warning");
const QString kNotAvailable = QStringLiteral("Not Available");
constexpr int kLabelWidth = 2295, kLabelHeight = 255, kBoxWidth = 2055;
}  // namespace

QDate EmployeeBirthDate(const QString& stored) {
  const QString text = Trim(stored);
  QDate d = QDate::fromString(text, QStringLiteral("dd/MM/yyyy"));
  if (!d.isValid()) d = QDate::fromString(text, QStringLiteral("d/M/yyyy"));
  return d;
}

RecordFormConfig frmAddEmployeeDetail::EmployeeFormConfig() {
  RecordFormConfig c;
  c.caption = QString(24, QLatin1Char(' ')) + QStringLiteral("Add Employee Details");
  c.height = 8220;
  c.width = 13230;
  c.helpTip = QStringLiteral("Example : Nurses , Office Admin and Etc .. ");
  c.read = EmployeesRead();
  c.keyColumn = cols::SettingsEmployeeDetails::EmployeeID;
  c.refusalTitle = kWarning;
  c.hotKeys = false;
  c.keyBeforeTable = true;
  return c;
}

frmAddEmployeeDetail::frmAddEmployeeDetail() : RecordForm(EmployeeFormConfig()) {
  setWindowTitle(QStringLiteral("Settings Employee Details"));
  QFont labelFont(QStringLiteral("Arial"));
  labelFont.setPointSizeF(9.75);
  labelFont.setBold(true);
  const QFont boxFont(QStringLiteral("Arial"), 9, QFont::Bold);

  const struct {
    QLabel* label;
    const char* text;
    int left, top;
    QWidget* box;
    int boxLeft, boxHeight;
  } rows[] = {
      {&Label8, "Employee Id", 1800, 1320, &txtEmployeeID, 4200, 330},
      {&Label9, "First Name", 1800, 1680, &txtFirstName, 4200, 330},
      {&Label4, "Last Name", 1800, 2040, &txtLastName, 4200, 330},
      {&Label5, "Sex", 1800, 2400, &cmbSex, 4200, 315},
      {&Label1, "Mobile Phone", 1800, 2760, &txtMobilePhone, 4200, 330},
      {&Label2, "Home Phone", 1800, 3120, &txtHomePhone, 4200, 330},
      {&Label6, "Date Of Birth", 1800, 3480, &DTPicker1, 4200, 325},
      {&Label7, "Age", 7200, 1320, &txtAge, 9600, 330},
      {&Label16, "Pager Number", 7200, 1680, &txtPagerNumber, 9600, 330},
      {&Label17, "Address", 7200, 2040, &txtAddress, 9600, 645},
      {&Label14, "Email Id", 7200, 2760, &txtEmailId, 9600, 285},
      {&Label15, "Employee Type", 7200, 3120, &txtEmployeeType, 9600, 330},
      {&Label12, "Qualification", 7200, 3480, &txtQualification, 9600, 330},
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
  for (std::size_t i = 0; i + 1 < std::size(rows); ++i) setTabOrder(rows[i].box, rows[i + 1].box);
  const char* const names[] = {"txtEmployeeID", "txtFirstName",   "txtLastName", "cmbSex",         "txtMobilePhone",
                               "txtHomePhone",  "DTPicker1",      "txtAge",      "txtPagerNumber", "txtAddress",
                               "txtEmailId",    "txtEmployeeType", "txtQualification"};
  for (std::size_t i = 0; i < std::size(rows); ++i) rows[i].box->setObjectName(QLatin1String(names[i]));
  txtAddress.setTabChangesFocus(true);

  cmbSex.setEditable(true);
  cmbSex.setInsertPolicy(QComboBox::NoInsert);
  cmbSex.addItem(QStringLiteral("Male"));
  cmbSex.addItem(QStringLiteral("Female"));
  cmbSex.setCurrentIndex(-1);

  DTPicker1.setDisplayFormat(QStringLiteral("dd/MM/yyyy"));
  DTPicker1.setCalendarPopup(true);
  connect(&DTPicker1, &QDateEdit::dateChanged, this, [this] { DTPicker1_Change(); });

  WireKeyPress(&txtEmployeeID, [this](int& k) { k = NumberOnlyKeyPress(&txtEmployeeID, k, false); });
  WireKeyPress(&txtFirstName, [this](int& k) { k = NameOnlyKeyPress(&txtFirstName, k); });
  WireKeyPress(&txtLastName, [this](int& k) { k = NameOnlyKeyPress(&txtLastName, k); });
  WireKeyPress(&cmbSex, [this](int& k) { k = AutoCompleteKeyPress(&cmbSex, k, false); });
  WireKeyPress(&txtMobilePhone, [this](int& k) { k = NumberOnlyKeyPress(&txtMobilePhone, k, false); });
  WireKeyPress(&txtHomePhone, [this](int& k) { k = NumberOnlyKeyPress(&txtHomePhone, k, false); });
  WireKeyPress(&txtPagerNumber, [this](int& k) { k = NumberOnlyKeyPress(&txtPagerNumber, k, false); });
  txtEmailId.installEventFilter(this);

  // The record bar.
  MoveTwips(&Picture5, 2880, 4920, 1245, 465);
  const int commandLefts[] = {4920, 7080, 9240};
  for (int i = 0; i < 3; ++i) MoveTwips(RecordButton(i + 6), commandLefts[i], 4920, 1005, 465);
  MoveTwips(&Picture9, 4920, 5040, 1005, 465);
  MoveTwips(&Picture10, 7080, 5040, 1005, 465);
  const int navLefts[] = {5280, 6120, 6960, 7800};
  for (int i = 0; i < 4; ++i) MoveTwips(RecordButton(i + 1), navLefts[i], 5760, 885, 825);
  MoveTwips(&Picture12, 6360, 1920, 765, 465);
  MoveTwips(&Picture11, 12120, 3000, 765, 465);

  // The close movie acts through its command; the minimise movie's command is ignored.
  disconnect(&ShockwaveFlash2, &FlashMovie::GotFocus, this, nullptr);
  connect(&ShockwaveFlash2, &FlashMovie::FSCommand, this, &frmAddEmployeeDetail::ShockwaveFlash2_FSCommand);
}

frmAddEmployeeDetail::~frmAddEmployeeDetail() = default;

void frmAddEmployeeDetail::Form_Load() {
  RecordForm::Form_Load();
  if (!IsLoaded()) return;
  Picture12.setPicture(QStringLiteral("help1.gif"));
  TrimPictureBox(&Picture12);
  AddToolTip(&Picture12, QStringLiteral("Last Name May be Your Initial or Father Name "), this);
}

void frmAddEmployeeDetail::ShockwaveFlash2_FSCommand(const QString& command, const QString& args) {
  (void)args;
  if (Trim(command).toLower() == QLatin1String("close")) {
    CloseForm();
  }
}

bool frmAddEmployeeDetail::eventFilter(QObject* watched, QEvent* event) {
  // A click in the e-mail box puts the caret behind the address, ready to go on typing.
  if (watched == &txtEmailId && event->type() == QEvent::MouseButtonRelease)
    txtEmailId.setCursorPosition(int(txtEmailId.text().size()));
  return RecordForm::eventFilter(watched, event);
}

void frmAddEmployeeDetail::setPicker(const QDate& date) {
  const QSignalBlocker block(&DTPicker1);
  DTPicker1.setDate(date);
}

void frmAddEmployeeDetail::DTPicker1_Change() {
  const QDate today = Today();
  if (today < DTPicker1.date()) {
    MsgBox(QStringLiteral("Sorry ! Sir,you have not born yet. "));
    setPicker(today);
  }
  showAge(ageText(today, DTPicker1.date()));
}

void frmAddEmployeeDetail::showAge(const QString& age) {
  txtAge.setText(age);
  txtAge.setCursorPosition(0);  // the sentence is wider than its box: show its beginning
}

void frmAddEmployeeDetail::display() {
  const Employee e = ReadEmployee(*MainRecordset);
  txtEmployeeID.setText(e.employeeId);
  txtFirstName.setText(e.firstName);
  txtLastName.setText(e.lastName);
  cmbSex.setCurrentIndex(-1);
  cmbSex.setEditText(e.sex);
  txtMobilePhone.setText(e.mobilePhone);
  txtHomePhone.setText(e.homePhone);
  // A birth date that was never stored, or is no date, leaves the picker at today.
  const QDate born = EmployeeBirthDate(e.dateOfBirth);
  setPicker(born.isValid() ? born : Today());
  showAge(e.age);
  txtPagerNumber.setText(e.pagerNumber);
  txtAddress.setPlainText(e.address);
  txtEmailId.setText(e.emailId);
  txtEmployeeType.setText(e.employeeType);
  txtQualification.setText(e.qualification);
}

void frmAddEmployeeDetail::ClearInputs() {
  txtEmployeeID.clear();
  txtFirstName.clear();
  txtLastName.clear();
  cmbSex.setCurrentIndex(-1);
  cmbSex.setEditText(QString());
  txtMobilePhone.clear();
  txtHomePhone.clear();
  setPicker(Today());
  txtAge.clear();
  txtPagerNumber.clear();
  txtAddress.clear();
  txtEmailId.clear();
  txtEmployeeType.clear();
  txtQualification.clear();
}

bool frmAddEmployeeDetail::askNotAvailable(QLineEdit& box, const QString& question) {
  if (MsgBox(question, vbYesNo + vbCritical, kWarning) == vbYes) {
    box.setFocus();
    return false;
  }
  box.setText(kNotAvailable);
  return true;
}

bool frmAddEmployeeDetail::ValidateSave() {
  if (DuplicateKeyFound()) {
    Refuse(QStringLiteral("Please Select the Another Employee Id\r\nThis Employee ID Already Assigned"), &txtEmployeeID);
    return false;
  }
  if (RefuseFirstBlank({{txtEmployeeID.text(), "Please Fill the Employee ID", &txtEmployeeID},
                        {txtFirstName.text(), "Please Fill the First Name", &txtFirstName},
                        {txtLastName.text(), "Please Fill the LastName", &txtLastName},
                        {cmbSex.currentText(), "Please Select the Sex", &cmbSex},
                        {txtAddress.toPlainText(), "Please Fill the Address", &txtAddress}}))
    return false;
  DTPicker1_Change();
  if (DTPicker1.date() == Today()) {
    Refuse(QStringLiteral("Please Select the Correct Date"), &DTPicker1);
    return false;
  }
  if (Trim(txtEmployeeType.text()).isEmpty()) {
    Refuse(QStringLiteral("Please Fill the Employee Type"), &txtEmployeeType);
    return false;
  }
  if (Trim(txtQualification.text()).isEmpty()) {
    Refuse(QStringLiteral("Please Fill the Qualification"), &txtQualification);
    return false;
  }
  if (Trim(txtMobilePhone.text()).isEmpty() &&
      !askNotAvailable(txtMobilePhone, QStringLiteral("Please Fill the Mobile Phone\r\nDo u have Mobile then Press "
                                                      "'Yes' Otherwise Press 'No'")))
    return false;
  if (Trim(txtHomePhone.text()).isEmpty() &&
      !askNotAvailable(txtHomePhone, QStringLiteral("Please Fill the Home Phone\r\nDo u have Home Phone then Press "
                                                    "'Yes' Otherwise Press 'No'")))
    return false;
  if (Trim(txtEmailId.text()).isEmpty() &&
      !askNotAvailable(txtEmailId, QStringLiteral("Please Fill the Email ID \r\nDo u have Mail ID then Press 'Yes' "
                                                  "Otherwise Press 'No'")))
    return false;
  if (Trim(txtPagerNumber.text()).isEmpty()) txtPagerNumber.setText(kNotAvailable);
  return true;
}

void frmAddEmployeeDetail::WriteColumns() {
  Employee e;
  e.employeeId = txtEmployeeID.text();
  e.firstName = txtFirstName.text();
  e.lastName = txtLastName.text();
  e.sex = cmbSex.currentText();
  e.mobilePhone = txtMobilePhone.text();
  e.homePhone = txtHomePhone.text();
  e.dateOfBirth = DateText(DTPicker1.date());
  e.age = txtAge.text();
  e.pagerNumber = txtPagerNumber.text();
  e.address = txtAddress.toPlainText();
  e.emailId = txtEmailId.text();
  e.employeeType = txtEmployeeType.text();
  e.qualification = txtQualification.text();
  WriteEmployee(*MainRecordset, e);
}

void frmAddEmployeeDetail::ViewAllRecords() { LookUp<frmViewEmployeeDetails>(this); }

void frmAddEmployeeDetail::ModifyAccepted() {
  // The boxes declared absent become empty, so that the save asks about them again.
  for (QLineEdit* box : {&txtEmployeeID, &txtFirstName, &txtLastName, &txtMobilePhone, &txtHomePhone, &txtAge,
                         &txtPagerNumber, &txtEmailId, &txtEmployeeType, &txtQualification})
    if (Trim(box->text()) == kNotAvailable) box->clear();
  if (Trim(txtAddress.toPlainText()) == kNotAvailable) txtAddress.clear();
}
