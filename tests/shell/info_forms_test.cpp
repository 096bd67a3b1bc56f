// The two information forms: what they show, and the menu they hide and bring back.
#include <QLabel>

#include "globals.h"
#include "shell/frmAboutme.h"
#include "shell/frmcontactus.h"
#include "main_support.h"

namespace {

struct InfoCase {
  const char* command;
  const char* title;
  int height, width;
};

template <class F>
void checkFixedLines(F* form) {
  EXPECT_EQ(form->lblVersion.text(), QStringLiteral("Version 1.0"));
  EXPECT_EQ(form->lblPlatform.text(), QStringLiteral("For Microsoft Windows 98/2000/XP"));
  EXPECT_EQ(form->lbltitle.font().family(), QStringLiteral("Arial"));
  EXPECT_FALSE(form->imgsymbol.pixmap().isNull());
}

class InfoFormsTest : public MainWindowTest {};

TEST_F(InfoFormsTest, OpeningAndClosingHidesThenRestoresTheUsersMenu) {
  const InfoCase cases[] = {
      {"mnuHelpTopic", "                Contact Us", 4890, 7785},
      {"mnuAboutMe", "                About Me", 5565, 7095},
  };
  frmMain* f = openMain(QStringLiteral("Doctor"));
  gMenuView = QStringLiteral("Vertical");
  ShowMainMenus(CurrentUserTypeBox());
  for (const InfoCase& c : cases) {
    menuItem(f->ShockwaveFlash1, QString::fromLatin1(c.command))->trigger();
    VbForm* form = qobject_cast<VbForm*>(gActiveForm.data());
    ASSERT_NE(form, nullptr) << c.command;
    FlashMovie* titleMovie = nullptr;
    FlashMovie* closeMovie = nullptr;
    if (auto* contact = LoadedForm<frmcontactus>()) {
      ASSERT_EQ(form, contact);
      checkFixedLines(contact);
      EXPECT_EQ(contact->Label2.text(), QStringLiteral("Help/More Information about this product"));
      titleMovie = &contact->ShockwaveFlash1;
      closeMovie = &contact->ShockwaveFlash2;
    } else if (auto* about = LoadedForm<frmAboutme>()) {
      ASSERT_EQ(form, about);
      checkFixedLines(about);
      titleMovie = &about->ShockwaveFlash1;
      closeMovie = &about->ShockwaveFlash2;
    }
    ASSERT_NE(closeMovie, nullptr) << c.command;
    EXPECT_EQ(titleMovie->GetVariable(QStringLiteral("Receive")), QString::fromLatin1(c.title));
    EXPECT_EQ(form->Height(), c.height) << c.command;
    EXPECT_EQ(form->Width(), c.width) << c.command;
    EXPECT_TRUE(form->FormWindow()->isVisible()) << c.command;
    EXPECT_TRUE(f->Picture2.isHidden()) << c.command;
    EXPECT_TRUE(f->ShockwaveFlash1.isHidden()) << c.command;

    Click(closeMovie);
    EXPECT_EQ(LoadedForm<frmcontactus>(), nullptr) << c.command;
    EXPECT_EQ(LoadedForm<frmAboutme>(), nullptr) << c.command;
    EXPECT_FALSE(f->Picture2.isHidden()) << c.command;
    EXPECT_FALSE(f->ShockwaveFlash1.isHidden()) << c.command;
    EXPECT_EQ(movieFile(f->ShockwaveFlash1), QStringLiteral("menuUserVr.swf")) << c.command;
    QCoreApplication::processEvents();
  }
  EXPECT_TRUE(boxes().shown().empty());
}

TEST_F(InfoFormsTest, BothWorkWithoutADatabase) {
  ASSERT_FALSE(gCon);
  ASSERT_TRUE(QFile::remove(dbPath()));
  frmcontactus* contact = ShowForm<frmcontactus>();
  frmAboutme* about = ShowForm<frmAboutme>();
  ASSERT_NE(contact, nullptr);
  ASSERT_NE(about, nullptr);
  EXPECT_EQ(gActiveForm.data(), about);
  Click(contact->ShockwaveFlash2);
  Click(about->ShockwaveFlash2);
  EXPECT_EQ(LoadedForm<frmcontactus>(), nullptr);
  EXPECT_EQ(LoadedForm<frmAboutme>(), nullptr);
  EXPECT_FALSE(gCon);
  EXPECT_TRUE(boxes().shown().empty());
}

}  // namespace
