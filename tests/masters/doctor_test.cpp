// The doctor form: saving display names (refusals, duplicates), what New, Cancel and Delete
// empty, the key filters, and closing. What is stored of the other boxes: doctor_store_test.
#include <QPlainTextEdit>

#include "masters/frmAddDoctorDetail.h"
#include "masters_support.h"

namespace {

const QString kDuplicate = QStringLiteral("Please Select the Another Doctor Id\r\nThis Doctor ID Already Assigned");
const QString kWarning = QStringLiteral("Warning");

class DoctorTest : public MastersTest {
protected:
  void addDoctors(const QString& names) {
    for (const QString& n : names.split('|'))
      exec(QStringLiteral("INSERT INTO SettingDrDetails(DoctorID) VALUES ('%1')").arg(n));
  }
  QString doctors() const { return column(QStringLiteral("SettingDrDetails"), QStringLiteral("DoctorID")); }
  std::string focused() const {
    return form->focusWidget() == &form->txtDoctorID ? "txtDoctorID" : "other";
  }
  void ctrl(char key) { PressKey(form->txtDoctorID, Qt::Key(key), Qt::ControlModifier); }

  frmAddDoctorDetail* form = nullptr;
};

TEST_F(DoctorTest, SaveRefusesEmptyAndDuplicateNamesAndStoresTheNameAsTyped) {
  const struct {
    const char* stored;  // in table order
    bool modify;         // Modify the last stored row instead of New
    const char* typed;
    const char* message;  // "" for the duplicate message
    const char* after;    // the table afterwards
  } cases[] = {
      {"Dr.Zerdan , M.B.B.S", false, "", "Please Fill the DoctorID", "Dr.Zerdan , M.B.B.S"},
      {"Dr.Zerdan , M.B.B.S", false, "   ", "Please Fill the DoctorID", "Dr.Zerdan , M.B.B.S"},
      {" Dr.Amina ", false, "Dr.Amina", "", " Dr.Amina "},
      {"Dr.Amina", false, "  Dr.Amina  ", "", "Dr.Amina"},
      {"Dr.Amina", false, "dr.amina", "", "Dr.Amina"},  // case ignored, as the bills complete it
      {"Dr.Amina", false, " Dr.Kofi , M.S ", "Record Saved Successfully", "Dr.Amina| Dr.Kofi , M.S "},
      // An edit may not take another doctor's name, but keeps its own.
      {"Dr.Amina|Dr.Kofi", true, "Dr.Amina ", "", "Dr.Amina|Dr.Kofi"},
      {"Dr.Amina|Dr.Kofi", true, " Dr.Kofi", "Record Saved Successfully", "Dr.Amina| Dr.Kofi"},
      {"Dr.Amina|Dr.Kofi", true, "DR.AMINA", "", "Dr.Amina|Dr.Kofi"},
      {"Dr.Amina|Dr.Kofi", true, "dr.kofi", "Record Saved Successfully", "Dr.Amina|dr.kofi"},  // its own
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.stored) + " / '" + c.typed + "'");
    exec(QStringLiteral("DELETE FROM SettingDrDetails"));
    addDoctors(QString::fromUtf8(c.stored));
    form = open<frmAddDoctorDetail>();
    ASSERT_NE(form, nullptr);
    if (c.modify) {
      Click(form->Picture4);
      Click(form->Picture6);
    } else {
      Click(form->Picture5);
    }
    ASSERT_EQ(mode(form), "edit");
    TypeOver(form->txtDoctorID, QString::fromUtf8(c.typed));
    const bool saved = std::string(c.message) == "Record Saved Successfully";
    if (saved)
      boxes().expect(kSaved, QStringLiteral("Update Info"), vbExclamation);
    else
      boxes().expect(*c.message ? QString::fromUtf8(c.message) : kDuplicate, kWarning, vbCritical);
    Click(form->Picture9);
    EXPECT_EQ(mode(form), saved ? "browse" : "edit");
    if (!saved) {
      EXPECT_EQ(focused(), "txtDoctorID");
    }
    EXPECT_EQ(doctors(), QString::fromUtf8(c.after));
    form->Unload();
  }
}

TEST_F(DoctorTest, NamesSavedSinceTheFormOpenedAreComparedAlsoAfterARefusedModify) {
  form = open<frmAddDoctorDetail>();
  Click(form->Picture5);
  TypeOver(form->txtDoctorID, QStringLiteral("Dr.Ama"));
  boxes().expect(kSaved);
  ctrl('S');

  // A Modify refused for an empty name leaves the next New's comparison on.
  Click(form->Picture5);
  Click(form->Picture10);
  boxes().expect(QStringLiteral("Please select any Record"), kWarning, vbCritical);
  Click(form->Picture6);
  EXPECT_EQ(mode(form), "browse");
  ctrl('A');
  TypeOver(form->txtDoctorID, QStringLiteral("Dr.Ama"));
  boxes().expect(kDuplicate, kWarning, vbCritical);
  ctrl('S');
  EXPECT_EQ(doctors(), "Dr.Ama");
  // Nothing but the name was filled in: the other sixteen columns hold nothing either (no birth
  // date of today, no hours of midnight).
  EXPECT_EQ(scalar(QStringLiteral("SELECT COUNT(*) FROM SettingDrDetails WHERE FirstName || LastName || Sex || "
                                  "MobilePhone || HomePhone || DateOfBirth || Age || PagerNumber || Address || "
                                  "EmailId || DoctorType || Qualification || Specialization || InTime || OutTime || "
                                  "AvailableDays = ''")),
            "1");
}

TEST_F(DoctorTest, AMisspeltNameIsCorrectedInPlaceAndEarlierFeesKeepTheNameTheyWereEnteredWith) {
  exec(QStringLiteral("INSERT INTO SettingDrDetails(DoctorID, FirstName, MobilePhone) VALUES ('Dr.Amnia', 'Amina', "
                      "'0244'), ('Dr.Kofi', 'Kofi', '0302')"));
  exec(QStringLiteral("INSERT INTO SettingsConsultant VALUES ('2026-11-01', 'Dr.Amnia', '250', 'OP1')"));
  form = open<frmAddDoctorDetail>();
  ASSERT_EQ(form->txtDoctorID.text(), "Dr.Amnia");
  Click(form->Picture6);
  TypeOver(form->txtDoctorID, QStringLiteral("Dr.Amina , M.B.B.S"));
  boxes().expect(kSaved, QStringLiteral("Update Info"), vbExclamation);
  Click(form->Picture9);
  EXPECT_EQ(doctors(), "Dr.Amina , M.B.B.S|Dr.Kofi");
  EXPECT_EQ(column(QStringLiteral("SettingDrDetails"), QStringLiteral("FirstName || '=' || MobilePhone")),
            "Amina=0244|Kofi=0302");
  // A fee records the doctor as keyed when it was entered.
  EXPECT_EQ(column(QStringLiteral("SettingsConsultant"), QStringLiteral("DrName")), "Dr.Amnia");
}

TEST_F(DoctorTest, NewAndCancelEmptyEveryInput) {
  addDoctors(QStringLiteral("Dr.Amina|Dr.Kofi"));
  form = open<frmAddDoctorDetail>();
  EXPECT_EQ(form->txtDoctorID.text(), "Dr.Amina");

  QLineEdit* lines[] = {&form->txtFirstName, &form->txtLastName,  &form->txtMobilePhone,
                        &form->txtHomePhone, &form->txtAge,       &form->txtPagerNumber,
                        &form->txtEmailId,   &form->txtDoctorType, &form->txtQualification,
                        &form->txtSpecialization};
  const char* typed[] = {"Amina", "Osei", "0244", "0302", "46", "77", "a@b.c", "Surgeon", "MBBS", "Eyes"};
  for (std::size_t i = 0; i < std::size(lines); ++i) TypeOver(*lines[i], QLatin1String(typed[i]));
  form->txtAddress.setFocus();
  TypeKeys(form->txtAddress, QStringLiteral("Box 12"));
  form->txtAvailabledays.setPlainText(QStringLiteral("Monday"));
  TypeKeys(form->cmbSex.lineEdit(), QStringLiteral("f"));
  EXPECT_EQ(form->cmbSex.currentText(), "Female");

  // Every box is stored with the new doctor: none may carry the doctor shown before into it.
  form->DTPicker2.setTime(QTime(8, 30));
  Click(form->Picture5);
  EXPECT_EQ(form->txtDoctorID.text(), "");
  EXPECT_EQ(form->focusWidget(), &form->txtDoctorID);
  for (QLineEdit* box : lines) EXPECT_EQ(box->text(), "") << box->objectName().toStdString();
  EXPECT_EQ(form->txtAddress.toPlainText(), "");
  EXPECT_EQ(form->txtAvailabledays.toPlainText(), "");
  EXPECT_EQ(form->cmbSex.currentText(), "");
  EXPECT_EQ(form->DTPicker1.date(), defaultToday());
  EXPECT_EQ(form->DTPicker2.time(), QTime(0, 0));

  Click(form->Picture10);

  // Boxes filled during a Modify are emptied by its Cancel, and nothing is written.
  Click(form->Picture1);
  Click(form->Picture6);
  for (std::size_t i = 0; i < std::size(lines); ++i) TypeOver(*lines[i], QLatin1String(typed[i]));
  form->txtAddress.setPlainText(QStringLiteral("Box 12"));
  form->txtAvailabledays.setPlainText(QStringLiteral("Monday"));
  TypeKeys(form->cmbSex.lineEdit(), QStringLiteral("f"));
  Click(form->Picture10);
  EXPECT_EQ(scalar(QStringLiteral("SELECT COUNT(FirstName) FROM SettingDrDetails")), "0");
  EXPECT_EQ(mode(form), "browse");
  for (QLineEdit* box : lines) EXPECT_EQ(box->text(), "") << box->objectName().toStdString();
  EXPECT_EQ(form->txtDoctorID.text(), "");
  EXPECT_EQ(form->txtAddress.toPlainText(), "");
  EXPECT_EQ(form->txtAvailabledays.toPlainText(), "");
  EXPECT_EQ(form->cmbSex.currentText(), "");
  EXPECT_EQ(count(QStringLiteral("SettingDrDetails")), 2);

  // The name box is empty after the Cancel: Delete has nothing to ask about.
  boxes().expect(QStringLiteral("Please select any Record"), kWarning, vbCritical);
  Click(form->Picture7);
  EXPECT_EQ(count(QStringLiteral("SettingDrDetails")), 2);

  // Modify empties the boxes that say "Not Available".
  Click(form->Picture4);
  TypeOver(form->txtEmailId, QStringLiteral(" Not Available "));
  TypeOver(form->txtQualification, QStringLiteral("Not Available yet"));
  Click(form->Picture6);
  EXPECT_EQ(mode(form), "edit");
  EXPECT_EQ(form->txtEmailId.text(), "");
  EXPECT_EQ(form->txtQualification.text(), "Not Available yet");
}

TEST_F(DoctorTest, DeleteAsksThenRemovesTheShownDoctorAndAnEmptyTableSaysSo) {
  addDoctors(QStringLiteral("Dr.Amina|Dr.Kofi"));
  form = open<frmAddDoctorDetail>();
  boxes().expect(kQuestion, QStringLiteral("Confirm Delete"), vbYesNo + vbQuestion, vbNo);
  Click(form->Picture7);
  EXPECT_EQ(doctors(), "Dr.Amina|Dr.Kofi");

  boxes().expect(kQuestion, vbYes);
  Click(form->Picture7);
  EXPECT_EQ(doctors(), "Dr.Kofi");
  EXPECT_EQ(form->txtDoctorID.text(), "Dr.Kofi");
  boxes().expect(kQuestion, vbYes);
  ctrl('D');
  EXPECT_EQ(count(QStringLiteral("SettingDrDetails")), 0);
  EXPECT_EQ(form->txtDoctorID.text(), "");

  for (ImageButton* b : {&form->Picture1, &form->Picture2, &form->Picture3, &form->Picture4}) {
    boxes().expect(QStringLiteral("No Record Found"), kWarning, vbCritical);
    Click(*b);
  }
  TypeOver(form->txtDoctorID, QStringLiteral("Dr.Ghost"));
  boxes().expect(QStringLiteral("No Record Found you cannt Edit"), kWarning, vbCritical);
  Click(form->Picture6);
  boxes().expect(QStringLiteral("No Record Found"), kWarning, vbCritical);  // asked nothing first
  Click(form->Picture7);
}

TEST_F(DoctorTest, TheBoxesTakeOnlyTheirKeys) {
  form = open<frmAddDoctorDetail>();
  const struct {
    QLineEdit* box;
    const char* typed;
    const char* kept;
  } cases[] = {
      {&form->txtFirstName, "Ab1 c-d!", "Abcd"},
      {&form->txtLastName, "O'Neil 2", "ONeil"},
      {&form->txtMobilePhone, "+233 24-5.6a", "2332456"},
      {&form->txtHomePhone, "03.02", "0302"},
      {&form->txtPagerNumber, "p12", "12"},
      {&form->txtAge, "4.5.6y", "4.56"},
      {&form->txtDoctorID, "Dr.Zerdan , M.B.B.S", "Dr.Zerdan , M.B.B.S"},
  };
  for (const auto& c : cases) {
    TypeOver(*c.box, QString::fromUtf8(c.typed));
    EXPECT_EQ(c.box->text(), QString::fromUtf8(c.kept)) << c.typed;
  }
  // The sex box completes from its two entries and takes nothing else.
  form->cmbSex.setFocus();
  TypeKeys(form->cmbSex.lineEdit(), QStringLiteral("m"));
  EXPECT_EQ(form->cmbSex.currentText(), "Male");
  TypeKeys(form->cmbSex.lineEdit(), QStringLiteral("x"));
  EXPECT_EQ(form->cmbSex.currentText(), "");
}

TEST_F(DoctorTest, TheFormOpensInBrowseModeWithItsTipsAndClosingGivesMenusAndKeysBack) {
  addDoctors(QStringLiteral("Dr.Amina"));
  QStringList menus;
  RecordMainMenus(menus);
  form = open<frmAddDoctorDetail>();
  EXPECT_EQ(menus, QStringList{"hide"});
  EXPECT_EQ(gActiveForm, form);
  EXPECT_EQ(mode(form), "browse");
  EXPECT_EQ(form->Picture12.toolTip(), "Example : Dr.Zerdan , M.B.B.S");
  EXPECT_EQ(form->Picture11.toolTip(), "");
  EXPECT_EQ(form->DTPicker2.time(), QTime(0, 0));
  EXPECT_EQ(form->cmbSex.count(), 2);
  // Every input, label and button lies inside the window.
  for (QWidget* w : form->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
    if (!w->isHidden() && !qobject_cast<FlashMovie*>(w) && w != &form->Image1) {
      EXPECT_TRUE(form->rect().contains(w->geometry()))
          << w->metaObject()->className() << " " << w->objectName().toStdString() << " "
          << w->geometry().x() << "," << w->geometry().y() << " " << w->width() << "x" << w->height() << " in "
          << form->width() << "x" << form->height();
    }
  }

  Click(form->ShockwaveFlash2);
  EXPECT_EQ(LoadedForm<frmAddDoctorDetail>(), nullptr);
  EXPECT_EQ(menus, (QStringList{"hide", "show"}));
  for (bool flag : gHotKeyRegistered) EXPECT_FALSE(flag);
}

}  // namespace
