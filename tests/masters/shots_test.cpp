// Not checks: each form of this folder as the user sees it, for a person to look at.
// Run with --gtest_also_run_disabled_tests; writes /tmp/shots/<form>.png.
#include <QDir>

#include "masters/frmAddDoctorDetail.h"
#include "masters/frmAddLabDetails.h"
#include "masters/frmAddXRayDetails.h"
#include "masters/frmAvailableDays.h"
#include "masters/frmViewAllDoctors.h"
#include "masters/frmViewDrDetails.h"
#include "masters/frmViewEmpDetails.h"
#include "masters/pricelists.h"
#include "masters_support.h"
#include "shell/frmViewUserDetails.h"

namespace {

class MastersShots : public MastersTest {
protected:
  void SetUp() override {
    MastersTest::SetUp();
    QDir().mkpath(QStringLiteral("/tmp/shots"));
    exec(QStringLiteral("INSERT INTO SettingDrDetails VALUES ('Dr.Zerdan , M.B.B.S', 'Amina', 'Osei', 'Female', "
                        "'0244', '0302', '1980-01-20', '46', '77', 'Box 12, Accra', 'amina@clinic.example', "
                        "'Surgeon', 'MBBS', 'Eyes', '08:00', '16:00', 'Monday,Wednesday,Friday')"));
    exec(QStringLiteral("INSERT INTO SettingDrDetails(DoctorID) VALUES ('Dr.Kofi , M.S')"));
    exec(QStringLiteral("INSERT INTO SettingsLab VALUES ('CBC', '200'), ('Malaria', '80'), ('abc', '10')"));
    exec(QStringLiteral("INSERT INTO SettingsXRay VALUES ('Chest', '300', '150'), ('Skull', '400', '200')"));
  }
  static void shoot(VbForm* f, const char* name) {
    ASSERT_NE(f, nullptr) << name;
    EXPECT_TRUE(f->FormWindow()->grab().save(QStringLiteral("/tmp/shots/%1.png").arg(QLatin1String(name))));
  }
};

TEST_F(MastersShots, DISABLED_Forms) {
  auto* doctor = open<frmAddDoctorDetail>();
  type(doctor->txtFirstName, QStringLiteral("Amina"));
  doctor->DTPicker1.setDate(QDate(1980, 1, 20));
  frmAvailableDays::LookUp(doctor);
  auto* days = LoadedForm<frmAvailableDays>();
  days->List1.item(2)->setSelected(true);
  days->List1.item(4)->setSelected(true);
  shoot(days, "frmAvailableDays");
  click(days->Picture1);
  shoot(doctor, "frmAddDoctorDetail");
  click(doctor->Picture5);
  shoot(doctor, "frmAddDoctorDetail_edit");
  click(doctor->Picture10);
  click(doctor->Picture8);
  shoot(LoadedForm<frmViewAllDoctors>(), "frmViewAllDoctors");
  UnloadForm<frmViewAllDoctors>();

  // A doctor saved through the form and shown again after moving away and back.
  click(doctor->Picture5);
  type(doctor->txtDoctorID, QStringLiteral("Dr.Esi , M.D"));
  type(doctor->txtFirstName, QStringLiteral("Esi"));
  type(doctor->txtLastName, QStringLiteral("Mensah"));
  doctor->cmbSex.setEditText(QStringLiteral("Female"));
  type(doctor->txtMobilePhone, QStringLiteral("0244123456"));
  type(doctor->txtHomePhone, QStringLiteral("0302765432"));
  doctor->DTPicker1.setDate(QDate(1975, 6, 14));
  type(doctor->txtPagerNumber, QStringLiteral("55"));
  doctor->txtAddress.setPlainText(QStringLiteral("14 Ring Road\nOsu, Accra"));
  type(doctor->txtEmailId, QStringLiteral("esi@clinic.example"));
  type(doctor->txtDoctorType, QStringLiteral("Consultant"));
  type(doctor->txtQualification, QStringLiteral("MD"));
  type(doctor->txtSpecialization, QStringLiteral("Paediatrics"));
  doctor->DTPicker2.setTime(QTime(9, 0));
  doctor->DTPicker3.setTime(QTime(13, 30));
  doctor->txtAvailabledays.setPlainText(QStringLiteral("Monday,Tuesday,Thursday"));
  boxes().expect(kSaved);
  click(doctor->Picture9);
  click(doctor->Picture1);
  click(doctor->Picture4);
  shoot(doctor, "frmAddDoctorDetail_saved");
  doctor->Unload();

  auto* card = open<frmViewDrDetails>();
  shoot(card, "frmViewDrDetails_load");
  type(card->cmbDrName, QStringLiteral("Am"));
  click(card->Picture1);
  shoot(card, "frmViewDrDetails");
  card->Unload();

  exec(QStringLiteral("INSERT INTO SettingsEmployeeDetails(EmployeeID, FirstName, LastName, Sex, Address) VALUES "
                      "('7', 'Ravi', 'Kumar', 'Male', 'Flat 4, 18 Harbour View Road, near the old fish market')"));
  auto* employee = open<frmViewEmpDetails>();
  type(employee->cmbDrName, QStringLiteral("Ra"));
  click(employee->Picture1);
  shoot(employee, "frmViewEmpDetails");
  employee->Unload();

  auto* user = open<frmViewUserDetails>();
  shoot(user, "usercard_load");
  user->cmbDrName.setCurrentIndex(0);
  click(user->Picture1);
  shoot(user, "usercard");
  user->Unload();

  auto* lab = open<frmAddLabDetails>();
  shoot(lab, "frmAddLabDetails");
  click(lab->Picture8);
  shoot(LoadedForm<frmViewAllLab>(), "frmViewAllLab");
  UnloadForm<frmViewAllLab>();
  lab->Unload();

  auto* xray = open<frmAddXRayDetails>();
  click(xray->Picture5);
  shoot(xray, "frmAddXRayDetails");
  click(xray->Picture10);
  click(xray->Picture8);
  shoot(LoadedForm<frmViewAllXRay>(), "frmViewAllXRay");
}

}  // namespace
