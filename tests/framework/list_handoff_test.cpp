// The list forms: the hand-off with the record form that asks for a list, the grid they fill,
// and their width rule.
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTest>

#include "data/vbdes.h"
#include "framework/listform.h"
#include "framework/twips.h"
#include "globals.h"
#include "shell/frmViewAllUsers.h"
#include "support/fixture.h"
#include "support/input.h"

namespace {

// Stands in for the record forms that hand themselves to a list.
class CallerA : public VbForm {
};
class CallerB : public VbForm {
};

// A list configured like the wide ones, over the user table.
class WideList : public ListForm {
public:
  WideList() : ListForm(Config()) {}
  static ListFormConfig Config() {
    ListFormConfig c = frmViewAllUsers::UserListConfig();
    c.title = QStringLiteral("Wide");
    c.caption = QStringLiteral("Wide List");
    c.columns = {{QStringLiteral("No."), 500, ListColumn::kRowNumber},
                 {QStringLiteral("A"), 9000, 1},
                 {QStringLiteral("B"), 9000, 3}};
    return c;
  }
};

// A list whose table cannot be read.
class BrokenList : public ListForm {
public:
  BrokenList() : ListForm(Config()) {}
  static ListFormConfig Config() {
    ListFormConfig c = frmViewAllUsers::UserListConfig();
    c.read = TableRead{.table = QStringLiteral("NoSuchTable")};
    return c;
  }
};

// A list that closes on its close movie's command.
class CommandList : public ListForm {
public:
  CommandList() : ListForm(Config()) {}
  static ListFormConfig Config() {
    ListFormConfig c = frmViewAllUsers::UserListConfig();
    c.closeStyle = ListFormConfig::CloseStyle::CloseCommand;
    c.focusGridOnActivate = false;
    return c;
  }
};

const QString kBusy = QStringLiteral("View All User Details already in use.\r\nPlease complete prvious request.");

class ListTest : public HalvionTest {
protected:
  void SetUp() override {
    HalvionTest::SetUp();
    gCon = openDb();
    area = std::make_unique<QMdiArea>();
    area->resize(1200, 900);
    SetMdiArea(area.get());
    area->show();
  }
  void TearDown() override {
    HalvionTest::TearDown();
    SetMdiArea(nullptr);
    area.reset();
  }
  void addUser(const QString& name, const QString& password, const QString& type) {
    exec(QStringLiteral("INSERT INTO SettingsNewUser(UserName,Password,UserType) VALUES('%1','%2','%3')")
             .arg(name, EncryptText(password), EncryptText(type)));
  }
  static void clickClose(ListForm* list) {
    Click(list->ShockwaveFlash2);
    QCoreApplication::processEvents();
  }

  std::unique_ptr<QMdiArea> area;
};

TEST_F(ListTest, HandOffDisablesTheFirstCallerAndGivesItBackOnClose) {
  CallerA* a = ShowForm<CallerA>();
  CallerB* b = ShowForm<CallerB>();
  ASSERT_TRUE(a && b);

  LookUp<frmViewAllUsers>(a);
  frmViewAllUsers* list = LoadedForm<frmViewAllUsers>();
  ASSERT_NE(list, nullptr);
  EXPECT_FALSE(a->FormWindow()->isEnabled());
  EXPECT_TRUE(list->FormWindow()->isVisible());
  EXPECT_EQ(list->CallerForm(), a);
  EXPECT_EQ(area->activeSubWindow(), list->FormWindow());
  EXPECT_EQ(list->focusWidget(), &list->MSFlexGrid1);

  // Asked again while in use: the busy message, the list to the front, the first caller kept and
  // the second left as it was.
  area->setActiveSubWindow(qobject_cast<QMdiSubWindow*>(b->FormWindow()));
  boxes().expect(kBusy, QString(), vbOKOnly);
  LookUp<frmViewAllUsers>(b);
  EXPECT_EQ(LoadedForm<frmViewAllUsers>(), list);
  EXPECT_EQ(list->CallerForm(), a);
  EXPECT_TRUE(b->FormWindow()->isEnabled());
  EXPECT_FALSE(a->FormWindow()->isEnabled());
  EXPECT_EQ(area->activeSubWindow(), list->FormWindow());

  // The same caller asking again (its CTRL+V) gets the same message.
  boxes().expect(kBusy, QString(), vbOKOnly);
  LookUp<frmViewAllUsers>(a);
  EXPECT_FALSE(a->FormWindow()->isEnabled());

  clickClose(list);
  EXPECT_EQ(LoadedForm<frmViewAllUsers>(), nullptr);
  EXPECT_TRUE(a->FormWindow()->isEnabled());
  EXPECT_EQ(area->activeSubWindow(), a->FormWindow());
  EXPECT_EQ(gActiveForm.data(), nullptr);  // the list never takes it

  // Closed, the list is free again: the next caller is the one disabled, with no message.
  LookUp<frmViewAllUsers>(b);
  ASSERT_NE(LoadedForm<frmViewAllUsers>(), nullptr);
  EXPECT_EQ(LoadedForm<frmViewAllUsers>()->CallerForm(), b);
  EXPECT_FALSE(b->FormWindow()->isEnabled());
  EXPECT_TRUE(a->FormWindow()->isEnabled());
}

TEST_F(ListTest, EmptyTableSaysSoAndNeverShowsTheList) {
  exec("DELETE FROM SettingsNewUser");
  CallerA* a = ShowForm<CallerA>();
  boxes().expect("No Record Found", "No Record Warning", vbExclamation);
  LookUp<frmViewAllUsers>(a);
  QCoreApplication::processEvents();
  EXPECT_EQ(LoadedForm<frmViewAllUsers>(), nullptr);
  EXPECT_TRUE(a->FormWindow()->isEnabled());
  for (QMdiSubWindow* sub : area->subWindowList()) {
    if (qobject_cast<ListForm*>(sub->widget())) {
      EXPECT_FALSE(sub->isVisible() || sub->widget()->isVisible());
    }
  }

  // A row saved since is listed at the next opening, with no leftover caller or message.
  addUser("amina", "pw", "Doctor");
  LookUp<frmViewAllUsers>(a);
  frmViewAllUsers* list = LoadedForm<frmViewAllUsers>();
  ASSERT_NE(list, nullptr);
  EXPECT_EQ(list->MSFlexGrid1.Rows(), 2);
  EXPECT_EQ(list->MSFlexGrid1.TextMatrix(1, 1), "amina");
  EXPECT_EQ(list->CallerForm(), a);
}

TEST_F(ListTest, UnreadableTableSaysWhyAndGivesTheCallerBack) {
  CallerA* a = ShowForm<CallerA>();
  boxes().allowAny();
  LookUp<BrokenList>(a);
  QCoreApplication::processEvents();
  ASSERT_EQ(boxes().shown().size(), 1u);
  EXPECT_TRUE(boxes().shown()[0].prompt.contains("NoSuchTable")) << boxes().shown()[0].prompt.toStdString();
  EXPECT_EQ(boxes().shown()[0].style, vbOKOnly);
  EXPECT_EQ(LoadedForm<BrokenList>(), nullptr);
  EXPECT_TRUE(a->FormWindow()->isEnabled());
}

TEST_F(ListTest, UserListShowsEveryRowAsStoredNumberedWithABlank) {
  addUser("bob", "secret", "Nurse");
  // A row with cells that hold no value: they show empty and the rows after them still fill.
  exec("INSERT INTO SettingsNewUser(UserName,Password,UserType) VALUES('nulls',NULL,NULL)");
  addUser("carol", "x", "Doctor");

  CallerA* a = ShowForm<CallerA>();
  LookUp<frmViewAllUsers>(a);
  frmViewAllUsers* list = LoadedForm<frmViewAllUsers>();
  ASSERT_NE(list, nullptr);
  const FlexGrid& g = list->MSFlexGrid1;
  ASSERT_EQ(g.Rows(), 5);
  ASSERT_EQ(g.Cols(), 4);
  const QStringList headings{"No.", "User Name", "Password", "User Type"};
  for (int c = 0; c < 4; ++c) EXPECT_EQ(g.TextMatrix(0, c), headings[c]);

  struct Row {
    QString no, name, password, type;
  };
  const std::vector<Row> want{
      {" 1", "tumbo", EncryptText("tumbo"), EncryptText("Admin")},
      {" 2", "bob", EncryptText("secret"), EncryptText("Nurse")},
      {" 3", "nulls", "", ""},
      {" 4", "carol", EncryptText("x"), EncryptText("Doctor")},
  };
  for (int i = 0; i < int(want.size()); ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(g.TextMatrix(i + 1, 0), want[i].no);
    EXPECT_EQ(g.TextMatrix(i + 1, 1), want[i].name);
    EXPECT_EQ(g.TextMatrix(i + 1, 2), want[i].password);
    EXPECT_EQ(g.TextMatrix(i + 1, 3), want[i].type);
  }
  EXPECT_EQ(g.Row(), 0);
  EXPECT_EQ(g.Col(), 0);
  EXPECT_EQ(list->ShockwaveFlash1.GetVariable("Receive"), QString(12, ' ') + "View All User Details");

  // Sizes: the grid at 1000,1000 and as wide as its columns plus 350, the form 2000 wider.
  EXPECT_EQ(LeftTwips(&list->MSFlexGrid1), 1005);  // 1000 twips to the nearest pixel
  EXPECT_EQ(TopTwips(&list->MSFlexGrid1), 1005);
  EXPECT_EQ(list->MSFlexGrid1.width(), TwipsToPixels(5350));
  EXPECT_EQ(list->Width(), 7350);
  EXPECT_EQ(list->Height(), 4000 - 4000 % 15 + (4000 % 15 >= 8 ? 15 : 0));

  // The colours every list shares.
  const FlexGrid::CellLook fixed = g.Look(0, 1);
  const FlexGrid::CellLook data = g.Look(1, 1);
  EXPECT_TRUE(fixed.fixed);
  EXPECT_EQ(fixed.back, QColor(128, 0, 0));
  EXPECT_EQ(data.back, QColor(255, 255, 255));
  EXPECT_EQ(data.selBack, QColor(192, 192, 255));
  EXPECT_NE(data.selFore, data.selBack);  // a selected cell's text stays readable
}

TEST_F(ListTest, CommandClosingListClosesOnlyOnClose) {
  CallerA* a = ShowForm<CallerA>();
  LookUp<CommandList>(a);
  CommandList* list = LoadedForm<CommandList>();
  ASSERT_NE(list, nullptr);
  emit list->ShockwaveFlash2.GotFocus();
  emit list->ShockwaveFlash2.FSCommand("Minimize", "");
  EXPECT_EQ(LoadedForm<CommandList>(), list);
  emit list->ShockwaveFlash2.FSCommand(" CLOSE ", "");
  EXPECT_EQ(LoadedForm<CommandList>(), nullptr);
  EXPECT_TRUE(a->FormWindow()->isEnabled());
}

TEST_F(ListTest, WidthRule) {
  struct Case {
    std::vector<int> widths;
    int grid, form;
  };
  const std::vector<Case> cases{
      {{500, 1500, 1500, 1500}, 5350, 7350},  // the user list
      {{500, 1500, 1000}, 3350, 5350},
      {{5000, 5000}, 10350, 12350},           // exactly 10000 still gets its margin
      {{5000, 5001}, 10000, 12000},           // more than 10000 stops there
      {{500, 1500, 1500, 1500, 1500, 1500, 1500, 1500, 1500, 1500, 1500, 1500, 1500, 1500, 1200}, 10000, 12000},
      {{}, 350, 2350},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ListGridWidth(c.widths), c.grid);
    EXPECT_EQ(ListFormWidth(ListGridWidth(c.widths)), c.form);
  }

  // And a real wide list stops at those sizes.
  LookUp<WideList>(ShowForm<CallerA>());
  WideList* wide = LoadedForm<WideList>();
  ASSERT_NE(wide, nullptr);
  EXPECT_EQ(wide->Width(), 12000);
  EXPECT_EQ(wide->MSFlexGrid1.width(), TwipsToPixels(10000));
}

}  // namespace

