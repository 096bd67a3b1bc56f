// The movies: the window buttons raise their commands when clicked (and only then), the menus raise
// the command of the item chosen and offer each user type its commands, and a movie file that is
// missing or not ours shows an empty movie that raises nothing.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <memory>

#include "platform/flashmovie.h"
#include "platform/system.h"
#include "shell/dispatch.h"
#include "support/fixture.h"
#include "support/input.h"

namespace {

// Every command of the main window's dispatch table.
QStringList AllCommands() {
  QStringList all;
  for (const MenuCommand& c : MainWindowCommands()) all << QString::fromLatin1(c.command);
  return all;
}

// What a Doctor or an Employee is not offered.
const QStringList kAdminOnly = {
    "mnuNewUserAccounts", "mnuCopyDatabase",     "mnuAddDrDetail", "mnuLabTestNames",  "mnuXRayTestNames",
    "mnuOutCancelBill",   "InCancelBill",        "mnuLabCancelBill", "mnuXRayCancelBill", "mnuCancelBillReport",
    "mnuOutBill",         "mnuInBill",           "mnuLabBill",     "mnuXaryBill"};

class MovieTest : public HalvionTest {
protected:
  void SetUp() override {
    HalvionTest::SetUp();
    form = std::make_unique<QWidget>();
    form->resize(900, 500);
  }
  void TearDown() override {
    form.reset();
    HalvionTest::TearDown();
  }
  FlashMovie* movie(const QString& file, QRect geometry = QRect(10, 10, 30, 30)) {
    auto* m = new FlashMovie(form.get());
    m->setGeometry(geometry);
    m->SetMovie(AppPath() + "\\" + file);
    return m;
  }
  // Where QMenu opened by the last click shows `label`, clicked as the user does.
  static void clickOpenMenuItem(const QString& label) {
    auto* popup = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    ASSERT_NE(popup, nullptr) << "no drop-down opened";
    for (QAction* a : popup->actions())
      if (a->text() == label) {
        QTest::mouseClick(popup, Qt::LeftButton, {}, popup->actionGeometry(a).center());
        return;
      }
    FAIL() << "no item " << label.toStdString();
  }
  std::unique_ptr<QWidget> form;
};

TEST_F(MovieTest, WindowButtonsRaiseTheirCommandOnALeftClick) {
  struct Case {
    const char* file;
    const char* command;
  };
  const Case cases[] = {{"close.swf", "Close"}, {"min.swf", "Minimize"}, {"closemain.swf", "Close"},
                        {"minmain.swf", "Minimize"}};
  form->show();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.file);
    FlashMovie* m = movie(c.file);
    m->show();
    QSignalSpy commands(m, &FlashMovie::FSCommand);
    QSignalSpy clicks(m, &FlashMovie::GotFocus);
    QTest::mouseClick(m, Qt::RightButton);
    QTest::mouseClick(m, Qt::MiddleButton);
    EXPECT_EQ(commands.count(), 0) << "only the left button clicks";
    QTest::mouseClick(m, Qt::LeftButton);
    ASSERT_EQ(commands.count(), 1);
    EXPECT_EQ(commands[0][0].toString(), c.command);
    EXPECT_EQ(commands[0][1].toString(), "");
    EXPECT_EQ(clicks.count(), 1);
    // Pressed on the button, released away from it: no click.
    QTest::mousePress(m, Qt::LeftButton, {}, QPoint(15, 15));
    QTest::mouseRelease(m, Qt::LeftButton, {}, QPoint(200, 200));
    EXPECT_EQ(commands.count(), 1);
  }
}

TEST_F(MovieTest, FocusAloneNeverRaisesAnything) {
  auto* Text1 = new QLineEdit(form.get());
  auto* Text2 = new QLineEdit(form.get());
  Text1->move(10, 60);
  FlashMovie* close = movie("close.swf", QRect(40, 10, 30, 30));
  Text2->move(10, 100);
  form->show();
  QApplication::setActiveWindow(form.get());
  QSignalSpy commands(close, &FlashMovie::FSCommand);
  QSignalSpy clicks(close, &FlashMovie::GotFocus);

  Text1->setFocus();
  for (int i = 0; i < 4; ++i) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_NE(QApplication::focusWidget(), close) << "a Tab must not land on the close movie";
  }
  close->setFocus(Qt::OtherFocusReason);
  QTest::keyClick(close, Qt::Key_Space);
  QTest::keyClick(close, Qt::Key_Return);
  EXPECT_EQ(commands.count(), 0);
  EXPECT_EQ(clicks.count(), 0);
}

TEST_F(MovieTest, TitleBarShowsItsVariableAndLetsPressesThrough) {
  FlashMovie* bar = movie("bar1.swf", QRect(-133, -2, 1521, 33));
  bar->SetVariable("Receive", "Patient Entry");
  QSignalSpy commands(bar, &FlashMovie::FSCommand);
  form->show();
  const QImage shot = bar->grab().toImage();
  // The caption is drawn in white on the bar, from its indent on.
  auto whiteIn = [&shot](int x0, int x1) {
    int n = 0;
    for (int x = x0; x < x1; ++x)
      for (int y = 0; y < shot.height(); ++y) n += QColor(shot.pixel(x, y)).lightness() > 240;
    return n;
  };
  EXPECT_GT(whiteIn(145, 260), 20);
  EXPECT_EQ(whiteIn(0, 140), 0);
  bar->SetVariable("Receive", "");
  EXPECT_EQ(whiteIn(0, 140), 0);
  QTest::mouseClick(bar, Qt::LeftButton, {}, QPoint(300, 15));
  EXPECT_EQ(commands.count(), 0);
}

TEST_F(MovieTest, MenusOfferEachUserTypeItsCommands) {
  const QStringList allCommands = AllCommands();
  QStringList userCommands = allCommands;
  for (const QString& c : kAdminOnly) userCommands.removeAll(c);
  ASSERT_EQ(allCommands.size(), 38);
  ASSERT_EQ(userCommands.size(), 24);
  struct Case {
    const char* file;
    bool vertical;
    const QStringList* commands;
  };
  const Case cases[] = {{"menuHr.swf", false, &allCommands},
                        {"menuVr.swf", true, &allCommands},
                        {"menuUserHr.swf", false, &userCommands},
                        {"menuUserVr.swf", true, &userCommands}};
  const QStringList groups = {"Out-Patient", "In-Patient", "Laboratory", "X-Ray", "Reports",
                              "Masters",     "Settings",   "Help",       "Exit"};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.file);
    const MovieDescription d = ReadMovieDescription(AppPath() + "/" + c.file);
    ASSERT_EQ(d.kind, MovieDescription::Kind::Menu);
    EXPECT_EQ(d.vertical, c.vertical);
    QStringList offered = d.Commands();
    QStringList sortedOffered = offered, sortedWanted = *c.commands;
    sortedOffered.sort();
    sortedWanted.sort();
    EXPECT_EQ(sortedOffered, sortedWanted) << "each command exactly once";
    QStringList shownGroups;
    for (const MovieGroup& g : d.groups) {
      shownGroups << g.label;
      for (const MovieItem& i : g.items) EXPECT_FALSE(i.label.isEmpty()) << i.command.toStdString();
    }
    QStringList wantedGroups = groups;
    if (c.commands == &userCommands) wantedGroups.removeAll("Masters");  // nothing of it is left
    EXPECT_EQ(shownGroups, wantedGroups);
    EXPECT_EQ(d.groups.back().items.front().command, "mnuexit");
  }
}

TEST_F(MovieTest, HorizontalMenuItemRaisesItsCommand) {
  FlashMovie* menu = movie("menuHr.swf", QRect(0, 0, 900, 40));
  form->show();
  QApplication::setActiveWindow(form.get());
  QSignalSpy commands(menu, &FlashMovie::FSCommand);
  auto* bar = menu->findChild<QMenuBar*>();
  ASSERT_NE(bar, nullptr);
  const auto clickGroup = [bar](const QString& label) {
    for (QAction* a : bar->actions())
      if (a->text() == label) return QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(a).center());
    ADD_FAILURE() << "no group " << label.toStdString();
  };

  clickGroup("Out-Patient");
  clickOpenMenuItem("Out-Patient Bill");
  clickGroup("Reports");
  clickOpenMenuItem("Cancelled X-Ray Bills");
  clickGroup("Exit");
  ASSERT_EQ(commands.count(), 3);
  EXPECT_EQ(commands[0][0].toString(), "mnuOutAddBill");
  EXPECT_EQ(commands[1][0].toString(), "mnuXaryBill");
  EXPECT_EQ(commands[2][0].toString(), "mnuexit");
}

TEST_F(MovieTest, VerticalMenuItemRaisesItsCommand) {
  FlashMovie* menu = movie("menuUserVr.swf", QRect(10, 10, 200, 420));
  form->show();
  QApplication::setActiveWindow(form.get());
  QSignalSpy commands(menu, &FlashMovie::FSCommand);
  const auto button = [menu](const QString& label) -> QPushButton* {
    for (QPushButton* b : menu->findChildren<QPushButton*>())
      if (b->text().startsWith(label)) return b;
    return nullptr;
  };
  ASSERT_NE(button("In-Patient"), nullptr);
  Click(button("In-Patient"));
  clickOpenMenuItem("In-Patient Admission");
  EXPECT_EQ(button("Masters"), nullptr);
  Click(button("Exit"));
  ASSERT_EQ(commands.count(), 2);
  EXPECT_EQ(commands[0][0].toString(), "mnuInAdmission");
  EXPECT_EQ(commands[1][0].toString(), "mnuexit");
}

TEST_F(MovieTest, MissingOrForeignMovieIsEmptyAndSilent) {
  struct Case {
    const char* what;
    QByteArray content;  // null: no file at all
  };
  const Case cases[] = {
      {"missing", QByteArray()},
      {"a real movie's bytes", QByteArray("FWS\x06\x20\x00\x00\x00\x78\x00", 10)},
      {"empty file", QByteArray("")},
      {"not a description", "hello world\n"},
      {"unknown kind", "kind slideshow\ncommand Close\n"},
      {"button without a command", "kind button\nglyph close\n"},
      {"menu item before any group", "kind menu\nlayout vertical\nitem mnuexit Exit\n"},
      {"menu without a layout", "kind menu\ngroup Help\nitem mnuAboutMe About\n"},
  };
  form->show();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const QString path = AppPath() + "/broken.swf";
    QFile::remove(path);
    if (!c.content.isNull()) {
      QFile f(path);
      ASSERT_TRUE(f.open(QIODevice::WriteOnly));
      f.write(c.content);
    }
    // A movie that held a menu before: the new file replaces all of it.
    FlashMovie* m = movie("menuHr.swf", QRect(0, 0, 400, 40));
    m->SetMovie(AppPath() + "\\broken.swf");
    m->show();
    EXPECT_TRUE(m->IsEmpty());
    EXPECT_TRUE(m->findChildren<QWidget*>().isEmpty()) << "nothing of the old menu is left";
    QSignalSpy commands(m, &FlashMovie::FSCommand);
    QTest::mouseClick(m, Qt::LeftButton, {}, QPoint(20, 20));
    EXPECT_EQ(commands.count(), 0);
    delete m;
  }
  EXPECT_TRUE(boxes().shown().empty());
}

}  // namespace
