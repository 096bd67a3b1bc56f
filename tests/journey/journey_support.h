#pragma once
// The program as a person meets it: started the way main starts it (the splash, then the login),
// worked only through what is on the screen (the menu movie, the boxes, the image buttons, the
// CTRL keys, the answers to the message boxes) and left through its own exit.
//
// Controls are reached through the form that shows them only to type into them, click them and
// read them, as the person sitting in front of them would.
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>
#include <memory>

#include "framework/imagebutton.h"
#include "framework/mainmenus.h"
#include "framework/vbform.h"
#include "globals.h"
#include "platform/flashmovie.h"
#include "shell/frmLoading.h"
#include "shell/frmLogin.h"
#include "shell/frmMain.h"
#include "support/desktop_fake.h"
#include "support/fixture.h"
#include "support/input.h"

class JourneyTest : public HalvionTest {
protected:
  void SetUp() override {
    HalvionTest::SetUp();
    // The back-up form starts in the user's home folder: give this run a home of its own.
    home_ = std::make_unique<QTemporaryDir>();
    ASSERT_TRUE(home_->isValid());
    oldHome_ = qgetenv("HOME");
    qputenv("HOME", home_->path().toUtf8());
  }
  void TearDown() override {
    ResetForms();
    ClearMainMenuHooks();
    SetCurrentUserTypeBox(nullptr);
    qputenv("HOME", oldHome_);
    HalvionTest::TearDown();
  }

  QString home() const { return home_->path(); }

  // Starts the program as main does and waits, as the user does, for the splash to finish, the
  // default login to be named (while it still logs in) and the login window to come up.
  frmLogin* startProgram(bool defaultLoginNamed = true) {
    if (defaultLoginNamed)
      boxes().expect(QStringLiteral("Please type - User name : tumbo , Password : tumbo"), QString(),
                     vbOKOnly + vbInformation);
    LoadForm<frmLoading>();
    const bool up = QTest::qWaitFor(
        [] {
          frmLogin* login = LoadedForm<frmLogin>();
          return login && login->isVisible();
        },
        15000);
    EXPECT_TRUE(up) << "the login window never came up";
    frmLogin* login = LoadedForm<frmLogin>();
    if (login) {
      QApplication::setActiveWindow(login);
      (void)QTest::qWaitForWindowActive(login);
    }
    return login;
  }

  // The user name, Enter, the password, Enter: the main window opens for a known user.
  frmMain* logIn(const QString& name, const QString& password) {
    frmLogin* login = LoadedForm<frmLogin>();
    EXPECT_NE(login, nullptr);
    if (!login) return nullptr;
    TypeKeys(login->txtUserName, name);
    PressKey(login->txtUserName, Qt::Key_Return);
    TypeKeys(login->txtPassword, password);
    PressKey(login->txtPassword, Qt::Key_Return);
    frmMain* main = LoadedForm<frmMain>();
    if (main) QApplication::setActiveWindow(main);
    return main;
  }

  // The menu movie the main window shows now (nullptr when it shows none).
  static FlashMovie* shownMenu() {
    frmMain* main = LoadedForm<frmMain>();
    if (!main) return nullptr;
    if (main->ShockwaveFlash2.isVisible()) return &main->ShockwaveFlash2;
    if (main->ShockwaveFlash1.isVisible()) return &main->ShockwaveFlash1;
    return nullptr;
  }
  static QString shownMenuFile() {
    FlashMovie* movie = shownMenu();
    return movie ? movie->Movie().section('/', -1) : QString();
  }
  // Every command the shown menu offers.
  static QStringList menuCommands() {
    FlashMovie* movie = shownMenu();
    return movie ? movie->Description().Commands() : QStringList();
  }

  // Picks the menu item that raises `command` in the menu the main window shows.
  static void pickMenu(const QString& command) {
    FlashMovie* movie = shownMenu();
    ASSERT_NE(movie, nullptr) << "no menu is shown for " << command.toStdString();
    // A command of its own beside the groups is a button of the vertical menu.
    for (const MovieGroup& group : movie->Description().groups)
      if (group.entry && group.items.front().command == command)
        for (QPushButton* button : movie->findChildren<QPushButton*>())
          if (button->text() == group.label) {
            Click(button);
            QApplication::processEvents();
            return;
          }
    QAction* item = nullptr;
    for (QAction* a : movie->findChildren<QAction*>())
      if (a->data().toString() == command) item = a;
    ASSERT_NE(item, nullptr) << "the menu offers no " << command.toStdString();
    item->trigger();
    QApplication::processEvents();
  }

  // Picks the menu item and gives back the form it brought up, in front and active.
  template <class F>
  F* openFromMenu(const QString& command) {
    pickMenu(command);
    F* form = LoadedForm<F>();
    EXPECT_NE(form, nullptr) << command.toStdString() << " opened nothing";
    if (form) {
      EXPECT_TRUE(form->isVisible());
      QApplication::setActiveWindow(form->FormWindow());
    }
    return form;
  }

  // A click on a form's title-bar close movie; the form goes once the event loop has run.
  static void closeWith(FlashMovie& closeMovie) {
    Click(closeMovie);
    QApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }

  // A click on the close button in the form's title bar.
  static void closeForm(QWidget* form) {
    FlashMovie* close = nullptr;
    for (FlashMovie* m : form->findChildren<FlashMovie*>())
      if (m->Description().kind == MovieDescription::Kind::Button && m->Description().command == QLatin1String("Close"))
        close = m;
    ASSERT_NE(close, nullptr) << "the form shows no close button";
    closeWith(*close);
  }

  // The rows of a list, each row's cells joined by "|".
  static QStringList rowsOf(const QTreeWidget* list) {
    QStringList out;
    for (int i = 0; i < list->topLevelItemCount(); ++i) {
      const QTreeWidgetItem* it = list->topLevelItem(i);
      QStringList cells;
      for (int c = 0; c < list->columnCount(); ++c) cells << it->text(c);
      out << cells.join(QLatin1Char('|'));
    }
    return out;
  }

  // The exit command, Yes to its question, and the wait for the program to end.
  void exitProgram() {
    const int before = endCount();
    boxes().expect(QStringLiteral("Do you want to Really Exit this Application"), QStringLiteral("Exit"),
                   vbYesNo + vbCritical, vbYes);
    pickMenu(QStringLiteral("mnuexit"));
    EXPECT_TRUE(QTest::qWaitFor([&] { return endCount() == before + 1; }, 5000)) << "the program did not end";
  }
  // What is left of the process once it has ended: nothing but the program folder.
  void processGone() {
    ResetForms();
    ClearMainMenuHooks();
    SetCurrentUserTypeBox(nullptr);
    ResetGlobals();
  }

  DesktopFakeScope desktop;

private:
  std::unique_ptr<QTemporaryDir> home_;
  QByteArray oldHome_;
};
