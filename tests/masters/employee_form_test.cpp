// The employee register: the save's refusals and questions, what it stores, the birth date and
// age, Modify and Delete, the key filters and the close movie.
#include "employees_support.h"

namespace {

const QString kWarning = QStringLiteral("Warning");
const QString kSaved = QStringLiteral("Record Saved Successfully");
const QString kMobileQuestion =
    QStringLiteral("Please Fill the Mobile Phone\r\nDo u have Mobile then Press 'Yes' Otherwise Press 'No'");
const QString kHomeQuestion =
    QStringLiteral("Please Fill the Home Phone\r\nDo u have Home Phone then Press 'Yes' Otherwise Press 'No'");
const QString kMailQuestion =
    QStringLiteral("Please Fill the Email ID \r\nDo u have Mail ID then Press 'Yes' Otherwise Press 'No'");
const QString kNotBorn = QStringLiteral("Sorry ! Sir,you have not born yet. ");

TEST_F(EmployeesTest, LoadShowsTheFirstRowAndTheFormsTexts) {
  addEmployee("7", "Ravi", "05/12/1980");
  addEmployee("8", "Meena", "25/11/1981");
  ASSERT_NE(open(), nullptr);
  EXPECT_EQ(menus, QStringList{"hide"});
  EXPECT_EQ(gActiveForm.data(), form);
  EXPECT_EQ(form->ShockwaveFlash1.GetVariable("Receive"), QString(24, ' ') + "Add Employee Details");
  EXPECT_EQ(form->Width(), 13230);
  EXPECT_EQ(form->Height(), 8220);
  EXPECT_EQ(form->txtEmployeeID.text(), "7");
  EXPECT_EQ(form->txtFirstName.text(), "Ravi");
  EXPECT_EQ(form->cmbSex.currentText(), "Male");
  EXPECT_EQ(form->DTPicker1.date(), QDate(1980, 12, 5));  // day first
  EXPECT_EQ(form->txtAge.text(), " 46 Years,  0 Months,  5 Days");
  EXPECT_EQ(form->txtHomePhone.text(), "Not Available");
  EXPECT_EQ(form->txtAddress.toPlainText(), "12 Lake Road");
  EXPECT_EQ(form->Picture12.toolTip(), "Last Name May be Your Initial or Father Name ");
  EXPECT_EQ(form->Picture11.toolTip(), "Example : Nurses , Office Admin and Etc .. ");
  EXPECT_EQ(mode(), "browse");
  Click(form->Picture4);  // Last
  EXPECT_EQ(form->txtEmployeeID.text(), "8");
  EXPECT_EQ(form->DTPicker1.date(), QDate(1981, 11, 25));
  EXPECT_TRUE(boxes().shown().empty());
}

TEST_F(EmployeesTest, EmptyCellsAndAnUnreadableBirthDateStillShowTheRest) {
  addRow({q("9"), q("Devi"), "NULL", q("Female"), "NULL", q("55"), q("31/02/1980"), "NULL", q("66"), q("Road"),
          "NULL", q("Clerk"), q("B.Com")});
  addRow({q("10"), q("Lata"), q("P"), q("Female"), q("1"), q("2"), "NULL", q("x"), q("3"), q("Road"), q("l@x"),
          q("Clerk"), q("B.A")});
  ASSERT_NE(open(), nullptr);
  EXPECT_EQ(form->txtFirstName.text(), "Devi");
  EXPECT_EQ(form->txtLastName.text(), "");
  EXPECT_EQ(form->DTPicker1.date(), Today());
  EXPECT_EQ(form->txtPagerNumber.text(), "66");
  EXPECT_EQ(form->txtQualification.text(), "B.Com");
  Click(form->Picture3);  // Next
  EXPECT_EQ(form->txtEmployeeID.text(), "10");
  EXPECT_EQ(form->DTPicker1.date(), Today());
  EXPECT_EQ(form->txtQualification.text(), "B.A");
  EXPECT_TRUE(boxes().shown().empty());
}

TEST_F(EmployeesTest, SaveRefusesTheFirstMissingInputInItsOrder) {
  addEmployee("101 ", "Old");  // the duplicate scan trims the stored ID too
  ASSERT_NE(open(), nullptr);
  struct Case {
    const char* name;
    std::function<void()> spoil;
    const char* message;
    const char* focus;
  };
  const Case cases[] = {
      {"duplicate id", [] {}, "Please Select the Another Employee Id\r\nThis Employee ID Already Assigned",
       "txtEmployeeID"},
      {"no id", [this] { form->txtEmployeeID.clear(); }, "Please Fill the Employee ID", "txtEmployeeID"},
      {"no first name", [this] { form->txtFirstName.clear(); }, "Please Fill the First Name",
       "txtFirstName"},
      {"no last name", [this] { form->txtLastName.clear(); }, "Please Fill the LastName", "txtLastName"},
      {"no sex", [this] { form->cmbSex.setEditText(""); }, "Please Select the Sex", "cmbSex"},
      {"blank address", [this] { TypeOver(form->txtAddress, "   "); }, "Please Fill the Address",
       "txtAddress"},
      {"born today", [this] { pick(Today()); }, "Please Select the Correct Date", "DTPicker1"},
      {"no type", [this] { form->txtEmployeeType.clear(); }, "Please Fill the Employee Type",
       "txtEmployeeType"},
      {"no qualification", [this] { form->txtQualification.clear(); }, "Please Fill the Qualification",
       "txtQualification"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Click(form->Picture5);  // New
    fillAll(std::string(c.name) == "duplicate id" ? "101" : "102");
    c.spoil();
    boxes().expect(QLatin1String(c.message), kWarning, vbCritical);
    Click(form->Picture9);
    EXPECT_EQ(boxes().pending(), 0);
    EXPECT_EQ(focused(), QLatin1String(c.focus));
    EXPECT_EQ(mode(), "edit");
    EXPECT_EQ(rowCount(), 1);
    Click(form->Picture10);  // Cancel
  }
}

TEST_F(EmployeesTest, SaveStoresEveryColumnAsTyped) {
  ASSERT_NE(open(), nullptr);
  Click(form->Picture5);
  fillAll("101");
  TypeOver(form->txtFirstName, "Asha");
  boxes().expect(kSaved, "Update Info", vbExclamation);
  Click(form->Picture9);
  EXPECT_EQ(mode(), "browse");
  EXPECT_EQ(row("1"), "101|Asha|R|Female|9000|4000|25/11/1980| 46 Years,  0 Months,  15 Days|77|3 Hill Street|"
                      "asha@example.org|Nurse|B.Sc");
  EXPECT_EQ(form->txtEmployeeID.text(), "101");  // the inputs keep what was saved
}

TEST_F(EmployeesTest, EmptyPhonesAndMailAreAskedAboutAndThePagerIsNot) {
  ASSERT_NE(open(), nullptr);
  struct Case {
    const char* name;
    bool mobile, home, mail;    // which boxes are left empty
    std::vector<int> answers;   // to the questions, in turn
    const char* stopsAt;        // the focus when a Yes stops the save; nullptr: saved
  };
  const Case cases[] = {
      {"all declared absent", true, true, true, {vbNo, vbNo, vbNo}, nullptr},
      {"has a mobile", true, false, false, {vbYes}, "txtMobilePhone"},
      {"no mobile, has a home phone", true, true, false, {vbNo, vbYes}, "txtHomePhone"},
      {"has a mail address", false, false, true, {vbYes}, "txtEmailId"},
  };
  int id = 200;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Click(form->Picture5);
    fillAll(QString::number(++id));
    form->txtPagerNumber.clear();
    if (c.mobile) form->txtMobilePhone.clear();
    if (c.home) form->txtHomePhone.clear();
    if (c.mail) form->txtEmailId.clear();
    std::size_t a = 0;
    if (c.mobile) boxes().expect(kMobileQuestion, kWarning, vbYesNo + vbCritical, c.answers[a++]);
    if (c.home && a < c.answers.size()) boxes().expect(kHomeQuestion, kWarning, vbYesNo + vbCritical, c.answers[a++]);
    if (c.mail && a < c.answers.size()) boxes().expect(kMailQuestion, kWarning, vbYesNo + vbCritical, c.answers[a++]);
    if (!c.stopsAt) boxes().expect(kSaved);
    Click(form->Picture9);
    EXPECT_EQ(boxes().pending(), 0);
    const QString where = QStringLiteral("EmployeeID='%1'").arg(id);
    if (c.stopsAt) {
      EXPECT_EQ(focused(), QLatin1String(c.stopsAt));
      EXPECT_EQ(mode(), "edit");
      EXPECT_EQ(row(where), "");
      Click(form->Picture10);
    } else {
      EXPECT_EQ(scalar("SELECT MobilePhone||'|'||HomePhone||'|'||EmailId||'|'||PagerNumber FROM "
                       "SettingsEmployeeDetails WHERE " + where),
                "Not Available|Not Available|Not Available|Not Available");
    }
  }

  // A No given before a Yes stopped the save stays in its box: the next save asks no more.
  Click(form->Picture5);
  fillAll("300");
  form->txtMobilePhone.clear();
  form->txtHomePhone.clear();
  boxes().expect(kMobileQuestion, vbNo);
  boxes().expect(kHomeQuestion, vbYes);
  Click(form->Picture9);
  EXPECT_EQ(form->txtMobilePhone.text(), "Not Available");
  TypeOver(form->txtHomePhone, "4444");
  boxes().expect(kSaved);
  Click(form->Picture9);
  EXPECT_EQ(scalar("SELECT MobilePhone||'|'||HomePhone FROM SettingsEmployeeDetails WHERE EmployeeID='300'"),
            "Not Available|4444");
}

TEST_F(EmployeesTest, ModifyEmptiesTheAbsentBoxesSoTheSaveAsksAgain) {
  addEmployee("7", "Ravi", "05/12/1980", "Not Available");  // mobile, home, mail, pager absent
  addEmployee("8", "Meena");
  ASSERT_NE(open(), nullptr);
  Click(form->Picture6);  // Modify
  EXPECT_EQ(mode(), "edit");
  for (QLineEdit* box : {&form->txtMobilePhone, &form->txtHomePhone, &form->txtEmailId, &form->txtPagerNumber})
    EXPECT_EQ(box->text(), "") << box->objectName().toStdString();
  EXPECT_EQ(form->txtFirstName.text(), "Ravi");
  TypeOver(form->txtHomePhone, "2222");
  boxes().expect(kMobileQuestion, vbNo);
  boxes().expect(kMailQuestion, vbNo);
  boxes().expect(kSaved);
  Click(form->Picture9);
  EXPECT_EQ(rowCount(), 2);
  EXPECT_EQ(row("EmployeeID='7'"), "7|Ravi|K|Male|Not Available|2222|05/12/1980| 46 Years,  0 Months,  5 Days|"
                                   "Not Available|12 Lake Road|Not Available|Nurse|B.Sc");

  // An edited employee may keep its own ID but not take another's.
  Click(form->Picture6);
  TypeOver(form->txtEmployeeID, "8");
  boxes().expect("Please Select the Another Employee Id\r\nThis Employee ID Already Assigned", kWarning, vbCritical);
  Click(form->Picture9);
  EXPECT_EQ(boxes().pending(), 0);
  EXPECT_EQ(mode(), "edit");
  Click(form->Picture10);
  EXPECT_EQ(scalar("SELECT group_concat(EmployeeID) FROM SettingsEmployeeDetails"), "7,8");
}

TEST_F(EmployeesTest, ModifyAndDeleteRefuseWithoutAnEmployee) {
  ASSERT_NE(open(), nullptr);
  boxes().expect("Please select any Record", kWarning, vbCritical);
  Click(form->Picture6);
  boxes().expect("Please select any Record", kWarning, vbCritical);  // before any question
  Click(form->Picture7);
  boxes().expect("No Record Found", kWarning, vbCritical);
  Click(form->Picture1);
  EXPECT_EQ(boxes().pending(), 0);

  // A refused Modify leaves no hole in the duplicate check of the next New.
  addEmployee("5", "Kiran");
  Click(form->Picture5);
  fillAll("5");
  boxes().expect("Please Select the Another Employee Id\r\nThis Employee ID Already Assigned");
  Click(form->Picture9);
  EXPECT_EQ(rowCount(), 1);
}

TEST_F(EmployeesTest, DeleteShowsTheNextRowAndEmptiesTheFormAfterTheLast) {
  addEmployee("1", "Anu", "14/03/1970");
  addEmployee("2", "Bala", "25/11/1981");
  ASSERT_NE(open(), nullptr);
  Click(form->Picture4);
  boxes().expect("Are you sure you want to delete this record?", "Confirm Delete", vbYesNo + vbQuestion, vbNo);
  Click(form->Picture7);
  EXPECT_EQ(rowCount(), 2);
  boxes().expect("Are you sure you want to delete this record?", vbYes);
  Click(form->Picture7);
  EXPECT_EQ(rowCount(), 1);
  EXPECT_EQ(form->txtEmployeeID.text(), "1");  // the new last row
  EXPECT_EQ(form->DTPicker1.date(), QDate(1970, 3, 14));
  boxes().expect("Are you sure you want to delete this record?", vbYes);
  Click(form->Picture7);
  EXPECT_EQ(rowCount(), 0);
  EXPECT_EQ(form->txtEmployeeID.text(), "");
  EXPECT_EQ(form->txtFirstName.text(), "");
  EXPECT_EQ(form->txtAge.text(), "");
  EXPECT_EQ(form->DTPicker1.date(), Today());
  EXPECT_EQ(boxes().pending(), 0);
}

TEST_F(EmployeesTest, ABirthDateAfterTodayIsRefusedAndTheAgeCounts30DayMonths) {
  ASSERT_NE(open(), nullptr);
  Click(form->Picture5);
  fillAll("1");
  boxes().expect(kNotBorn, QString(), vbOKOnly);
  pick(Today().addDays(1));
  EXPECT_EQ(form->DTPicker1.date(), Today());
  EXPECT_EQ(form->txtAge.text(), " 0 Years,  0 Months,  0 Days");
  boxes().expect("Please Select the Correct Date");
  Click(form->Picture9);
  EXPECT_EQ(rowCount(), 0);

  struct Case {
    QDate today, born;
    const char* age;
  };
  const Case cases[] = {
      {QDate(2026, 3, 5), QDate(1980, 1, 20), " 46 Years,  1 Months,  15 Days"},
      {QDate(2026, 3, 1), QDate(1990, 12, 31), " 35 Years,  2 Months,  0 Days"},
      {QDate(2027, 3, 1), QDate(2026, 1, 31), " 1 Years,  1 Months,  0 Days"},  // February is 30 days too
  };
  for (const Case& c : cases) {
    setToday(c.today);
    pick(c.born);
    EXPECT_EQ(form->txtAge.text(), QLatin1String(c.age)) << c.born.toString().toStdString();
  }
  EXPECT_EQ(boxes().pending(), 0);
}

TEST_F(EmployeesTest, KeyFiltersKeepOnlyWhatEachBoxTakes) {
  ASSERT_NE(open(), nullptr);
  Click(form->Picture5);
  struct Case {
    QLineEdit* box;
    const char* typed;
    const char* kept;
  };
  const Case cases[] = {
      {&form->txtEmployeeID, "1a2 .3", "123"},     {&form->txtFirstName, "Jo hn2", "John"},
      {&form->txtLastName, "K.v", "Kv"},           {&form->txtMobilePhone, "98-76 5", "98765"},
      {&form->txtHomePhone, "04.4x", "044"},        {&form->txtPagerNumber, "+12", "12"},
      {&form->txtEmailId, "a.b@c d", "a.b@c d"},   {&form->txtEmployeeType, "Staff 2", "Staff 2"},
  };
  for (const Case& c : cases) {
    TypeOver(*c.box, QLatin1String(c.typed));
    EXPECT_EQ(c.box->text(), QLatin1String(c.kept)) << c.box->objectName().toStdString();
  }
  TypeOver(form->cmbSex, "f");
  EXPECT_EQ(form->cmbSex.currentText(), "Female");
}

TEST_F(EmployeesTest, TheCloseMovieClosesOnTheWordCloseOnly) {
  ASSERT_NE(open(), nullptr);
  // Blanks around the word are trimmed, tabs and line ends are not.
  for (const char* command : {"Closex", "Minimize", "", "\tclose", "close\r\n", " close\t"})
    emit form->ShockwaveFlash2.FSCommand(command, "");
  emit form->ShockwaveFlash2.GotFocus();
  emit form->ShockwaveFlash3.FSCommand("Minimize", "");
  EXPECT_EQ(LoadedForm<frmAddEmployeeDetail>(), form);
  EXPECT_EQ(menus, QStringList{"hide"});
  emit form->ShockwaveFlash2.FSCommand(" CLOSE ", "");
  EXPECT_EQ(LoadedForm<frmAddEmployeeDetail>(), nullptr);
  EXPECT_EQ(menus, (QStringList{"hide", "show"}));
}

}  // namespace
