#pragma once
// Finding a patient by name: the names of one patient table in a list to choose from, and the
// chosen patient's details as label/value rows in a two-column grid. Menu forms:
//
//   ShowForm<frmViewOutPatient>();  // out-patients, seven rows
//   ShowForm<frmViewInPatient>();   // in-patients, also the discharge rows
//
// Both list the names of their table once, when they open, and read a patient's row only when a
// search finds it; they write nothing. An empty table closes the form again after its message.
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <vector>

#include "data/patients.h"
#include "framework/flexgrid.h"
#include "framework/imagebutton.h"
#include "framework/vbform.h"
#include "platform/flashmovie.h"

class KeyList;

struct PatientSearchConfig {
  PatientTableKind kind = PatientTableKind::OutPatient;  // in-patients show the four discharge rows too
};

// The grid rows: label and the table column shown beside it.
struct SearchRow {
  const char* label;
  int source;
  int searchHeight;  // twips, each search starts the row at this height
  bool onlyWithValue;  // a missing value shows as empty text
};
// Rows 0 .. 6 for out-patients, 0 .. 10 for in-patients.
const std::vector<SearchRow>& PatientSearchRows(bool inPatient);

class PatientSearchForm : public VbForm {
  Q_OBJECT
public:
  explicit PatientSearchForm(PatientSearchConfig config);
  ~PatientSearchForm() override;

  static constexpr int kFormWidth = 8100;

  const PatientSearchConfig& Config() const { return config_; }

  QComboBox cmbEmpName{this};
  QLabel lblDrName{this};
  ImageButton Picture1{this, QStringLiteral("Picture1")};    // search
  ImageButton Picture11{this, QStringLiteral("Picture11")};  // help
  FlexGrid MSFlexGrid1{this};
  QLabel Label3{this};
  QLabel tempPic{this};
  QLineEdit Text1{this};
  FlashMovie ShockwaveFlash1{this};  // title bar
  FlashMovie ShockwaveFlash2{this};  // close
  FlashMovie ShockwaveFlash3{this};  // minimise
  QLabel Image1{this};               // background picture

  // The search button: the chosen name's patient into the grid.
  void Picture1_Click();

protected:
  void Form_Load() override;
  void Form_Unload(int& cancel) override;

private:
  void load();
  void writeLabels();
  void closeForm();

  PatientSearchConfig config_;
  const std::vector<SearchRow>& rows_;
  // The names listed, each with its row's rowid (owned by cmbEmpName); none until the table is read.
  KeyList* names_ = nullptr;
};

class frmViewOutPatient : public PatientSearchForm {
  Q_OBJECT
public:
  frmViewOutPatient();
};

class frmViewInPatient : public PatientSearchForm {
  Q_OBJECT
public:
  frmViewInPatient();
};
