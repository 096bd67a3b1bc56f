// The patient lists over their record forms, and the search by name.
#include "data/patients.h"
#include "framework/twips.h"
#include "patients_support.h"

namespace {

using ListsTest = PatientsTest;
using SearchTest = PatientsTest;

TEST_F(ListsTest, ListShowsEveryPatientInTableOrderNumberedWithABlankAndNullsEmpty) {
  addPatient("SettingsInPatient", "IP2", "Bea");
  addPatient("SettingsInPatient", "IP10", " Cy ", "", "", "", "", "");
  addPatient("SettingsInPatient", "IP1", "Al");
  exec("UPDATE SettingsInPatient SET Discharged='Yes', PrescriptionDetails='rest' WHERE EmployeeID='IP1'");
  auto* caller = ShowForm<frmAddInPatient>();
  ASSERT_TRUE(caller);
  Click(caller->Picture8);
  auto* list = LoadedForm<frmViewInPatientDetails>();
  ASSERT_TRUE(list);
  const FlexGrid& g = list->MSFlexGrid1;
  ASSERT_EQ(g.Rows(), 4);
  ASSERT_EQ(g.Cols(), 8);
  const char* const expected[4][8] = {
      {"No.", "Patient ID", "Patient Name", "Sex", "Phone Number", "Age", "Address", "Location"},
      {" 1", "IP2", "Bea", "Male", "5551234", "30", "1 Hill Rd", "Eastgate"},
      {" 2", "IP10", " Cy ", "", "", "", "", ""},
      {" 3", "IP1", "Al", "Male", "5551234", "30", "1 Hill Rd", "Eastgate"},
  };
  const int widths[8] = {500, 1500, 1500, 900, 1500, 800, 5000, 2000};
  for (int r = 0; r < 4; ++r)
    for (int c = 0; c < 8; ++c) EXPECT_EQ(g.TextMatrix(r, c), expected[r][c]) << r << "," << c;
  for (int c = 0; c < 8; ++c) EXPECT_EQ(g.ColWidth(c), widths[c]) << c;
  EXPECT_EQ(list->Width(), 12000);
  EXPECT_EQ(list->FormWindow()->height(), TwipsToPixels(4000));
  EXPECT_EQ(QRect(g.x(), g.y(), g.width(), 0), TwipsRect(1000, 1000, 10000, 0));
  EXPECT_EQ(list->ShockwaveFlash1.GetVariable("Receive"), QString(28, ' ') + "View In-Patient Details");
  EXPECT_EQ(gActiveForm, caller);
}

TEST_F(ListsTest, EmptyTableSaysSoAndTheRecordFormIsUsableAtOnce) {
  auto* caller = ShowForm<frmAddOutPatient>();
  ASSERT_TRUE(caller);
  boxes().expect("No Record Found", "No Record Warning", vbExclamation);
  Click(caller->Picture8);
  EXPECT_EQ(LoadedForm<frmViewOutPatientDetails>(), nullptr);
  EXPECT_TRUE(caller->FormWindow()->isEnabled());
}

// The search form of one kind with its table filled, the name typed and searched.
class SearchFormTest : public SearchTest {
protected:
  template <class F>
  F* openSearch() {
    F* f = ShowForm<F>();
    search = f;
    return f;
  }
  void find(const QString& name) {
    search->cmbDrName.setEditText(name);
    Click(search->Picture1);
  }
  QString value(int row) const { return search->MSFlexGrid1.TextMatrix(row, 1); }
  // The value without the line breaks the sizing puts in.
  QString plain(int row) const { return value(row).remove("\r\n"); }
  DetailCard* search = nullptr;
};

TEST_F(SearchFormTest, NameIsFoundWholeWithBlanksIgnoredAndCaseCounting) {
  addPatient("SettingsOutPatient", "OP1", "Ann ");
  addPatient("SettingsOutPatient", "OP2", "O'Brien");
  addPatient("SettingsOutPatient", "OP3", "Annabel");
  ASSERT_TRUE(openSearch<frmViewOutPatient>());
  EXPECT_EQ(menus, QStringList{"hide"});
  EXPECT_EQ(gActiveForm, search);
  const struct {
    const char* typed;
    const char* id;  // nullptr: not found
  } cases[] = {
      {"Ann", "OP1"},      {"  Ann  ", "OP1"}, {"O'Brien", "OP2"}, {"o'brien", nullptr},
      {"Anna", nullptr},   {"nn", nullptr},    {"   ", nullptr},    {"Annabel", "OP3"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.typed);
    if (!c.id) boxes().expect("Employee Name Not Found", "Warning", vbCritical);
    find(c.typed);
    EXPECT_EQ(plain(0), c.id ? c.id : "");
    EXPECT_EQ(search->MSFlexGrid1.TextMatrix(0, 0), "Patient ID\r\n");
  }
  boxes().expect("Please select the Employee Name", "", vbOKOnly);
  find("");
  EXPECT_EQ(plain(1), "");
  EXPECT_EQ(search->focusWidget(), &search->cmbDrName);
  EXPECT_EQ(rows("SettingsOutPatient"), 3);
}

TEST_F(SearchFormTest, ListKeepsTableOrderAndDuplicatesAndTheLaterPatientIsShown) {
  addPatient("SettingsOutPatient", "OP9", "Zed", "41");
  addPatient("SettingsOutPatient", "OP1", "Ann", "20");
  addPatient("SettingsOutPatient", "OP5", "Zed", "62", "Female", "5551234", "3 Long Rd", "Northend");
  ASSERT_TRUE(openSearch<frmViewOutPatient>());
  QStringList names;
  for (int i = 0; i < search->cmbDrName.count(); ++i) names << search->cmbDrName.itemText(i);
  EXPECT_EQ(names, (QStringList{"Zed", "Ann", "Zed"}));
  EXPECT_EQ(search->cmbDrName.currentText(), "");
  find("Zed");
  const QStringList shown = {"OP5", "Zed", "Female", "5551234", "62", "3 Long Rd", "Northend"};
  for (int r = 0; r < 7; ++r) EXPECT_EQ(plain(r), shown[r]) << r;
  EXPECT_EQ(search->MSFlexGrid1.Rows(), 7);
}

// The names as the table holds them (blanks kept, NULL as empty, any script), and a search finds
// the last patient whose name, blanks aside, is the one typed.
TEST_F(SearchFormTest, NamesAreListedAsStoredAndTheLastMatchIsShown) {
  for (const auto& [id, name] : {std::pair{"OP1", "Zoë"}, {"OP2", ""}, {"OP3", " Ann"}, {"OP4", "Ann  "}, {"OP5", "राम"}})
    addPatient("SettingsOutPatient", id, name);
  ASSERT_TRUE(openSearch<frmViewOutPatient>());
  QStringList names;
  for (int i = 0; i < search->cmbDrName.count(); ++i) names << search->cmbDrName.itemText(i);
  EXPECT_EQ(names, (QStringList{"Zoë", "", " Ann", "Ann  ", "राम"}));
  const struct {
    const char* typed;
    const char* id;  // nullptr: not found
  } cases[] = {{"Ann", "OP4"}, {"Zoë", "OP1"}, {"zoë", nullptr}, {" राम ", "OP5"}, {"   ", "OP2"}, {"Zoe", nullptr}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.typed);
    if (!c.id) boxes().expect("Employee Name Not Found", "Warning", vbCritical);
    find(QString::fromUtf8(c.typed));
    EXPECT_EQ(plain(0), c.id ? c.id : "");
  }
  EXPECT_EQ(plain(1), "");  // the patient without a name
}

TEST_F(SearchFormTest, UnreadableTableSaysWhyAndTheMenuComesBack) {
  exec("DROP TABLE SettingsOutPatient");
  gCon = openDb();
  QString why;
  try {
    Recordset table;
    table.Open(PatientsListRead(PatientTableKind::OutPatient), gCon, adOpenStatic, adLockPessimistic);
  } catch (const DbError& e) {
    why = e.Description();
  }
  ASSERT_FALSE(why.isEmpty());
  boxes().expect(why);
  EXPECT_EQ(ShowForm<frmViewOutPatient>(), nullptr);
  EXPECT_EQ(LoadedForm<frmViewOutPatient>(), nullptr);
  EXPECT_EQ(menus, (QStringList{"hide", "show"}));
}

TEST_F(SearchFormTest, RowHeightsHideTheIdentifierAtLoadAndGrowWithTheText) {
  const QString longAddress(40, 'x');
  addPatient("SettingsOutPatient", "OP1", "Ann", "30", "Male", "555", "1 Hill Rd");
  addPatient("SettingsOutPatient", "OP2", "Bob", "30", "Male", "555", longAddress);
  ASSERT_TRUE(openSearch<frmViewOutPatient>());
  const FlexGrid& g = search->MSFlexGrid1;
  EXPECT_EQ(g.RowHeight(0), 0);
  EXPECT_EQ(g.RowHeight(1), FlexGrid::kDefaultRowHeight);
  const int gridHeight = 6 * FlexGrid::kDefaultRowHeight + 200;
  EXPECT_EQ(g.height(), TwipsToPixels(gridHeight));
  EXPECT_EQ(search->FormWindow()->height(), TwipsToPixels(gridHeight + 4000));
  EXPECT_EQ(search->ShockwaveFlash1.GetVariable("Receive"), QString(16, ' ') + "View Patient Details");

  find("Ann");
  for (int r = 0; r < 7; ++r) EXPECT_EQ(g.RowHeight(r), r == 5 ? 900 : 400) << r;
  EXPECT_EQ(g.width(), TwipsToPixels(5500));
  find("Ann");  // the same search again gives the same grid
  EXPECT_EQ(g.RowHeight(5), 900);
  EXPECT_EQ(value(5), "1 Hill Rd\r\n");
  find("Bob");
  EXPECT_EQ(value(5), longAddress.left(30) + "\r\n" + longAddress.mid(30) + "\r\n");
  EXPECT_EQ(g.RowHeight(5), 1200);  // 500, 200 more for the label, then (700 + 500) x 1
}

// Search after search, typed through the list's key filter: the grid shows the last patient
// found and only that one, its rows sized as a first search sizes them; the grid's height and the
// form's size stay as the load set them, however tall the rows have grown.
TEST_F(SearchFormTest, EverySearchShowsOnlyItsOwnResultAndTheFormKeepsItsSize) {
  const QString longAddress(65, 'a');
  const QString longLocation(40, 'l');
  addPatient("SettingsInPatient", "IP1", "Ann", "30", "Male", "555", longAddress, longLocation);
  addPatient("SettingsInPatient", "IP2", "Bob", "41", "Female", "556", "2 Low Rd", "Northend");
  exec("UPDATE SettingsInPatient SET PrescriptionDetails='" + QString(35, 'p') + "', DiseaseDetails='flu' "
       "WHERE EmployeeID='IP1'");
  ASSERT_TRUE(openSearch<frmViewInPatient>());
  const FlexGrid& g = search->MSFlexGrid1;
  const QSize loadSize = search->FormWindow()->size();
  const int loadGridHeight = g.height();

  // Each row's height and text after a search.
  const auto grid = [&] {
    QStringList cells;
    for (int r = 0; r < g.Rows(); ++r)
      cells << QString::number(g.RowHeight(r)) + "|" + g.TextMatrix(r, 0) + "|" + g.TextMatrix(r, 1);
    return cells;
  };
  const auto searchTyped = [&](const QString& name) {
    TypeOver(search->cmbDrName, name);
    Click(search->Picture1);
    EXPECT_EQ(g.Rows(), 11);
    EXPECT_EQ(g.height(), loadGridHeight);
    EXPECT_EQ(search->FormWindow()->size(), loadSize);
    EXPECT_EQ(g.width(), TwipsToPixels(5500));
    return grid();
  };
  const QStringList ann = searchTyped("Ann");
  EXPECT_EQ(ann[5], "2400|Address\r\n|" + longAddress.left(30) + "\r\n" + longAddress.mid(30, 30) + "\r\n" +
                        longAddress.mid(60) + "\r\n");
  EXPECT_EQ(ann[6], "700|Location\r\n|" + longLocation.left(30) + "\r\n" + longLocation.mid(30) + "\r\n");
  const QStringList bob = searchTyped("Bob");
  EXPECT_EQ(bob[5], "900|Address\r\n|2 Low Rd\r\n");
  EXPECT_EQ(bob[7], "900|Prescription Details\r\n|");
  EXPECT_EQ(searchTyped("Ann"), ann);
  EXPECT_EQ(searchTyped("Bob"), bob);
  boxes().expect("Please select the Employee Name", "", vbOKOnly);
  const QStringList none = searchTyped("");
  for (int r = 0; r < 11; ++r) EXPECT_TRUE(none[r].endsWith("\r\n|")) << none[r].toStdString();
  EXPECT_EQ(searchTyped("Ann"), ann);
}

TEST_F(SearchFormTest, InPatientShowsTheDischargeRowsOnlyOnceFilled) {
  addPatient("SettingsInPatient", "IP1", "Ann");
  addPatient("SettingsInPatient", "IP2", "Bob");
  exec("UPDATE SettingsInPatient SET PrescriptionDetails='rest', DiseaseDetails='flu', HealthDetails='good', "
       "DischargeDate='2026-12-01', Discharged='Yes' WHERE EmployeeID='IP2'");
  ASSERT_TRUE(openSearch<frmViewInPatient>());
  const FlexGrid& g = search->MSFlexGrid1;
  ASSERT_EQ(g.Rows(), 11);
  EXPECT_EQ(g.TextMatrix(10, 0), "Discharge Date");
  find("Ann");
  for (int r = 7; r <= 10; ++r) {
    EXPECT_EQ(value(r), "") << r;
    EXPECT_EQ(g.RowHeight(r), 900) << r;
  }
  find("Bob");
  EXPECT_EQ(value(7), "rest\r\n");
  EXPECT_EQ(value(8), "flu\r\n");
  EXPECT_EQ(value(9), "good\r\n");
  EXPECT_EQ(value(10), "01/12/2026\r\n");
}

TEST_F(SearchFormTest, EmptyTableSaysSoClosesAndTheMenuComesBack) {
  boxes().expect("No Record Found", "No Record Warning", vbExclamation);
  EXPECT_EQ(ShowForm<frmViewInPatient>(), nullptr);
  EXPECT_EQ(LoadedForm<frmViewInPatient>(), nullptr);
  EXPECT_EQ(menus, (QStringList{"hide", "show"}));
}

TEST_F(SearchFormTest, PatientRegisteredWhileTheSearchIsOpenIsFoundOnlyAfterReopening) {
  addPatient("SettingsOutPatient", "OP1", "Ann");
  ASSERT_TRUE(openSearch<frmViewOutPatient>());
  addPatient("SettingsOutPatient", "OP2", "Bob");
  boxes().expect("Employee Name Not Found", "Warning", vbCritical);
  find("Bob");
  Click(search->ShockwaveFlash2);
  QCoreApplication::processEvents();
  EXPECT_EQ(LoadedForm<frmViewOutPatient>(), nullptr);
  EXPECT_EQ(menus, (QStringList{"hide", "show"}));
  ASSERT_TRUE(openSearch<frmViewOutPatient>());
  find("Bob");
  EXPECT_EQ(value(0), "OP2\r\n");
}

}  // namespace
