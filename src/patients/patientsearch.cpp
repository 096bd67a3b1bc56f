#include "patients/patientsearch.h"

#include <QFont>
#include <QStyledItemDelegate>
#include <stdexcept>

#include "data/patients.h"
#include "framework/formdesign.h"
#include "framework/keyfilters.h"
#include "framework/keylist.h"
#include "framework/listform.h"
#include "framework/mainmenus.h"
#include "framework/tooltip.h"
#include "framework/trimpicture.h"
#include "framework/twips.h"
#include "globals.h"
#include "platform/ado.h"
#include "platform/msgbox.h"
#include "platform/vbruntime.h"

namespace {
constexpr int kGridLeft = 1250;

// Draws the cells as the grid does, but a sized cell's closing line break starts no empty line
// of its own: in a row sized for one line the value would otherwise be cut short with dots.
class SearchGridDelegate final : public QStyledItemDelegate {
public:
  explicit SearchGridDelegate(FlexGrid* grid) : QStyledItemDelegate(grid), grid_(grid) {}

protected:
  void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override {
    QStyledItemDelegate::initStyleOption(option, index);
    // The base class has turned each "\n" into a line separator by now.
    const QString lineEnd = QStringLiteral("\r") + QChar(QChar::LineSeparator);
    option->text.replace(lineEnd, QString(QChar(QChar::LineSeparator)));
    if (option->text.endsWith(QChar(QChar::LineSeparator))) option->text.chop(1);
    const FlexGrid::CellLook look = grid_->Look(index.row(), index.column());
    option->displayAlignment = look.alignment;
    option->backgroundBrush = look.back;
    option->palette.setColor(QPalette::Text, look.fore);
    option->palette.setColor(QPalette::Highlight, look.selBack);
    option->palette.setColor(QPalette::HighlightedText, look.selFore);
    // The current cell shows only its focus frame, so its text stays readable.
    if (look.fixed || index == grid_->currentIndex()) option->state &= ~QStyle::State_Selected;
  }

private:
  FlexGrid* grid_;
};
constexpr int kGridTop = 1950;
constexpr int kLabelWidth = 1500;
constexpr int kValueWidth = 3000;
}  // namespace

const std::vector<SearchRow>& PatientSearchRows(bool inPatient) {
  static const std::vector<SearchRow> out = {
      {"Patient ID", patientcols::EmployeeID, 0, false},
      {"Patient Name", patientcols::FirstName, 0, false},
      {"Sex", patientcols::Sex, 0, false},
      {"Phone Number", patientcols::MobilePhone, 0, false},
      {"Age", patientcols::Age, 0, false},
      {"Address", patientcols::Address, 500, false},
      {"Location", patientcols::Location, 0, false},
  };
  static const std::vector<SearchRow> in = [] {
    std::vector<SearchRow> rows = out;
    namespace in = cols::SettingsInPatient;
    rows.push_back({"Prescription Details", in::PrescriptionDetails, 500, true});
    rows.push_back({"Disease Details", in::DiseaseDetails, 500, true});
    rows.push_back({"Health Details", in::HealthDetails, 500, true});
    rows.push_back({"Discharge Date", in::DischargeDate, 500, true});
    return rows;
  }();
  return inPatient ? in : out;
}

PatientSearchForm::PatientSearchForm(PatientSearchConfig config)
    : config_(std::move(config)), rows_(PatientSearchRows(config_.kind == PatientTableKind::InPatient)) {
  QFont labelFont(QStringLiteral("Arial"));
  labelFont.setPointSizeF(9.75);
  labelFont.setBold(true);
  lblDrName.setFont(labelFont);
  lblDrName.setText(QStringLiteral("Patient Name"));
  lblDrName.setStyleSheet(QStringLiteral("color: #8e3b52; background: transparent;"));
  MoveTwips(&lblDrName, kGridLeft, 1200, 1500, 300);

  MoveTwips(&cmbEmpName, 2850, 1170, 3000, 330);
  cmbEmpName.setEditable(true);
  cmbEmpName.setInsertPolicy(QComboBox::NoInsert);
  cmbEmpName.setMaxVisibleItems(12);
  lblDrName.setBuddy(&cmbEmpName);
  WireKeyPress(&cmbEmpName, [this](int& KeyAscii) { KeyAscii = AutoCompleteKeyPress(&cmbEmpName, KeyAscii, false); });

  MoveTwips(&Picture1, 6000, 1155, 960, 360);
  MoveTwips(&Picture11, 7080, 1155, 360, 360);
  MoveTwips(&MSFlexGrid1, kGridLeft, kGridTop, 4000, 1935);
  MSFlexGrid1.setFont(ListGridFont());
  MSFlexGrid1.setEditTriggers(QAbstractItemView::NoEditTriggers);
  MSFlexGrid1.setItemDelegate(new SearchGridDelegate(&MSFlexGrid1));
  MSFlexGrid1.setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  Label3.hide();
  tempPic.hide();
  Text1.hide();

  Picture1.setHoverImage(QStringLiteral("search"), &Label3);
  connect(&Picture1, &ImageButton::Click, this, &PatientSearchForm::Picture1_Click);
  ShockwaveFlash2.setFocusPolicy(Qt::NoFocus);
  connect(&ShockwaveFlash2, &FlashMovie::GotFocus, this, &PatientSearchForm::closeForm);
}

PatientSearchForm::~PatientSearchForm() = default;

void PatientSearchForm::Form_Load() {
  try {
    load();
  } catch (const DbError& e) {
    // Without its table the form can show nothing: say why and close, so the menus come back.
    MsgBox(e.Description());
    closeForm();
  } catch (const std::exception& e) {
    MsgBox(QString::fromUtf8(e.what()));
    closeForm();
  }
}

void PatientSearchForm::load() {
  names_ = nullptr;
  HideMainMenus(CurrentUserTypeBox());
  gActiveForm = this;
  // Ten years bring half a million out-patients: only their names are read, each with its row's
  // rowid, and a search reads the one row it finds. Listed in the table's order, repeated names
  // as often as they occur.
  names_ = ShowKeyList(&cmbEmpName, ReadKeyList(gCon, PatientsListRead(config_.kind), patientcols::FirstName, true));
  if (names_->Count() == 0) {
    MsgBox(QStringLiteral("No Record Found"), vbExclamation, QStringLiteral("No Record Warning"));
    closeForm();
    return;
  }

  Picture1.setPicture(QStringLiteral("search.gif"));
  TrimPictureBox(&Picture1);
  AddToolTip(&Picture1, QStringLiteral("Search Dr Details .. "), this);
  Picture11.setPicture(QStringLiteral("help1.gif"));
  TrimPictureBox(&Picture11);
  AddToolTip(&Picture11, QStringLiteral("Select One Patient Name From List .. "), this);

  FlexGrid& g = MSFlexGrid1;
  g.SetCols(2);
  g.SetRows(int(rows_.size()));
  g.SetFixedRows(0);
  g.SetFixedCols(1);
  g.SetColWidth(0, kLabelWidth);
  g.SetColWidth(1, kValueWidth);
  SetWidthTwips(&g, 4000);
  writeLabels();
  // Until the first search the identifier row stays out of sight.
  g.SetRowHeight(0, 0);

  int sum = 0;
  for (int r = 0; r < g.Rows(); ++r) sum += g.RowHeight(r);
  const int gridHeight = sum <= 8000 ? sum + 200 : 8000;
  SetHeightTwips(&g, gridHeight);

  DesignForm(this, &ShockwaveFlash1, &ShockwaveFlash2, &ShockwaveFlash3, gridHeight + 4000, kFormWidth,
             QString(16, QLatin1Char(' ')) + QStringLiteral("View Patient Details"), &Image1);
  CenterForm();
  g.SetForeColor(0x80000012);
  g.SetBorderStyle(1);
  g.SetBackColorFixed(0x000080);
  g.SetForeColorFixed(0x8000000E);
  g.SetBackColorSel(0xFFC0C0);
  g.SetForeColorSel(0xFFC0C0);
  g.SetBackColorBkg(0xC0C0FF);
  g.SetWordWrap(true);

  g.raise();
}

void PatientSearchForm::writeLabels() {
  for (int r = 0; r < int(rows_.size()); ++r) MSFlexGrid1.SetTextMatrix(r, 0, QLatin1String(rows_[std::size_t(r)].label));
}

void PatientSearchForm::Picture1_Click() {
  if (!names_) return;
  FlexGrid& g = MSFlexGrid1;
  g.SetColWidth(0, kLabelWidth);
  g.SetColWidth(1, kValueWidth);
  SetWidthTwips(&g, 4000);
  g.Clear();
  writeLabels();
  for (int r = 0; r < g.Rows(); ++r) g.SetRowHeight(r, rows_[std::size_t(r)].searchHeight);
  g.SetCol(1);

  const QString text = cmbEmpName.currentText();
  if (text.isEmpty()) {
    MsgBox(QStringLiteral("Please select the Employee Name"));
    cmbEmpName.setFocus();
  } else {
    try {
      // A name is stored as typed; blanks around it must not hide the patient. Of two patients of
      // one name the later one is shown.
      const int at = names_->LastExact(Trim(text));
      Recordset rs;
      if (at >= 0)
        rs.Open(PatientByRowIdRead(config_.kind, names_->RowId(at)), gCon);
      if (at >= 0 && !rs.Eof()) {
        for (int r = 0; r < g.Rows(); ++r) {
          const Value v = rs.Fields(rows_[std::size_t(r)].source);
          g.SetTextMatrix(r, 1, v.IsNull() ? QString() : v.toText());
        }
      } else {
        MsgBox(QStringLiteral("Employee Name Not Found"), vbCritical, QStringLiteral("Warning"));
      }
    } catch (const DbError& e) {
      MsgBox(e.Description());
    }
  }

  g.SetRedraw(false);
  for (int c = 0; c <= 1; ++c)
    for (int r = 0; r < g.Rows(); ++r) AutoSizeGridColumns(r, c, &g);
  g.SetRedraw(true);
  SetWidthTwips(&g, g.ColWidth(0) + g.ColWidth(1) + 1000);
}

void PatientSearchForm::Form_Unload(int& cancel) {
  (void)cancel;
  ShowMainMenus(CurrentUserTypeBox());
}

void PatientSearchForm::closeForm() {
  Hide();
  Unload();
}

frmViewOutPatient::frmViewOutPatient() : PatientSearchForm({PatientTableKind::OutPatient}) {}

frmViewInPatient::frmViewInPatient() : PatientSearchForm({PatientTableKind::InPatient}) {}
