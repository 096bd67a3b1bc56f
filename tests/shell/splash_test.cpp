// The splash: what it sets up as it loads, its ten ticks and the closing step, and the display
// mode and task-bar procedures behind it and behind every exit path.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <functional>

#include "framework/vbform.h"
#include "data/vbdes.h"
#include "globals.h"
#include "platform/msgbox.h"
#include "shell/frmLoading.h"
#include "shell/frmLogin.h"
#include "support/desktop_fake.h"
#include "support/fixture.h"
#include "support/input.h"

namespace {

const QString kDefaultLogin = QStringLiteral("Please type - User name : tumbo , Password : tumbo");

class SplashTest : public HalvionTest {
protected:
  void TearDown() override {
    ResetForms();
    HalvionTest::TearDown();
  }
  DesktopFakeScope desktop;
};

// A message box service that runs a step of the test while its box "waits".
class WhileBoxWaits final : public MessageBoxService {
public:
  std::function<void(const QString& prompt, int style, const QString& title)> onShow;
  int shown = 0;
  int show(const QString& prompt, int style, const QString& title) override {
    ++shown;
    if (onShow) onShow(prompt, style, title);
    return vbOK;
  }
};

TEST_F(SplashTest, ChangeResolutionFollowsTheAnswerOfTheModeTest) {
  const QString tested = QStringLiteral("test 1024x768x24@60");  // rate from the first mode
  const struct {
    const char* name;
    int testAnswer;
    int boxAnswer;  // 0: no box expected
    QStringList log;
  } cases[] = {
      {"success", DISP_CHANGE_SUCCESSFUL, 0,
       {"first", tested, "apply 1024x768x24@60", "broadcast 126 24 50332672"}},
      {"restart, Yes", DISP_CHANGE_RESTART, vbYes, {"first", tested, "restart"}},
      {"restart, No", DISP_CHANGE_RESTART, vbNo, {"first", tested}},
      {"failed", DISP_CHANGE_FAILED, 0, {"first", tested}},
      {"bad mode", DISP_CHANGE_BADMODE, 0, {"first", tested}},
      {"unknown answer", 2, 0, {"first", tested}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    desktop->log.clear();
    desktop->testAnswer = c.testAnswer;
    if (c.boxAnswer) boxes().expect("You've to reboot", "Info", vbYesNo + 4096, c.boxAnswer);
    SetStartupResolution();
    EXPECT_EQ(desktop->log, c.log);
    EXPECT_EQ(boxes().pending(), 0);
  }
  EXPECT_EQ(boxes().shown().size(), 2u);
}

TEST_F(SplashTest, RestoreResolutionAsksForTheModeSavedAtStart) {
  desktop->current = {1920, 1080, 32, 75};
  SaveCurrentResolution();
  EXPECT_EQ(gScreenWidth, 1920);
  EXPECT_EQ(gScreenHeight, 1080);
  EXPECT_EQ(gScreenBits, 32);

  desktop->current = {1024, 768, 24, 60};  // what the start-up switched to
  desktop->log.clear();
  RestoreResolution();
  EXPECT_EQ(desktop->log, QStringList({"first", "test 1920x1080x32@60", "apply 1920x1080x32@60",
                                       QStringLiteral("broadcast 126 32 %1").arg((1080u << 16) | 1920u)}));
}

TEST_F(SplashTest, TaskBarAsksItsStateThenSetsAutoHideOrAlwaysOnTop) {
  desktop->taskBarState = ABS_AUTOHIDE;  // the user's own setting before start
  AutoHideTaskBar();
  RestoreTaskBar();
  EXPECT_EQ(desktop->log, QStringList({"taskbar get", "taskbar set 1", "taskbar get", "taskbar set 2"}));
  EXPECT_EQ(desktop->taskBarState, ABS_ALWAYSONTOP);
}

TEST(DisplayOnLinux, ReportsTheScreenAndTurnsDownEveryChange) {
  SetDisplayService(nullptr);
  const std::shared_ptr<DisplayService> display = DisplayDevice();
  const DisplayMode now = display->CurrentMode();
  EXPECT_GT(now.width, 0);
  EXPECT_GT(now.height, 0);
  EXPECT_GT(now.bitsPerPixel, 0);
  EXPECT_EQ(display->TestMode({1024, 768, 24, 60}), DISP_CHANGE_BADMODE);
  EXPECT_EQ(display->TestMode(now), DISP_CHANGE_BADMODE);
}

TEST_F(SplashTest, LoadSavesTheModeHidesTheTaskBarAsksForTheStartModeAndShows) {
  QDir::setCurrent(QDir::tempPath());
  frmLoading* splash = LoadForm<frmLoading>();
  ASSERT_NE(splash, nullptr);
  EXPECT_EQ(desktop->log, QStringList({"current", "taskbar get", "taskbar set 1", "first",
                                       "test 1024x768x24@60", "apply 1024x768x24@60",
                                       "broadcast 126 24 50332672"}));
  EXPECT_EQ(gScreenWidth, 1280);
  EXPECT_EQ(gScreenHeight, 1024);
  EXPECT_EQ(gScreenBits, 32);
  EXPECT_TRUE(splash->isVisible());
  EXPECT_TRUE(splash->Timer1.isActive());
  EXPECT_EQ(splash->Timer1.interval(), 500);
  EXPECT_EQ(splash->ProgressBar1.value(), 0);
  EXPECT_EQ(QDir::current().canonicalPath(), QDir(folder()).canonicalPath());
  EXPECT_EQ(splash->Image1.geometry(), splash->rect());
  EXPECT_FALSE(splash->Image1.pixmap().isNull());
}

TEST_F(SplashTest, TenTicksThenHideNameTheLoginOnceAndOpenTheLoginWindow) {
  frmLoading* splash = LoadForm<frmLoading>();
  ASSERT_NE(splash, nullptr);
  for (int tick = 1; tick <= 9; ++tick) {
    splash->Timer1_Timer();
    EXPECT_EQ(splash->ProgressBar1.value(), tick * 10);
    EXPECT_TRUE(splash->isVisible());
  }
  EXPECT_EQ(LoadedForm<frmLogin>(), nullptr);

  auto service = std::make_shared<WhileBoxWaits>();
  service->onShow = [&](const QString& prompt, int style, const QString& title) {
    EXPECT_EQ(prompt, kDefaultLogin);
    EXPECT_EQ(style, vbOKOnly + vbInformation);
    EXPECT_TRUE(title.isEmpty());  // the program's own title
    EXPECT_EQ(splash->ProgressBar1.value(), 100);
    EXPECT_FALSE(splash->isVisible());
    EXPECT_EQ(LoadedForm<frmLogin>(), nullptr);
    if (service->shown > 1) return;  // a second box is the fault; do not go round again
    // Ticks keep falling due while the message waits.
    splash->Timer1_Timer();
    splash->Timer1_Timer();
  };
  SetMessageBoxService(service);
  splash->Timer1_Timer();

  EXPECT_EQ(service->shown, 1);
  EXPECT_EQ(splash->ProgressBar1.value(), 100);
  EXPECT_FALSE(splash->Timer1.isActive());
  frmLogin* login = LoadedForm<frmLogin>();
  ASSERT_NE(login, nullptr);
  EXPECT_TRUE(login->isVisible());
  EXPECT_FALSE(splash->isVisible());
  EXPECT_EQ(LoadedForm<frmLoading>(), splash);  // hidden, still loaded

  splash->Timer1_Timer();
  EXPECT_EQ(service->shown, 1);
}

TEST_F(SplashTest, TheDefaultLoginIsNamedOnlyWhileItStillLogsIn) {
  const QString tumbo = CipherText(QStringLiteral("tumbo"), true);
  const struct {
    const char* name;
    QString rows;  // the accounts stored, as VALUES of (UserName, Password)
    bool named;
  } cases[] = {
      {"as shipped", QString(), true},
      {"password changed", QStringLiteral("('tumbo', '%1')").arg(CipherText(QStringLiteral("s3cret"), true)), false},
      {"renamed", QStringLiteral("('Tumbo', '%1')").arg(tumbo), false},
      {"name stored with a blank", QStringLiteral("('tumbo ', '%1')").arg(tumbo), false},
      // The login trims the stored text before and after deciphering it.
      {"password stored with blanks", QStringLiteral("('tumbo', '  %1 ')").arg(tumbo), true},
      {"another row still has it",
       QStringLiteral("('tumbo', '%1'), ('tumbo', '%2')").arg(CipherText(QStringLiteral("x"), true), tumbo), true},
      {"no password", QStringLiteral("('tumbo', NULL)"), false},
      {"no accounts", QStringLiteral("-"), false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    if (!c.rows.isEmpty()) {
      exec(QStringLiteral("DELETE FROM SettingsNewUser"));
      if (c.rows != QStringLiteral("-"))
        exec(QStringLiteral("INSERT INTO SettingsNewUser(UserName, Password) VALUES ") + c.rows);
    }
    EXPECT_EQ(DefaultLoginStands(), c.named);
    frmLoading* splash = LoadForm<frmLoading>();
    ASSERT_NE(splash, nullptr);
    if (c.named) boxes().expect(kDefaultLogin, QString(), vbOKOnly + vbInformation);
    for (int tick = 0; tick < 10; ++tick) splash->Timer1_Timer();
    EXPECT_EQ(boxes().pending(), 0);
    EXPECT_EQ(boxes().shown().size(), c.named ? 1u : 0u);
    frmLogin* login = LoadedForm<frmLogin>();
    ASSERT_NE(login, nullptr);
    EXPECT_TRUE(login->isVisible());
    EXPECT_FALSE(splash->Timer1.isActive());
    boxes().clearShown();
    ResetForms();
  }
}

TEST_F(SplashTest, AnUnreadableAccountTableNamesNothingAndLeavesItToTheLogin) {
  exec(QStringLiteral("DROP TABLE SettingsNewUser"));
  EXPECT_FALSE(DefaultLoginStands());
  frmLoading* splash = LoadForm<frmLoading>();
  ASSERT_NE(splash, nullptr);
  for (int tick = 0; tick < 10; ++tick) splash->Timer1_Timer();
  EXPECT_TRUE(boxes().shown().empty());
  frmLogin* login = LoadedForm<frmLogin>();
  ASSERT_NE(login, nullptr);
  EXPECT_TRUE(login->isVisible());
  EXPECT_EQ(endCount(), 0);

  // The login then reports the table as it always has.
  boxes().expect(QStringLiteral("Database Error. Please Check the database and try again"),
                 QStringLiteral("Database Error"), vbCritical);
  login->txtUserName.setText(QStringLiteral("tumbo"));
  login->txtPassword.setText(QStringLiteral("tumbo"));
  Click(login->Picture1);
  EXPECT_EQ(boxes().pending(), 0);
  EXPECT_EQ(endCount(), 1);
}

TEST_F(SplashTest, ADatabaseFileThatIsNotOursNamesNothing) {
  QFile file(dbPath());
  ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
  file.write("not a database at all, just some text that went in its place");
  file.close();
  EXPECT_FALSE(DefaultLoginStands());
  QFile::remove(dbPath());
  EXPECT_FALSE(DefaultLoginStands());
}

}  // namespace
