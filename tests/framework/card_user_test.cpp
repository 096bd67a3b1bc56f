// The detail cards, on the user card: loading, the search, the grid's layout at each press, and
// the cards that close themselves.

#include "data/vbdes.h"
#include "framework/detailcard.h"
#include "framework/mainmenus.h"
#include "framework/twips.h"
#include "globals.h"
#include "shell/frmViewUserDetails.h"
#include "support/fixture.h"
#include "support/input.h"

namespace {

class CardTest : public HalvionTest {
protected:
  void SetUp() override {
    HalvionTest::SetUp();
    gCon = openDb();
    SetMainMenuHooks(nullptr, [this](QLineEdit*) { menus.push_back("hide"); },
                     [this](QLineEdit*) { menus.push_back("show"); });
  }
  void TearDown() override {
    ClearMainMenuHooks();
    HalvionTest::TearDown();
  }
  void addUser(const QString& name, const QString& password, const QString& type) {
    exec(QStringLiteral("INSERT INTO SettingsNewUser(UserName,Password,UserType) VALUES('%1','%2','%3')")
             .arg(name, EncryptText(password), EncryptText(type)));
  }
  static void press(DetailCard* card) {
    Click(card->Picture1);
  }
  static QStringList values(const DetailCard* card) {
    QStringList v;
    for (int r = 0; r < card->MSFlexGrid1.Rows(); ++r) v << card->MSFlexGrid1.TextMatrix(r, 1);
    return v;
  }
  struct Snapshot {
    QStringList texts;
    std::vector<int> heights;
    int width;
    bool operator==(const Snapshot&) const = default;
  };
  static Snapshot snapshot(const DetailCard* card) {
    Snapshot s;
    const FlexGrid& g = card->MSFlexGrid1;
    for (int r = 0; r < g.Rows(); ++r) {
      s.texts << g.TextMatrix(r, 0) << g.TextMatrix(r, 1);
      s.heights.push_back(g.RowHeight(r));
    }
    s.width = WidthTwips(&g);
    return s;
  }

  QStringList menus;
};

TEST_F(CardTest, LoadFillsNamesAndLabelsAndSizesTheCard) {
  addUser("bob", "pw", "Doctor");
  frmViewUserDetails* card = ShowForm<frmViewUserDetails>();
  ASSERT_NE(card, nullptr);
  EXPECT_EQ(menus, QStringList{"hide"});
  EXPECT_EQ(gActiveForm.data(), card);
  EXPECT_EQ(card->ShockwaveFlash1.GetVariable("Receive"), QString(16, ' ') + "View User Details");
  EXPECT_EQ(card->lblDrName.text(), "User Name");

  QStringList names;
  for (int i = 0; i < card->cmbDrName.count(); ++i) names << card->cmbDrName.itemText(i);
  EXPECT_EQ(names, (QStringList{"tumbo", "bob"}));
  EXPECT_EQ(card->cmbDrName.currentText(), "");

  const FlexGrid& g = card->MSFlexGrid1;
  ASSERT_EQ(g.Rows(), 4);
  ASSERT_EQ(g.Cols(), 2);
  const QStringList labels{"User ID", "User Name", "Password", "Type"};
  for (int r = 0; r < 4; ++r) {
    EXPECT_EQ(g.TextMatrix(r, 0), labels[r]);
    EXPECT_EQ(g.TextMatrix(r, 1), "");
  }
  EXPECT_TRUE(g.Look(0, 0).fixed);
  EXPECT_FALSE(g.Look(0, 1).fixed);
  EXPECT_EQ(WidthTwips(&g), TwipsToPixels(4000) * 15);

  // Four rows of 240: the grid 960 + 2000 high, the card 4000 more.
  EXPECT_EQ(HeightTwips(&g), 2955);  // 2960 to the nearest pixel
  EXPECT_EQ(card->Height(), 6960);
  EXPECT_EQ(card->Width(), 8445 - 8445 % 15);
}

TEST_F(CardTest, HeightRule) {
  struct Case {
    int rows, margin, grid;
  };
  for (const Case& c : std::vector<Case>{{960, 2000, 2960}, {8000, 2000, 10000}, {8001, 2000, 8000}, {3600, 0, 3600}}) {
    EXPECT_EQ(CardGridHeight(c.rows, c.margin), c.grid) << c.rows;
    EXPECT_EQ(CardHeight(CardGridHeight(c.rows, c.margin)), c.grid + 4000);
  }
}

TEST_F(CardTest, TypingANameAndPressingShowsItsRowAsStored) {
  addUser("bob", "secret", "Nurse");
  frmViewUserDetails* card = ShowForm<frmViewUserDetails>();
  ASSERT_NE(card, nullptr);
  TypeKeys(card->cmbDrName, "b");  // completes to "bob"
  EXPECT_EQ(card->cmbDrName.currentText(), "bob");
  press(card);
  const QString id = scalar("SELECT UserID FROM SettingsNewUser WHERE UserName='bob'");
  EXPECT_EQ(values(card), (QStringList{id + "\r\n", "bob\r\n", EncryptText("secret") + "\r\n",
                                       EncryptText("Nurse") + "\r\n"}));
  EXPECT_EQ(card->MSFlexGrid1.TextMatrix(0, 0), "User ID\r\n");
  EXPECT_EQ(WidthTwips(&card->MSFlexGrid1), TwipsToPixels(5500) * 15);
}

TEST_F(CardTest, SearchTrimsTheTypedNameOnlyAndTakesTheFirstMatch) {
  exec("INSERT INTO SettingsNewUser(UserName,Password,UserType) VALUES('bob','first','t1')");
  exec("INSERT INTO SettingsNewUser(UserName,Password,UserType) VALUES(' ann','p','t')");
  exec("INSERT INTO SettingsNewUser(UserName,Password,UserType) VALUES('bob','second','t2')");
  struct Case {
    QString typed;
    QString password;  // the password row shown; empty: not found
  };
  const std::vector<Case> cases{
      {" bob ", "first"}, {"bob", "first"}, {"BOB", ""}, {" ann", ""}, {"ann", ""}, {"   ", ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.typed.toStdString());
    frmViewUserDetails* card = ShowForm<frmViewUserDetails>();
    ASSERT_NE(card, nullptr);
    card->cmbDrName.setEditText(c.typed);
    if (c.password.isEmpty()) boxes().expect("User Name Not Found", "Warning", vbCritical);
    press(card);
    EXPECT_EQ(card->MSFlexGrid1.TextMatrix(2, 1), c.password.isEmpty() ? QString() : c.password + "\r\n");
    card->Unload();
  }
}

// The fixed fault: each press used to wrap the shown text again and make every row taller.
TEST_F(CardTest, PressingAgainGivesTheSameGrid) {
  const QString longName = QString(45, 'a');  // wraps onto two lines and doubles its row
  addUser(longName, "pw", "Admin");
  frmViewUserDetails* card = ShowForm<frmViewUserDetails>();
  ASSERT_NE(card, nullptr);
  card->cmbDrName.setEditText(longName);
  press(card);
  const Snapshot first = snapshot(card);
  EXPECT_EQ(card->MSFlexGrid1.TextMatrix(1, 1), QString(30, 'a') + "\r\n" + QString(15, 'a') + "\r\n");
  // The label pass (+200) then the value pass ((h + 500) x 2 for 45 characters).
  EXPECT_EQ(first.heights[1], (240 + 200 + 500) * 2);
  EXPECT_EQ(first.heights[0], 240 + 200 + 200);

  press(card);
  press(card);
  EXPECT_EQ(snapshot(card), first);

  // A press that finds nothing, or with nothing chosen, lays out the same values again.
  card->cmbDrName.setEditText("nobody");
  boxes().expect("User Name Not Found", "Warning", vbCritical);
  press(card);
  EXPECT_EQ(snapshot(card), first);

  card->cmbDrName.setEditText("");
  boxes().expect("Please select the User Name", QString(), vbOKOnly);
  press(card);
  EXPECT_EQ(snapshot(card), first);
  EXPECT_EQ(card->focusWidget(), &card->cmbDrName);

  // Another user's shorter row replaces the values and the heights shrink back.
  card->cmbDrName.setEditText("tumbo");
  press(card);
  EXPECT_EQ(card->MSFlexGrid1.TextMatrix(1, 1), "tumbo\r\n");
  EXPECT_EQ(card->MSFlexGrid1.RowHeight(1), 240 + 200 + 200);
}

TEST_F(CardTest, ValuesWithoutContentShowEmpty) {
  exec("INSERT INTO SettingsNewUser(UserName,Password,UserType) VALUES('nulls',NULL,NULL)");
  exec("INSERT INTO SettingsNewUser(UserName,Password,UserType) VALUES(NULL,'p','t')");
  frmViewUserDetails* card = ShowForm<frmViewUserDetails>();
  ASSERT_NE(card, nullptr);
  EXPECT_EQ(card->cmbDrName.count(), 3);
  card->cmbDrName.setEditText("nulls");
  press(card);
  EXPECT_EQ(card->MSFlexGrid1.TextMatrix(1, 1), "nulls\r\n");
  EXPECT_EQ(card->MSFlexGrid1.TextMatrix(2, 1), "");
  EXPECT_EQ(card->MSFlexGrid1.TextMatrix(3, 1), "");
}

TEST_F(CardTest, CloseMovieClosesAndTheMenusComeBack) {
  frmViewUserDetails* card = ShowForm<frmViewUserDetails>();
  ASSERT_NE(card, nullptr);
  emit card->ShockwaveFlash2.FSCommand("Minimize", "");
  EXPECT_NE(LoadedForm<frmViewUserDetails>(), nullptr);
  Click(card->ShockwaveFlash2);
  EXPECT_EQ(LoadedForm<frmViewUserDetails>(), nullptr);
  EXPECT_EQ(menus, (QStringList{"hide", "show"}));
}

TEST_F(CardTest, EmptyOrUnreadableTableClosesTheCardAfterItsMessage) {
  exec("DELETE FROM SettingsNewUser");
  boxes().expect("No Record Found", "No Record Warning", vbExclamation);
  EXPECT_EQ(ShowForm<frmViewUserDetails>(), nullptr);
  EXPECT_EQ(LoadedForm<frmViewUserDetails>(), nullptr);
  EXPECT_EQ(menus, (QStringList{"hide", "show"}));

  menus.clear();
  exec("DROP TABLE SettingsNewUser");
  gCon = openDb();
  boxes().allowAny();
  EXPECT_EQ(ShowForm<frmViewUserDetails>(), nullptr);
  ASSERT_EQ(boxes().shown().size(), 2u);
  EXPECT_EQ(boxes().shown()[1].style, vbOKOnly);
  EXPECT_TRUE(boxes().shown()[1].title.isEmpty());
  EXPECT_EQ(LoadedForm<frmViewUserDetails>(), nullptr);
  EXPECT_EQ(menus, (QStringList{"hide", "show"}));
}

}  // namespace
