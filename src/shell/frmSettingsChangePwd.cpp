#include "shell/frmSettingsChangePwd.h"

#include <QFont>

#include "data/users.h"
#include "framework/databaseerror.h"
#include "framework/twips.h"
#include "globals.h"
#include "platform/ado.h"
#include "platform/msgbox.h"
#include "platform/system.h"
#include "platform/vbruntime.h"

frmSettingsChangePwd::frmSettingsChangePwd()
    : MenuForm({.caption = QStringLiteral("         Settings Change Password"), .height = 3675, .width = 6780}) {
  const QFont labelFont(QStringLiteral("Arial"), 10, QFont::Bold);
  Label1.setText(QStringLiteral("New Password"));
  Label2.setText(QStringLiteral("Confirm New Password"));
  for (QLabel* l : {&Label1, &Label2}) {
    l->setFont(labelFont);
    l->setStyleSheet(QStringLiteral("color: #8e3b52; background: transparent;"));
  }
  MoveTwips(&Label1, 840, 1080, 2280, 300);
  MoveTwips(&Label2, 840, 1620, 2280, 300);
  Label1.setBuddy(&txtPassword);
  Label2.setBuddy(&txtConfirmPassword);

  const QFont boxFont(QStringLiteral("Arial"), 9, QFont::Bold);
  for (QLineEdit* box : {&txtPassword, &txtConfirmPassword}) {
    box->setFont(boxFont);
    box->setEchoMode(QLineEdit::Password);
    // One "*" for each typed character.
    box->setStyleSheet(QStringLiteral("lineedit-password-character: 42;"));
  }
  MoveTwips(&txtPassword, 3240, 1050, 2055, 330);
  MoveTwips(&txtConfirmPassword, 3240, 1590, 2055, 330);
  setTabOrder(&txtPassword, &txtConfirmPassword);

  MoveTwips(&Picture1, 2160, 2400, 870, 360);
  MoveTwips(&Picture2, 3720, 2400, 870, 360);
  MoveTwips(&Picture11, 5520, 1020, 765, 465);
  Label3.hide();

  connect(&Picture1, &ImageButton::Click, this, &frmSettingsChangePwd::Picture1_Click);
  connect(&Picture2, &ImageButton::Click, this, &frmSettingsChangePwd::Picture2_Click);
  PlaceMoviesAfterControls();
}

frmSettingsChangePwd::~frmSettingsChangePwd() = default;

std::vector<MenuPicture> frmSettingsChangePwd::MenuPictures() {
  return OkCancelPictures(&Picture1, &Picture2, &Label3, &Picture11, QStringLiteral("Enter your New Password Here!"));
}

void frmSettingsChangePwd::LoadMenuForm() {
  Label3.hide();

  MainRecordset = std::make_unique<Recordset>();
  if (!OpenOrEnd(*this, *MainRecordset, UsersRead())) return;
  txtPassword.setFocus(Qt::OtherFocusReason);
}

void frmSettingsChangePwd::Picture1_Click() {
  const QString title = QStringLiteral("Warning");
  if (Trim(txtPassword.text()).isEmpty()) {
    MsgBox(QStringLiteral("Please Mentioned New Password"), vbCritical, title);
    txtPassword.setFocus(Qt::OtherFocusReason);
    return;
  }
  if (Trim(txtConfirmPassword.text()).isEmpty()) {
    MsgBox(QStringLiteral("Please Mentioned Confirm New Password"), vbCritical, title);
    txtConfirmPassword.setFocus(Qt::OtherFocusReason);
    return;
  }
  if (Trim(txtPassword.text()) != Trim(txtConfirmPassword.text())) {
    MsgBox(QStringLiteral("Password Doesnt match! Please Type Correctly"), vbCritical, title);
    txtPassword.clear();
    txtConfirmPassword.clear();
    txtPassword.setFocus(Qt::OtherFocusReason);
    return;
  }

  Recordset& rs = *MainRecordset;
  if (!MoveToAccount(rs, gUserName)) return;

  try {
    ChangeAccountPassword(rs, txtPassword.text());
  } catch (const DbError& e) {
    // Not changed: the form stays open, so the user does not take the new password for saved.
    rs.CancelUpdate();
    MsgBox(e.Description());
    return;
  }
  CloseForm();
}

void frmSettingsChangePwd::Picture2_Click() { CloseForm(); }
