// Every record form acts only on the row its boxes show: a key typed over in browse mode (or a
// look-up that found nothing) leaves Delete and Modify nothing to act on, and they refuse without
// asking or writing anything. Once Modify has begun on the row shown, Save writes the boxes into
// that row, a corrected key with them; a key another row holds is refused as for a new row, and
// a row another program changed or deleted meanwhile is never mistaken for another one.
#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QTest>
#include <QWindow>
#include <functional>

#include "data/vbdes.h"
#include "framework/imagebutton.h"
#include "framework/mainmenus.h"
#include "framework/recordform.h"
#include "globals.h"
#include "masters/frmAddDoctorDetail.h"
#include "masters/frmAddEmployeeDetail.h"
#include "masters/frmAddLabDetails.h"
#include "masters/frmAddXRayDetails.h"
#include "patients/frmAddConsultant.h"
#include "patients/patientrecord.h"
#include "shell/frmAddNewUser.h"
#include "support/fixture.h"
#include "support/record_bar.h"
#include "support/input.h"

namespace {

const QString kSelect = QStringLiteral("Please select any Record");
const QString kQuestion = QStringLiteral("Are you sure you want to delete this record?");
const QString kSaved = QStringLiteral("Record Saved Successfully");

// A click where the widget is on the screen, as the window system hands it out: while a list is
// dropped down the click goes to the list first, which closes and lets the click go no further.
void ClickOnScreen(QWidget* widget) {
  ASSERT_TRUE(widget->isVisible());
  QWidget* top = widget->window();
  const QPoint at = widget->mask().isEmpty() ? widget->rect().center() : widget->mask().begin()->center();
  QTest::mouseClick(top->windowHandle(), Qt::LeftButton, {}, widget->mapTo(top, at));
  QApplication::processEvents();
}

// Every box of a form, in the order of its children, "|"-joined.
QString Boxes(QWidget* form) {
  QStringList out;
  for (QWidget* w : form->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
    if (auto* combo = qobject_cast<QComboBox*>(w))
      out << combo->currentText();
    else if (auto* line = qobject_cast<QLineEdit*>(w))
      out << line->text();
    else if (auto* date = qobject_cast<QDateEdit*>(w))
      out << date->date().toString(Qt::ISODate);
  }
  return out.join('|');
}

// One record form with two stored rows.
struct FormCase {
  const char* name;
  QStringList setUp;                       // SQL that stores the rows (and what the form needs to open)
  const char* table;                       // the form's table, compared whole before and after
  std::function<RecordForm*()> open;
  std::function<QWidget*(RecordForm*)> key;    // the key box
  std::function<QLineEdit*(RecordForm*)> other;  // a box Modify changes beside the key (may be null)
  const char* title;                       // the title the form's refusals carry
  const char* typed;                       // typed over the key in browse mode: no row's key
  const char* rows;                        // SQL: the rows' key and other box, "|"-joined by rowid
  const char* renamed;                     // the rows once the first one shown is saved with `typed`
                                           // over its key and "99" in the other box
};

inline void PrintTo(const FormCase& c, std::ostream* os) { *os << c.name; }

template <class F>
std::function<RecordForm*()> opener() {
  return [] { return static_cast<RecordForm*>(ShowForm<F>()); };
}

QString user(const char* name) {
  return QStringLiteral("INSERT INTO SettingsNewUser(UserName, Password, UserType) VALUES ('%1', '%2', '%3')")
      .arg(QLatin1String(name), CipherText(QStringLiteral("pw"), true), CipherText(QStringLiteral("Admin"), true));
}

QString employee(const char* id, const char* first) {
  return QStringLiteral("INSERT INTO SettingsEmployeeDetails VALUES ('%1', '%2', 'K', 'Male', '98765', '4000', "
                        "'05/12/1980', ' 46 Years,  0 Months,  5 Days', '77', '12 Lake Road', 'a@b.c', 'Nurse', "
                        "'B.Sc')")
      .arg(QLatin1String(id), QLatin1String(first));
}

QString patient(const char* table, const char* id, const char* name) {
  return QStringLiteral("INSERT INTO %1 (EmployeeID, FirstName, Sex, MobilePhone, Age, Address, Location) VALUES "
                        "('%2', '%3', 'Male', '5551234', '30', '1 Hill Rd', 'Eastgate')")
      .arg(QLatin1String(table), QLatin1String(id), QLatin1String(name));
}

std::vector<FormCase> Forms() {
  std::vector<FormCase> forms;
  forms.push_back({"user", {user("tumbo"), user("kip")}, "SettingsNewUser", opener<frmAddNewUser>(),
                   [](RecordForm* f) { return &static_cast<frmAddNewUser*>(f)->txtUserName; }, nullptr, "", "zed",
                   "UserName", "zed|kip"});
  forms.push_back({"doctor",
                   {"INSERT INTO SettingDrDetails(DoctorID, FirstName) VALUES ('Dr.Amina', 'Amina'), ('Dr.Kofi', "
                    "'Kofi')"},
                   "SettingDrDetails", opener<frmAddDoctorDetail>(),
                   [](RecordForm* f) { return &static_cast<frmAddDoctorDetail*>(f)->txtDoctorID; },
                   [](RecordForm* f) { return &static_cast<frmAddDoctorDetail*>(f)->txtMobilePhone; }, "Warning",
                   "Dr.Ghost", "DoctorID || '=' || ifnull(MobilePhone, '')", "Dr.Ghost=99|Dr.Kofi="});
  forms.push_back({"employee", {employee("7", "Ravi"), employee("8", "Meena")}, "SettingsEmployeeDetails",
                   opener<frmAddEmployeeDetail>(),
                   [](RecordForm* f) { return &static_cast<frmAddEmployeeDetail*>(f)->txtEmployeeID; },
                   [](RecordForm* f) { return &static_cast<frmAddEmployeeDetail*>(f)->txtMobilePhone; }, "Warning",
                   "999", "EmployeeID || '=' || MobilePhone", "999=99|8=98765"});
  forms.push_back({"laboratory", {"INSERT INTO SettingsLab VALUES ('abc', '10'), ('CBC', '200')"}, "SettingsLab",
                   opener<frmAddLabDetails>(),
                   [](RecordForm* f) { return &static_cast<frmAddLabDetails*>(f)->cmbPatientID; },
                   [](RecordForm* f) { return &static_cast<frmAddLabDetails*>(f)->txtPassword; }, "", "Zinc",
                   "Description || '=' || Amount", "Zinc=99|CBC=200"});
  forms.push_back({"xray", {"INSERT INTO SettingsXRay VALUES ('Chest', '300', '150'), ('Skull', '400', '200')"},
                   "SettingsXRay", opener<frmAddXRayDetails>(),
                   [](RecordForm* f) { return &static_cast<frmAddXRayDetails*>(f)->txtUserName; },
                   [](RecordForm* f) { return &static_cast<frmAddXRayDetails*>(f)->txtPassword; }, "", "Knee",
                   "Description || '=' || AdultAmount", "Knee=99|Skull=400"});
  for (const char* table : {"SettingsOutPatient", "SettingsInPatient"}) {
    const bool out = QLatin1String(table) == QLatin1String("SettingsOutPatient");
    forms.push_back({out ? "outpatient" : "inpatient",
                     {patient(table, out ? "OP1" : "IP1", "One"), patient(table, out ? "OP2" : "IP2", "Two")}, table,
                     out ? opener<frmAddOutPatient>() : opener<frmAddInPatient>(),
                     [](RecordForm* f) { return &static_cast<PatientRecordForm*>(f)->cmbPatientID; },
                     [](RecordForm* f) { return &static_cast<PatientRecordForm*>(f)->txtMobilePhone; }, "Warning",
                     "ZZ", "EmployeeID || '=' || MobilePhone",
                     // The identifier box takes no typing during a Modify: the row keeps its own.
                     out ? "OP1=99|OP2=5551234" : "IP1=99|IP2=5551234"});
  }
  // The doctor box completes from its list only: "Dr R" gives "Dr Rao", whose fee is for another
  // patient than the one shown.
  forms.push_back({"consultant",
                   {"INSERT INTO SettingDrDetails(DoctorID) VALUES ('Dr Rao'), ('Dr Iyer')",
                    patient("SettingsInPatient", "IP1", "Asha"), patient("SettingsOutPatient", "OP1", "Walk In"),
                    "INSERT INTO SettingsConsultant VALUES ('2026-11-01', 'Dr Iyer', '250', 'IP1'), "
                    "('2026-11-02', 'Dr Rao', '300', 'OP1')"},
                   "SettingsConsultant", opener<frmAddConsultant>(),
                   [](RecordForm* f) { return &static_cast<frmAddConsultant*>(f)->cmbPatientID; },
                   [](RecordForm* f) { return &static_cast<frmAddConsultant*>(f)->txtPassword; }, "", "Dr R",
                   "DrName || '=' || Amount || '=' || patientid", "Dr Rao=99=IP1|Dr Rao=300=OP1"});
  return forms;
}

class RecordRowTest : public HalvionTest {
protected:
  void SetUp() override {
    HalvionTest::SetUp();
    gCon = openDb();
    exec(QStringLiteral("DELETE FROM SettingsNewUser"));
  }
  void TearDown() override {
    ClearMainMenuHooks();
    HalvionTest::TearDown();
  }

  RecordForm* openForm(const std::function<RecordForm*()>& open) {
    form = open();
    if (form) {
      form->FormWindow()->activateWindow();
      (void)QTest::qWaitForWindowActive(form->FormWindow());
    }
    return form;
  }

  // Every row of a table, every column, in the table's order.
  QString snapshot(const QString& table) const {
    Recordset rs;
    rs.Open(QStringLiteral("SELECT * FROM ") + table + QStringLiteral(" ORDER BY rowid"), openDb(), adOpenStatic,
            adLockReadOnly);
    QStringList rows;
    for (; !rs.Eof(); rs.MoveNext()) {
      QStringList cells;
      for (int i = 0; i < rs.FieldCount(); ++i) cells << rs.Fields(i).toText();
      rows << cells.join('|');
    }
    return rows.join('\n');
  }

  static QString text(QWidget* box) {
    if (auto* combo = qobject_cast<QComboBox*>(box)) return combo->currentText();
    return qobject_cast<QLineEdit*>(box)->text();
  }
  std::string mode() const { return RecordBarMode(form); }

  // The rows of `table`, each as the SQL expression `row` gives it, "|"-joined in rowid order.
  QString rows(const QString& table, const char* row) const {
    return scalar(QStringLiteral("SELECT group_concat(r, '|') FROM (SELECT %1 AS r FROM %2 ORDER BY rowid)")
                      .arg(QLatin1String(row), table));
  }

  RecordForm* form = nullptr;
};

class EveryRecordForm : public RecordRowTest, public ::testing::WithParamInterface<FormCase> {};

TEST_P(EveryRecordForm, AKeyTypedOverInBrowseModeNamesNoRowToDeleteOrModify) {
  const FormCase& c = GetParam();
  for (const QString& sql : c.setUp) exec(sql);
  const QString table = QLatin1String(c.table);
  const QString before = snapshot(table);
  ASSERT_NE(openForm(c.open), nullptr);
  QWidget* key = c.key(form);
  const QString title = QLatin1String(c.title);
  const QString shownKey = text(key);
  ASSERT_FALSE(shownKey.isEmpty());

  // Typed over: the boxes no longer show the current row.
  TypeOver(key, QString::fromUtf8(c.typed));
  ASSERT_NE(text(key), shownKey);
  boxes().expect(kSelect, title, vbCritical);  // and no question before it
  Click(form->Picture7);
  EXPECT_EQ(boxes().pending(), 0);
  EXPECT_EQ(snapshot(table), before);
  boxes().expect(kSelect, title, vbCritical);
  Click(form->Picture6);
  EXPECT_EQ(mode(), "browse");
  EXPECT_FALSE(form->EditFlag);  // a refused Modify leaves no modification begun

  // Modify of the row shown, then its key typed over: Save corrects that row, key and all.
  Click(form->Picture1);
  ASSERT_EQ(text(key), shownKey);
  Click(form->Picture6);
  ASSERT_EQ(mode(), "edit");
  TypeOver(key, QString::fromUtf8(c.typed));
  if (c.other) TypeOver(c.other(form), QStringLiteral("99"));
  boxes().expect(kSaved, QStringLiteral("Update Info"), vbExclamation);
  Click(form->Picture9);
  EXPECT_EQ(boxes().pending(), 0);
  EXPECT_EQ(mode(), "browse");
  EXPECT_EQ(rows(table, c.rows), QLatin1String(c.renamed));
  const QString renamed = snapshot(table);

  // After New and Cancel the boxes are empty while the saved row is still current.
  Click(form->Picture5);
  Click(form->Picture10);
  boxes().expect(kSelect, title, vbCritical);
  Click(form->Picture7);
  EXPECT_EQ(snapshot(table), renamed);

  // The row shown is deleted once the user says so.
  Click(form->Picture1);
  boxes().expect(kQuestion, QStringLiteral("Confirm Delete"), vbYesNo + vbQuestion, vbYes);
  Click(form->Picture7);
  EXPECT_EQ(boxes().pending(), 0);
  EXPECT_EQ(snapshot(table).count('\n'), before.count('\n') - 1);
}

TEST_P(EveryRecordForm, AnEmptyTableRefusesDeleteBeforeAnyQuestion) {
  const FormCase& c = GetParam();
  for (const QString& sql : c.setUp) exec(sql);
  exec(QStringLiteral("DELETE FROM ") + QLatin1String(c.table));
  ASSERT_NE(openForm(c.open), nullptr);
  TypeOver(c.key(form), QString::fromUtf8(c.typed));
  // The patient and doctor forms name the empty box first; every form names the empty table
  // once something is typed.
  boxes().expect(QStringLiteral("No Record Found"), QLatin1String(c.title), vbCritical);
  Click(form->Picture7);
  EXPECT_EQ(boxes().pending(), 0);
}

INSTANTIATE_TEST_SUITE_P(Forms, EveryRecordForm, ::testing::ValuesIn(Forms()),
                         [](const auto& info) { return std::string(info.param.name); });

// The forms named by one key box, which Modify may correct, each with two stored rows; the first
// row shown is the first stored.
struct RenameCase {
  const char* name;
  QStringList setUp;
  const char* table;
  const char* key;                                // the key column
  std::function<RecordForm*()> open;
  std::function<QWidget*(RecordForm*)> keyBox;
  const char* changedElsewhere;                   // a column another program changes meanwhile
  const char* duplicate;                          // the form's message for a key another row holds
  // Typed over the first row's key after Modify, and the keys stored after Save ("|"-joined by
  // rowid), or nullptr where Save refuses with the duplicate message.
  std::vector<std::pair<const char*, const char*>> renames;
  // Typed as the key of a new row: the second row's key in another case (nullptr: the key has
  // no case), and the message Save gives: the duplicate one, or the next check's where case counts.
  const char* newInOtherCase = nullptr;
  const char* newRefusal = nullptr;
};

inline void PrintTo(const RenameCase& c, std::ostream* os) { *os << c.name; }

std::vector<RenameCase> RenameForms() {
  const char* const kName = "Please Select the Another Name\r\nThis Name Already Available";
  return {
      {"user", {user("tumbo"), user("kip")}, "SettingsNewUser", "UserName", opener<frmAddNewUser>(),
       [](RecordForm* f) { return &static_cast<frmAddNewUser*>(f)->txtUserName; }, "Password",
       "Please Select the Another User Name\r\nThis User Name Already Assigned",
       // Letters only: no blank can be typed into the name.
       {{"tumba", "tumba|kip"}, {"Tumbo", "Tumbo|kip"}, {"kip", nullptr}, {"Kip", "Kip|kip"}},
       // The login matches the name as typed: another case is another user.
       "KIP", "Please Fill the Password"},
      {"doctor",
       {"INSERT INTO SettingDrDetails(DoctorID, FirstName) VALUES ('Dr.Amina', 'Amina'), ('Dr.Kofi', 'Kofi')"},
       "SettingDrDetails", "DoctorID", opener<frmAddDoctorDetail>(),
       [](RecordForm* f) { return &static_cast<frmAddDoctorDetail*>(f)->txtDoctorID; }, "FirstName",
       "Please Select the Another Doctor Id\r\nThis Doctor ID Already Assigned",
       {{"Dr.Amina Osei , M.D", "Dr.Amina Osei , M.D|Dr.Kofi"},
        {"Dr.amina", "Dr.amina|Dr.Kofi"},
        {"Dr.Amina  ", "Dr.Amina  |Dr.Kofi"},  // its own name, blanks and all
        {" Dr.Kofi ", nullptr},
        {"dr.kofi", nullptr},
        {"DR.KOFI ", nullptr}},
       "dr.KOFI ", "Please Select the Another Doctor Id\r\nThis Doctor ID Already Assigned"},
      {"employee", {employee("7", "Ravi"), employee("8", "Meena")}, "SettingsEmployeeDetails", "EmployeeID",
       opener<frmAddEmployeeDetail>(),
       [](RecordForm* f) { return &static_cast<frmAddEmployeeDetail*>(f)->txtEmployeeID; }, "Address",
       "Please Select the Another Employee Id\r\nThis Employee ID Already Assigned",
       // Digits only.
       {{"17", "17|8"}, {"8", nullptr}}},
      {"laboratory", {"INSERT INTO SettingsLab VALUES ('abc', '10'), ('CBC', '200')"}, "SettingsLab", "Description",
       opener<frmAddLabDetails>(),
       [](RecordForm* f) { return &static_cast<frmAddLabDetails*>(f)->cmbPatientID; }, "Amount", kName,
       {{"Albumin", "Albumin|CBC"}, {"Abc", "Abc|CBC"}, {"abc ", "abc |CBC"}, {" CBC  ", nullptr}, {"cbc", nullptr}},
       " Cbc", kName},
      {"xray", {"INSERT INTO SettingsXRay VALUES ('Chest', '300', '150'), ('Skull', '400', '200')"}, "SettingsXRay",
       "Description", opener<frmAddXRayDetails>(),
       [](RecordForm* f) { return &static_cast<frmAddXRayDetails*>(f)->txtUserName; }, "ChildrenAmount", kName,
       {{"Chest PA", "Chest PA|Skull"}, {"chest", "chest|Skull"}, {"Skull ", nullptr}, {"skull", nullptr}},
       "SKULL", kName},
  };
}

class RenamingRecordForm : public RecordRowTest, public ::testing::WithParamInterface<RenameCase> {
protected:
  // The rows stored afresh and the form opened on the first one, Modify begun.
  void openModifying() {
    const RenameCase& c = GetParam();
    exec(QStringLiteral("DELETE FROM ") + QLatin1String(c.table));
    for (const QString& sql : c.setUp) exec(sql);
    ASSERT_NE(openForm(c.open), nullptr);
    Click(form->Picture1);
    ASSERT_EQ(text(c.keyBox(form)), keys().section('|', 0, 0));
    Click(form->Picture6);
    ASSERT_EQ(mode(), "edit");
  }
  QString keys() const { return rows(QLatin1String(GetParam().table), GetParam().key); }
  QString firstRow() const {
    return QStringLiteral(" WHERE rowid = (SELECT min(rowid) FROM %1)").arg(QLatin1String(GetParam().table));
  }
};

TEST_P(RenamingRecordForm, ModifyCorrectsTheKeyUnlessAnotherRowHoldsIt) {
  const RenameCase& c = GetParam();
  for (const auto& [typed, after] : c.renames) {
    SCOPED_TRACE(std::string("'") + typed + "'");
    openModifying();
    const QString before = keys();
    QWidget* key = c.keyBox(form);
    TypeOver(key, QString::fromUtf8(typed));
    ASSERT_EQ(text(key), QString::fromUtf8(typed));
    if (after) {
      boxes().expect(kSaved, QStringLiteral("Update Info"), vbExclamation);
      Click(form->Picture9);
      EXPECT_EQ(mode(), "browse");
      EXPECT_EQ(keys(), QString::fromUtf8(after));
      EXPECT_EQ(text(key), QString::fromUtf8(typed));
    } else {
      // Compared trimmed (case ignored but for the user names), as for a new row; nothing is
      // written.
      boxes().expect(QString::fromUtf8(c.duplicate), QStringLiteral("Warning"), vbCritical);
      Click(form->Picture9);
      EXPECT_EQ(mode(), "edit");
      EXPECT_TRUE(form->EditFlag);
      QWidget* focus = form->focusWidget();
      EXPECT_TRUE(focus == key || key->isAncestorOf(focus));
      EXPECT_EQ(keys(), before);
      Click(form->Picture10);
    }
    EXPECT_EQ(boxes().pending(), 0);
    form->Unload();
  }
}

// The forms whose key has letters, and so a case.
class LetteredKeyForm : public RenamingRecordForm {};

std::vector<RenameCase> LetteredKeyForms() {
  std::vector<RenameCase> forms;
  for (const RenameCase& c : RenameForms())
    if (c.newInOtherCase) forms.push_back(c);
  return forms;
}

TEST_P(LetteredKeyForm, ANewRowMayNotTakeAnotherRowsKeyInAnotherCase) {
  const RenameCase& c = GetParam();
  for (const QString& sql : c.setUp) exec(sql);
  ASSERT_NE(openForm(c.open), nullptr);
  const QString before = snapshot(QLatin1String(c.table));
  Click(form->Picture5);
  QWidget* key = c.keyBox(form);
  TypeOver(key, QString::fromUtf8(c.newInOtherCase));
  boxes().expect(QString::fromUtf8(c.newRefusal));
  Click(form->Picture9);
  EXPECT_EQ(boxes().pending(), 0);
  EXPECT_EQ(mode(), "edit");
  EXPECT_EQ(text(key), QString::fromUtf8(c.newInOtherCase));  // the box as the clerk typed it
  Click(form->Picture10);
  EXPECT_EQ(snapshot(QLatin1String(c.table)), before);
}

TEST_P(RenamingRecordForm, ARowAnotherProgramChangedIsStillTheOneSavedAndOneItDeletedIsNotWritten) {
  const RenameCase& c = GetParam();
  const QString table = QLatin1String(c.table);
  openModifying();
  const QString shownKey = text(c.keyBox(form));
  const QString firstRowId = scalar(QStringLiteral("SELECT min(rowid) FROM ") + table);

  // Changed meanwhile by another program: the row is still the one being modified, not a second
  // row holding its key; the save goes into it and into no other.
  exec(QStringLiteral("UPDATE %1 SET %2 = 'elsewhere'").arg(table, QLatin1String(c.changedElsewhere)) + firstRow());
  boxes().expect(kSaved, QStringLiteral("Update Info"), vbExclamation);
  Click(form->Picture9);
  EXPECT_EQ(mode(), "browse");
  EXPECT_EQ(scalar(QStringLiteral("SELECT count(*) FROM ") + table), "2");
  EXPECT_EQ(scalar(QStringLiteral("SELECT %1 FROM %2").arg(QLatin1String(c.key), table) + firstRow()), shownKey);
  EXPECT_EQ(scalar(QStringLiteral("SELECT min(rowid) FROM ") + table), firstRowId);

  // Deleted meanwhile: the save finds no row to write and says so; nothing is stored.
  Click(form->Picture6);
  ASSERT_EQ(mode(), "edit");
  TypeOver(c.keyBox(form), QString::fromUtf8(c.renames.front().first));
  exec(QStringLiteral("DELETE FROM ") + table + firstRow());
  const QString left = snapshot(table);
  boxes().clearShown();
  boxes().allowAny();
  Click(form->Picture9);
  boxes().strict();
  ASSERT_EQ(boxes().shown().size(), 1u);
  EXPECT_TRUE(boxes().shown()[0].prompt.contains(QStringLiteral("no longer in the table")))
      << boxes().shown()[0].prompt.toStdString();
  EXPECT_EQ(mode(), "edit");
  EXPECT_EQ(snapshot(table), left);
  Click(form->Picture10);
  EXPECT_EQ(snapshot(table), left);
}

INSTANTIATE_TEST_SUITE_P(Forms, RenamingRecordForm, ::testing::ValuesIn(RenameForms()),
                         [](const auto& info) { return std::string(info.param.name); });
INSTANTIATE_TEST_SUITE_P(Forms, LetteredKeyForm, ::testing::ValuesIn(LetteredKeyForms()),
                         [](const auto& info) { return std::string(info.param.name); });

// The laboratory form looks a typed description up: one that no row has leaves no row to act on.
class LabRowTest : public RecordRowTest {
protected:
  void SetUp() override {
    RecordRowTest::SetUp();
    exec(QStringLiteral("INSERT INTO SettingsLab VALUES ('abc', '10'), ('CBC', '200')"));
    lab = static_cast<frmAddLabDetails*>(openForm(opener<frmAddLabDetails>()));
    ASSERT_NE(lab, nullptr);
  }
  QString table() const {
    return scalar(QStringLiteral("SELECT group_concat(Description || '=' || Amount, '|') FROM "
                                 "(SELECT * FROM SettingsLab ORDER BY rowid)"));
  }
  QString shown() const { return lab->cmbPatientID.currentText() + '=' + lab->txtPassword.text(); }
  frmAddLabDetails* lab = nullptr;
};

TEST_F(LabRowTest, ZincTypedOverAbcIsNeitherDeletedNorSavedOverAbc) {
  ASSERT_EQ(shown(), "abc=10");
  TypeOver(&lab->cmbPatientID, QStringLiteral("Zinc"));
  boxes().expect(kSelect, QString(), vbCritical);
  Click(lab->Picture7);
  EXPECT_EQ(table(), "abc=10|CBC=200");

  boxes().expect(kSelect, QString(), vbCritical);
  Click(lab->Picture6);
  EXPECT_EQ(mode(), "browse");
  EXPECT_EQ(table(), "abc=10|CBC=200");

  // A new investigation of that name is still what New is for.
  Click(lab->Picture5);
  TypeOver(&lab->cmbPatientID, QStringLiteral("Zinc"));
  TypeOver(&lab->txtPassword, QStringLiteral("99"));
  boxes().expect(kSaved);
  Click(lab->Picture9);
  EXPECT_EQ(table(), "abc=10|CBC=200|Zinc=99");
}

TEST_F(LabRowTest, ALookUpThatFindsNothingLeavesNoRowAndTheBarStillMoves) {
  Click(lab->Picture4);
  ASSERT_EQ(shown(), "CBC=200");
  TypeOver(&lab->cmbPatientID, QStringLiteral("Zinc"));
  lab->txtPassword.setFocus();  // leaving the box looks the description up
  EXPECT_EQ(shown(), "Zinc=200");  // the amount stays as it was, but no row is current
  boxes().expect(kSelect, QString(), vbCritical);
  Click(lab->Picture6);
  EXPECT_EQ(mode(), "browse");
  boxes().expect(kSelect, QString(), vbCritical);
  Click(lab->Picture7);
  EXPECT_EQ(table(), "abc=10|CBC=200");

  // Next and Previous from there show the last row again, without an error.
  Click(lab->Picture3);
  EXPECT_EQ(shown(), "CBC=200");
  TypeOver(&lab->cmbPatientID, QStringLiteral("Zinc"));
  lab->txtPassword.setFocus();
  Click(lab->Picture2);
  EXPECT_EQ(shown(), "CBC=200");

  // A description that is found makes its row the current one again.
  TypeOver(&lab->cmbPatientID, QStringLiteral("ab"));
  lab->txtPassword.setFocus();
  EXPECT_EQ(shown(), "abc=10");
  Click(lab->Picture6);
  EXPECT_EQ(mode(), "edit");
  Click(lab->Picture10);
  EXPECT_EQ(boxes().pending(), 0);
}

// The forms whose key box drops a list down as the clerk types, each with rows A (shown first)
// and B. B's key is typed over A's; the list is open when the clerk clicks Delete.
struct ListedKeyCase {
  const char* name;
  QStringList setUp;
  const char* table;
  const char* row;  // SQL: a row as the test names it
  std::function<RecordForm*()> open;
  std::function<QComboBox*(RecordForm*)> key;
  const char* typed;    // B's key, as the clerk types it
  const char* b;        // B's key as stored
  const char* title;    // the title of the form's refusals
  bool follows;         // the form moves whole to B as its key is typed; else it refuses
};

inline void PrintTo(const ListedKeyCase& c, std::ostream* os) { *os << c.name; }

std::vector<ListedKeyCase> ListedKeyForms() {
  const auto lab = [](RecordForm* f) { return &static_cast<frmAddLabDetails*>(f)->cmbPatientID; };
  const auto patientKey = [](RecordForm* f) { return &static_cast<PatientRecordForm*>(f)->cmbPatientID; };
  const QStringList tests{"INSERT INTO SettingsLab VALUES ('Blood Sugar', '80'), ('CBC', '150')"};
  const auto patients = [](const char* table, bool out) {
    return QStringList{patient(table, out ? "OP1" : "IP1", "Ravi"), patient(table, out ? "OP2" : "IP2", "Rani"),
                       patient(table, out ? "OP17" : "IP17", "Arun")};
  };
  return {
      {"laboratory", tests, "SettingsLab", "Description || '=' || Amount", opener<frmAddLabDetails>(), lab, "CBC",
       "CBC", "", true},
      {"laboratory_completed", tests, "SettingsLab", "Description || '=' || Amount", opener<frmAddLabDetails>(), lab,
       "cb", "CBC", "", true},
      {"outpatient", patients("SettingsOutPatient", true), "SettingsOutPatient", "EmployeeID || '=' || FirstName",
       opener<frmAddOutPatient>(), patientKey, "OP17", "OP17", "Warning", true},
      {"inpatient", patients("SettingsInPatient", false), "SettingsInPatient", "EmployeeID || '=' || FirstName",
       opener<frmAddInPatient>(), patientKey, "IP2", "IP2", "Warning", true},
      // The doctor names no fee alone: the fee shown keeps its patient, so no fee is shown whole.
      {"consultant",
       {"INSERT INTO SettingDrDetails(DoctorID) VALUES ('Dr Rao'), ('Dr Iyer')",
        patient("SettingsInPatient", "IP1", "Asha"), patient("SettingsOutPatient", "OP1", "Walk In"),
        "INSERT INTO SettingsConsultant VALUES ('2026-11-01', 'Dr Iyer', '250', 'IP1'), "
        "('2026-11-02', 'Dr Rao', '300', 'OP1')"},
       "SettingsConsultant", "DrName || '=' || patientid", opener<frmAddConsultant>(),
       [](RecordForm* f) { return &static_cast<frmAddConsultant*>(f)->cmbPatientID; }, "Dr Rao", "Dr Rao", "", false},
  };
}

class ListedKeyForm : public RecordRowTest, public ::testing::WithParamInterface<ListedKeyCase> {};

TEST_P(ListedKeyForm, DeleteAndModifyActOnlyOnARowTheFormShowsWhole) {
  const ListedKeyCase& c = GetParam();
  for (const QString& sql : c.setUp) exec(sql);
  const QString table = QLatin1String(c.table);
  const QString before = rows(table, c.row);
  ASSERT_NE(openForm(c.open), nullptr);
  QComboBox* key = c.key(form);
  const QString title = QLatin1String(c.title);
  // Row B as the bar shows it, then back to row A.
  const QString a = Boxes(form);
  for (int i = 0; i < 5 && key->currentText() != QLatin1String(c.b); ++i) Click(form->Picture3);
  ASSERT_EQ(key->currentText(), QLatin1String(c.b));
  const QString b = Boxes(form);
  Click(form->Picture1);
  ASSERT_EQ(Boxes(form), a);

  TypeOver(key, QString::fromUtf8(c.typed));
  ASSERT_EQ(key->currentText(), QLatin1String(c.b));
  ASSERT_TRUE(key->view()->isVisible());  // the list is dropped down
  const QString shown = Boxes(form);
  EXPECT_EQ(shown == b, c.follows) << shown.toStdString();

  // The first click only closes the list.
  ClickOnScreen(&form->Picture7);
  EXPECT_FALSE(key->view()->isVisible());
  EXPECT_TRUE(boxes().shown().empty());
  ASSERT_EQ(Boxes(form), shown);

  // The second reaches Delete: B is asked about only while the form shows B whole.
  if (shown == b)
    boxes().expect(kQuestion, QStringLiteral("Confirm Delete"), vbYesNo + vbQuestion, vbNo);
  else
    boxes().expect(kSelect, title, vbCritical);
  ClickOnScreen(&form->Picture7);
  EXPECT_EQ(boxes().pending(), 0);
  EXPECT_EQ(Boxes(form), shown);
  EXPECT_EQ(rows(table, c.row), before);

  if (shown != b) {
    boxes().expect(kSelect, title, vbCritical);
    ClickOnScreen(&form->Picture6);
    EXPECT_EQ(mode(), "browse");
    EXPECT_FALSE(form->EditFlag);
    EXPECT_EQ(rows(table, c.row), before);
    return;
  }
  // Modify begins on B, as the form shows it.
  ClickOnScreen(&form->Picture6);
  ASSERT_EQ(mode(), "edit");
  EXPECT_EQ(Boxes(form), b);
  ClickOnScreen(&form->Picture10);

  // And Delete, answered Yes, deletes B and nothing else.
  TypeOver(key, QString::fromUtf8(c.typed));
  ClickOnScreen(&form->Picture7);
  boxes().expect(kQuestion, vbYes);
  ClickOnScreen(&form->Picture7);
  EXPECT_EQ(boxes().pending(), 0);
  EXPECT_EQ(scalar(QStringLiteral("SELECT count(*) FROM %1 WHERE %2 LIKE '%3=%'")
                       .arg(table, QLatin1String(c.row), QLatin1String(c.b))),
            "0");
  EXPECT_EQ(rows(table, c.row).count('|'), before.count('|') - 1);
}

INSTANTIATE_TEST_SUITE_P(Forms, ListedKeyForm, ::testing::ValuesIn(ListedKeyForms()),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
