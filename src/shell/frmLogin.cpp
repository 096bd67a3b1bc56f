#include "shell/frmLogin.h"

#include <QApplication>
#include <QDir>
#include <QEvent>
#include <QProxyStyle>

#include "data/users.h"
#include "data/vbdes.h"
#include "framework/databaseerror.h"
#include "framework/formdesign.h"
#include "framework/mainmenus.h"
#include "framework/twips.h"
#include "globals.h"
#include "platform/msgbox.h"
#include "platform/system.h"
#include "platform/vbruntime.h"
#include "shell/frmLoading.h"
#include "shell/frmMain.h"

namespace {
// The password box shows a "*" for every character, whatever the desktop's style would draw.
class StarPasswordStyle final : public QProxyStyle {
public:
  int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                QStyleHintReturn* returnData) const override {
    if (hint == QStyle::SH_LineEdit_PasswordCharacter) return '*';
    return QProxyStyle::styleHint(hint, option, widget, returnData);
  }
};
}  // namespace

frmLogin::frmLogin() : VbForm(Kind::TopLevel) {
  setWindowTitle(QStringLiteral("          Login"));
  Move(0, 0, 4545, 2955);

  Label1.setText(QStringLiteral("&User Name"));
  MoveTwips(&Label1, 240, 960, 1575, 255);
  Label1.setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  Label1.setBuddy(&txtUserName);
  MoveTwips(&txtUserName, 2040, 960, 1815, 330);

  Label2.setText(QStringLiteral("&Password"));
  MoveTwips(&Label2, 480, 1440, 1335, 255);
  Label2.setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  Label2.setBuddy(&txtPassword);
  MoveTwips(&txtPassword, 2040, 1440, 1815, 330);
  txtPassword.setEchoMode(QLineEdit::Password);
  passwordStyle_ = std::make_unique<StarPasswordStyle>();
  txtPassword.setStyle(passwordStyle_.get());

  MoveTwips(&Picture1, 1680, 2160, 495, 375);
  Picture1.setCursor(Qt::PointingHandCursor);

  Text1.hide();
  Text2.hide();
  setTabOrder(&txtUserName, &txtPassword);

  connect(&txtUserName, &QLineEdit::returnPressed, this, [this] { txtPassword.setFocus(); });
  connect(&txtPassword, &QLineEdit::returnPressed, this, &frmLogin::Picture1_Click);
  connect(&Picture1, &ImageButton::Click, this, &frmLogin::Picture1_Click);
  connect(&ShockwaveFlash2, &FlashMovie::FSCommand, this, &frmLogin::ShockwaveFlash2_FSCommand);

  SetCurrentUserTypeBox(&Text1);
  SetCipherScratch([this](const QString& text) {
    Text2.setText(text);
    return Text2.text();
  });
}

frmLogin::~frmLogin() {
  SetCipherScratch({});
  if (CurrentUserTypeBox() == &Text1) SetCurrentUserTypeBox(nullptr);
}

bool frmLogin::event(QEvent* e) {
  switch (e->type()) {
    case QEvent::Show:
      // Showing the window activates it: the set-up runs as it first appears.
      if (!shownOnce_) {
        shownOnce_ = true;
        const bool handled = VbForm::event(e);
        Form_Activate();
        return handled;
      }
      break;
    case QEvent::WindowDeactivate: {
      // Only a move to another window of the program makes the return here an activation; a
      // message box of our own or another application does not.
      QWidget* next = QApplication::activeWindow();
      cameFromOurForm_ = next && next != this && qobject_cast<VbForm*>(next) != nullptr;
      break;
    }
    case QEvent::WindowActivate:
      if (cameFromOurForm_) {
        cameFromOurForm_ = false;
        const bool handled = VbForm::event(e);
        Form_Activate();
        return handled;
      }
      break;
    default:
      break;
  }
  return VbForm::event(e);
}

void frmLogin::Form_QueryUnload(int& cancel, int unloadMode) {
  if (unloadMode != vbFormControlMenu) return;
  cancel = 1;
  ShockwaveFlash2_FSCommand(QStringLiteral("Close"), QString());
}

void frmLogin::Form_Activate() {
  // Each step goes on whatever became of the one before.
  QDir::setCurrent(AppPath());
  DesignLoginForm(this, &ShockwaveFlash1, &ShockwaveFlash2, &ShockwaveFlash3, 2955, 4545,
                  QStringLiteral("          Login"), &Image1);
  CenterForm();
  Picture1.setPicture(QStringLiteral("Login1.gif"));
  ConnectDB();
  txtUserName.setFocus();
}

void frmLogin::Picture1_Click() {
  rsUser_ = std::make_unique<Recordset>();
  try {
    rsUser_->Open(UsersRead(), gCon, adOpenDynamic, adLockOptimistic);
  } catch (const DbError&) {
    // The table cannot be read (the connection failed, or the file went bad since).
    DatabaseErrorEnd();
    return;
  }

  if (rsUser_->RecordCount() == 0) {
    MsgBox(QStringLiteral("No User Found"), vbCritical, QStringLiteral("Warning"));
    RestoreTaskBar();
    RestoreResolution();
    Hide();
    End();
    return;
  }

  rsUser_->MoveFirst();
  const long rows = rsUser_->RecordCount();
  for (long i = 0; i < rows; ++i) {
    const UserAccount account = ReadUserAccount(*rsUser_);
    gUserName = account.userName.value_or(QString());
    if (AccountOpensWith(account, txtUserName.text(), txtPassword.text())) {
      Hide();
      Text1.setText(PlainUserType(account));
      gUserType = Text1.text();
      ShowForm<frmMain>();
      return;
    }
    rsUser_->MoveNext();
  }

  MsgBox(QStringLiteral("User Name Or Password Wrong "), vbCritical, QStringLiteral("Wrong Info"));
  txtUserName.clear();
  txtPassword.clear();
  txtUserName.setFocus();
}

void frmLogin::ShockwaveFlash2_FSCommand(const QString& command, const QString& args) {
  (void)args;
  if (Trim(command.toLower()) != QStringLiteral("close")) return;
  RestoreTaskBar();
  RestoreResolution();
  Hide();
  End();
}
