// Saving accounts: the checks in their order, duplicate names, what is stored, and a write that
// the database refuses.
#include "users_support.h"

namespace {

const QString kDuplicate = QStringLiteral("Please Select the Another User Name\r\nThis User Name Already Assigned");

TEST_F(UsersTest, SaveRefusesEachMissingInputInOrderAndKeepsTheNewRowPending) {
  addUser(QStringLiteral("tumbo"), QStringLiteral("tumbo"), QStringLiteral("Admin"));
  open();
  clickNew();
  ASSERT_EQ(mode(), "edit");
  EXPECT_EQ(focused(), "txtUserName");

  const struct {
    const char* name;
    const char* password;
    const char* confirm;
    int option;
    const char* message;
    const char* title;
    const char* focus;
  } steps[] = {
      {"", "", "", -1, "Please Fill the UserName", "", "txtUserName"},
      {"tumbo", "", "", -1, "", "Warning", "txtUserName"},  // the duplicate message
      {"kip", "", "", -1, "Please Fill the Password", "", "txtPassword"},
      {"kip", "   ", "x", -1, "Please Fill the Password", "", "txtPassword"},
      {"kip", "x", "  ", -1, "Please Fill the ConfirmPassword", "", "txtConfirmPassword"},
      {"kip", "abc", "abC", -1, "Password Doesnt Match Please Fill It", "", "txtPassword"},
      {"kip", "abc", "abc", -1, "Please Select Any User Type", "", "other"},
  };
  for (const auto& s : steps) {
    fill(QString::fromUtf8(s.name), QString::fromUtf8(s.password), QString::fromUtf8(s.confirm), s.option);
    const QString message = *s.message ? QString::fromUtf8(s.message) : kDuplicate;
    boxes().expect(message, QString::fromUtf8(s.title), vbCritical);
    clickSave();
    EXPECT_EQ(mode(), "edit") << s.message;
    if (std::string(s.focus) != "other") {
      EXPECT_EQ(focused(), s.focus) << s.message;
    }
    EXPECT_EQ(rowCount(), 1) << s.message;
  }
  // The mismatch emptied both password boxes and kept the name.
  boxes().expect(QStringLiteral("Password Doesnt Match Please Fill It"));
  fill(QStringLiteral("kip"), QStringLiteral("abc"), QStringLiteral("abd"), 1);
  clickSave();
  EXPECT_EQ(form->txtPassword.text(), "");
  EXPECT_EQ(form->txtConfirmPassword.text(), "");
  EXPECT_EQ(shownName(), "kip");
  EXPECT_EQ(checkedOption(), 1);

  // Digits, blanks and signs never reach the name; the password keeps its leading blank.
  TypeOver(form->txtUserName, QStringLiteral("k1i p!"));
  EXPECT_EQ(shownName(), "kip");
  TypeOver(form->txtPassword, QStringLiteral(" se cret"));
  TypeOver(form->txtConfirmPassword, QStringLiteral("se cret"));
  boxes().expect(QStringLiteral("Record Saved Successfully"), QStringLiteral("Update Info"), vbExclamation);
  clickSave();
  EXPECT_EQ(mode(), "browse");
  EXPECT_EQ(names(), "tumbo,kip");  // the one pending row, written once
  EXPECT_EQ(scalar(QStringLiteral("SELECT Password FROM SettingsNewUser WHERE UserName='kip'")),
            CipherText(QStringLiteral(" se cret"), true));
  EXPECT_EQ(scalar(QStringLiteral("SELECT UserType FROM SettingsNewUser WHERE UserName='kip'")),
            CipherText(QStringLiteral("Doctor"), true));
  EXPECT_EQ(shownName(), "kip");

  // Shown again from the table: deciphered passwords, the type's option.
  Click(form->Picture1);
  EXPECT_EQ(shownName(), "tumbo");
  Click(form->Picture4);
  EXPECT_EQ(shownName(), "kip");
  EXPECT_EQ(form->txtPassword.text(), "se cret");
  EXPECT_EQ(form->txtConfirmPassword.text(), "se cret");
  EXPECT_EQ(checkedOption(), 1);
  EXPECT_EQ(form->UserType, "Doctor");
}

TEST_F(UsersTest, DuplicateNamesAreRefusedOnNewAndModifyWithBlanksTrimmedAndCaseCounting) {
  const struct {
    const char* stored;   // the stored names, in table order
    bool modify;          // Modify the last stored row instead of New
    const char* name;     // typed
    bool refused;
  } cases[] = {
      {" bob ", false, "bob", true},
      {"bob", false, "Bob", false},
      {"tumbo,bob", true, "tumbo", true},  // an edit may not take another row's name
      {"tumbo,bob", true, "bob", false},   // nor is it refused its own
      {"tumbo,bob", true, "bobby", false}, // and may correct it
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.stored) + " / " + c.name);
    exec(QStringLiteral("DELETE FROM SettingsNewUser"));
    for (const QString& n : QString::fromUtf8(c.stored).split(',')) addUser(n);
    open();
    if (c.modify) {
      Click(form->Picture4);
      clickModify();
      fill(QString::fromUtf8(c.name), QStringLiteral("new"), QStringLiteral("new"), -1);
    } else {
      clickNew();
      fill(QString::fromUtf8(c.name), QStringLiteral("new"), QStringLiteral("new"), 2);
    }
    boxes().expect(c.refused ? kDuplicate : QStringLiteral("Record Saved Successfully"));
    clickSave();
    EXPECT_EQ(mode(), c.refused ? "edit" : "browse");
    if (c.refused) {
      EXPECT_EQ(focused(), "txtUserName");
    }
    const int stored = int(QString::fromUtf8(c.stored).split(',').size());
    EXPECT_EQ(rowCount(), stored + (c.refused || c.modify ? 0 : 1));
    form->Unload();
  }
}

TEST_F(UsersTest, NamesSavedSinceTheFormOpenedAreComparedAlsoOnATableEmptyAtLoad) {
  open();
  clickNew();
  fill(QStringLiteral("amy"), QStringLiteral("pw"), QStringLiteral("pw"), 0);
  boxes().expect(QStringLiteral("Record Saved Successfully"));
  clickSave();

  clickNew();
  fill(QStringLiteral("amy"), QStringLiteral("pw"), QStringLiteral("pw"), 0);
  boxes().expect(kDuplicate);
  clickSave();
  EXPECT_EQ(names(), "amy");

  // A Modify refused on an empty name does not let the next New skip the comparison.
  clickCancel();
  boxes().expect(QStringLiteral("Please select any Record"), QString(), vbCritical);
  clickModify();
  EXPECT_EQ(mode(), "browse");
  clickNew();
  fill(QStringLiteral("amy"), QStringLiteral("pw"), QStringLiteral("pw"), 0);
  boxes().expect(kDuplicate);
  clickSave();
  EXPECT_EQ(names(), "amy");
}

TEST_F(UsersTest, AWriteTheDatabaseRefusesIsReportedAndNothingIsSaved) {
  addUser(QStringLiteral("tumbo"));
  open();
  exec(QStringLiteral("CREATE TRIGGER NoMore BEFORE INSERT ON SettingsNewUser "
                      "BEGIN SELECT RAISE(ABORT, 'the disk is full'); END"));
  clickNew();
  fill(QStringLiteral("kip"), QStringLiteral("pw"), QStringLiteral("pw"), 0);
  boxes().allowAny();
  clickSave();
  boxes().strict();
  ASSERT_EQ(boxes().shown().size(), 1u);
  EXPECT_TRUE(boxes().shown()[0].prompt.contains(QStringLiteral("the disk is full")))
      << boxes().shown()[0].prompt.toStdString();
  EXPECT_EQ(boxes().shown()[0].style, vbOKOnly);
  EXPECT_EQ(boxes().shown()[0].title, "");
  EXPECT_EQ(mode(), "edit");
  EXPECT_EQ(names(), "tumbo");

  // The row is still pending: once the disk has room, the same Save stores it.
  exec(QStringLiteral("DROP TRIGGER NoMore"));
  boxes().expect(QStringLiteral("Record Saved Successfully"));
  clickSave();
  EXPECT_EQ(names(), "tumbo,kip");
  EXPECT_EQ(mode(), "browse");
}

}  // namespace
