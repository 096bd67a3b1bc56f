// The main window: what its load sets up, its refusal to close, its close and minimise movies,
// and the exit with its question and fade.
#include <QCloseEvent>
#include <QMdiArea>
#include <cmath>
#include <stdexcept>

#include "globals.h"
#include "platform/system.h"
#include "shell/frmcontactus.h"
#include "shell/gradient.h"
#include "main_support.h"

namespace {

const QString kExitQuestion = QStringLiteral("Do you want to Really Exit this Application");

void expectExitQuestion(ScriptedMessageBoxes& boxes, int answer) {
  boxes.expect(kExitQuestion, QStringLiteral("Exit"), vbYesNo + vbCritical, answer);
}

// A menu form whose unload fails.
class BrokenUnloadForm : public VbForm {
public:
  using VbForm::VbForm;

protected:
  void Form_Load() override { gActiveForm = this; }
  void Form_Unload(int&) override { throw std::runtime_error("unload failed"); }
};

int appliedAlpha(const frmMain* f) { return int(std::lround(f->windowOpacity() * 255)); }

TEST_F(MainWindowTest, LoadSetsUpTheWindowForTheLoggedInUser) {
  gMenuView = QStringLiteral("Vertical");
  frmMain* f = openMain();
  ASSERT_NE(f, nullptr);
  EXPECT_EQ(f->windowTitle(), QStringLiteral("Halvion"));
  EXPECT_EQ(gMenuView, QStringLiteral("Horizontal"));
  EXPECT_EQ(MdiArea(), &f->MDIClient);
  ASSERT_TRUE(gCon);
  EXPECT_EQ(movieFile(f->ShockwaveFlash3), QStringLiteral("minmain.swf"));
  EXPECT_EQ(movieFile(f->ShockwaveFlash4), QStringLiteral("closemain.swf"));
  EXPECT_EQ(movieFile(f->ShockwaveFlash5), QStringLiteral("title.swf"));
  EXPECT_FALSE(f->ShockwaveFlash4.IsEmpty());
  EXPECT_TRUE(f->isVisible());
  EXPECT_FALSE(f->Picture2.isHidden());
  EXPECT_FALSE(f->ShockwaveFlash2.isHidden());
  EXPECT_TRUE(f->ShockwaveFlash1.isHidden());
  EXPECT_EQ(movieFile(f->ShockwaveFlash2), QStringLiteral("menuHr.swf"));
  // The title bar is painted from the light red at its left edge.
  const QImage bar = f->pic.pixmap().toImage();
  ASSERT_FALSE(bar.isNull());
  EXPECT_EQ(bar.pixelColor(0, 0), QColor(228, 184, 184));
  EXPECT_FALSE(f->Timer1.isActive());
}

TEST_F(MainWindowTest, EveryRequestToCloseIsRefused) {
  frmMain* f = openMain();
  for (int mode : {vbFormControlMenu, vbFormCode, vbAppWindows, vbAppTaskManager, vbFormMDIForm}) {
    EXPECT_FALSE(f->Unload(mode)) << mode;
    EXPECT_EQ(LoadedForm<frmMain>(), f);
  }
  EXPECT_FALSE(f->close());
  QCoreApplication::processEvents();
  EXPECT_EQ(LoadedForm<frmMain>(), f);
  EXPECT_TRUE(f->isVisible());
  EXPECT_EQ(endCount(), 0);
}

TEST_F(MainWindowTest, CloseMovieAsksOnlyForTheWordClose) {
  frmMain* f = openMain();
  struct Case {
    const char* command;
    bool asks;
  };
  for (const Case& c : {Case{"Close", true}, Case{" CLOSE ", true}, Case{"close ", true}, Case{"closed", false},
                        Case{"Minimize", false}, Case{"", false}}) {
    boxes().clearShown();
    if (c.asks) expectExitQuestion(boxes(), vbNo);
    f->ShockwaveFlash4_FSCommand(QString::fromLatin1(c.command), QString());
    EXPECT_EQ(boxes().shown().size(), c.asks ? 1u : 0u) << '"' << c.command << '"';
  }
  EXPECT_FALSE(f->Timer1.isActive());
}

TEST_F(MainWindowTest, MinimiseMovieMinimisesOnTheWordMinimize) {
  frmMain* f = openMain();
  f->ShockwaveFlash3_FSCommand(QStringLiteral("minimise"), QString());
  EXPECT_FALSE(f->isMinimized());
  f->ShockwaveFlash3_FSCommand(QStringLiteral(" MINIMIZE "), QString());
  EXPECT_TRUE(f->isMinimized());
}

TEST_F(MainWindowTest, WindowMoviesTrimBlanksOnlyNotTabsOrLineEnds) {
  frmMain* f = openMain();
  const struct {
    const char* command;
    bool acts;
  } cases[] = {{"  close  ", true}, {" Close", true},      {"\tclose", false}, {"close\t", false},
               {"close\n", false}, {"\r\nclose", false}, {"close\r", false}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.command);
    boxes().clearShown();
    if (c.acts) expectExitQuestion(boxes(), vbNo);
    f->ShockwaveFlash4_FSCommand(QString::fromLatin1(c.command), QString());
    EXPECT_EQ(boxes().shown().size(), c.acts ? 1u : 0u);
  }
  EXPECT_FALSE(f->Timer1.isActive());

  for (const auto& c : cases) {
    SCOPED_TRACE(c.command);
    f->showNormal();
    ASSERT_FALSE(f->isMinimized());
    QString command = QString::fromLatin1(c.command);
    command.replace(QStringLiteral("close"), QStringLiteral("minimize")).replace(QStringLiteral("Close"),
                                                                                   QStringLiteral("MINIMIZE"));
    f->ShockwaveFlash3_FSCommand(command, QString());
    EXPECT_EQ(f->isMinimized(), c.acts);
  }
  EXPECT_TRUE(boxes().shown().empty());
}

TEST_F(MainWindowTest, AnsweringNoLeavesEverythingAsItWas) {
  frmMain* f = openMain();
  frmcontactus* open = ShowForm<frmcontactus>();
  expectExitQuestion(boxes(), vbNo);
  Click(f->ShockwaveFlash4);
  EXPECT_EQ(LoadedForm<frmcontactus>(), open);
  EXPECT_EQ(gActiveForm.data(), open);
  EXPECT_TRUE(f->Picture2.isHidden());
  EXPECT_FALSE(f->Timer1.isActive());
  EXPECT_TRUE(desktop->log.isEmpty());
  EXPECT_EQ(endCount(), 0);
}

TEST_F(MainWindowTest, YesClosesTheOpenFormThenEndsOnTheFirstTickWithoutFading) {
  frmMain* f = openMain();
  ShowForm<frmcontactus>();
  gScreenWidth = 1280;
  gScreenHeight = 1024;
  gScreenBits = 32;
  expectExitQuestion(boxes(), vbYes);
  menuItem(f->ShockwaveFlash2, QStringLiteral("mnuexit"))->trigger();
  EXPECT_EQ(LoadedForm<frmcontactus>(), nullptr);
  EXPECT_FALSE(f->Picture2.isHidden());  // its unload brought the menu back
  EXPECT_FALSE(f->ShockwaveFlash2.isHidden());
  ASSERT_TRUE(f->Timer1.isActive());
  EXPECT_EQ(f->Timer1.interval(), 100);
  EXPECT_EQ(endCount(), 0);

  bool visibleAtEnd = true;
  SetEndHandler([&] {
    desktop->log << QStringLiteral("end");
    visibleAtEnd = f->isVisible();
  });
  f->Timer1_Timer();
  // The task bar first, then the display mode saved at start, then the end.
  ASSERT_GE(desktop->log.size(), 4);
  EXPECT_EQ(desktop->log.mid(0, 4),
            QStringList({"taskbar get", "taskbar set 2", "first", "test 1280x1024x32@60"}));
  EXPECT_EQ(desktop->log.last(), QStringLiteral("end"));
  EXPECT_EQ(desktop->log.count(QStringLiteral("end")), 1);
  EXPECT_FALSE(visibleAtEnd);
  EXPECT_EQ(appliedAlpha(f), 255);  // no fade
}

TEST_F(MainWindowTest, OnNt5TheWindowFadesInTwentySixStepsThenEnds) {
  SetSystemVersionSource([] { return SystemVersion{VER_PLATFORM_WIN32_NT, 5, 1, 2600}; });
  frmMain* f = openMain();
  expectExitQuestion(boxes(), vbYes);
  f->ShockwaveFlash4_FSCommand(QStringLiteral("Close"), QString());

  // A second confirmed exit during the fade starts it again from opaque.
  for (int i = 0; i < 3; ++i) f->Timer1_Timer();
  EXPECT_EQ(appliedAlpha(f), 235);
  expectExitQuestion(boxes(), vbYes);
  f->ShockwaveFlash4_FSCommand(QStringLiteral("close"), QString());

  std::vector<int> applied;
  while (endCount() == 0 && applied.size() < 40) {
    f->Timer1_Timer();
    applied.push_back(appliedAlpha(f));
    if (endCount() == 0) {
      EXPECT_TRUE(desktop->log.isEmpty());
    }
  }
  ASSERT_EQ(applied.size(), 26u);
  for (size_t i = 0; i < applied.size(); ++i) EXPECT_EQ(applied[i], 255 - 10 * int(i));
  ASSERT_GE(desktop->log.size(), 3);
  EXPECT_EQ(desktop->log.mid(0, 3), QStringList({"taskbar get", "taskbar set 2", "first"}));
  EXPECT_EQ(endCount(), 1);
}

TEST_F(MainWindowTest, AFormClosedBeforeTheExitIsNotOpenedAgain) {
  frmMain* f = openMain();
  frmcontactus* c = ShowForm<frmcontactus>();
  Click(c->ShockwaveFlash2);
  QCoreApplication::processEvents();
  ASSERT_EQ(LoadedForm<frmcontactus>(), nullptr);
  expectExitQuestion(boxes(), vbYes);
  f->ShockwaveFlash4_FSCommand(QStringLiteral("Close"), QString());
  EXPECT_EQ(LoadedForm<frmcontactus>(), nullptr);
  EXPECT_TRUE(f->Timer1.isActive());
}

TEST_F(MainWindowTest, AFailingUnloadStopsTheExitFromTheMenuButNotFromTheCloseMovie) {
  frmMain* f = openMain();
  ASSERT_NE(LoadForm<BrokenUnloadForm>(), nullptr);
  expectExitQuestion(boxes(), vbYes);
  f->ShockwaveFlash1_FSCommand(QStringLiteral("mnuexit"), QString());
  EXPECT_FALSE(f->Timer1.isActive());
  EXPECT_EQ(boxes().shown().size(), 1u);  // no message about the failure

  expectExitQuestion(boxes(), vbYes);
  f->ShockwaveFlash4_FSCommand(QStringLiteral("Close"), QString());
  EXPECT_TRUE(f->Timer1.isActive());
  EXPECT_EQ(f->FadeAlpha, 255);
}

}  // namespace
