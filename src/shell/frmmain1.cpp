#include "shell/frmmain1.h"

#include <vector>

#include "framework/mainmenus.h"
#include "globals.h"
#include "masters/frmAddEmployeeDetail.h"
#include "masters/frmViewDrDetails.h"
#include "masters/frmViewEmpDetails.h"
#include "shell/frmCopyDB.h"
#include "shell/frmMain.h"
#include "shell/frmViewUserDetails.h"

namespace {

std::vector<MenuCommand> buildSecondWindowCommands() {
  struct Entry {
    const char* command;
    FormOpener own;      // this window's own action
    bool same;           // instead, what the main window's table does for ...
    const char* sameAs;  // ... this command (nullptr: the same command)
  };
  const Entry entries[] = {
      {"mnuOutPatientHistory", nullptr, true, nullptr},
      {"mnuNewPateient", nullptr, true, nullptr},
      {"mnuOutAddBill", nullptr, true, nullptr},
      {"mnuOutCancelBill", nullptr, true, nullptr},
      {"mnuDailyReport", nullptr, true, nullptr},
      {"mnuSearchReport", nullptr, true, nullptr},
      {"mnuCancelBillReport", nullptr, false, nullptr},  // the main window acts on it; this one does not
      {"mnuInPatientHistory", nullptr, true, nullptr},
      {"mnuInAdmission", nullptr, true, nullptr},
      {"InAddBill", nullptr, true, nullptr},
      {"InCancelBill", nullptr, true, nullptr},
      {"mnuInDailyReport", nullptr, true, nullptr},
      {"mnuInSearchReport", nullptr, true, nullptr},
      {"mnuInCancelBillReport", nullptr, false, nullptr},
      {"mnuInDischarge", nullptr, true, nullptr},
      {"mnuOutAddPrescription", nullptr, false, nullptr},
      {"mnuChangeMenuView", nullptr, true, nullptr},
      {"mnuViewPatientDetails", nullptr, true, "mnuInPatientHistory"},  // the in-patient search form
      {"mnuViewDocctorDetails", &OpenMenuForm<frmViewDrDetails>, false, nullptr},
      {"mnuViewEmployeeDetails", &OpenMenuForm<frmViewEmpDetails>, false, nullptr},
      {"mnuViewUserDetails", &OpenMenuForm<frmViewUserDetails>, false, nullptr},
      {"mnuAddDrDetail", nullptr, true, nullptr},
      {"mnuAddEmployeeDetails", &OpenMenuForm<frmAddEmployeeDetail>, false, nullptr},
      {"mnuNewUserAccounts", nullptr, true, nullptr},
      {"mnuChangePassword", nullptr, true, nullptr},
      {"mnuCopyDatabase", &OpenMenuForm<frmCopyDB>, false, nullptr},
      {"mnuHelpTopic", nullptr, true, nullptr},
      {"mnuAboutMe", nullptr, true, nullptr},
  };
  std::vector<MenuCommand> table;
  for (const Entry& e : entries) {
    const FormOpener open =
        e.same ? CommandAction(QLatin1String(e.sameAs ? e.sameAs : e.command)) : e.own;
    table.push_back({e.command, open});
  }
  table.push_back({"mnuexit", nullptr, true});
  return table;
}
}  // namespace

std::span<const MenuCommand> SecondWindowCommands() {
  static const std::vector<MenuCommand> table = buildSecondWindowCommands();
  return table;
}

frmmain1::frmmain1() : MainWindowBase(500) {}

frmmain1::~frmmain1() = default;

void frmmain1::Form_Load() {
  placeWindow();
  passOver([&] { layoutControls(); });
  // The painted title bar, the caption removal and the dragging are the main window's: asked of
  // this plain window they do not apply, and it keeps its caption bar and border.
  loadPicturesAndMovies();
  // The menus shown are the main window's, which is loaded for them when it is not loaded yet.
  passOver([] {
    LoadForm<frmMain>();
    ShowMainMenus(CurrentUserTypeBox());
  });
}

void frmmain1::dispatch(const QString& command) {
  // The menu forms open inside the main window, which comes up with them as a parent window
  // does when one of its children is shown.
  const MenuCommand* entry = FindMenuCommand(SecondWindowCommands(), command);
  if (entry && entry->open) passOver([] {
      if (frmMain* main = LoadedForm<frmMain>()) main->Show();
    });
  DispatchMenuCommand(SecondWindowCommands(), command, [this] { exitSequence(false); });
}
