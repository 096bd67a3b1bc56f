// The second main window: its command table, the forms it opens, its load and its exit.
#include <QLineEdit>
#include <cmath>
#include <stdexcept>

#include "masters/employees_support.h"
#include "masters/frmViewDrDetails.h"
#include "masters/frmViewEmpDetails.h"
#include "platform/system.h"
#include "platform/version.h"
#include "shell/frmCopyDB.h"
#include "shell/frmMain.h"
#include "shell/frmViewUserDetails.h"
#include "shell/frmmain1.h"
#include "support/desktop_fake.h"

namespace {

const QString kExitQuestion = QStringLiteral("Do you want to Really Exit this Application");

class BrokenUnloadForm : public VbForm {
protected:
  void Form_Load() override { gActiveForm = this; }
  void Form_Unload(int&) override { throw std::runtime_error("unload failed"); }
};

class SecondWindowTest : public HalvionTest {
protected:
  void SetUp() override {
    HalvionTest::SetUp();
    userType.setText(QStringLiteral("Admin"));
    SetCurrentUserTypeBox(&userType);
  }
  void TearDown() override {
    HalvionTest::TearDown();
    SetCurrentUserTypeBox(nullptr);
    ClearMainMenuHooks();
    SetSystemVersionSource({});
  }
  frmmain1* openWindow() { return ShowForm<frmmain1>(); }
  static int alpha(const QWidget* w) { return int(std::lround(w->windowOpacity() * 255)); }

  QLineEdit userType;
  DesktopFakeScope desktop;
};

TEST_F(SecondWindowTest, TheTableHoldsItsCommandsInOrderWithTheirActions) {
  enum Kind { Same, Nothing, Own, Exit };
  struct Entry {
    const char* command;
    Kind kind;
    FormOpener own = nullptr;
  };
  const Entry expected[] = {
      {"mnuOutPatientHistory", Same},
      {"mnuNewPateient", Same},
      {"mnuOutAddBill", Same},
      {"mnuOutCancelBill", Same},
      {"mnuDailyReport", Same},
      {"mnuSearchReport", Same},
      {"mnuCancelBillReport", Nothing},
      {"mnuInPatientHistory", Same},
      {"mnuInAdmission", Same},
      {"InAddBill", Same},
      {"InCancelBill", Same},
      {"mnuInDailyReport", Same},
      {"mnuInSearchReport", Same},
      {"mnuInCancelBillReport", Nothing},
      {"mnuInDischarge", Same},
      {"mnuOutAddPrescription", Nothing},
      {"mnuChangeMenuView", Same},
      {"mnuViewPatientDetails", Own, CommandAction("mnuInPatientHistory")},
      {"mnuViewDocctorDetails", Own, &OpenMenuForm<frmViewDrDetails>},
      {"mnuViewEmployeeDetails", Own, &OpenMenuForm<frmViewEmpDetails>},
      {"mnuViewUserDetails", Own, &OpenMenuForm<frmViewUserDetails>},
      {"mnuAddDrDetail", Same},
      {"mnuAddEmployeeDetails", Own, &OpenMenuForm<frmAddEmployeeDetail>},
      {"mnuNewUserAccounts", Same},
      {"mnuChangePassword", Same},
      {"mnuCopyDatabase", Own, &OpenMenuForm<frmCopyDB>},
      {"mnuHelpTopic", Same},
      {"mnuAboutMe", Same},
      {"mnuexit", Exit},
  };
  const auto table = SecondWindowCommands();
  ASSERT_EQ(table.size(), std::size(expected));
  for (std::size_t i = 0; i < table.size(); ++i) {
    const Entry& e = expected[i];
    SCOPED_TRACE(e.command);
    EXPECT_STREQ(table[i].command, e.command);
    EXPECT_EQ(table[i].exit, e.kind == Exit);
    const FormOpener want = e.kind == Same ? CommandAction(QLatin1String(e.command)) : e.own;
    EXPECT_EQ(table[i].open, want);
    if (e.kind == Own) {
      EXPECT_NE(table[i].open == nullptr, e.own != nullptr);
    }
  }
  // Commands of the main window only, and variants of the known ones.
  for (const char* command : {"mnuConBill", "mnuCon", "mnuXRayAddBill", "mnuLabAddBill", "mnuLabTestNames",
                              "mnuInBill", "mnuOutBill", "mnuXaryBill", "mnuLabBill", "mnuDisChargeSummary",
                              "mnuDrCertificate", "MNUEXIT", "mnuCopyDatabase ", " mnuAddEmployeeDetails", ""})
    EXPECT_EQ(FindMenuCommand(table, QLatin1String(command)), nullptr) << command;
}

TEST_F(SecondWindowTest, LoadShowsTheMainWindowsMenuAndLeavesItsOwnEmpty) {
  frmmain1* w = openWindow();
  ASSERT_NE(w, nullptr);
  frmMain* main = LoadedForm<frmMain>();
  ASSERT_NE(main, nullptr);
  EXPECT_TRUE(gCon);
  EXPECT_TRUE(w->ShockwaveFlash1.IsEmpty());
  EXPECT_TRUE(w->ShockwaveFlash2.IsEmpty());
  EXPECT_FALSE(w->ShockwaveFlash4.IsEmpty());  // close
  EXPECT_FALSE(w->ShockwaveFlash5.IsEmpty());  // title
  EXPECT_FALSE(main->ShockwaveFlash2.isHidden());
  EXPECT_EQ(main->ShockwaveFlash2.Movie().section('/', -1), "menuHr.swf");
  EXPECT_FALSE(w->Timer1.isActive());

  // Unloading it ends nothing and leaves the main window.
  EXPECT_TRUE(w->Unload());
  EXPECT_EQ(LoadedForm<frmmain1>(), nullptr);
  EXPECT_EQ(LoadedForm<frmMain>(), main);
  EXPECT_EQ(endCount(), 0);
  EXPECT_TRUE(boxes().shown().empty());
}

TEST_F(SecondWindowTest, ItsMenuOpensTheRegisterTheCardsAndTheBackUp) {
  frmmain1* w = openWindow();
  gCon = openDb();
  exec("INSERT INTO SettingsEmployeeDetails(EmployeeID, FirstName) VALUES ('7', 'Ravi')");
  exec("INSERT INTO SettingDrDetails(DoctorID, FirstName) VALUES ('Dr.Zerdan , M.B.B.S', 'Zerdan')");
  frmMain* main = LoadedForm<frmMain>();
  struct Case {
    const char* command;
    std::function<VbForm*()> loaded;
  };
  const Case cases[] = {
      {"mnuAddEmployeeDetails", [] { return LoadedForm<frmAddEmployeeDetail>(); }},
      {"mnuViewEmployeeDetails", [] { return LoadedForm<frmViewEmpDetails>(); }},
      {"mnuViewDocctorDetails", [] { return LoadedForm<frmViewDrDetails>(); }},
      {"mnuViewUserDetails", [] { return LoadedForm<frmViewUserDetails>(); }},
      {"mnuCopyDatabase", [] { return LoadedForm<frmCopyDB>(); }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.command);
    w->ShockwaveFlash2_FSCommand(QLatin1String(c.command), QString());
    VbForm* form = c.loaded();
    ASSERT_NE(form, nullptr);
    EXPECT_TRUE(form->FormWindow()->isVisible());
    EXPECT_EQ(gActiveForm.data(), form);
    EXPECT_TRUE(main->Picture2.isHidden());
    form->Unload();
    EXPECT_FALSE(main->Picture2.isHidden());
  }
  for (const char* command : {"mnuCancelBillReport", "mnuInCancelBillReport", "mnuOutAddPrescription",
                              "mnuLabAddBill", "mnuaddemployeedetails"})
    w->ShockwaveFlash1_FSCommand(QLatin1String(command), QString());
  EXPECT_FALSE(main->Picture2.isHidden());
  EXPECT_EQ(gActiveForm.data(), nullptr);
  EXPECT_TRUE(boxes().shown().empty());
}

TEST_F(SecondWindowTest, ExitAsksClosesTheActiveFormAndEndsOnTheFirstTick) {
  frmmain1* w = openWindow();
  boxes().expect(kExitQuestion, "Exit", vbYesNo + vbCritical, vbNo);
  w->ShockwaveFlash2_FSCommand("mnuexit", QString());
  EXPECT_FALSE(w->Timer1.isActive());

  ShowForm<frmAddEmployeeDetail>();
  boxes().expect(kExitQuestion, vbYes);
  w->ShockwaveFlash2_FSCommand("mnuexit", QString());
  EXPECT_EQ(LoadedForm<frmAddEmployeeDetail>(), nullptr);
  ASSERT_TRUE(w->Timer1.isActive());
  EXPECT_EQ(w->Timer1.interval(), 500);
  bool visibleAtEnd = true;
  SetEndHandler([&] {
    desktop->log << "end";
    visibleAtEnd = w->isVisible();
  });
  w->Timer1_Timer();
  ASSERT_GE(desktop->log.size(), 3);
  EXPECT_EQ(desktop->log.mid(0, 2), (QStringList{"taskbar get", "taskbar set 2"}));
  EXPECT_EQ(desktop->log.last(), "end");
  EXPECT_FALSE(visibleAtEnd);
  EXPECT_FALSE(w->Timer1.isActive());
}

TEST_F(SecondWindowTest, TheCloseMovieExitsPastAFailingFormAndFadesOnNt5) {
  SetSystemVersionSource([] { return SystemVersion{VER_PLATFORM_WIN32_NT, 5, 0, 2195}; });
  frmmain1* w = openWindow();
  ASSERT_NE(LoadForm<BrokenUnloadForm>(), nullptr);
  w->ShockwaveFlash4_FSCommand("Closex", QString());
  EXPECT_TRUE(boxes().shown().empty());
  boxes().expect(kExitQuestion, vbYes);
  w->ShockwaveFlash4_FSCommand(" CLOSE ", QString());
  ASSERT_TRUE(w->Timer1.isActive());
  EXPECT_EQ(w->Timer1.interval(), 500);
  int steps = 0;
  while (endCount() == 0 && steps < 40) {
    w->Timer1_Timer();
    EXPECT_EQ(alpha(w), 255 - 10 * steps);
    ++steps;
  }
  EXPECT_EQ(steps, 26);
  EXPECT_EQ(endCount(), 1);
}

}  // namespace
