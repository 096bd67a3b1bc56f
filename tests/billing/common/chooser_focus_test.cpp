// The patient chooser of every bill form: typing only proposes an identifier (the typed one itself
// where it is listed), every key goes on into the patient box, and the clerk chooses with Enter,
// Tab, a pick from the list or by leaving the box. Enter, Tab and a pick hand the keyboard on to
// the doctor box and close the chooser's list; the bill printed and stored is the one the box
// shows.
#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListView>
#include <QTest>
#include <QWindow>
#include <functional>

#include "billing/inpatient/frmInBill.h"
#include "billing/labxray/testbillform.h"
#include "billing/outpatient/frmBill.h"
#include "framework/keyfilters.h"
#include "framework/vbform.h"
#include "globals.h"
#include "support/fixture.h"
#include "support/input.h"

namespace {

const QString kSelectPatient = QStringLiteral("Please Select the Patient Name First");

class ChooserFocusTest : public HalvionTest {
protected:
  void SetUp() override {
    HalvionTest::SetUp();
    // Listed by name, each table: Arun's 17 first, then Meena's 2, then Ravi's 1.
    exec(QStringLiteral(
        "INSERT INTO SettingDrDetails(DoctorID) VALUES ('Dr Meera'), ('Dr Anand');"
        "INSERT INTO SettingsLab(Description, Amount) VALUES ('CBC', '150');"
        "INSERT INTO SettingsXRay(Description, AdultAmount, ChildrenAmount) VALUES ('Chest', '400', '250');"
        "INSERT INTO SettingsOutPatient(EmployeeID, FirstName, Sex, Age, Address, Location)"
        " VALUES ('OP1', 'Ravi', 'Male', '41', 'Rose Villa', 'Pala'),"
        "        ('OP2', 'Meena', 'Female', '36', '12 Hill Road', 'Kottayam'),"
        "        ('OP17', 'Arun', 'Male', '52', '4 Lake Street', 'Vaikom');"
        "INSERT INTO SettingsInPatient(EmployeeID, FirstName, Sex, Age, Address, Location, Discharged)"
        " VALUES ('IP1', 'Ravi', 'Male', '40', '12 Hill Road', 'Brackwell', 'No'),"
        "        ('IP2', 'Meena', 'Female', '33', '4 Lake Street', 'Kelvany', 'No'),"
        "        ('IP17', 'Arun', 'Male', '61', '7 Mill Lane', 'Tarn', 'No');"));
    gCon = openDb();
  }
  void TearDown() override {
    ResetForms();
    HalvionTest::TearDown();
  }

  // The patients the stored bills of a table are for, "id|name" each, once.
  QString billedPatients(const char* table) const {
    return scalar(QStringLiteral("SELECT group_concat(DISTINCT patientid || '|' || patientName) FROM %1")
                      .arg(QString::fromLatin1(table)));
  }
  void clearBills(const char* table) const { exec(QStringLiteral("DELETE FROM %1").arg(QString::fromLatin1(table))); }
  void expectPrintAndSave() {
    boxes().expect(QStringLiteral("Do you wish to Print this Bill"), QStringLiteral("Print"), vbYesNo, vbYes);
    boxes().expect(QStringLiteral("Bill Printed and Saved Successfully"), QStringLiteral("Print Info"),
                   vbInformation);
  }
};

// One bill form: how to open it, the boxes the chooser works with, how a line is put on the bill,
// and where the bill is stored.
struct BillForm {
  const char* name;
  const char* prefix;  // of the identifiers it is tried with
  std::function<VbForm*()> open;
  std::function<QComboBox*(VbForm*)> patient;
  std::function<QLineEdit*(VbForm*)> patientName;
  std::function<QComboBox*(VbForm*)> doctor;
  std::function<QWidget*(VbForm*)> addressBox;
  std::function<void(VbForm*)> typeLine;  // the line's amount or test
  std::function<void(VbForm*)> add;       // clicks Add
  std::function<void(VbForm*)> print;     // clicks Print
  const char* table;

  void addLine(VbForm* f) const {
    typeLine(f);
    add(f);
  }
};

template <class F>
BillForm billForm(const char* name, const char* prefix, std::function<void(F*)> typeLine, const char* table) {
  return BillForm{name,
                  prefix,
                  [] { return static_cast<VbForm*>(LoadForm<F>()); },
                  [](VbForm* f) { return &static_cast<F*>(f)->cmbPatientName; },
                  [](VbForm* f) { return &static_cast<F*>(f)->txtPatientID; },
                  [](VbForm* f) { return &static_cast<F*>(f)->cmbDrName; },
                  [](VbForm* f) { return &static_cast<F*>(f)->CheckBox1; },
                  [typeLine](VbForm* f) { typeLine(static_cast<F*>(f)); },
                  [](VbForm* f) { Click(static_cast<F*>(f)->Picture1); },
                  [](VbForm* f) { Click(static_cast<F*>(f)->Picture2); },
                  table};
}

std::vector<BillForm> billForms() {
  return {
      billForm<frmBill>("out-patient bill", "OP", [](frmBill* f) { TypeOver(f->Text1[0], "100"); },
                        "OutPatientPrintDetails"),
      billForm<frmInBill>("in-patient bill", "IP", [](frmInBill* f) { TypeOver(f->Text1[0], "500"); },
                          "InPatientPrintDetails"),
      billForm<frmLabBillReport>("laboratory bill", "IP",
                                 [](frmLabBillReport* f) { TypeOver(f->cmbDescription, "CBC"); }, "LabPrintDetails"),
      billForm<frmXRayBillReport>("x-ray bill", "OP",
                                  [](frmXRayBillReport* f) { TypeOver(f->cmbDescription, "Chest"); },
                                  "XRayPrintDetails"),
  };
}

// A bill form on screen, its window active and the keyboard in the patient box.
struct Shown {
  VbForm* form = nullptr;
  QComboBox* patient = nullptr;
  QComboBox* doctor = nullptr;
  QString prefix;
};

Shown showForm(const BillForm& b) {
  VbForm* form = b.open();
  if (!form) return {};
  form->Show();
  QApplication::setActiveWindow(form->FormWindow());
  if (!QTest::qWaitForWindowActive(form->FormWindow())) return {};
  Shown shown{form, b.patient(form), b.doctor(form), QString::fromLatin1(b.prefix)};
  shown.patient->setFocus();
  return shown;
}

// Whether the sheet printed last shows this text.
bool lastSheetShows(const RecordingPrinter& printer, const QString& text) {
  if (printer.Jobs().empty()) return false;
  for (const PrintedItem& item : printer.Jobs().back().items)
    if (item.text == text) return true;
  return false;
}

void closeForm(const Shown& shown) {
  // No list left open for the next form.
  if (shown.doctor->view()->isVisible()) shown.doctor->hidePopup();
  shown.form->Hide();
  shown.form->Unload();
}

TEST_F(ChooserFocusTest, TypingProposesAndEnterHandsTheKeyboardToTheDoctor) {
  for (const BillForm& b : billForms()) {
    SCOPED_TRACE(b.name);
    const Shown shown = showForm(b);
    ASSERT_NE(shown.form, nullptr);
    const auto [form, patient, doctor, prefix] = shown;
    const TypedProposals* typed = TypedProposalsOf(patient);
    ASSERT_NE(typed, nullptr);

    // A start no identifier has empties the box and proposes nothing.
    TypeAtFocus(QStringLiteral("x"));
    EXPECT_EQ(patient->currentText().toStdString(), "");
    EXPECT_FALSE(typed->IsShown());
    EXPECT_TRUE(patient->hasFocus());

    // The first identifier beginning with the key is proposed, its tail selected; nobody is chosen.
    // The list beside the box shows the identifiers that begin with the key, that one first and
    // highlighted; the box's own drop-down, the whole list, stays closed.
    TypeAtFocus(prefix.left(1));
    EXPECT_EQ(patient->currentText(), prefix + "17");
    EXPECT_EQ(patient->lineEdit()->selectedText(), prefix.mid(1) + "17");
    EXPECT_EQ(b.patientName(form)->text().toStdString(), "");
    EXPECT_TRUE(patient->hasFocus());
    EXPECT_FALSE(patient->view()->isVisible());
    ASSERT_TRUE(typed->IsShown());
    QStringList listed;
    for (int row = 0; row < typed->View()->model()->rowCount(); ++row)
      listed << typed->View()->model()->index(row, 0).data().toString();
    EXPECT_EQ(listed.join(u' '), QStringList({prefix + "17", prefix + "2", prefix + "1"}).join(u' '));
    EXPECT_EQ(typed->View()->selectionModel()->selectedRows().value(0).row(), 0);

    // Down and Up walk the entries listed, not the whole list behind them; the key typed stays.
    PressKey(patient, Qt::Key_Down);
    EXPECT_EQ(patient->currentText(), prefix + "2");
    EXPECT_EQ(patient->lineEdit()->selectedText(), prefix.mid(1) + "2");
    EXPECT_EQ(typed->View()->selectionModel()->selectedRows().value(0).row(), 1);
    PressKey(patient, Qt::Key_Down);
    PressKey(patient, Qt::Key_Down);
    EXPECT_EQ(patient->currentText(), prefix + "1");
    PressKey(patient, Qt::Key_Up);
    PressKey(patient, Qt::Key_Up);
    EXPECT_EQ(patient->currentText(), prefix + "17");
    EXPECT_EQ(typed->View()->selectionModel()->selectedRows().value(0).row(), 0);
    EXPECT_TRUE(typed->IsShown());
    EXPECT_EQ(b.patientName(form)->text().toStdString(), "") << "an arrow chose somebody";

    // F4 drops the box's own list down instead: every patient listed, as before.
    PressKey(patient, Qt::Key_F4);
    EXPECT_TRUE(patient->view()->isVisible());
    EXPECT_FALSE(typed->IsShown());
    EXPECT_EQ(patient->view()->model()->rowCount(), patient->count());

    TypeAtFocus(QStringLiteral("\r"));
    EXPECT_EQ(b.patientName(form)->text().toStdString(), "Arun");
    EXPECT_TRUE(doctor->hasFocus());
    EXPECT_FALSE(patient->view()->isVisible()) << "the chooser's list stays open after the focus left it";
    // On X the window system catches up late with the list shown and closed at once: it activates
    // the list's window and then the form's again, and the focus must not come back with them.
    QApplication::setActiveWindow(patient->view()->window());
    QApplication::setActiveWindow(form->FormWindow());
    EXPECT_TRUE(doctor->hasFocus());

    TypeAtFocus(QStringLiteral("dr m"));
    EXPECT_EQ(doctor->currentText().toStdString(), "Dr Meera");
    EXPECT_EQ(patient->currentText(), prefix + "17");
    EXPECT_EQ(b.patientName(form)->text().toStdString(), "Arun");
    EXPECT_FALSE(patient->view()->isVisible());
    EXPECT_FALSE(typed->IsShown());
    EXPECT_TRUE(doctor->hasFocus());
    closeForm(shown);
  }
  EXPECT_TRUE(boxes().shown().empty());
}

// A left click at a point of the screen as the window system delivers it: to the window that lies
// under the point (a list dropped down over the form included), never straight to a widget.
void ClickScreenAt(QPoint global) {
  QWidget* under = QApplication::widgetAt(global);
  ASSERT_NE(under, nullptr) << "nothing on the screen there";
  QWindow* window = under->window()->windowHandle();
  ASSERT_NE(window, nullptr);
  QTest::mouseClick(window, Qt::LeftButton, {}, window->mapFromGlobal(global));
}

TEST_F(ChooserFocusTest, AClickOnTheDoctorBoxGoesThereAndTheBillIsForThePatientTyped) {
  const struct {
    const char* form;
    const char* typed;
    const char* id;  // the one the box proposes for it
    const char* patientName;
  } cases[] = {
      {"out-patient bill", "OP1", "OP1", "Ravi"},   {"out-patient bill", "OP", "OP17", "Arun"},
      {"out-patient bill", "O", "OP17", "Arun"},    {"out-patient bill", "OP17", "OP17", "Arun"},
      {"in-patient bill", "IP1", "IP1", "Ravi"},    {"in-patient bill", "IP", "IP17", "Arun"},
      {"in-patient bill", "I", "IP17", "Arun"},     {"in-patient bill", "IP17", "IP17", "Arun"},
      {"laboratory bill", "OP1", "OP1", "Ravi"},    {"laboratory bill", "OP", "OP17", "Arun"},
      {"laboratory bill", "O", "OP17", "Arun"},     {"laboratory bill", "OP17", "OP17", "Arun"},
      {"laboratory bill", "IP1", "IP1", "Ravi"},    {"x-ray bill", "OP1", "OP1", "Ravi"},
      {"x-ray bill", "OP", "OP17", "Arun"},         {"x-ray bill", "O", "OP17", "Arun"},
      {"x-ray bill", "OP17", "OP17", "Arun"},       {"x-ray bill", "IP1", "IP1", "Ravi"},
  };
  for (const BillForm& b : billForms()) {
    for (const auto& c : cases) {
      if (std::string(c.form) != b.name) continue;
      SCOPED_TRACE(std::string(b.name) + ": " + c.typed);
      clearBills(b.table);
      const Shown shown = showForm(b);
      ASSERT_NE(shown.form, nullptr);
      const auto [form, patient, doctor, prefix] = shown;

      TypeAtFocus(QString::fromLatin1(c.typed));
      ASSERT_EQ(patient->currentText().toStdString(), c.id);
      ClickScreenAt(doctor->mapToGlobal(doctor->rect().center()));
      EXPECT_TRUE(doctor->hasFocus()) << "one click did not reach the doctor box";
      EXPECT_EQ(patient->currentText().toStdString(), c.id);
      EXPECT_EQ(b.patientName(form)->text().toStdString(), c.patientName);

      TypeKeys(doctor, QStringLiteral("dr m"));
      b.addLine(form);
      expectPrintAndSave();
      b.print(form);
      EXPECT_EQ(boxes().pending(), 0);
      const QString printedName =
          QStringLiteral("Name  :  %1 ( %2 )").arg(QString::fromLatin1(c.patientName), QString::fromLatin1(c.id));
      EXPECT_TRUE(lastSheetShows(printer(), printedName)) << printedName.toStdString();
      EXPECT_EQ(billedPatients(b.table).toStdString(), std::string(c.id) + "|" + c.patientName);
      closeForm(shown);
    }
  }
}

TEST_F(ChooserFocusTest, AClickOnAProposedIdentifierPicksItAndMovesOnToTheDoctor) {
  for (const BillForm& b : billForms()) {
    SCOPED_TRACE(b.name);
    const Shown shown = showForm(b);
    ASSERT_NE(shown.form, nullptr);
    const auto [form, patient, doctor, prefix] = shown;
    const TypedProposals* typed = TypedProposalsOf(patient);
    ASSERT_NE(typed, nullptr);

    TypeAtFocus(prefix);
    ASSERT_TRUE(typed->IsShown());
    const QModelIndexList entry =
        typed->View()->model()->match(typed->View()->model()->index(0, 0), Qt::DisplayRole, prefix + "2", 1,
                                      Qt::MatchFixedString);
    ASSERT_EQ(entry.size(), 1);
    const QRect at = typed->View()->visualRect(entry[0]);
    ClickScreenAt(typed->View()->viewport()->mapToGlobal(at.center()));
    EXPECT_EQ(patient->currentText(), prefix + "2");
    EXPECT_EQ(b.patientName(form)->text().toStdString(), "Meena");
    EXPECT_TRUE(doctor->hasFocus());
    EXPECT_FALSE(typed->IsShown());
    closeForm(shown);
  }
  EXPECT_TRUE(boxes().shown().empty());
}

// How the clerk confirms the identifier typed.
enum class Confirm { Keys, Pick, DownAndEnter, ClickElsewhere, ClickOnTheForm };

TEST_F(ChooserFocusTest, TheBillIsForThePatientTypedAndConfirmedWithTheDoctorTyped) {
  const struct {
    const char* name;
    const char* typed;  // after the form's prefix
    Confirm confirm;
    const char* id;     // after the form's prefix
    const char* patientName;
    bool lowerCase = false;  // the prefix typed in lower case
  } cases[] = {
      {"2 and Enter", "2\r", Confirm::Keys, "2", "Meena"},
      // 17 begins with 1 and its patient's name comes first, yet 1 typed is 1.
      {"1 and Enter", "1\r", Confirm::Keys, "1", "Ravi"},
      {"1 in lower case and Enter", "1\r", Confirm::Keys, "1", "Ravi", true},
      {"17 and Enter", "17\r", Confirm::Keys, "17", "Arun"},
      {"2 and Tab", "2\t", Confirm::Keys, "2", "Meena"},
      // The start alone proposes the first identifier listed with it, and Tab takes that one.
      {"the start and Tab", "\t", Confirm::Keys, "17", "Arun"},
      {"a pick from the list", "", Confirm::Pick, "2", "Meena"},
      {"the start, Down and Enter", "", Confirm::DownAndEnter, "2", "Meena"},
      {"2 and a click elsewhere", "2", Confirm::ClickElsewhere, "2", "Meena"},
      {"2 and a click on the form beside the box", "2", Confirm::ClickOnTheForm, "2", "Meena"},
  };
  for (const BillForm& b : billForms()) {
    for (const auto& c : cases) {
      SCOPED_TRACE(std::string(b.name) + ": " + c.name);
      clearBills(b.table);
      const Shown shown = showForm(b);
      ASSERT_NE(shown.form, nullptr);
      const auto [form, patient, doctor, prefix] = shown;
      const QString id = prefix + QString::fromLatin1(c.id);

      if (c.confirm == Confirm::Pick) {
        PickEntry(*patient, id);
      } else if (c.confirm == Confirm::DownAndEnter) {
        TypeAtFocus(prefix);
        PressKey(patient, Qt::Key_Down);
        TypeAtFocus(QStringLiteral("\r"));
      } else {
        TypeAtFocus((c.lowerCase ? prefix.toLower() : prefix) + QString::fromLatin1(c.typed));
        EXPECT_EQ(doctor->currentText().toStdString(), "") << "a key typed for the patient reached the doctor";
      }
      if (c.confirm == Confirm::ClickElsewhere) {
        EXPECT_EQ(b.patientName(form)->text().toStdString(), "") << "chosen before it was confirmed";
        Click(b.addressBox(form));
        EXPECT_TRUE(b.addressBox(form)->hasFocus());
      } else if (c.confirm == Confirm::ClickOnTheForm) {
        EXPECT_EQ(b.patientName(form)->text().toStdString(), "") << "chosen before it was confirmed";
        // Left of the box, where its caption stands: a click there takes no focus.
        const QPoint beside = patient->mapToGlobal(QPoint(-20, patient->height() / 2));
        QWidget* under = QApplication::widgetAt(beside);
        ASSERT_NE(under, nullptr);
        ASSERT_EQ(under->window(), form->FormWindow());
        ASSERT_EQ(under->focusPolicy() & Qt::ClickFocus, 0) << "the point beside the box takes the focus";
        ClickScreenAt(beside);
        EXPECT_TRUE(patient->hasFocus());
      } else {
        EXPECT_TRUE(doctor->hasFocus());
      }
      EXPECT_EQ(patient->currentText(), id);
      EXPECT_EQ(b.patientName(form)->text().toStdString(), c.patientName);

      if (doctor->hasFocus())
        TypeAtFocus(QStringLiteral("dr m"));
      else
        TypeKeys(doctor, QStringLiteral("dr m"));
      EXPECT_EQ(doctor->currentText().toStdString(), "Dr Meera");

      b.addLine(form);
      expectPrintAndSave();
      b.print(form);
      EXPECT_EQ(boxes().pending(), 0);
      const QString printedName = QStringLiteral("Name  :  %1 ( %2 )").arg(QString::fromLatin1(c.patientName), id);
      EXPECT_TRUE(lastSheetShows(printer(), printedName)) << printedName.toStdString();
      EXPECT_TRUE(lastSheetShows(printer(), QStringLiteral("Dr Meera")));
      EXPECT_EQ(billedPatients(b.table), id + "|" + c.patientName);
      closeForm(shown);
    }
  }
}

TEST_F(ChooserFocusTest, AnIdentifierTypedOverAndNotConfirmedBillsNobodyAndAClickConfirmsIt) {
  for (const BillForm& b : billForms()) {
    SCOPED_TRACE(b.name);
    clearBills(b.table);
    const Shown shown = showForm(b);
    ASSERT_NE(shown.form, nullptr);
    const auto [form, patient, doctor, prefix] = shown;
    TypeAtFocus(prefix + "2\r");
    TypeAtFocus(QStringLiteral("dr m"));
    b.addLine(form);
    const std::size_t printed = printer().Items().size();

    // Typed over the chosen identifier and cut back to a start no patient has: Meena's name is
    // still shown, but the bill is nobody's. The click leaves the box, which matches nobody.
    patient->setFocus();
    patient->lineEdit()->selectAll();
    TypeAtFocus(prefix + "\b");
    ASSERT_EQ(patient->currentText(), prefix);
    EXPECT_EQ(b.patientName(form)->text().toStdString(), "Meena");
    boxes().expect(kSelectPatient, QString(), vbCritical);
    b.add(form);
    EXPECT_TRUE(patient->hasFocus());
    boxes().expect(kSelectPatient, QString(), vbCritical);
    b.print(form);
    EXPECT_EQ(boxes().pending(), 0);
    EXPECT_EQ(printer().Items().size(), printed);
    EXPECT_EQ(billedPatients(b.table), "");

    // Typed over with another identifier, proposed only; the click on Add takes the focus, which
    // chooses that patient, and the bill printed and stored is his.
    patient->setFocus();
    patient->lineEdit()->selectAll();
    TypeAtFocus(prefix + "1");
    EXPECT_EQ(patient->currentText(), prefix + "1");
    EXPECT_EQ(b.patientName(form)->text().toStdString(), "Meena");
    b.add(form);
    EXPECT_EQ(b.patientName(form)->text().toStdString(), "Ravi");
    expectPrintAndSave();
    b.print(form);
    EXPECT_EQ(boxes().pending(), 0);
    EXPECT_TRUE(lastSheetShows(printer(), QStringLiteral("Name  :  Ravi ( %1 )").arg(prefix + "1")));
    EXPECT_EQ(billedPatients(b.table), prefix + "1|Ravi");
    closeForm(shown);
  }
}

}  // namespace
