// The menu settings dialog: the orientation it stores and the menu the main window shows when
// it closes.
#include "globals.h"
#include "shell/frmChangeMenuSettings.h"
#include "main_support.h"

namespace {

enum class Pick { None, Horizontal, Vertical };
enum class Close { Ok, Cancel, CloseMovie };

struct SettingsCase {
  const char* type;
  const char* startView;
  Pick pick;
  Close close;
  int visible;  // 1: the vertical movie, 2: the horizontal one
  const char* file;
};

class MenuSettingsTest : public MainWindowTest {};

TEST_F(MenuSettingsTest, TheMenuComesBackInTheOrientationLastClicked) {
  const SettingsCase cases[] = {
      {"Admin", "Horizontal", Pick::Vertical, Close::Ok, 1, "menuVr.swf"},
      {"Admin", "Horizontal", Pick::Vertical, Close::Cancel, 1, "menuVr.swf"},  // the click stored it
      {"Admin", "Vertical", Pick::None, Close::Ok, 2, "menuHr.swf"},            // opening picks Horizontal
      {"Admin", "Vertical", Pick::None, Close::Cancel, 2, "menuHr.swf"},
      {"Admin", "Vertical", Pick::None, Close::CloseMovie, 2, "menuHr.swf"},
      {"Admin", "Vertical", Pick::Horizontal, Close::Ok, 2, "menuHr.swf"},
      {"Doctor", "Horizontal", Pick::Vertical, Close::CloseMovie, 1, "menuUserVr.swf"},
      {"Employee", "Horizontal", Pick::Vertical, Close::Ok, 1, "menuUserVr.swf"},
      {"Employee", "Vertical", Pick::None, Close::Ok, 2, "menuUserHr.swf"},
  };
  for (const SettingsCase& c : cases) {
    const std::string row = std::string(c.type) + " from " + c.startView + " case " +
                            std::to_string(int(c.pick)) + "/" + std::to_string(int(c.close));
    frmMain* f = openMain(QString::fromLatin1(c.type));
    gMenuView = QString::fromLatin1(c.startView);
    ShowMainMenus(CurrentUserTypeBox());

    menuItem(gMenuView == QLatin1String("Vertical") ? f->ShockwaveFlash1 : f->ShockwaveFlash2,
             QStringLiteral("mnuChangeMenuView"))
        ->trigger();
    frmChangeMenuSettings* d = LoadedForm<frmChangeMenuSettings>();
    ASSERT_NE(d, nullptr) << row;
    EXPECT_TRUE(f->Picture2.isHidden()) << row;
    EXPECT_EQ(gActiveForm.data(), d) << row;
    EXPECT_TRUE(d->Option1.isChecked()) << row;
    EXPECT_FALSE(d->Option2.isChecked()) << row;
    EXPECT_EQ(gMenuView, QStringLiteral("Horizontal")) << row;

    if (c.pick == Pick::Vertical) ChooseOption(&d->Option2);
    if (c.pick == Pick::Horizontal) ChooseOption(&d->Option1);
    // The choice is stored at once; the menu waits for the dialog to close.
    EXPECT_EQ(gMenuView, QString::fromLatin1(c.pick == Pick::Vertical ? "Vertical" : "Horizontal")) << row;
    EXPECT_TRUE(f->Picture2.isHidden()) << row;

    Click(c.close == Close::Ok       ? static_cast<QWidget*>(&d->Picture1)
          : c.close == Close::Cancel ? static_cast<QWidget*>(&d->Picture2)
                                     : static_cast<QWidget*>(&d->ShockwaveFlash2));
    EXPECT_EQ(LoadedForm<frmChangeMenuSettings>(), nullptr) << row;
    EXPECT_FALSE(f->Picture2.isHidden()) << row;
    EXPECT_EQ(!f->ShockwaveFlash1.isHidden(), c.visible == 1) << row;
    EXPECT_EQ(!f->ShockwaveFlash2.isHidden(), c.visible == 2) << row;
    EXPECT_EQ(movieFile(c.visible == 1 ? f->ShockwaveFlash1 : f->ShockwaveFlash2), QString::fromLatin1(c.file))
        << row;
    QCoreApplication::processEvents();
  }
  EXPECT_TRUE(boxes().shown().empty());
}

TEST_F(MenuSettingsTest, TheDialogIsDesignedAsEveryMenuForm) {
  openMain();
  frmChangeMenuSettings* d = ShowForm<frmChangeMenuSettings>();
  ASSERT_NE(d, nullptr);
  EXPECT_EQ(d->ShockwaveFlash1.GetVariable(QStringLiteral("Receive")),
            QStringLiteral("          Change Menu View Settings"));
  EXPECT_EQ(d->Width(), 7290);
  EXPECT_EQ(d->Height(), 5430);
  EXPECT_EQ(d->Label8.text(), QStringLiteral("Menu View Display"));
  EXPECT_EQ(d->Option1.text(), QStringLiteral("Horizontal"));
  EXPECT_EQ(d->Option2.text(), QStringLiteral("Vertical"));
  EXPECT_EQ(d->Picture1.pictureFile(), QStringLiteral("ok.gif"));
  EXPECT_EQ(d->Picture2.pictureFile(), QStringLiteral("can.gif"));
  EXPECT_FALSE(d->Picture1.mask().isEmpty());  // cut to its picture
}

}  // namespace
