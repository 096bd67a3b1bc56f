#include "patients/frmDischarge.h"

#include <QFont>
#include <QSignalBlocker>

#include "data/patients.h"
#include "framework/databaseerror.h"
#include "framework/keyfilters.h"
#include "framework/twips.h"
#include "globals.h"
#include "platform/msgbox.h"
#include "platform/system.h"
#include "platform/vbruntime.h"

namespace {

const QString kWarning = QStringLiteral("Warning");
const QString kSelectPatient = QStringLiteral("Please Select the Patient Name");

}  // namespace

frmDischarge::frmDischarge() : MenuForm({.caption = QStringLiteral("         Settings Discharge Details"),
                                         .height = 6630, .width = 7080}) {
  setObjectName(QStringLiteral("frmDischarge"));
  const QFont labelFont(QStringLiteral("Arial"), 10, QFont::Bold);
  const QFont boxFont(QStringLiteral("Arial"), 9);
  const QString labelStyle = QStringLiteral("color: #8e3b52; background: transparent;");

  const struct {
    QLabel* label;
    const char* caption;
    QWidget* box;
    int top;
    int height;
  } rows[] = {
      {&Label1, "Patient Name", &cmbPatientName, 1200, 330},
      {&Label2, "Patient ID", &txtPatientID, 1680, 330},
      {&Label4, "Prescription Details", &txtPrescription, 2280, 885},
      {&Label5, "Disease Details", &txtDisease, 3360, 885},
      {&Label6, "Health Details", &txtHealth, 4440, 885},
  };
  QWidget* previous = &DTPicker1;
  for (const auto& r : rows) {
    r.label->setText(QLatin1String(r.caption));
    r.label->setFont(labelFont);
    r.label->setStyleSheet(labelStyle);
    r.label->setBuddy(r.box);
    MoveTwips(r.label, 480, r.top + 15, 2300, 300);
    r.box->setFont(boxFont);
    MoveTwips(r.box, 2880, r.top, 3015, r.height);
    setTabOrder(previous, r.box);
    previous = r.box;
  }
  DTPicker1.setFont(boxFont);
  MoveTwips(&DTPicker1, 5040, 600, 1575, 330);
  DTPicker1.setDisplayFormat(QStringLiteral("dd/MM/yyyy"));
  DTPicker1.setCalendarPopup(true);

  cmbPatientName.setEditable(true);
  cmbPatientName.setInsertPolicy(QComboBox::NoInsert);
  cmbPatientName.setMaxVisibleItems(12);
  // The identifier follows the chosen name; typing it would let it disagree with the name.
  txtPatientID.setReadOnly(true);
  txtPatientID.setFocusPolicy(Qt::ClickFocus);
  for (QPlainTextEdit* box : {&txtPrescription, &txtDisease, &txtHealth}) {
    box->setTabChangesFocus(true);
    box->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  }

  MoveTwips(&Picture1, 2160, 5640, 870, 360);
  MoveTwips(&Picture2, 3840, 5640, 870, 360);
  MoveTwips(&Picture11, 6120, 1200, 360, 360);
  Label3.hide();

  WireKeyPress(&cmbPatientName,
               [this](int& KeyAscii) { KeyAscii = AutoCompleteKeyPress(&cmbPatientName, KeyAscii, false); });
  connect(&cmbPatientName, &QComboBox::editTextChanged, this, [this] { cmbPatientName_Click(); });
  connect(&cmbPatientName, &QComboBox::activated, this, [this] { cmbPatientName_Click(); });
  connect(&DTPicker1, &QDateEdit::dateChanged, this, [this] { DTPicker1_Change(); });
  connect(&Picture1, &ImageButton::Click, this, [this] { Picture1_Click(); });
  connect(&Picture2, &ImageButton::Click, this, [this] { Picture2_Click(); });
  // Closing on a click only, never because the keyboard passed over the movie.
  ShockwaveFlash2.setFocusPolicy(Qt::NoFocus);
  PlaceMoviesAfterControls();
}

frmDischarge::~frmDischarge() { disconnect(&cmbPatientName, nullptr, this, nullptr); }

void frmDischarge::PrepareControls() {
  const QSignalBlocker blocker(&DTPicker1);
  DTPicker1.setDate(Today());
}

std::vector<MenuPicture> frmDischarge::MenuPictures() {
  return OkCancelPictures(&Picture1, &Picture2, &Label3, &Picture11, QStringLiteral("Select the Patient Name Here!"));
}

void frmDischarge::LoadMenuForm() {
  MainRecordset = std::make_unique<Recordset>();
  if (!OpenOrEnd(*this, *MainRecordset, PatientsListRead(PatientTableKind::InPatient))) return;
  if (MainRecordset->RecordCount() == 0) {
    MsgBox(QStringLiteral("Please add the OutPatient Details First"), vbCritical, kWarning);
    CloseForm();
    return;
  }

  const QSignalBlocker blocker(&cmbPatientName);
  try {
    for (MainRecordset->MoveFirst(); !MainRecordset->Eof(); MainRecordset->MoveNext())
      if (IsAdmitted(*MainRecordset))
        cmbPatientName.addItem(MainRecordset->Fields(patientcols::FirstName).toText(),
                               MainRecordset->Fields(patientcols::EmployeeID).toText());
  } catch (const DbError& e) {
    MsgBox(QStringLiteral("Error:") + e.Description());
  }
  cmbPatientName.setCurrentIndex(-1);
  cmbPatientName.setEditText(QString());
}

void frmDischarge::cmbPatientName_Click() {
  const QString shown = cmbPatientName.currentText();
  const QString name = Trim(shown);
  // A name that is no admitted patient's leaves no patient chosen: OK must not discharge the
  // one chosen before.
  int index = -1;
  if (!name.isEmpty()) {
    // The entry chosen tells two patients of one name apart; typed text takes the first.
    index = cmbPatientName.currentIndex();
    if (index < 0 || cmbPatientName.itemText(index) != shown) {
      index = -1;
      for (int i = 0; i < cmbPatientName.count() && index < 0; ++i)
        if (Trim(cmbPatientName.itemText(i)) == name) index = i;
    }
  }
  txtPatientID.setText(index < 0 ? QString() : cmbPatientName.itemData(index).toString());
}

void frmDischarge::DTPicker1_Change() {
  if (DTPicker1.date() <= Today()) return;
  MsgBox(QStringLiteral("Please Select date Less than Equal To Current Date\r\nYou cannt Bill for Future Date"),
         vbCritical, kWarning);
  DTPicker1.setDate(Today());
}

void frmDischarge::refuse(const QString& text, QWidget* focus) {
  MsgBox(text, vbCritical, kWarning);
  focus->setFocus();
}

void frmDischarge::Picture1_Click() {
  if (Trim(txtPatientID.text()).isEmpty()) return refuse(kSelectPatient, &cmbPatientName);
  if (Trim(txtPrescription.toPlainText()).isEmpty())
    return refuse(QStringLiteral("Please Select the Prescription  Details"), &txtPrescription);
  if (Trim(txtDisease.toPlainText()).isEmpty())
    return refuse(QStringLiteral("Please Select the Disease Details"), &txtDisease);
  if (Trim(txtHealth.toPlainText()).isEmpty())
    return refuse(QStringLiteral("Please Select the Health Details"), &txtHealth);
  if (!MainRecordset || MainRecordset->State() != adStateOpen) return;

  try {
    // Only an admitted patient's row, found with blanks trimmed on both sides.
    const QString id = Trim(txtPatientID.text());
    bool found = false;
    for (MainRecordset->MoveFirst(); !MainRecordset->Eof(); MainRecordset->MoveNext()) {
      if (IsAdmitted(*MainRecordset) && Trim(MainRecordset->Fields(patientcols::EmployeeID).toText()) == id) {
        found = true;
        break;
      }
    }
    if (!found) return refuse(kSelectPatient, &cmbPatientName);

    WriteDischarge(*MainRecordset,
                   {txtPrescription.toPlainText(), txtDisease.toPlainText(), txtHealth.toPlainText(), DTPicker1.date()});
    MainRecordset->Update();
  } catch (const DbError& e) {
    // Nothing was stored; the typed details stay in their boxes for another try.
    try {
      MainRecordset->CancelUpdate();
    } catch (const DbError&) {
    }
    MsgBox(e.Description());
    return;
  }
  MsgBox(QStringLiteral("Record Saved Successfully"));
  CloseForm();
}

void frmDischarge::Picture2_Click() { CloseForm(); }
