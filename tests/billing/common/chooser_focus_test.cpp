// The patient chooser of every bill form hands the keyboard on: once a typed start completes an
// identifier, the focus goes to the doctor box and the chooser's list closes, so the keys typed
// next reach the doctor box and the patient stays chosen.
#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>
#include <functional>

#include "billing/inpatient/frmInBill.h"
#include "billing/labxray/testbillform.h"
#include "billing/outpatient/frmBill.h"
#include "framework/vbform.h"
#include "globals.h"
#include "support/fixture.h"
#include "support/input.h"

namespace {

class ChooserFocusTest : public HalvionTest {
protected:
  void SetUp() override {
    HalvionTest::SetUp();
    exec(QStringLiteral(
        "INSERT INTO SettingDrDetails(DoctorID) VALUES ('Dr Meera'), ('Dr Anand');"
        "INSERT INTO SettingsLab(Description, Amount) VALUES ('CBC', '150');"
        "INSERT INTO SettingsXRay(Description, AdultAmount, ChildrenAmount) VALUES ('Chest', '400', '250');"
        "INSERT INTO SettingsOutPatient(EmployeeID, FirstName, Sex, Age, Address, Location)"
        " VALUES ('OP3', 'Beena', 'Female', '41', 'Rose Villa', 'Pala'),"
        "        ('OP12', 'ABC', 'Male', '36', '12 Hill Road', 'Kottayam');"
        "INSERT INTO SettingsInPatient(EmployeeID, FirstName, Sex, Age, Address, Location, Discharged)"
        " VALUES ('IP10', 'Ravi', 'Male', '40', '12 Hill Road', 'Brackwell', 'No'),"
        "        ('IP11', 'Meena', 'Female', '33', '4 Lake Street', 'Kelvany', 'No');"));
    gCon = openDb();
  }
  void TearDown() override {
    ResetForms();
    HalvionTest::TearDown();
  }
};

// One bill form: how to open it, and the boxes the chooser works with.
struct BillForm {
  const char* name;
  std::function<VbForm*()> open;
  std::function<QComboBox*(VbForm*)> patient;
  std::function<QLineEdit*(VbForm*)> patientName;
  std::function<QComboBox*(VbForm*)> doctor;
  const char* typed;  // the start of an identifier; the first listed with it is `id`
  const char* id;
  const char* nameShown;
};

template <class F>
BillForm billForm(const char* name, const char* typed, const char* id, const char* shown) {
  return BillForm{name,
                  [] { return static_cast<VbForm*>(LoadForm<F>()); },
                  [](VbForm* f) { return &static_cast<F*>(f)->cmbPatientName; },
                  [](VbForm* f) { return &static_cast<F*>(f)->txtPatientID; },
                  [](VbForm* f) { return &static_cast<F*>(f)->cmbDrName; },
                  typed,
                  id,
                  shown};
}

TEST_F(ChooserFocusTest, KeysTypedAfterACompletedIdentifierGoToTheDoctorAndThePatientStays) {
  const BillForm forms[] = {
      // Listed by name: ABC's OP12 before Beena's OP3, Meena's IP11 before Ravi's IP10.
      billForm<frmBill>("out-patient bill", "o", "OP12", "ABC"),
      billForm<frmInBill>("in-patient bill", "i", "IP11", "Meena"),
      billForm<frmLabBillReport>("laboratory bill", "i", "IP11", "Meena"),
      billForm<frmXRayBillReport>("x-ray bill", "o", "OP12", "ABC"),
  };
  for (const BillForm& b : forms) {
    SCOPED_TRACE(b.name);
    VbForm* form = b.open();
    ASSERT_NE(form, nullptr);
    form->Show();
    QApplication::setActiveWindow(form->FormWindow());
    ASSERT_TRUE(QTest::qWaitForWindowActive(form->FormWindow()));
    QComboBox* patient = b.patient(form);
    QComboBox* doctor = b.doctor(form);
    patient->setFocus();

    // A start no identifier has empties the box; the list stays open over it for the next try.
    TypeAtFocus(QStringLiteral("x"));
    EXPECT_EQ(patient->currentText().toStdString(), "");
    EXPECT_TRUE(patient->view()->isVisible());
    EXPECT_TRUE(patient->hasFocus());

    TypeAtFocus(QString::fromLatin1(b.typed));
    EXPECT_EQ(patient->currentText().toStdString(), b.id);
    EXPECT_EQ(b.patientName(form)->text().toStdString(), b.nameShown);
    EXPECT_TRUE(doctor->hasFocus());
    EXPECT_FALSE(patient->view()->isVisible()) << "the chooser's list stays open after the focus left it";
    // On X the window system catches up late with the list shown and closed at once: it activates
    // the list's window and then the form's again, and the focus must not come back with them.
    QApplication::setActiveWindow(patient->view()->window());
    QApplication::setActiveWindow(form->FormWindow());
    EXPECT_TRUE(doctor->hasFocus());

    TypeAtFocus(QStringLiteral("dr m"));
    EXPECT_EQ(doctor->currentText().toStdString(), "Dr Meera");
    EXPECT_EQ(patient->currentText().toStdString(), b.id);
    EXPECT_EQ(b.patientName(form)->text().toStdString(), b.nameShown);
    EXPECT_FALSE(patient->view()->isVisible());
    EXPECT_TRUE(doctor->hasFocus());

    // No list left open for the next form.
    if (doctor->view()->isVisible()) doctor->hidePopup();
    form->Hide();
    form->Unload();
  }
  EXPECT_TRUE(boxes().shown().empty());
}

}  // namespace
