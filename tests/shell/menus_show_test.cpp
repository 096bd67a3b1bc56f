// Which menu movie the main window shows for the user's type and the menu orientation, and how
// the menu forms hide and show it.
#include <QFile>

#include "globals.h"
#include "main_support.h"

namespace {

struct MenuCase {
  const char* type;
  const char* view;
  int visible;  // 1: the vertical movie, 2: the horizontal one, 0: the panel alone
  const char* file;
};

TEST_F(MainWindowTest, ShowMainMenusPicksTheMovieByTypeAndOrientation) {
  frmMain* f = openMain(QString());
  const MenuCase cases[] = {
      {"Doctor", "Vertical", 1, "menuUserVr.swf"},   {"Doctor", "Horizontal", 2, "menuUserHr.swf"},
      {"Employee", "Vertical", 1, "menuUserVr.swf"}, {"Employee", "Horizontal", 2, "menuUserHr.swf"},
      {"Admin", "Vertical", 1, "menuVr.swf"},        {"Admin", "Horizontal", 2, "menuHr.swf"},
      {"admin", "Horizontal", 0, ""},                {"", "Horizontal", 0, ""},
      {"Nurse", "Vertical", 0, ""},                  {"Admin ", "Horizontal", 0, ""},
      {" Doctor", "Vertical", 0, ""},                {"Admin", "horizontal", 0, ""},
      {"Employee", "", 0, ""},                       {"Doctor", "Vertical ", 0, ""},
  };
  for (const MenuCase& c : cases) {
    // Start from the other movie shown, so a stale one would be seen.
    userType.setText(QStringLiteral("Admin"));
    gMenuView = c.visible == 1 ? QStringLiteral("Horizontal") : QStringLiteral("Vertical");
    ShowMainMenus(CurrentUserTypeBox());

    userType.setText(QString::fromLatin1(c.type));
    gMenuView = QString::fromLatin1(c.view);
    ShowMainMenus(CurrentUserTypeBox());
    const std::string row = std::string(c.type) + "/" + c.view;
    EXPECT_FALSE(f->Picture2.isHidden()) << row;
    EXPECT_EQ(!f->ShockwaveFlash1.isHidden(), c.visible == 1) << row;
    EXPECT_EQ(!f->ShockwaveFlash2.isHidden(), c.visible == 2) << row;
    if (c.visible != 0) {
      FlashMovie& shown = c.visible == 1 ? f->ShockwaveFlash1 : f->ShockwaveFlash2;
      EXPECT_EQ(movieFile(shown), QString::fromLatin1(c.file)) << row;
      EXPECT_FALSE(shown.IsEmpty()) << row;
      EXPECT_EQ(shown.Description().vertical, c.visible == 1) << row;
    }
  }
  // No user-type box registered reads as no type at all.
  SetCurrentUserTypeBox(nullptr);
  ShowMainMenus(CurrentUserTypeBox());
  EXPECT_TRUE(f->ShockwaveFlash1.isHidden());
  EXPECT_TRUE(f->ShockwaveFlash2.isHidden());
  EXPECT_FALSE(f->Picture2.isHidden());
}

TEST_F(MainWindowTest, HideMainMenusHidesThePanelAndBothMovies) {
  frmMain* f = openMain(QStringLiteral("Doctor"));
  ASSERT_FALSE(f->ShockwaveFlash2.isHidden());
  HideMainMenus(CurrentUserTypeBox());
  EXPECT_TRUE(f->Picture2.isHidden());
  EXPECT_TRUE(f->ShockwaveFlash1.isHidden());
  EXPECT_TRUE(f->ShockwaveFlash2.isHidden());
  EXPECT_FALSE(f->pic.isHidden());  // the title bar with close and minimise stays
}

TEST_F(MainWindowTest, EveryShowReadsTheMovieFileAgain) {
  frmMain* f = openMain();
  ASSERT_NE(menuItem(f->ShockwaveFlash2, QStringLiteral("mnuCopyDatabase")), nullptr);
  QFile file(folder() + QStringLiteral("/menuHr.swf"));
  ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
  file.write("kind menu\nlayout horizontal\ngroup Help\nitem mnuAboutMe About\n");
  file.close();
  HideMainMenus(CurrentUserTypeBox());
  ShowMainMenus(CurrentUserTypeBox());
  EXPECT_EQ(menuItem(f->ShockwaveFlash2, QStringLiteral("mnuCopyDatabase")), nullptr);
  EXPECT_NE(menuItem(f->ShockwaveFlash2, QStringLiteral("mnuAboutMe")), nullptr);
}

}  // namespace
