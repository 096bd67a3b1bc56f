// The x-ray price list: the save checks in their order, duplicates also on a table empty at
// load, the two amounts, the record bar's order against the sorted list.
#include "framework/flexgrid.h"
#include "framework/twips.h"
#include "masters/frmAddXRayDetails.h"
#include "masters/pricelists.h"
#include "masters_support.h"

namespace {

const QString kDuplicate = QStringLiteral("Please Select the Another Name\r\nThis Name Already Available");

class XRayTest : public MastersTest {
protected:
  QString table() const {
    return scalar(QStringLiteral("SELECT group_concat(Description || '=' || AdultAmount || '/' || ChildrenAmount, "
                                 "'|') FROM (SELECT * FROM SettingsXRay ORDER BY rowid)"));
  }
  QString shown() const {
    return form->txtUserName.text() + '=' + form->txtPassword.text() + '/' + form->txtConfirmPassword.text();
  }
  void fill(const char* description, const char* adult, const char* children) {
    TypeOver(form->txtUserName, QString::fromUtf8(description));
    TypeOver(form->txtPassword, QString::fromUtf8(adult));
    TypeOver(form->txtConfirmPassword, QString::fromUtf8(children));
  }
  frmAddXRayDetails* form = nullptr;
};

TEST_F(XRayTest, SaveChecksInOrderAndComparesRowsSavedSinceAnEmptyLoad) {
  form = open<frmAddXRayDetails>();
  ASSERT_NE(form, nullptr);
  EXPECT_EQ(form->Picture11.toolTip(), "XRay Description Here");
  Click(form->Picture5);
  const struct {
    const char* description;
    const char* adult;
    const char* children;
    const char* message;
    QWidget* focus;
  } steps[] = {
      {" ", "", "", "Please Fill the Description", &form->txtUserName},
      {"Chest", "", "", "Please Fill the Adult Amount", &form->txtPassword},  // the adult amount first
      {"Chest", "300", " ", "Please Fill the Childrens Amount", &form->txtConfirmPassword},
  };
  for (const auto& s : steps) {
    fill(s.description, s.adult, s.children);
    boxes().expect(QString::fromUtf8(s.message), QString(), vbCritical);
    Click(form->Picture9);
    EXPECT_EQ(mode(form), "edit");
    EXPECT_EQ(form->focusWidget(), s.focus) << s.message;
  }
  fill(" Chest ", "300", "0");  // a free test for children is a price too
  boxes().expect(kSaved, QStringLiteral("Update Info"), vbExclamation);
  Click(form->Picture9);
  EXPECT_EQ(mode(form), "browse");
  EXPECT_EQ(table(), " Chest =300/0");
  EXPECT_EQ(shown(), " Chest =300/0");

  const struct {
    const char* description;
    bool refused;
  } next[] = {{"Chest", true}, {"Chest  ", true}, {"chest", true}, {"Knee", false}};  // case ignored
  for (const auto& n : next) {
    SCOPED_TRACE(n.description);
    PressKey(form->txtUserName, Qt::Key_A, Qt::ControlModifier);
    fill(n.description, "", "");  // the duplicate is named before the empty amounts
    if (n.refused) {
      boxes().expect(kDuplicate, QStringLiteral("Warning"), vbCritical);
      Click(form->Picture9);
      EXPECT_EQ(form->focusWidget(), &form->txtUserName);
      Click(form->Picture10);
    } else {
      boxes().expect(QStringLiteral("Please Fill the Adult Amount"));
      Click(form->Picture9);
      fill(n.description, "250", "100");
      boxes().expect(kSaved);
      Click(form->Picture9);
    }
  }
  EXPECT_EQ(table(), " Chest =300/0|Knee=250/100");

  // An edit may not take another test's description, in any case.
  Click(form->Picture1);
  Click(form->Picture6);
  TypeOver(form->txtUserName, QStringLiteral("kNEE"));
  boxes().expect(kDuplicate, QStringLiteral("Warning"), vbCritical);
  Click(form->Picture9);
  EXPECT_EQ(mode(form), "edit");
  EXPECT_EQ(table(), " Chest =300/0|Knee=250/100");
}

TEST_F(XRayTest, TheBarWalksTheTableOrderWhileTheListIsSorted) {
  exec(QStringLiteral("INSERT INTO SettingsXRay VALUES ('Skull', '400', '200'), ('arm', '150', '80'), "
                      "('Chest', '300', '150')"));
  form = open<frmAddXRayDetails>();
  EXPECT_EQ(shown(), "Skull=400/200");
  const struct {
    ImageButton* button;
    const char* shows;
  } moves[] = {{&form->Picture2, "Skull=400/200"}, {&form->Picture3, "arm=150/80"},
               {&form->Picture3, "Chest=300/150"}, {&form->Picture3, "Chest=300/150"},
               {&form->Picture1, "Skull=400/200"}, {&form->Picture4, "Chest=300/150"}};
  for (const auto& m : moves) {
    Click(*m.button);
    EXPECT_EQ(shown(), m.shows) << m.button->objectName().toStdString();
  }

  Click(form->Picture8);
  auto* list = LoadedForm<frmViewAllXRay>();
  ASSERT_NE(list, nullptr);
  const char* const expected[4][4] = {{"No.", "Description", "Adult(Amt)", "Children ( Amt )"},
                                      {" 1", "arm", "150", "80"},
                                      {" 2", "Chest", "300", "150"},
                                      {" 3", "Skull", "400", "200"}};
  ASSERT_EQ(list->MSFlexGrid1.Rows(), 4);
  for (int r = 0; r < 4; ++r)
    for (int c = 0; c < 4; ++c) EXPECT_EQ(list->MSFlexGrid1.TextMatrix(r, c), expected[r][c]) << r << "," << c;
  EXPECT_EQ(list->MSFlexGrid1.width(), TwipsToPixels(5350));
  Click(list->ShockwaveFlash2);
  EXPECT_TRUE(form->FormWindow()->isEnabled());

  // Deleting every test leaves the boxes empty.
  for (int i = 0; i < 3; ++i) {
    boxes().expect(kQuestion, vbYes);
    Click(form->Picture7);
  }
  EXPECT_EQ(shown(), "=/");
}

TEST_F(XRayTest, TheAmountsTakeDigitsOnlyAndTheDescriptionAnything) {
  form = open<frmAddXRayDetails>();
  Click(form->Picture5);
  fill("Knee (AP/Lat) #1", "1.5-0a", "-08");
  EXPECT_EQ(shown(), "Knee (AP/Lat) #1=150/08");
}

}  // namespace
