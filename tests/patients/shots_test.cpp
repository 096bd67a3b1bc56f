// Not checks: each form of the patient folder as the user sees it, for a person to look at.
// Run with --gtest_also_run_disabled_tests; writes /tmp/shots/<form>.png.
#include <QDir>

#include "patients/frmAddConsultant.h"
#include "patients/frmDischarge.h"
#include "patients_support.h"

namespace {

class PatientsShots : public PatientsTest {
protected:
  void SetUp() override {
    PatientsTest::SetUp();
    QDir().mkpath(QStringLiteral("/tmp/shots"));
    addPatient("SettingsOutPatient", "OP1", "Ann Mensah", "34", "Female", "0244123456", "12 Ring Road, Accra",
               "Osu");
    addPatient("SettingsOutPatient", "OP2", "Kwame Boateng", "51");
    addPatient("SettingsInPatient", "IP1", "Esi Owusu", "27", "Female", "0302555111", "4 Market Lane", "Tema");
    addPatient("SettingsInPatient", "IP2", "Yaw Darko", "63");
    exec("UPDATE SettingsInPatient SET Discharged='No'");
    exec("INSERT INTO SettingDrDetails(DoctorID) VALUES ('Dr.Zerdan , M.B.B.S'), ('Dr.Kofi , M.S')");
    exec("INSERT INTO SettingsConsultant VALUES ('2026-12-01', 'Dr.Kofi , M.S', '250', 'IP1')");
  }
  static void shoot(VbForm* f, const char* name) {
    ASSERT_NE(f, nullptr) << name;
    EXPECT_TRUE(f->FormWindow()->grab().save(QStringLiteral("/tmp/shots/%1.png").arg(QLatin1String(name))));
  }
};

TEST_F(PatientsShots, DISABLED_Forms) {
  auto* out = ShowForm<frmAddOutPatient>();
  shoot(out, "frmAddOutPatient");
  click(out->Picture8);
  shoot(LoadedForm<frmViewOutPatientDetails>(), "frmViewOutPatientDetails");
  UnloadForm<frmViewOutPatientDetails>();
  out->Unload();

  auto* in = ShowForm<frmAddInPatient>();
  shoot(in, "frmAddInPatient");
  click(in->Picture8);
  shoot(LoadedForm<frmViewInPatientDetails>(), "frmViewInPatientDetails");
  UnloadForm<frmViewInPatientDetails>();
  in->Unload();

  auto* searchOut = ShowForm<frmViewOutPatient>();
  searchOut->cmbEmpName.setEditText("Ann Mensah");
  click(searchOut->Picture1);
  shoot(searchOut, "frmViewOutPatient");
  searchOut->Unload();
  auto* searchIn = ShowForm<frmViewInPatient>();
  searchIn->cmbEmpName.setEditText("Esi Owusu");
  click(searchIn->Picture1);
  shoot(searchIn, "frmViewInPatient");
  searchIn->Unload();

  auto* discharge = ShowForm<frmDischarge>();
  shoot(discharge, "frmDischarge");
  discharge->Unload();

  auto* consultant = ShowForm<frmAddConsultant>();
  shoot(consultant, "frmAddConsultant");
  click(consultant->Picture5);
  shoot(consultant, "frmAddConsultant_new");
  consultant->Unload();
}

}  // namespace
