// The login window: the user-table check typed into the real boxes, its messages, the ordered
// end on an empty table and on the close movie, and when its set-up (and so the connection) runs.
#include <gtest/gtest.h>

#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include "data/vbdes.h"
#include "framework/mainmenus.h"
#include "framework/vbform.h"
#include "globals.h"
#include "platform/system.h"
#include "shell/frmLogin.h"
#include "shell/frmMain.h"
#include "support/desktop_fake.h"
#include "support/fixture.h"
#include "support/input.h"

namespace {

const QString kWrong = QStringLiteral("User Name Or Password Wrong ");

class LoginTest : public HalvionTest {
protected:
  void SetUp() override {
    HalvionTest::SetUp();
    SetEndHandler([this] {
      ++ends;
      desktop->log << QStringLiteral("end");
    });
    // The restores must ask for the mode the machine had.
    gScreenWidth = 1280;
    gScreenHeight = 1024;
    gScreenBits = 32;
  }
  void TearDown() override {
    ResetForms();
    ClearMainMenuHooks();
    HalvionTest::TearDown();
  }

  static QString cipher(const char* text) { return CipherText(QString::fromUtf8(text), true); }
  void addUser(const QString& name, const QString& password, const QString& type) {
    auto quoted = [](const QString& v) { return v.isNull() ? QStringLiteral("NULL") : "'" + v + "'"; };
    exec(QStringLiteral("INSERT INTO SettingsNewUser(UserName, Password, UserType) VALUES (%1, %2, %3)")
             .arg(quoted(name), quoted(password), quoted(type)));
  }

  frmLogin* openLogin() {
    frmLogin* login = ShowForm<frmLogin>();
    EXPECT_NE(login, nullptr);
    return login;
  }
  // Types into the boxes as a user does and presses Enter in each.
  static void typeAndEnter(frmLogin* login, const QString& name, const QString& password) {
    TypeKeys(login->txtUserName, name);
    PressKey(login->txtUserName, Qt::Key_Return);
    EXPECT_EQ(login->focusWidget(), &login->txtPassword);
    TypeKeys(login->txtPassword, password);
    PressKey(login->txtPassword, Qt::Key_Return);
  }

  DesktopFakeScope desktop;
  int ends = 0;
};

TEST_F(LoginTest, UserTableCheckIsExactAndTheFirstMatchingRowWins) {
  exec("DELETE FROM SettingsNewUser");
  addUser("tumbo", cipher("tumbo"), cipher("Admin"));
  addUser("Doc", cipher(" pass "), cipher("Doctor"));  // stored with blanks at its ends
  addUser("Doc", cipher("second"), cipher("Employee"));
  addUser(QString(), QString(), cipher("Admin"));      // no name, no password
  addUser("nopass", QString(), cipher("Admin"));
  addUser(QString(), cipher("x"), cipher("Admin"));
  addUser("Guest", cipher("guest"), QString());       // no type: no menu later

  const struct {
    const char* name;
    const char* password;
    const char* type;  // nullptr: refused
  } cases[] = {
      {"tumbo", "tumbo", "Admin"},
      {"Tumbo", "tumbo", nullptr},
      {"tumbo", "TUMBO", nullptr},
      {"tumbo ", "tumbo", nullptr},
      {"tumbo", " tumbo", nullptr},
      {"Doc", "pass", "Doctor"},
      {"Doc", " pass ", nullptr},
      {"Doc", "second", "Employee"},
      {"", "", nullptr},
      {"nopass", "", nullptr},
      {"", "x", nullptr},
      {"Guest", "guest", ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.name) + "/" + c.password);
    frmLogin* login = openLogin();
    if (!c.type) boxes().expect(kWrong, "Wrong Info", vbCritical);
    typeAndEnter(login, QString::fromUtf8(c.name), QString::fromUtf8(c.password));
    EXPECT_EQ(boxes().pending(), 0);
    if (c.type) {
      EXPECT_FALSE(login->isVisible());
      EXPECT_EQ(LoadedForm<frmLogin>(), login);  // hidden, still loaded
      EXPECT_EQ(login->Text1.text(), QString::fromUtf8(c.type));
      EXPECT_EQ(CurrentUserTypeBox(), &login->Text1);
      EXPECT_EQ(gUserName, QString::fromUtf8(c.name));
      EXPECT_EQ(gUserType, QString::fromUtf8(c.type));
      EXPECT_NE(LoadedForm<frmMain>(), nullptr);
    } else {
      EXPECT_TRUE(login->isVisible());
      EXPECT_EQ(login->txtUserName.text(), "");
      EXPECT_EQ(login->txtPassword.text(), "");
      EXPECT_EQ(login->focusWidget(), &login->txtUserName);
      EXPECT_EQ(login->Text1.text(), "");  // never a deciphered password
      EXPECT_EQ(LoadedForm<frmMain>(), nullptr);
    }
    ResetForms();
  }
  EXPECT_EQ(ends, 0);
}

TEST_F(LoginTest, WrongAttemptLeavesTheWindowReadyForARightOne) {
  frmLogin* login = openLogin();
  boxes().expect(kWrong, "Wrong Info", vbCritical);
  typeAndEnter(login, "tumbo", "tumb");
  typeAndEnter(login, "tumbo", "tumbo");
  EXPECT_FALSE(login->isVisible());
  EXPECT_EQ(login->Text1.text(), "Admin");
  EXPECT_EQ(gUserName, "tumbo");
  EXPECT_NE(LoadedForm<frmMain>(), nullptr);
}

TEST_F(LoginTest, LoginPictureChecksAsEnterDoes) {
  frmLogin* login = openLogin();
  EXPECT_EQ(login->Picture1.pictureFile(), "Login1.gif");
  TypeKeys(login->txtUserName, "tumbo");
  TypeKeys(login->txtPassword, "tumbo");
  Click(login->Picture1);
  EXPECT_FALSE(login->isVisible());
  EXPECT_NE(LoadedForm<frmMain>(), nullptr);
}

TEST_F(LoginTest, EmptyUserTableEndsTheProgramAfterBothRestores) {
  exec("DELETE FROM SettingsNewUser");
  frmLogin* login = openLogin();
  desktop->log.clear();
  boxes().expect("No User Found", "Warning", vbCritical);
  typeAndEnter(login, "tumbo", "tumbo");
  EXPECT_EQ(desktop->log, QStringList({"taskbar get", "taskbar set 2", "first", "test 1280x1024x32@60",
                                       "apply 1280x1024x32@60",
                                       QStringLiteral("broadcast 126 32 %1").arg((1024u << 16) | 1280u),
                                       "end"}));
  EXPECT_FALSE(login->isVisible());
  EXPECT_EQ(LoadedForm<frmMain>(), nullptr);
}

TEST_F(LoginTest, CloseMovieEndsTheProgramAfterBothRestoresOtherCommandsDoNothing) {
  const QStringList restoresAndEnd{"taskbar get", "taskbar set 2", "first", "test 1280x1024x32@60",
                                   "apply 1280x1024x32@60",
                                   QStringLiteral("broadcast 126 32 %1").arg((1024u << 16) | 1280u), "end"};
  frmLogin* login = openLogin();
  ASSERT_FALSE(login->ShockwaveFlash2.IsEmpty());
  desktop->log.clear();
  Click(login->ShockwaveFlash2);  // the close movie raises "Close"
  EXPECT_EQ(desktop->log, restoresAndEnd);
  EXPECT_FALSE(login->isVisible());
  ResetForms();

  const struct {
    const char* command;
    bool ends;
  } cases[] = {{" CLOSE ", true}, {"close ", true}, {"cLoSe", true},
               {"closed", false}, {"Minimize", false}, {"", false}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.command);
    login = openLogin();
    desktop->log.clear();
    emit login->ShockwaveFlash2.FSCommand(QString::fromUtf8(c.command), QString());
    EXPECT_EQ(desktop->log, c.ends ? restoresAndEnd : QStringList());
    EXPECT_EQ(login->isVisible(), !c.ends);
    ResetForms();
  }

  login = openLogin();
  desktop->log.clear();
  login->close();  // the system's close command (Alt+F4) leaves the same way
  EXPECT_EQ(desktop->log, restoresAndEnd);
  ResetForms();

  login = openLogin();
  desktop->log.clear();
  Click(login->ShockwaveFlash3);  // the minimise movie: no handler
  EXPECT_TRUE(desktop->log.isEmpty());
  EXPECT_TRUE(login->isVisible());
}

// A real message box window, closed as soon as it is up, as the user's OK would.
class RealBoxes final : public MessageBoxService {
public:
  int show(const QString& prompt, int, const QString& title) override {
    QMessageBox box(QApplication::activeWindow());
    box.setWindowTitle(title);
    box.setText(prompt);
    QTimer::singleShot(50, &box, &QDialog::accept);
    box.exec();
    return vbOK;
  }
};

class OtherForm : public VbForm {
public:
  OtherForm() : VbForm(Kind::TopLevel) { resize(200, 100); }
};

TEST_F(LoginTest, SetUpRunsOnARealActivationNotAfterItsOwnMessageBox) {
  frmLogin* login = openLogin();
  ASSERT_TRUE(QTest::qWaitForWindowActive(login));
  const std::shared_ptr<Connection> first = gCon;
  ASSERT_TRUE(first && first->State() == adStateOpen);
  EXPECT_EQ(login->focusWidget(), &login->txtUserName);
  EXPECT_EQ(login->ShockwaveFlash1.GetVariable("Receive"), "          Login");

  SetMessageBoxService(std::make_shared<RealBoxes>());
  typeAndEnter(login, "nobody", "wrong");
  login->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(login));
  QApplication::processEvents();
  EXPECT_EQ(gCon, first);  // no new connection after our own box

  OtherForm other;
  other.show();
  other.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
  login->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(login));
  EXPECT_NE(gCon, first);  // back from another window of the program: connected anew
  EXPECT_TRUE(gCon && gCon->State() == adStateOpen);
}

}  // namespace
