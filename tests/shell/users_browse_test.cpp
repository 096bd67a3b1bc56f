// Browsing the accounts: moving at both ends and on an empty table, Delete, Cancel, the CTRL keys
// in each mode, keys another program holds, View All and closing the form.
#include <QLineEdit>

#include "framework/mainmenus.h"
#include "framework/listform.h"
#include "platform/hotkeys.h"
#include "shell/frmViewAllUsers.h"
#include "users_support.h"

namespace {

class UsersBrowseTest : public UsersTest {
protected:
  void addThree() {
    addUser(QStringLiteral("tumbo"), QStringLiteral("one"), QStringLiteral("Admin"));
    addUser(QStringLiteral("bob"), QStringLiteral("two"), QStringLiteral("Doctor"));
    addUser(QStringLiteral("carl"), QStringLiteral("three"), QStringLiteral("Employee"));
  }
};

TEST_F(UsersBrowseTest, NavigationStaysOnTheEndRowsWithoutAMessage) {
  addThree();
  open();
  EXPECT_EQ(shownName(), "tumbo");  // the first row at load
  EXPECT_EQ(checkedOption(), 0);
  const struct {
    int button;  // Picture1..4
    const char* shows;
    int option;
  } steps[] = {{2, "tumbo", 0}, {3, "bob", 1}, {3, "carl", 2}, {3, "carl", 2},
               {2, "bob", 1},   {1, "tumbo", 0}, {4, "carl", 2}};
  for (const auto& s : steps) {
    ImageButton* b = form->RecordButton(s.button);
    Click(*b);
    EXPECT_EQ(shownName(), s.shows) << "after Picture" << s.button;
    EXPECT_EQ(checkedOption(), s.option) << "after Picture" << s.button;
    EXPECT_EQ(form->Label3.text(), b->objectName());
    // The clicked button is lit, the other three are not.
    for (int n = 1; n <= 4; ++n)
      EXPECT_EQ(form->RecordButton(n)->pictureFile().endsWith(QStringLiteral("1.gif")), n == s.button);
  }
  EXPECT_TRUE(boxes().shown().empty());
}

TEST_F(UsersBrowseTest, AnEmptyTableAnswersEveryButtonWithItsMessage) {
  open();
  EXPECT_EQ(shownName(), "");
  for (int n = 1; n <= 4; ++n) {
    boxes().expect(QStringLiteral("No Record Found"), QString(), vbCritical);
    Click(*form->RecordButton(n));
  }
  boxes().expect(QStringLiteral("Please select any Record"), QString(), vbCritical);
  clickModify();
  boxes().expect(QStringLiteral("No Record Found"), QString(), vbCritical);  // nothing is asked first
  clickDelete();
  // A name typed by hand does not make an empty table editable.
  TypeOver(form->txtUserName, QStringLiteral("ghost"));
  boxes().expect(QStringLiteral("No Record Found you cannt Edit"), QString(), vbCritical);
  clickModify();
  EXPECT_EQ(mode(), "browse");
}

TEST_F(UsersBrowseTest, ATableThatCannotBeOpenedEndsTheProgramAtLoad) {
  exec(QStringLiteral("DROP TABLE SettingsNewUser"));
  boxes().expect(QStringLiteral("Database Error. Please Check the database and try again"),
                 QStringLiteral("Database Error"), vbCritical);
  open();
  EXPECT_EQ(endCount(), 1);
}

TEST_F(UsersBrowseTest, DeleteAsksFirstAndShowsTheRowThatTakesThePlaceOfTheDeletedOne) {
  addThree();
  open();
  const QString question = QStringLiteral("Are you sure you want to delete this record?");
  Click(form->Picture3);  // bob, in the middle
  boxes().expect(question, vbNo);
  clickDelete();
  EXPECT_EQ(names(), "tumbo,bob,carl");

  boxes().expect(question, vbYes);
  clickDelete();
  EXPECT_EQ(names(), "tumbo,carl");
  EXPECT_EQ(shownName(), "carl");  // the next row

  boxes().expect(question, vbYes);
  clickDelete();  // carl, the last row
  EXPECT_EQ(names(), "tumbo");
  EXPECT_EQ(shownName(), "tumbo");  // the new last row

  // The last Admin account stays; once it is no Admin any more, the only row can go too.
  boxes().expect(QStringLiteral("You cannot delete the last Admin account"), QStringLiteral("Warning"), vbCritical);
  clickDelete();
  EXPECT_EQ(names(), "tumbo");
  exec(QStringLiteral("UPDATE SettingsNewUser SET UserType = '%1'").arg(CipherText(QStringLiteral("Doctor"), true)));
  boxes().expect(question, vbYes);
  clickDelete();  // the only row
  EXPECT_EQ(names(), "");
  EXPECT_EQ(shownName(), "");
  EXPECT_EQ(form->txtPassword.text(), "");
  EXPECT_EQ(checkedOption(), -1);
}

TEST_F(UsersBrowseTest, CancelDropsTheNewRowAndDeleteThenRefusesTheRowNotOnScreen) {
  addThree();
  open();
  clickNew();
  fill(QStringLiteral("dora"), QStringLiteral("pw"), QStringLiteral("pw"), 0);
  clickCancel();
  EXPECT_EQ(mode(), "browse");
  EXPECT_EQ(shownName(), "");
  EXPECT_EQ(form->txtPassword.text(), "");
  EXPECT_EQ(checkedOption(), -1);
  EXPECT_EQ(focused(), "txtUserName");
  EXPECT_EQ(names(), "tumbo,bob,carl");

  boxes().expect(QStringLiteral("Please select any Record"), QString(), vbCritical);  // nothing is asked first
  clickDelete();
  EXPECT_EQ(names(), "tumbo,bob,carl");

  // Moving shows the rows again; a new row saved after all that is the only one added.
  Click(form->Picture4);
  EXPECT_EQ(shownName(), "carl");
  clickNew();
  fill(QStringLiteral("dora"), QStringLiteral("pw"), QStringLiteral("pw"), 0);
  boxes().expect(QStringLiteral("Record Saved Successfully"));
  clickSave();
  EXPECT_EQ(names(), "tumbo,bob,carl,dora");
}

TEST_F(UsersBrowseTest, CancelOnATableThatWasEmptyLeavesNoRowBehind) {
  open();
  clickNew();
  fill(QStringLiteral("dora"), QStringLiteral("pw"), QStringLiteral("pw"), 0);
  clickCancel();
  EXPECT_EQ(mode(), "browse");
  clickNew();
  fill(QStringLiteral("eve"), QStringLiteral("pw"), QStringLiteral("pw"), 1);
  boxes().expect(QStringLiteral("Record Saved Successfully"));
  clickSave();
  EXPECT_EQ(names(), "eve");
  form->Unload();
  EXPECT_EQ(names(), "eve");
}

TEST_F(UsersBrowseTest, AStoredTypeOfNoneOfTheThreeSelectsNothingAndMustBeChosenAgain) {
  addUser(QStringLiteral("tumbo"), QStringLiteral("pw"), QStringLiteral("Admin"));
  addUser(QStringLiteral("odd"), QStringLiteral("pw"), QStringLiteral("Nurse"));
  open();
  EXPECT_EQ(form->UserType, "Admin");
  Click(form->Picture3);
  EXPECT_EQ(shownName(), "odd");
  EXPECT_EQ(checkedOption(), -1);
  clickModify();
  boxes().expect(QStringLiteral("Please Select Any User Type"), QString(), vbCritical);
  clickSave();
  EXPECT_EQ(scalar(QStringLiteral("SELECT UserType FROM SettingsNewUser WHERE UserName='odd'")),
            CipherText(QStringLiteral("Nurse"), true));
}

TEST_F(UsersBrowseTest, EachCtrlKeyActsOnlyWhileItsButtonIsShown) {
  addThree();
  open();
  const QString question = QStringLiteral("Are you sure you want to delete this record?");
  const struct {
    char key;
    const char* mode;   // after the key
    const char* shows;  // the name box after the key
  } steps[] = {
      {'S', "browse", "tumbo"},  // Save and Cancel are hidden in browse mode
      {'C', "browse", "tumbo"},
      {'N', "browse", "bob"},
      {'L', "browse", "carl"},
      {'P', "browse", "bob"},
      {'F', "browse", "tumbo"},
      {'M', "edit", "tumbo"},
      {'N', "edit", "tumbo"},  // the eight browse keys are dead in edit mode
      {'A', "edit", "tumbo"},
      {'D', "edit", "tumbo"},
      {'C', "browse", ""},
      {'A', "edit", ""},
      {'V', "edit", ""},
      {'C', "browse", ""},
  };
  for (const auto& s : steps) {
    ctrl(s.key);
    EXPECT_EQ(mode(), s.mode) << "CTRL+" << s.key;
    EXPECT_EQ(shownName(), s.shows) << "CTRL+" << s.key;
  }
  EXPECT_EQ(LoadedForm<frmViewAllUsers>(), nullptr);

  ctrl('L');
  boxes().expect(question, vbNo);
  ctrl('D');
  EXPECT_EQ(names(), "tumbo,bob,carl");

  // CTRL+S saves in edit mode.
  ctrl('A');
  fill(QStringLiteral("dora"), QStringLiteral("pw"), QStringLiteral("pw"), 2);
  boxes().expect(QStringLiteral("Record Saved Successfully"));
  ctrl('S');
  EXPECT_EQ(names(), "tumbo,bob,carl,dora");
  EXPECT_EQ(mode(), "browse");
}

TEST_F(UsersBrowseTest, CtrlVListsTheAccountsAndStillReachesTheFormWhileTheListHasDisabledIt) {
  addThree();
  open();
  ctrl('V');
  frmViewAllUsers* list = LoadedForm<frmViewAllUsers>();
  ASSERT_NE(list, nullptr);
  EXPECT_FALSE(form->FormWindow()->isEnabled());
  EXPECT_EQ(list->CallerForm(), form);

  boxes().expect(QStringLiteral("View All User Details already in use.\r\nPlease complete prvious request."));
  PressKey(list->MSFlexGrid1, Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(gActiveForm, form);
}

TEST_F(UsersBrowseTest, AKeyAnotherProgramHoldsIsReportedAtLoadAndItsButtonStillWorks) {
  addThree();
  SetHotKeyHeldElsewhere(MOD_CONTROL, 'C', true);
  boxes().expect(QStringLiteral("Can not register all 0r one of the hotkeys CTRL+C ... Try other keys this key is "
                                "already registered by some other running applications."),
                 QString(), vbCritical);
  open();
  SetHotKeyHeldElsewhere(MOD_CONTROL, 'C', false);
  ctrl('A');
  TypeOver(form->txtUserName, QStringLiteral("dora"));
  ctrl('C');  // not the program's: the box copies instead
  EXPECT_EQ(mode(), "edit");
  EXPECT_EQ(shownName(), "dora");
  clickCancel();
  EXPECT_EQ(mode(), "browse");
  ctrl('N');
  EXPECT_EQ(shownName(), "bob");  // Cancel left the old row current: Next goes on from it
}

TEST_F(UsersBrowseTest, ClosingTheFormShowsTheMenusAgainAndGivesTheKeysBack) {
  addThree();
  QStringList menus;
  RecordMainMenus(menus);
  open();
  EXPECT_EQ(menus, QStringList{"hide"});
  EXPECT_EQ(gActiveForm, form);
  Click(form->ShockwaveFlash2);
  EXPECT_EQ(LoadedForm<frmAddNewUser>(), nullptr);
  EXPECT_EQ(menus, (QStringList{"hide", "show"}));
  for (bool flag : gHotKeyRegistered) EXPECT_FALSE(flag);
  ClearMainMenuHooks();

  QLineEdit other;
  other.setText(QStringLiteral("abc"));
  other.show();
  PressKey(other, Qt::Key_A, Qt::ControlModifier);
  EXPECT_EQ(other.selectedText(), "abc");  // CTRL+A is the box's again
}

}  // namespace
