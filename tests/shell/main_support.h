#pragma once
// The main window as the login leaves it: a user-type box for CurrentUserType, the window loaded
// and shown, and a desktop that records the exit's restores.
#include <QAction>
#include <QLineEdit>
#include <QTest>

#include "framework/mainmenus.h"
#include "framework/vbform.h"
#include "platform/version.h"
#include "shell/frmMain.h"
#include "support/desktop_fake.h"
#include "support/fixture.h"
#include "support/input.h"

class MainWindowTest : public HalvionTest {
protected:
  void SetUp() override {
    HalvionTest::SetUp();
    SetCurrentUserTypeBox(&userType);
  }
  void TearDown() override {
    HalvionTest::TearDown();
    SetCurrentUserTypeBox(nullptr);
    ClearMainMenuHooks();
    SetSystemVersionSource({});
  }

  // The main window for a user of this type, as the login opens it.
  frmMain* openMain(const QString& type = QStringLiteral("Admin")) {
    userType.setText(type);
    return ShowForm<frmMain>();
  }

  // The menu item of a menu movie that raises command, as the user would pick it.
  static QAction* menuItem(FlashMovie& movie, const QString& command) {
    for (QAction* a : movie.findChildren<QAction*>())
      if (a->data().toString() == command) return a;
    return nullptr;
  }

  static QString movieFile(const FlashMovie& movie) { return movie.Movie().section('\\', -1).section('/', -1); }

  QLineEdit userType;
  DesktopFakeScope desktop;
};
