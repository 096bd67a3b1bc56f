#include "framework/detailcard.h"

#include <QFont>
#include <stdexcept>

#include "framework/formdesign.h"
#include "framework/keyfilters.h"
#include "framework/listform.h"
#include "framework/mainmenus.h"
#include "framework/tooltip.h"
#include "framework/trimpicture.h"
#include "framework/twips.h"
#include "globals.h"
#include "platform/ado.h"
#include "platform/msgbox.h"
#include "platform/vbruntime.h"

int CardGridHeight(int rowHeights, int heightMargin) {
  return rowHeights <= 8000 ? rowHeights + heightMargin : 8000;
}

DetailCard::DetailCard(DetailCardConfig config) : config_(std::move(config)) {
  resize(TwipsToPixels(kCardWidth), TwipsToPixels(8385));

  MoveTwips(&lblDrName, 1920, 840, 1575, 255);
  QFont labelFont(QStringLiteral("Arial"));
  labelFont.setPointSizeF(9.75);
  labelFont.setBold(true);
  lblDrName.setFont(labelFont);
  lblDrName.setText(config_.nameLabel);

  MoveTwips(&cmbDrName, 3840, 840, 2175, 315);
  cmbDrName.setObjectName(config_.comboName);
  cmbDrName.setEditable(true);
  cmbDrName.setInsertPolicy(QComboBox::NoInsert);
  WireKeyPress(&cmbDrName, [this](int& KeyAscii) { KeyAscii = AutoCompleteKeyPress(&cmbDrName, KeyAscii, false); });

  MoveTwips(&Picture11, 6240, 720, 765, 465);
  MoveTwips(&MSFlexGrid1, 2280, 1440, 5175, 2295);
  QFont cellFont(QStringLiteral("MS Sans Serif"));
  cellFont.setPointSizeF(8.25);
  MSFlexGrid1.setFont(cellFont);
  MSFlexGrid1.setEditTriggers(QAbstractItemView::NoEditTriggers);
  MoveTwips(&Picture1, config_.buttonLeft, config_.buttonTop, 1005, 465);
  MoveTwips(&Label3, 120, 2280, 855, 495);
  Label3.hide();

  Picture1.setHoverImage(QStringLiteral("search"), &Label3);
  connect(&Picture1, &ImageButton::Click, this, &DetailCard::Picture1_Click);
  connect(&ShockwaveFlash2, &FlashMovie::FSCommand, this, &DetailCard::ShockwaveFlash2_FSCommand);
}

DetailCard::~DetailCard() = default;

void DetailCard::Form_Load() {
  try {
    load();
  } catch (const DbError& e) {
    // A card that could not be set up cannot be used or even closed by its user: say why and
    // close it, so that the menus come back.
    MsgBox(e.Description());
    Hide();
    Unload();
  } catch (const std::exception& e) {
    MsgBox(QString::fromUtf8(e.what()));
    Hide();
    Unload();
  }
}

void DetailCard::load() {
  cardRecordset_ = std::make_unique<Recordset>();
  HideMainMenus(CurrentUserTypeBox());
  gActiveForm = this;
  Recordset& rs = *cardRecordset_;
  rs.Open(config_.sql, gCon, adOpenStatic, adLockPessimistic);

  if (rs.RecordCount() == 0) {
    MsgBox(QStringLiteral("No Record Found"), vbExclamation, QStringLiteral("No Record Warning"));
    Hide();
    Unload();
    return;
  }

  Picture1.setPicture(QStringLiteral("\\search.gif"));
  TrimPictureBox(&Picture1);
  AddToolTip(&Picture1, config_.searchTip, this);
  Picture11.setPicture(QStringLiteral("\\help1.gif"));
  TrimPictureBox(&Picture11);
  AddToolTip(&Picture11, config_.helpTip, this);

  rs.MoveFirst();
  for (long i = 0, n = rs.RecordCount(); i < n; ++i) {
    cmbDrName.addItem(rs.Fields(config_.nameColumn).toText());
    rs.MoveNext();
  }
  cmbDrName.setCurrentIndex(-1);
  cmbDrName.setEditText(QString());

  const int rows = int(config_.rows.size());
  MSFlexGrid1.SetCols(2);
  MSFlexGrid1.SetRows(rows);
  MSFlexGrid1.SetFixedRows(0);
  MSFlexGrid1.SetFixedCols(1);
  MSFlexGrid1.SetColWidth(0, 1500);
  MSFlexGrid1.SetColWidth(1, 3000);
  SetWidthTwips(&MSFlexGrid1, 4000);
  MSFlexGrid1.SetCol(0);
  for (int r = 0; r < rows; ++r) {
    MSFlexGrid1.SetRow(r);
    MSFlexGrid1.SetText(config_.rows[r].label);
  }
  values_.assign(rows, QString());

  int sum = 0;
  baseHeights_.clear();
  for (int r = 0; r < rows; ++r) {
    MSFlexGrid1.SetRow(r);
    baseHeights_.push_back(MSFlexGrid1.CellHeight());
    sum += MSFlexGrid1.CellHeight();
  }
  const int gridHeight = CardGridHeight(sum, config_.heightMargin);
  SetHeightTwips(&MSFlexGrid1, gridHeight);

  DesignForm(this, &ShockwaveFlash1, &ShockwaveFlash2, &ShockwaveFlash3, CardHeight(gridHeight), kCardWidth,
             config_.caption, &Image1);
  CenterForm();
  ApplyListGridColours(&MSFlexGrid1);
  MSFlexGrid1.SetWordWrap(true);
}

void DetailCard::Picture1_Click() {
  if (cmbDrName.currentText() == QString()) {
    MsgBox(config_.emptySelectionMessage);
    cmbDrName.setFocus(Qt::OtherFocusReason);
  } else {
    Recordset& rs = *cardRecordset_;
    const QString wanted = Trim(cmbDrName.currentText());
    bool found = false;
    rs.MoveFirst();
    for (long i = 0, n = rs.RecordCount(); i < n; ++i) {
      if (rs.Fields(config_.nameColumn).toText() == wanted) {
        found = true;
        break;
      }
      rs.MoveNext();
    }
    if (found) {
      MSFlexGrid1.SetColAlignment(1, 7);
      for (int r = 0; r < int(config_.rows.size()); ++r) values_[r] = rs.Fields(config_.rows[r].source).toText();
    } else {
      MsgBox(config_.notFoundMessage, vbCritical, QStringLiteral("Warning"));
    }
    MSFlexGrid1.SetRow(0);
    MSFlexGrid1.SetCol(0);
  }
  layOutGrid();
}

void DetailCard::layOutGrid() {
  MSFlexGrid1.SetRedraw(false);
  // From the raw texts and heights each time: the wrapping adds line breaks and height, and
  // applied to its own result it would grow the rows at every press.
  const int rows = int(config_.rows.size());
  for (int r = 0; r < rows; ++r) {
    MSFlexGrid1.SetRowHeight(r, baseHeights_[r]);
    MSFlexGrid1.SetTextMatrix(r, 0, config_.rows[r].label);
    MSFlexGrid1.SetTextMatrix(r, 1, values_[r]);
  }
  for (int c = 0; c < MSFlexGrid1.Cols(); ++c)
    for (int r = 0; r < rows; ++r) AutoSizeGridColumns(r, c, &MSFlexGrid1);
  MSFlexGrid1.SetRedraw(true);
  SetWidthTwips(&MSFlexGrid1, MSFlexGrid1.ColWidth(0) + MSFlexGrid1.ColWidth(1) + 1000);
}

void DetailCard::ShockwaveFlash2_FSCommand(const QString& command, const QString& args) {
  (void)args;
  if (Trim(command).toLower() == QStringLiteral("close")) {
    Hide();
    Unload();
  }
}

void DetailCard::Form_Unload(int& cancel) {
  (void)cancel;
  ShowMainMenus(CurrentUserTypeBox());
}
