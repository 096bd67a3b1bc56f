// The laboratory price list: saving (refusals, duplicates), the description list, choosing an
// investigation (it becomes the row Modify and Delete act on), Delete rebuilding the list, and
// the list form.

#include "framework/flexgrid.h"
#include "masters/frmAddLabDetails.h"
#include "masters/pricelists.h"
#include "masters_support.h"

namespace {

const QString kDuplicate = QStringLiteral("Please Select the Another Name\r\nThis Name Already Available");

class LabTest : public MastersTest {
protected:
  // "description=amount|..." in table order.
  void addLab(const QString& rows) {
    for (const QString& r : rows.split('|')) {
      const QStringList p = r.split('=');
      exec(QStringLiteral("INSERT INTO SettingsLab VALUES ('%1', '%2')").arg(p[0], p[1]));
    }
  }
  QString table() const {
    return scalar(QStringLiteral("SELECT group_concat(Description || '=' || Amount, '|') FROM "
                                 "(SELECT * FROM SettingsLab ORDER BY rowid)"));
  }
  QString listed() const {
    QStringList items;
    for (int i = 0; i < form->cmbPatientID.count(); ++i) items << form->cmbPatientID.itemText(i);
    return items.join('|');
  }
  QString shown() const { return form->cmbPatientID.currentText() + '=' + form->txtPassword.text(); }

  // Types into the description and leaves the box for the amount.
  void typeAndLeave(const QString& text) {
    TypeOver(form->cmbPatientID, text);
    form->txtPassword.setFocus();
  }

  frmAddLabDetails* form = nullptr;
};

TEST_F(LabTest, SaveChecksInOrderAndRefusesDuplicatesTrimmedWithCaseIgnored) {
  addLab(QStringLiteral(" CBC =200"));
  form = open<frmAddLabDetails>();
  ASSERT_NE(form, nullptr);
  Click(form->Picture5);
  EXPECT_EQ(shown(), "=");
  const struct {
    const char* description;
    const char* amount;
    const char* message;  // "" for the duplicate message
    const char* title;
    QWidget* focus;
  } steps[] = {
      {"  ", "50", "Please Fill the Description", "", &form->cmbPatientID},
      {"CBC", "", "", "Warning", &form->cmbPatientID},  // the duplicate comes before the amount
      {"Malaria", "", "Please Fill the Amount", "", &form->txtPassword},
      {"Malaria", "  ", "Please Fill the Amount", "", &form->txtPassword},
  };
  for (const auto& s : steps) {
    TypeOver(form->cmbPatientID, QString::fromUtf8(s.description));
    TypeOver(form->txtPassword, QString::fromUtf8(s.amount));
    boxes().expect(*s.message ? QString::fromUtf8(s.message) : kDuplicate, QString::fromUtf8(s.title), vbCritical);
    Click(form->Picture9);
    EXPECT_EQ(mode(form), "edit") << s.message;
    EXPECT_EQ(form->focusWidget() == form->cmbPatientID.lineEdit() ? &form->cmbPatientID : form->focusWidget(),
              s.focus)
        << s.message;
  }
  // Case is ignored too: the bills complete "cbc" to CBC, so a second "cbc" could never be billed.
  TypeOver(form->cmbPatientID, QStringLiteral("cbc "));
  TypeOver(form->txtPassword, QStringLiteral("1x5.0"));
  EXPECT_EQ(form->txtPassword.text(), "150");
  boxes().expect(kDuplicate, QStringLiteral("Warning"), vbCritical);
  Click(form->Picture9);
  EXPECT_EQ(mode(form), "edit");
  EXPECT_EQ(shown(), "cbc =150");  // the boxes kept
  TypeOver(form->cmbPatientID, QStringLiteral("Malaria "));  // blanks are kept
  boxes().expect(kSaved, QStringLiteral("Update Info"), vbExclamation);
  Click(form->Picture9);
  EXPECT_EQ(mode(form), "browse");
  EXPECT_EQ(table(), " CBC =200|Malaria =150");
  EXPECT_EQ(listed(), " CBC |Malaria ");  // rebuilt from the table
  EXPECT_EQ(shown(), "Malaria =150");

  // Saved rows count in the next comparison.
  Click(form->Picture5);
  TypeOver(form->cmbPatientID, QStringLiteral("MALARIA"));
  TypeOver(form->txtPassword, QStringLiteral("1"));
  boxes().expect(kDuplicate);
  Click(form->Picture9);
  Click(form->Picture10);
  EXPECT_EQ(table(), " CBC =200|Malaria =150");
}

TEST_F(LabTest, TheListIsSortedWithoutRegardToCaseAndAnEmptyTableShowsNothing) {
  form = open<frmAddLabDetails>();
  EXPECT_EQ(shown(), "=");
  EXPECT_EQ(listed(), "");
  boxes().expect(QStringLiteral("No Record Found"), QString(), vbCritical);
  Click(form->Picture1);
  boxes().expect(QStringLiteral("Please select any Record"), QString(), vbCritical);
  Click(form->Picture6);
  boxes().expect(QStringLiteral("No Record Found"), QStringLiteral("No Record Warning"), vbExclamation);
  Click(form->Picture8);
  EXPECT_TRUE(form->FormWindow()->isEnabled());
  form->Unload();

  addLab(QStringLiteral("Xray=50|abc=10|CBC=200|Blood=30"));
  form = open<frmAddLabDetails>();
  EXPECT_EQ(listed(), "abc|Blood|CBC|Xray");
  EXPECT_EQ(shown(), "abc=10");
  Click(form->Picture3);
  Click(form->Picture3);
  EXPECT_EQ(shown(), "CBC=200");

  Click(form->Picture8);
  auto* list = LoadedForm<frmViewAllLab>();
  ASSERT_NE(list, nullptr);
  const char* const expected[5][3] = {
      {"No.", "Investigation", "Amount"}, {" 1", "abc", "10"}, {" 2", "Blood", "30"}, {" 3", "CBC", "200"},
      {" 4", "Xray", "50"}};
  ASSERT_EQ(list->MSFlexGrid1.Rows(), 5);
  for (int r = 0; r < 5; ++r)
    for (int c = 0; c < 3; ++c) EXPECT_EQ(list->MSFlexGrid1.TextMatrix(r, c), expected[r][c]) << r << "," << c;
  EXPECT_FALSE(form->FormWindow()->isEnabled());
}

TEST_F(LabTest, ChoosingOrTypingADescriptionInBrowseModeShowsItsRow) {
  addLab(QStringLiteral("abc=10|CBC=200|Xray=50"));
  form = open<frmAddLabDetails>();
  const struct {
    const char* before;  // what happens first: "" nothing, "first" Move First, "refused" a refused Modify
    bool pick;           // chosen from the list, else typed and left
    const char* text;
    const char* shows;
  } cases[] = {
      {"", true, "Xray", "Xray=50"},
      {"", false, "cbc", "CBC=200"},       // completed from the list
      {"first", true, "CBC", "CBC=200"},   // Move First does not switch it off
      {"", false, "Zinc", "Zinc=10"},      // no such row: the text stays, so does the amount
      {"refused", true, "Xray", "Xray=50"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    Click(form->Picture1);
    EXPECT_EQ(shown(), "abc=10");
    if (std::string(c.before) == "refused") {
      TypeOver(form->cmbPatientID, QString());
      boxes().expect(QStringLiteral("Please select any Record"));
      Click(form->Picture6);
    }
    if (c.pick)
      PickEntry(form->cmbPatientID, QString::fromUtf8(c.text));
    else
      typeAndLeave(QString::fromUtf8(c.text));
    EXPECT_EQ(shown(), QString::fromUtf8(c.shows));
  }
  // In edit mode a choice loads nothing.
  Click(form->Picture5);
  PickEntry(form->cmbPatientID, QStringLiteral("CBC"));
  EXPECT_EQ(shown(), "CBC=");
}

TEST_F(LabTest, ModifyAndDeleteActOnTheInvestigationShown) {
  addLab(QStringLiteral("abc=10|CBC=200|Xray=50"));
  form = open<frmAddLabDetails>();
  PickEntry(form->cmbPatientID, QStringLiteral("Xray"));
  Click(form->Picture6);
  ASSERT_EQ(mode(form), "edit");
  TypeOver(form->txtPassword, QStringLiteral("75"));
  boxes().expect(kSaved);
  Click(form->Picture9);
  EXPECT_EQ(table(), "abc=10|CBC=200|Xray=75");

  // Typed while the keyboard stays in the box, then CTRL+M: the typed row is the one modified.
  Click(form->Picture1);
  TypeOver(form->cmbPatientID, QStringLiteral("CB"));
  EXPECT_EQ(form->cmbPatientID.currentText(), "CBC");
  PressKey(form->cmbPatientID.lineEdit(), Qt::Key_M, Qt::ControlModifier);
  ASSERT_EQ(mode(form), "edit");
  EXPECT_EQ(shown(), "CBC=200");
  // Another row's description is refused.
  TypeOver(form->cmbPatientID, QStringLiteral("abc"));
  boxes().expect(kDuplicate, QStringLiteral("Warning"), vbCritical);
  Click(form->Picture9);
  EXPECT_EQ(mode(form), "edit");
  TypeOver(form->cmbPatientID, QStringLiteral("CBC"));
  TypeOver(form->txtPassword, QStringLiteral("210"));
  boxes().expect(kSaved);
  Click(form->Picture9);
  EXPECT_EQ(table(), "abc=10|CBC=210|Xray=75");
  EXPECT_EQ(listed(), "abc|CBC|Xray");

  // Delete removes the chosen row; the list is rebuilt and the next row shown.
  Click(form->Picture4);
  PickEntry(form->cmbPatientID, QStringLiteral("abc"));
  boxes().expect(kQuestion, QStringLiteral("Confirm Delete"), vbYesNo + vbQuestion, vbYes);
  Click(form->Picture7);
  EXPECT_EQ(table(), "CBC=210|Xray=75");
  EXPECT_EQ(listed(), "CBC|Xray");
  EXPECT_EQ(shown(), "CBC=210");

  for (int i = 0; i < 2; ++i) {
    boxes().expect(kQuestion, vbYes);
    Click(form->Picture7);
  }
  EXPECT_EQ(count(QStringLiteral("SettingsLab")), 0);
  EXPECT_EQ(listed(), "");
  EXPECT_EQ(shown(), "=");
}

}  // namespace
