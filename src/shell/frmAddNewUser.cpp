#include "shell/frmAddNewUser.h"

#include <QColor>
#include <QFont>
#include <QPalette>

#include "data/users.h"
#include "framework/keyfilters.h"
#include "framework/listform.h"
#include "framework/twips.h"
#include "globals.h"
#include "platform/msgbox.h"
#include "platform/vbruntime.h"
#include "shell/frmViewAllUsers.h"

namespace {
const char* const kUserTypes[] = {"Admin", "Doctor", "Employee"};
}  // namespace

RecordFormConfig frmAddNewUser::UserFormConfig() {
  RecordFormConfig c;
  c.caption = QStringLiteral("                        Add New User Details");
  c.height = 6300;
  c.width = 10995;
  c.helpTip = QStringLiteral("Example : User Name may be john123,kip1980 and Etc .. ");
  c.read = UsersRead();
  c.keyColumn = kUserKeyColumn;
  return c;
}

frmAddNewUser::frmAddNewUser() : RecordForm(UserFormConfig()) {
  const QFont labelFont(QStringLiteral("Arial"), 10, QFont::Bold);
  const struct {
    QLabel* label;
    const char* text;
    int top;
  } labels[] = {{&Label9, "User Name", 1260},
                {&Label4, "Password", 1860},
                {&Label5, "Confirm Password", 2460},
                {&Label1, "User Type", 3060}};
  for (const auto& l : labels) {
    l.label->setText(QLatin1String(l.text));
    l.label->setFont(labelFont);
    l.label->setStyleSheet(QStringLiteral("color: #8e3b52; background: transparent;"));
    MoveTwips(l.label, 2160, l.top, 2280, 300);
  }
  Label9.setBuddy(&txtUserName);
  Label4.setBuddy(&txtPassword);
  Label5.setBuddy(&txtConfirmPassword);

  const QFont boxFont(QStringLiteral("Arial"), 9, QFont::Bold);
  const struct {
    QLineEdit* box;
    int top;
  } boxes[] = {{&txtUserName, 1230}, {&txtPassword, 1830}, {&txtConfirmPassword, 2430}};
  for (const auto& b : boxes) {
    b.box->setFont(boxFont);
    MoveTwips(b.box, 4560, b.top, 3360, 330);
  }
  for (QLineEdit* box : {&txtPassword, &txtConfirmPassword}) {
    box->setEchoMode(QLineEdit::Password);
    box->setStyleSheet(QStringLiteral("lineedit-password-character: 42;"));  // one "*" a character
  }

  const char* const captions[] = {"Admin", "Doctor", "Nurse/System Manager"};
  const int lefts[] = {4560, 5760, 7080}, widths[] = {1080, 1200, 2520};
  for (int i = 0; i < 3; ++i) {
    QRadioButton& option = Option1[std::size_t(i)];
    option.setText(QLatin1String(captions[i]));
    option.setFont(labelFont);
    QPalette pal = option.palette();  // a style sheet would hide the empty circles
    pal.setColor(QPalette::WindowText, QColor(0x8e, 0x3b, 0x52));
    option.setPalette(pal);
    MoveTwips(&option, lefts[i], 3030, widths[i], 360);
    optionGroup_.addButton(&option, i);
    connect(&option, &QRadioButton::toggled, this, [this, i](bool on) {
      if (on) Option1_Click(i);
    });
  }
  setTabOrder(&txtUserName, &txtPassword);
  setTabOrder(&txtPassword, &txtConfirmPassword);
  setTabOrder(&txtConfirmPassword, &Option1[0]);

  MoveTwips(&Picture11, 8100, 1215, 360, 360);
  PlaceRecordButtons(1440, 4680, 5350);

  WireKeyPress(&txtUserName, [this](int& KeyAscii) { txtUserName_KeyPress(KeyAscii); });
}

frmAddNewUser::~frmAddNewUser() = default;

void frmAddNewUser::Option1_Click(int Index) {
  if (Index < 0 || Index > 2) return;
  Option1[std::size_t(Index)].setChecked(true);
  UserType = QLatin1String(kUserTypes[Index]);
}

void frmAddNewUser::txtUserName_KeyPress(int& KeyAscii) { KeyAscii = NameOnlyKeyPress(&txtUserName, KeyAscii); }

void frmAddNewUser::unselectOptions() {
  optionGroup_.setExclusive(false);
  for (QRadioButton& o : Option1) o.setChecked(false);
  optionGroup_.setExclusive(true);
}

void frmAddNewUser::ClearOwnState() {
  UserType.clear();
  unselectOptions();
}

void frmAddNewUser::ClearInputs() {
  txtUserName.clear();
  txtPassword.clear();
  txtConfirmPassword.clear();
  unselectOptions();
}

void frmAddNewUser::display() {
  const UserAccount account = ReadUserAccount(*MainRecordset);
  txtUserName.setText(account.userName.value_or(QString()));
  const QString password = PlainPassword(account);
  txtPassword.setText(password);
  txtConfirmPassword.setText(password);
  const QString t = ShownUserType(account);
  for (int i = 0; i < 3; ++i) {
    if (t == QLatin1String(kUserTypes[i])) {
      Option1[std::size_t(i)].setChecked(true);
      UserType = t;
      return;
    }
  }
  // A type that is none of the three must not leave the previous row's type to be saved here.
  unselectOptions();
  UserType.clear();
}

bool frmAddNewUser::ValidateSave() {
  auto refuse = [](const char* text, QLineEdit* focus) {
    MsgBox(QLatin1String(text), vbCritical);
    if (focus) focus->setFocus();
    return false;
  };
  if (Trim(txtUserName.text()).isEmpty()) return refuse("Please Fill the UserName", &txtUserName);
  if (DuplicateKeyFound()) {
    MsgBox(QStringLiteral("Please Select the Another User Name\r\nThis User Name Already Assigned"), vbCritical,
           QStringLiteral("Warning"));
    txtUserName.setFocus();
    return false;
  }
  if (Trim(txtPassword.text()).isEmpty()) return refuse("Please Fill the Password", &txtPassword);
  if (Trim(txtConfirmPassword.text()).isEmpty())
    return refuse("Please Fill the ConfirmPassword", &txtConfirmPassword);
  if (Trim(txtPassword.text()) != Trim(txtConfirmPassword.text())) {
    MsgBox(QStringLiteral("Password Doesnt Match Please Fill It"), vbCritical);
    txtPassword.clear();
    txtConfirmPassword.clear();
    txtPassword.setFocus();
    return false;
  }
  if (Trim(UserType).isEmpty()) return refuse("Please Select Any User Type", nullptr);
  // The row being modified may keep its type, or become an Admin, or stop being one while
  // another Admin account is stored.
  if (EditFlag && Trim(UserType) != QLatin1String(kUserTypes[0]) && currentRowIsLastAdmin()) {
    MsgBox(QStringLiteral("At least one Admin account must remain"), vbCritical, QStringLiteral("Warning"));
    return false;
  }
  return true;
}

void frmAddNewUser::WriteColumns() {
  WriteUserAccount(*MainRecordset, txtUserName.text(), txtPassword.text(), UserType);
}

void frmAddNewUser::ViewAllRecords() { LookUp<frmViewAllUsers>(this); }

void frmAddNewUser::ModifyAccepted() { modifiedName_ = ReadUserAccount(*MainRecordset).userName.value_or(QString()); }

void frmAddNewUser::RecordSaved(bool modified) {
  // The logged-in account renamed: the password change and the guard against deleting it find
  // the account by the logged-in name, which is now the stored one.
  if (modified && !gUserName.isEmpty() && modifiedName_ == gUserName)
    gUserName = txtUserName.text();  // stored as typed
  modifiedName_.clear();
}

bool frmAddNewUser::currentRowIsLastAdmin() {
  if (!MainRecordset || !MainRecordset->HasCurrentRow()) return false;
  const StoredAccount account = FindStoredAccount(*LookupRecordset, ReadUserAccount(*MainRecordset).userId);
  return account.found && account.admin && account.otherAdmins == 0;
}

QString frmAddNewUser::deleteRefusal() {
  // No row, or none on screen (a name typed over, the boxes emptied by Cancel): the record
  // protocol gives its own answer first, as on every record form.
  if (!MainRecordset || MainRecordset->State() != adStateOpen || !MainRecordset->HasCurrentRow() ||
      KeyText().isEmpty() || !ShowsCurrentRow())
    return {};
  const StoredAccount account = FindStoredAccount(*LookupRecordset, ReadUserAccount(*MainRecordset).userId);
  if (!account.found) return {};
  // Without an Admin account nobody could ever reach this form again to make one.
  if (account.admin && account.otherAdmins == 0) return QStringLiteral("You cannot delete the last Admin account");
  if (!gUserName.isEmpty() && account.name == gUserName)
    return QStringLiteral("You cannot delete the account you are logged in with");
  return {};
}

void frmAddNewUser::Picture7_Click() {
  QString refusal;
  try {
    refusal = deleteRefusal();
  } catch (const DbError& e) {
    MsgBox(e.Description());
    return;
  }
  if (!refusal.isEmpty()) {
    MsgBox(refusal, vbCritical, QStringLiteral("Warning"));
    return;
  }
  RecordForm::Picture7_Click();
}
