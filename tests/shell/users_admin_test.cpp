// The accounts nobody may lose: the last Admin (only an Admin reaches this form, so without one
// no account could ever be made again) and the account logged in now. Each refusal is decided on
// the table as stored at that moment and comes before any question; nothing is written.
#include "shell/frmSettingsChangePwd.h"
#include "users_support.h"

namespace {

const QString kQuestion = QStringLiteral("Are you sure you want to delete this record?");
const QString kLastAdmin = QStringLiteral("You cannot delete the last Admin account");
const QString kLoggedIn = QStringLiteral("You cannot delete the account you are logged in with");
const QString kAdminMustRemain = QStringLiteral("At least one Admin account must remain");
const QString kSelect = QStringLiteral("Please select any Record");

class UsersAdminTest : public UsersTest {
protected:
  void TearDown() override {
    gUserName.clear();
    UsersTest::TearDown();
  }
  // Shows the row of this name, moving from the first row on.
  void show(const QString& name) {
    Click(form->Picture1);
    for (int i = 0; i < 10 && form->txtUserName.text() != name; ++i) Click(form->Picture3);
    ASSERT_EQ(form->txtUserName.text(), name);
  }
  void setType(const QString& name, const QString& type) {
    exec(QStringLiteral("UPDATE SettingsNewUser SET UserType = '%1' WHERE UserName = '%2'")
             .arg(CipherText(type, true), name));
  }
  QString storedType(const QString& name) const {
    return CipherText(scalar(QStringLiteral("SELECT UserType FROM SettingsNewUser WHERE UserName = '%1'").arg(name)),
                      false);
  }
};

TEST_F(UsersAdminTest, DeleteRefusesTheLastAdminAndTheLoggedInAccountBeforeAskingAnything) {
  // Each case: the accounts (name, type), who is logged in, the row deleted, and the answer.
  const struct {
    const char* name;
    QStringList accounts;  // "name:type"
    const char* loggedIn;
    const char* deleted;
    QString refusal;  // empty: the question is asked and answered Yes
    const char* left;
    const char* typedOver = nullptr;  // typed over the name shown before Delete
  } cases[] = {
      {"the only Admin among others", {"tumbo:Admin", "bob:Doctor"}, "", "tumbo", kLastAdmin, "tumbo,bob"},
      {"the only Admin, logged in", {"tumbo:Admin", "bob:Doctor"}, "tumbo", "tumbo", kLastAdmin, "tumbo,bob"},
      {"the only row", {"tumbo:Admin"}, "", "tumbo", kLastAdmin, "tumbo"},
      {"one of two Admins, logged in", {"tumbo:Admin", "ann:Admin"}, "ann", "ann", kLoggedIn, "tumbo,ann"},
      {"a Doctor logged in", {"tumbo:Admin", "bob:Doctor"}, "bob", "bob", kLoggedIn, "tumbo,bob"},
      {"one of two Admins", {"tumbo:Admin", "ann:Admin"}, "tumbo", "ann", QString(), "tumbo"},
      {"a Doctor", {"tumbo:Admin", "bob:Doctor"}, "tumbo", "bob", QString(), "tumbo"},
      // An enciphered " Admin " reads as "Admin", as the login reads it for the menus.
      {"an Admin stored with blanks", {"tumbo:Admin", "ann: Admin "}, "ann", "tumbo", QString(), "ann"},
      // A type in another case is no Admin.
      {"a type that is no Admin", {"tumbo:Admin", "ann:admin"}, "", "tumbo", kLastAdmin, "tumbo,ann"},
      // A name typed over shows no row: answered as on every record form, before the checks of a
      // row the screen does not show.
      {"the only Admin, typed over", {"tumbo:Admin", "bob:Doctor"}, "", "tumbo", kSelect, "tumbo,bob", "zed"},
      {"the account logged in, typed over", {"tumbo:Admin", "ann:Admin"}, "ann", "ann", kSelect, "tumbo,ann", "zed"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    ResetForms();
    exec(QStringLiteral("DELETE FROM SettingsNewUser"));
    for (const QString& a : c.accounts) addUser(a.section(':', 0, 0), QStringLiteral("pw"), a.section(':', 1));
    gUserName = QString::fromLatin1(c.loggedIn);
    ASSERT_TRUE(open());
    show(QString::fromLatin1(c.deleted));
    if (c.typedOver) TypeOver(form->txtUserName, QString::fromLatin1(c.typedOver));

    if (c.refusal.isEmpty()) {
      boxes().expect(kQuestion, QStringLiteral("Confirm Delete"), vbYesNo + vbQuestion, vbYes);
    } else {
      boxes().expect(c.refusal, c.refusal == kSelect ? QString() : QStringLiteral("Warning"), vbCritical);
    }
    clickDelete();
    EXPECT_EQ(boxes().pending(), 0);
    EXPECT_EQ(names(), c.left);
    if (!c.refusal.isEmpty()) {
      EXPECT_EQ(shownName(), c.typedOver ? c.typedOver : c.deleted);
    }
    EXPECT_EQ(mode(), "browse");
  }
}

TEST_F(UsersAdminTest, TheLastAdminMayBeRenamedAndTheAccountLoggedInStaysLoggedIn) {
  addUser(QStringLiteral("tumbo"), QStringLiteral("one"), QStringLiteral("Admin"));
  addUser(QStringLiteral("bob"), QStringLiteral("two"), QStringLiteral("Doctor"));
  gUserName = QStringLiteral("tumbo");
  ASSERT_TRUE(open());

  // Renamed and made a Doctor in one Modify: still the last Admin, still refused.
  clickModify();
  TypeOver(form->txtUserName, QStringLiteral("tumba"));
  ChooseOption(form->Option1[1]);
  boxes().expect(kAdminMustRemain, QStringLiteral("Warning"), vbCritical);
  clickSave();
  EXPECT_EQ(mode(), "edit");
  EXPECT_EQ(names(), "tumbo,bob");
  EXPECT_EQ(gUserName, "tumbo");

  // Renamed and left an Admin: saved, and the login's name follows.
  ChooseOption(form->Option1[0]);
  boxes().expect(QStringLiteral("Record Saved Successfully"));
  clickSave();
  EXPECT_EQ(names(), "tumba,bob");
  EXPECT_EQ(storedType(QStringLiteral("tumba")), "Admin");
  EXPECT_EQ(gUserName, "tumba");

  // The guards find the account under its new name.
  boxes().expect(kLastAdmin, QStringLiteral("Warning"), vbCritical);
  clickDelete();
  setType(QStringLiteral("bob"), QStringLiteral("Admin"));
  boxes().expect(kLoggedIn, QStringLiteral("Warning"), vbCritical);
  clickDelete();
  EXPECT_EQ(names(), "tumba,bob");

  // Renaming another account leaves the login alone.
  show(QStringLiteral("bob"));
  clickModify();
  TypeOver(form->txtUserName, QStringLiteral("bobby"));
  boxes().expect(QStringLiteral("Record Saved Successfully"));
  clickSave();
  EXPECT_EQ(names(), "tumba,bobby");
  EXPECT_EQ(gUserName, "tumba");

  // And the password change finds the account logged in.
  form->Unload();
  auto* change = ShowForm<frmSettingsChangePwd>();
  ASSERT_NE(change, nullptr);
  TypeKeys(change->txtPassword, QStringLiteral("fresh"));
  TypeKeys(change->txtConfirmPassword, QStringLiteral("fresh"));
  Click(change->Picture1);
  EXPECT_EQ(scalar(QStringLiteral("SELECT Password FROM SettingsNewUser WHERE UserName = 'tumba'")),
            CipherText(QStringLiteral("fresh"), true));
  EXPECT_EQ(boxes().pending(), 0);
}

TEST_F(UsersAdminTest, TheCtrlKeyIsRefusedAsTheButtonIs) {
  addUser(QStringLiteral("tumbo"));
  ASSERT_TRUE(open());
  boxes().expect(kLastAdmin, QStringLiteral("Warning"), vbCritical);
  ctrl('D');
  EXPECT_EQ(boxes().pending(), 0);
  EXPECT_EQ(names(), "tumbo");
}

TEST_F(UsersAdminTest, DeleteReadsTheAccountsAsStoredNowNotAsTheFormOpenedThem) {
  addUser(QStringLiteral("tumbo"));
  addUser(QStringLiteral("ann"));
  gUserName = QStringLiteral("ann");
  ASSERT_TRUE(open());

  // Since the form opened, ann has become a Doctor elsewhere: tumbo is the last Admin now.
  setType(QStringLiteral("ann"), QStringLiteral("Doctor"));
  boxes().expect(kLastAdmin, QStringLiteral("Warning"), vbCritical);
  clickDelete();
  EXPECT_EQ(names(), "tumbo,ann");

  // And an Admin saved since then lets tumbo go.
  addUser(QStringLiteral("carl"));
  boxes().expect(kQuestion, vbYes);
  clickDelete();
  EXPECT_EQ(names(), "ann,carl");
}

TEST_F(UsersAdminTest, ModifyKeepsAnAdminAccount) {
  addUser(QStringLiteral("tumbo"), QStringLiteral("one"), QStringLiteral("Admin"));
  addUser(QStringLiteral("bob"), QStringLiteral("two"), QStringLiteral("Doctor"));
  ASSERT_TRUE(open());

  // The last Admin cannot become a Doctor or an Employee; the form stays in edit mode.
  for (int option : {1, 2}) {
    SCOPED_TRACE(option);
    clickModify();
    ChooseOption(form->Option1[std::size_t(option)]);
    boxes().expect(kAdminMustRemain, QStringLiteral("Warning"), vbCritical);
    clickSave();
    EXPECT_EQ(boxes().pending(), 0);
    EXPECT_EQ(mode(), "edit");
    EXPECT_EQ(storedType(QStringLiteral("tumbo")), "Admin");
    clickCancel();
    Click(form->Picture1);
  }

  // It may keep its type under a new password.
  clickModify();
  fill(QStringLiteral("tumbo"), QStringLiteral("new"), QStringLiteral("new"), 0);
  boxes().expect(QStringLiteral("Record Saved Successfully"));
  clickSave();
  EXPECT_EQ(names(), "tumbo,bob");
  EXPECT_EQ(storedType(QStringLiteral("tumbo")), "Admin");

  // Once bob is an Admin too, tumbo may stop being one.
  show(QStringLiteral("bob"));
  clickModify();
  ChooseOption(form->Option1[0]);
  boxes().expect(QStringLiteral("Record Saved Successfully"));
  clickSave();
  show(QStringLiteral("tumbo"));
  clickModify();
  ChooseOption(form->Option1[2]);
  boxes().expect(QStringLiteral("Record Saved Successfully"));
  clickSave();
  EXPECT_EQ(storedType(QStringLiteral("tumbo")), "Employee");

  // bob is the last Admin now.
  show(QStringLiteral("bob"));
  clickModify();
  ChooseOption(form->Option1[1]);
  boxes().expect(kAdminMustRemain, QStringLiteral("Warning"), vbCritical);
  clickSave();
  EXPECT_EQ(mode(), "edit");
  EXPECT_EQ(storedType(QStringLiteral("bob")), "Admin");

  // An Admin account saved since the form opened counts: the check reads the table as stored.
  addUser(QStringLiteral("carl"));
  boxes().expect(QStringLiteral("Record Saved Successfully"));
  clickSave();
  EXPECT_EQ(storedType(QStringLiteral("bob")), "Doctor");

  // A new account is no Modify: it may have any type.
  clickNew();
  fill(QStringLiteral("dora"), QStringLiteral("pw"), QStringLiteral("pw"), 2);
  boxes().expect(QStringLiteral("Record Saved Successfully"));
  clickSave();
  EXPECT_EQ(storedType(QStringLiteral("dora")), "Employee");
  EXPECT_EQ(boxes().pending(), 0);
}

}  // namespace
