#include "framework/detailcard.h"

#include <QFont>
#include <QStyle>
#include <algorithm>
#include <utility>
#include <stdexcept>

#include "framework/formdesign.h"
#include "framework/keyfilters.h"
#include "framework/keylist.h"
#include "framework/listform.h"
#include "framework/twips.h"
#include "globals.h"
#include "platform/ado.h"
#include "platform/msgbox.h"
#include "platform/vbruntime.h"
#include "platform/workarea.h"

int CardGridHeight(int rowHeights, int heightMargin) {
  return rowHeights <= 8000 ? rowHeights + heightMargin : 8000;
}

namespace {
// Room left between the grid and the control under it, and under that control.
constexpr int kGapBelowGrid = 360;
constexpr int kBottomMargin = 600;
// The grid's width before its first search.
constexpr int kLoadGridWidth = 4000;

void place(QWidget* w, const QRect& twips) { MoveTwips(w, twips.x(), twips.y(), twips.width(), twips.height()); }

// The height (twips) a form may take, and the top of that room, in the coordinates the form's
// window is placed in: the MDI area for a child, else the desktop's work area.
std::pair<int, int> roomFor(const QWidget* window) {
  if (const QWidget* parent = window->parentWidget()) return {0, HeightTwips(parent)};
  if (const auto area = WorkArea()) return {PixelsToTwips(area->y()), PixelsToTwips(area->height())};
  const QSize screen = ScreenSize();
  return {0, screen.isValid() ? PixelsToTwips(screen.height()) : 0};
}
}  // namespace

void FitFormToGrid(VbForm* form, FlexGrid* grid, QLabel* background, int minGridHeight, int minFormHeight,
                   QWidget* below, int belowTop) {
  int rowsHeight = 2 * PixelsToTwips(grid->frameWidth());
  for (int r = 0; r < grid->Rows(); ++r) rowsHeight += PixelsToTwips(grid->rowHeight(r));
  // Columns wider than the grid bring a horizontal scroll bar, which takes its height from the rows.
  int columnsWidth = 2 * grid->frameWidth();
  for (int c = 0; c < grid->Cols(); ++c) columnsWidth += grid->columnWidth(c);
  if (columnsWidth > grid->width() && grid->horizontalScrollBarPolicy() != Qt::ScrollBarAlwaysOff)
    rowsHeight += PixelsToTwips(grid->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, grid));
  const int gridTop = TopTwips(grid);
  const int belowHeight = below ? HeightTwips(below) : 0;
  const auto layout = [&](int gridHeight, int* placeBelow) {
    const int under = gridTop + gridHeight + kGapBelowGrid;
    *placeBelow = below ? std::max(belowTop, under) : under - kGapBelowGrid;
    return std::max(minFormHeight, *placeBelow + belowHeight + kBottomMargin);
  };

  int gridHeight = std::max(minGridHeight, rowsHeight);
  int placeBelow = 0;
  int formHeight = layout(gridHeight, &placeBelow);
  const auto [roomTop, room] = roomFor(form->FormWindow());
  if (room > 0 && formHeight > room) {
    gridHeight = std::max(minGridHeight, gridHeight - (formHeight - room));
    formHeight = layout(gridHeight, &placeBelow);
  }

  SetHeightTwips(grid, gridHeight);
  if (below) SetTopTwips(below, placeBelow);
  if (formHeight == form->Height()) return;
  form->SetHeight(formHeight);
  // The shape, frame and background follow the new height as the form's design laid them out.
  RoundFormCorners(form);
  if (background) MoveTwips(background, 75, 75, form->ScaleWidth() - 200, form->ScaleHeight() - 250);
  if (room > 0 && form->Top() + form->Height() > roomTop + room)
    form->SetTop(std::max(roomTop, roomTop + room - form->Height()));
}

DetailCard::DetailCard(DetailCardConfig config)
    : MenuForm({.caption = config.caption, .height = 0, .width = config.width}), config_(std::move(config)) {
  resize(TwipsToPixels(config_.width), TwipsToPixels(8385));

  place(&lblDrName, config_.labelPlace);
  QFont labelFont(QStringLiteral("Arial"));
  labelFont.setPointSizeF(9.75);
  labelFont.setBold(true);
  lblDrName.setFont(labelFont);
  lblDrName.setText(config_.nameLabel);
  if (!config_.labelStyle.isEmpty()) lblDrName.setStyleSheet(config_.labelStyle);
  lblDrName.setBuddy(&cmbDrName);

  place(&cmbDrName, config_.listPlace);
  cmbDrName.setObjectName(config_.comboName);
  cmbDrName.setEditable(true);
  cmbDrName.setInsertPolicy(QComboBox::NoInsert);
  cmbDrName.setMaxVisibleItems(config_.listRows);
  WireKeyPress(&cmbDrName, [this](int& KeyAscii) { KeyAscii = AutoCompleteKeyPress(&cmbDrName, KeyAscii, false); });

  place(&Picture11, config_.helpPlace);
  place(&MSFlexGrid1, config_.gridPlace);
  MSFlexGrid1.setFont(ListGridFont());
  MSFlexGrid1.setEditTriggers(QAbstractItemView::NoEditTriggers);
  if (!config_.gridScrollsSideways) MSFlexGrid1.setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  MoveTwips(&Picture1, config_.buttonLeft, config_.buttonTop, config_.buttonWidth, config_.buttonHeight);
  MoveTwips(&Label3, 120, 2280, 855, 495);
  Label3.hide();

  connect(&Picture1, &ImageButton::Click, this, &DetailCard::Picture1_Click);
  if (config_.closesOnPress) {
    // Closed by a click only (ShockwaveFlash2_GotFocus): the keyboard passing by never closes it.
    ShockwaveFlash2.setFocusPolicy(Qt::NoFocus);
  } else {
    connect(&ShockwaveFlash2, &FlashMovie::FSCommand, this, &DetailCard::ShockwaveFlash2_FSCommand);
  }
  PlaceMoviesAfterControls();
}

DetailCard::~DetailCard() = default;

std::vector<MenuPicture> DetailCard::MenuPictures() {
  return {{&Picture1, QStringLiteral("search"), &Label3, config_.searchTip},
          {&Picture11, QStringLiteral("help1"), nullptr, config_.helpTip}};
}

void DetailCard::ShockwaveFlash2_GotFocus() {
  if (config_.closesOnPress) CloseForm();
}

void DetailCard::LoadMenuForm() {
  try {
    load();
  } catch (const DbError& e) {
    // A card that could not be set up cannot be used or even closed by its user: say why and
    // close it, so that the menus come back.
    MsgBox(e.Description());
    CloseForm();
  } catch (const std::exception& e) {
    MsgBox(QString::fromUtf8(e.what()));
    CloseForm();
  }
}

void DetailCard::load() {
  cardRecordset_ = std::make_unique<Recordset>();
  names_ = nullptr;
  Recordset& rs = *cardRecordset_;
  long names = 0;
  if (config_.readNames) {
    names_ = ShowKeyList(&cmbDrName, config_.readNames());
    names = names_->Count();
  } else {
    rs.Open(config_.read, gCon, adOpenStatic, adLockPessimistic);
    names = rs.RecordCount();
  }

  if (names == 0) {
    MsgBox(QStringLiteral("No Record Found"), vbExclamation, QStringLiteral("No Record Warning"));
    CloseForm();
    return;
  }


  if (!names_) {  // ShowKeyList has left its list with none chosen
    rs.MoveFirst();
    for (long i = 0, n = rs.RecordCount(); i < n; ++i) {
      cmbDrName.addItem(rs.Fields(config_.nameColumn).toText());
      rs.MoveNext();
    }
    cmbDrName.setCurrentIndex(-1);
    cmbDrName.setEditText(QString());
  }

  const int rows = int(config_.rows.size());
  MSFlexGrid1.SetCols(2);
  MSFlexGrid1.SetRows(rows);
  MSFlexGrid1.SetFixedRows(0);
  MSFlexGrid1.SetFixedCols(1);
  MSFlexGrid1.SetColWidth(0, 1500);
  MSFlexGrid1.SetColWidth(1, 3000);
  SetWidthTwips(&MSFlexGrid1, kLoadGridWidth);
  MSFlexGrid1.SetCol(0);
  for (int r = 0; r < rows; ++r) {
    MSFlexGrid1.SetRow(r);
    MSFlexGrid1.SetText(config_.rows[r].label);
  }
  values_.assign(rows, QString());

  int sum = 0;
  baseHeights_.clear();
  for (int r = 0; r < rows; ++r) {
    const CardRow& row = config_.rows[r];
    if (row.loadHeight >= 0) MSFlexGrid1.SetRowHeight(r, row.loadHeight);
    MSFlexGrid1.SetRow(r);
    baseHeights_.push_back(row.searchHeight >= 0 ? row.searchHeight : MSFlexGrid1.CellHeight());
    sum += MSFlexGrid1.CellHeight();
  }
  const int gridHeight = CardGridHeight(sum, config_.heightMargin);
  SetHeightTwips(&MSFlexGrid1, gridHeight);
  loadGridHeight_ = HeightTwips(&MSFlexGrid1);

  DesignMenuForm(CardHeight(gridHeight), config_.width);
  loadCardHeight_ = Height();
  // The grid's look comes before the centring here: its frame counts in the room its rows need,
  // and the card is centred at the height that gives it.
  ApplyListGridColours(&MSFlexGrid1);
  MSFlexGrid1.SetForeColorSel(config_.selectedTextColour);
  MSFlexGrid1.SetWordWrap(true);
  if (config_.fitsToRows)
    FitFormToGrid(this, &MSFlexGrid1, &Image1, loadGridHeight_, loadCardHeight_, &Picture1, config_.buttonTop);
  CenterForm();
}

void DetailCard::Picture1_Click() {
  if (!names_ && (!cardRecordset_ || cardRecordset_->State() != adStateOpen)) return;  // the load failed
  if (config_.searchClearsGrid) {
    values_.assign(values_.size(), QString());
    SetWidthTwips(&MSFlexGrid1, kLoadGridWidth);
    writeCells();
  }
  if (cmbDrName.currentText() == QString()) {
    MsgBox(config_.emptySelectionMessage);
    cmbDrName.setFocus(Qt::OtherFocusReason);
  } else {
    try {
      if (Recordset* rs = findRow(Trim(cmbDrName.currentText()))) {
        MSFlexGrid1.SetColAlignment(1, 7);
        for (int r = 0; r < int(config_.rows.size()); ++r) values_[r] = rs->Fields(config_.rows[r].source).toText();
      } else {
        MsgBox(config_.notFoundMessage, vbCritical, QStringLiteral("Warning"));
      }
    } catch (const DbError& e) {
      MsgBox(e.Description());
    }
    MSFlexGrid1.SetRow(0);
    MSFlexGrid1.SetCol(0);
  }
  layOutGrid();
}

Recordset* DetailCard::findRow(const QString& name) {
  if (names_) {
    foundRow_ = config_.findRow(*names_, name);
    return foundRow_ && !foundRow_->Eof() ? foundRow_.get() : nullptr;
  }
  Recordset& rs = *cardRecordset_;
  rs.MoveFirst();
  for (long i = 0, n = rs.RecordCount(); i < n; ++i) {
    if (rs.Fields(config_.nameColumn).toText() == name) return &rs;
    rs.MoveNext();
  }
  return nullptr;
}

void DetailCard::writeCells() {
  const int rows = int(config_.rows.size());
  for (int r = 0; r < rows; ++r) {
    MSFlexGrid1.SetRowHeight(r, baseHeights_[r]);
    MSFlexGrid1.SetTextMatrix(r, 0, config_.rows[r].label);
    MSFlexGrid1.SetTextMatrix(r, 1, values_[r]);
  }
}

void DetailCard::layOutGrid() {
  MSFlexGrid1.SetRedraw(false);
  // From the raw texts and heights each time: the wrapping adds line breaks and height, and
  // applied to its own result it would grow the rows at every press.
  writeCells();
  for (int c = 0; c < MSFlexGrid1.Cols(); ++c)
    for (int r = 0; r < int(config_.rows.size()); ++r) AutoSizeGridColumns(r, c, &MSFlexGrid1);
  MSFlexGrid1.SetRedraw(true);
  SetWidthTwips(&MSFlexGrid1, MSFlexGrid1.ColWidth(0) + MSFlexGrid1.ColWidth(1) + 1000);
  if (config_.fitsToRows)
    FitFormToGrid(this, &MSFlexGrid1, &Image1, loadGridHeight_, loadCardHeight_, &Picture1, config_.buttonTop);
}

void DetailCard::ShockwaveFlash2_FSCommand(const QString& command, const QString& args) {
  (void)args;
  if (Trim(command).toLower() == QStringLiteral("close")) CloseForm();
}

