// The menu forms' load and every way out of them: the main menus hide before the form is made
// active and designed, and come back exactly once whichever way the form closes (its close movie,
// Cancel, OK, an Unload from the code, or its own load finding nothing to show).
#include <QTest>
#include <functional>

#include "billing/labxray/testcancelform.h"
#include "billing/labxray/testreportforms.h"
#include "billing/outpatient/frmCancelBill.h"
#include "billing/outpatient/frmConsultantBillReportAll.h"
#include "data/vbdes.h"
#include "framework/mainmenus.h"
#include "framework/menuform.h"
#include "globals.h"
#include "patients/frmDischarge.h"
#include "shell/frmAboutme.h"
#include "shell/frmAddNewUser.h"
#include "shell/frmChangeMenuSettings.h"
#include "shell/frmSettingsChangePwd.h"
#include "shell/frmViewUserDetails.h"
#include "shell/frmcontactus.h"
#include "support/fixture.h"

namespace {

enum class Exit { CloseMovie, Cancel, Ok, CodeUnload };

const char* exitName(Exit e) {
  switch (e) {
    case Exit::CloseMovie: return "close movie";
    case Exit::Cancel: return "Cancel";
    case Exit::Ok: return "OK";
    case Exit::CodeUnload: return "Unload";
  }
  return "";
}

struct MenuFormCase {
  const char* name;
  std::function<MenuForm*()> open;    // ShowForm
  std::function<MenuForm*()> loaded;  // LoadedForm
  std::vector<Exit> exits;
  QString rows;  // what the table must hold for the form to open
};

template <class F>
MenuFormCase menuForm(const char* name, std::vector<Exit> exits, QString rows = {}) {
  return {name, [] { return static_cast<MenuForm*>(ShowForm<F>()); },
          [] { return static_cast<MenuForm*>(LoadedForm<F>()); }, std::move(exits), std::move(rows)};
}

class MenuFormBaseTest : public HalvionTest {
protected:
  void SetUp() override {
    HalvionTest::SetUp();
    gCon = openDb();
    gUserName = QStringLiteral("clerk");
  }
  void TearDown() override {
    ClearMainMenuHooks();
    HalvionTest::TearDown();
  }

  // Records the menu calls; at the hide, what the form being loaded looked like.
  void watch(const std::function<MenuForm*()>& loaded) {
    menus.clear();
    SetMainMenuHooks(
        nullptr,
        [this, loaded](QLineEdit*) {
          menus << QStringLiteral("hide");
          MenuForm* f = loaded();
          activeAtHide = f && gActiveForm.data() == f;
          designedAtHide = f && !f->ShockwaveFlash1.GetVariable(QStringLiteral("Receive")).isEmpty();
        },
        [this](QLineEdit*) { menus << QStringLiteral("show"); });
  }

  static void click(QWidget* w) { QTest::mouseClick(w, Qt::LeftButton, {}, w->rect().center()); }

  QStringList menus;
  bool activeAtHide = false;
  bool designedAtHide = false;
};

const QString kUser = QStringLiteral("INSERT INTO SettingsNewUser(UserName,Password,UserType) VALUES('clerk','%1','%2')")
                          .arg(EncryptText("pw"), EncryptText("Doctor"));
const QString kInPatient =
    QStringLiteral("INSERT INTO SettingsInPatient (EmployeeID, FirstName, Discharged) VALUES ('IP1', 'Asha', 'No')");

TEST_F(MenuFormBaseTest, MenusHideBeforeTheDesignAndComeBackOnceOnEveryWayOut) {
  const std::vector<MenuFormCase> cases{
      menuForm<frmAboutme>("frmAboutme", {Exit::CloseMovie, Exit::CodeUnload}),
      menuForm<frmcontactus>("frmcontactus", {Exit::CloseMovie, Exit::CodeUnload}),
      menuForm<frmChangeMenuSettings>("frmChangeMenuSettings", {Exit::CloseMovie, Exit::Cancel, Exit::Ok, Exit::CodeUnload}),
      menuForm<frmSettingsChangePwd>("frmSettingsChangePwd", {Exit::CloseMovie, Exit::Cancel, Exit::CodeUnload}, kUser),
      menuForm<frmDischarge>("frmDischarge", {Exit::CloseMovie, Exit::Cancel, Exit::CodeUnload}, kInPatient),
      menuForm<frmAddNewUser>("frmAddNewUser", {Exit::CloseMovie, Exit::CodeUnload}),
      menuForm<frmViewUserDetails>("frmViewUserDetails", {Exit::CloseMovie, Exit::CodeUnload}, kUser),
      menuForm<frmConsultantBillReportAll>("frmConsultantBillReportAll", {Exit::CloseMovie, Exit::CodeUnload}),
      menuForm<frmCancelBill>("frmCancelBill", {Exit::CloseMovie, Exit::Cancel, Exit::CodeUnload}),
      menuForm<frmCancelLabBill>("frmCancelLabBill", {Exit::CloseMovie, Exit::Cancel, Exit::CodeUnload}),
  };
  for (const MenuFormCase& c : cases) {
    exec(QStringLiteral("DELETE FROM SettingsNewUser; DELETE FROM SettingsInPatient;"));
    if (!c.rows.isEmpty()) exec(c.rows);
    for (Exit exit : c.exits) {
      SCOPED_TRACE(std::string(c.name) + ", " + exitName(exit));
      watch(c.loaded);
      MenuForm* form = c.open();
      ASSERT_NE(form, nullptr);
      EXPECT_EQ(menus, QStringList{"hide"});
      EXPECT_FALSE(activeAtHide) << "the form was active before the menus were hidden";
      EXPECT_FALSE(designedAtHide) << "the form was designed before the menus were hidden";
      EXPECT_EQ(gActiveForm.data(), form);

      switch (exit) {
        case Exit::CloseMovie: click(&form->ShockwaveFlash2); break;
        case Exit::Cancel: click(form->findChild<ImageButton*>(QStringLiteral("Picture2"))); break;
        case Exit::Ok: click(form->findChild<ImageButton*>(QStringLiteral("Picture1"))); break;
        case Exit::CodeUnload: EXPECT_TRUE(form->Unload()); break;
      }
      QCoreApplication::processEvents();
      EXPECT_EQ(c.loaded(), nullptr) << "the form is still loaded";
      EXPECT_EQ(menus, (QStringList{"hide", "show"}));
      EXPECT_EQ(gActiveForm.data(), nullptr);
      ResetForms();
    }
  }
}

TEST_F(MenuFormBaseTest, AFormWhoseLoadFindsNothingClosesAndTheMenusComeBack) {
  const struct {
    MenuFormCase form;
    const char* message;
  } cases[] = {
      {menuForm<frmDischarge>("frmDischarge", {}), "Please add the OutPatient Details First"},
      {menuForm<frmViewUserDetails>("frmViewUserDetails", {}), "No Record Found"},
      {menuForm<frmCancelLabBillReport>("frmCancelLabBillReport", {}), "No Cancel Bill"},
  };
  exec(QStringLiteral("DELETE FROM SettingsNewUser"));
  for (const auto& c : cases) {
    SCOPED_TRACE(c.form.name);
    watch(c.form.loaded);
    boxes().expect(QString::fromLatin1(c.message));
    EXPECT_EQ(c.form.open(), nullptr);
    QCoreApplication::processEvents();
    EXPECT_EQ(boxes().pending(), 0);
    EXPECT_EQ(menus, (QStringList{"hide", "show"}));
    EXPECT_EQ(gActiveForm.data(), nullptr);
  }
}

}  // namespace
