// The password change: its refusals, the stored cipher text of the logged-in user's row, and the
// rows it must leave alone.

#include "data/vbdes.h"
#include "framework/mainmenus.h"
#include "globals.h"
#include "shell/dispatch.h"
#include "shell/frmSettingsChangePwd.h"
#include "support/fixture.h"
#include "support/input.h"

namespace {

class PasswordTest : public HalvionTest {
protected:
  void SetUp() override {
    HalvionTest::SetUp();
    gCon = openDb();
    gUserName = QStringLiteral("tumbo");
    exec(QStringLiteral("INSERT INTO SettingsNewUser(UserName,Password,UserType) VALUES('Tumbo','%1','%2')")
             .arg(EncryptText("other"), EncryptText("Doctor")));
    exec(QStringLiteral("INSERT INTO SettingsNewUser(UserName,Password,UserType) VALUES('tumbo ','%1','%2')")
             .arg(EncryptText("other2"), EncryptText("Doctor")));
    SetMainMenuHooks(nullptr, [this](QLineEdit*) { menus.push_back("hide"); },
                     [this](QLineEdit*) { menus.push_back("show"); });
  }
  void TearDown() override {
    ClearMainMenuHooks();
    HalvionTest::TearDown();
  }
  frmSettingsChangePwd* open() {
    const MenuCommand* entry = FindMenuCommand(MainWindowCommands(), "mnuChangePassword");
    EXPECT_TRUE(entry && entry->open);
    if (!entry || !entry->open) return nullptr;
    entry->open();
    return LoadedForm<frmSettingsChangePwd>();
  }
  // The new password and its confirmation, typed into the two boxes.
  static void typePasswords(frmSettingsChangePwd* f, const QString& password, const QString& confirmation) {
    TypeKeys(f->txtPassword, password);
    TypeKeys(f->txtConfirmPassword, confirmation);
  }
  QString stored(const QString& name) const {
    return scalar(QStringLiteral("SELECT Password FROM SettingsNewUser WHERE UserName='%1' COLLATE BINARY").arg(name));
  }

  QStringList menus;
};

TEST_F(PasswordTest, RefusalsInOrderKeepTheFormOpenAndWriteNothing) {
  struct Case {
    QString password, confirmation, message;
    bool secondBoxFocused;
    bool emptied;
  };
  const std::vector<Case> cases{
      {"", "new", "Please Mentioned New Password", false, false},
      {"   ", "new", "Please Mentioned New Password", false, false},
      {"", "", "Please Mentioned New Password", false, false},
      {"new", "", "Please Mentioned Confirm New Password", true, false},
      {"new", "  ", "Please Mentioned Confirm New Password", true, false},
      {"new", "New", "Password Doesnt match! Please Type Correctly", false, true},
      {"new", "ne w", "Password Doesnt match! Please Type Correctly", false, true},
  };
  const QString before = stored("tumbo");
  for (const Case& c : cases) {
    SCOPED_TRACE((c.password + "|" + c.confirmation).toStdString());
    frmSettingsChangePwd* f = open();
    ASSERT_NE(f, nullptr);
    typePasswords(f, c.password, c.confirmation);
    boxes().expect(c.message, "Warning", vbCritical);
    Click(&f->Picture1);
    EXPECT_EQ(LoadedForm<frmSettingsChangePwd>(), f);
    EXPECT_EQ(f->focusWidget(), c.secondBoxFocused ? &f->txtConfirmPassword : &f->txtPassword);
    EXPECT_EQ(f->txtPassword.text(), c.emptied ? QString() : c.password);
    EXPECT_EQ(f->txtConfirmPassword.text(), c.emptied ? QString() : c.confirmation);
    EXPECT_EQ(stored("tumbo"), before);
    f->Unload();
  }
}

TEST_F(PasswordTest, OkStoresTheCipherOfTheNewPasswordInTheOwnRowOnly) {
  const QString other = stored("Tumbo");
  const QString other2 = stored("tumbo ");
  frmSettingsChangePwd* f = open();
  ASSERT_NE(f, nullptr);
  EXPECT_EQ(menus, QStringList{"hide"});
  EXPECT_TRUE(f->txtPassword.echoMode() == QLineEdit::Password);
  // The confirmation's trailing blank is only checked, never stored.
  typePasswords(f, "fresh42", "fresh42 ");
  Click(&f->Picture1);  // no message expected: a box would fail the test
  EXPECT_EQ(LoadedForm<frmSettingsChangePwd>(), nullptr);
  EXPECT_EQ(menus, (QStringList{"hide", "show"}));

  EXPECT_EQ(DecryptText(stored("tumbo")), "fresh42");
  EXPECT_EQ(stored("tumbo"), EncryptText("fresh42"));
  EXPECT_EQ(DecryptText(scalar("SELECT UserType FROM SettingsNewUser WHERE UserName='tumbo' COLLATE BINARY")), "Admin");
  EXPECT_EQ(stored("Tumbo"), other);
  EXPECT_EQ(stored("tumbo "), other2);
}

TEST_F(PasswordTest, NoRowForTheLoggedInUserWritesNothingAndStaysOpen) {
  gUserName = QStringLiteral("ghost");
  const QString before = stored("tumbo");
  frmSettingsChangePwd* f = open();
  ASSERT_NE(f, nullptr);
  typePasswords(f, "pw", "pw");
  Click(&f->Picture1);
  EXPECT_EQ(LoadedForm<frmSettingsChangePwd>(), f);
  EXPECT_EQ(stored("tumbo"), before);
}

TEST_F(PasswordTest, CancelAndCloseWriteNothing) {
  const QString before = stored("tumbo");
  for (int way = 0; way < 2; ++way) {
    frmSettingsChangePwd* f = open();
    ASSERT_NE(f, nullptr);
    typePasswords(f, "pw", "pw");
    if (way == 0)
      Click(&f->Picture2);
    else
      Click(f->ShockwaveFlash2);
    EXPECT_EQ(LoadedForm<frmSettingsChangePwd>(), nullptr) << way;
  }
  EXPECT_EQ(stored("tumbo"), before);
  EXPECT_EQ(menus, (QStringList{"hide", "show", "hide", "show"}));
}

TEST_F(PasswordTest, UnreadableTableEndsTheProgram) {
  exec("DROP TABLE SettingsNewUser");
  gCon = openDb();
  boxes().expect("Database Error. Please Check the database and try again", "Database Error", vbCritical);
  open();
  EXPECT_EQ(endCount(), 1);
}

}  // namespace
