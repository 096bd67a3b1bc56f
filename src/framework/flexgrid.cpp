#include "framework/flexgrid.h"

#include <QApplication>
#include <QHeaderView>
#include <QPalette>
#include <QStyledItemDelegate>
#include <algorithm>
#include <stdexcept>

#include "framework/twips.h"

namespace {

constexpr int kGeneral = 9;

QColor colorOf(quint32 vb) {
  if ((vb & 0x80000000u) == 0) return QColor(int(vb & 0xFF), int((vb >> 8) & 0xFF), int((vb >> 16) & 0xFF));
  const QPalette p = QApplication::palette();
  switch (vb & 0xFF) {
    case 0x01: return p.color(QPalette::Dark);             // desktop
    case 0x05: return p.color(QPalette::Base);             // window
    case 0x08: return p.color(QPalette::Text);             // window text
    case 0x0C: return p.color(QPalette::Dark);             // application workspace
    case 0x0D: return p.color(QPalette::Highlight);
    case 0x0E: return p.color(QPalette::HighlightedText);
    case 0x0F: return p.color(QPalette::Button);           // button face
    case 0x12: return p.color(QPalette::ButtonText);
    default: return p.color(QPalette::WindowText);
  }
}

Qt::Alignment alignmentOf(int code, const QString& text) {
  if (code < 0 || code > 8) {
    bool number = false;
    text.trimmed().toDouble(&number);
    return (number ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter;
  }
  static const Qt::Alignment horizontal[] = {Qt::AlignLeft, Qt::AlignHCenter, Qt::AlignRight};
  static const Qt::Alignment vertical[] = {Qt::AlignTop, Qt::AlignVCenter, Qt::AlignBottom};
  return horizontal[code / 3] | vertical[code % 3];
}

class FlexGridDelegate final : public QStyledItemDelegate {
public:
  explicit FlexGridDelegate(FlexGrid* grid) : QStyledItemDelegate(grid), grid_(grid) {}

protected:
  void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override {
    QStyledItemDelegate::initStyleOption(option, index);
    // The item view has already turned each "\n" into a line separator, so the wrapped text's
    // "\r\n" arrives as CR + separator. Drop the CR, and the break after the last piece, which
    // would otherwise take a line of its own and push the text out of its row.
    const QChar separator(QChar::LineSeparator);
    option->text.replace(QStringLiteral("\r\n"), QString(separator));
    option->text.replace(QString(QLatin1Char('\r')) + separator, QString(separator));
    if (option->text.endsWith(separator)) option->text.chop(1);
    const FlexGrid::CellLook look = grid_->Look(index.row(), index.column());
    option->displayAlignment = look.alignment;
    option->backgroundBrush = look.back;
    option->palette.setColor(QPalette::Text, look.fore);
    option->palette.setColor(QPalette::Highlight, look.selBack);
    option->palette.setColor(QPalette::HighlightedText, look.selFore);
    // As on the flex grid, the current cell shows only its focus frame: the highlight colours
    // are for the rest of a selected range. (The cards give the selected text the colour of the
    // selected ground, so a highlighted current cell could not be read.)
    if (look.fixed || index == grid_->currentIndex()) option->state &= ~QStyle::State_Selected;
  }

private:
  FlexGrid* grid_;
};

}  // namespace

FlexGrid::FlexGrid(QWidget* parent) : QTableWidget(parent) {
  horizontalHeader()->hide();
  verticalHeader()->hide();
  verticalHeader()->setMinimumSectionSize(0);
  horizontalHeader()->setMinimumSectionSize(0);
  verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setSelectionMode(QAbstractItemView::ContiguousSelection);
  setItemDelegate(new FlexGridDelegate(this));
  setWordWrap(false);

  back_ = colorOf(0x80000005);
  fore_ = colorOf(0x80000008);
  fixedBack_ = colorOf(0x8000000F);
  fixedFore_ = colorOf(0x80000012);
  selBack_ = colorOf(0x8000000D);
  selFore_ = colorOf(0x8000000E);
  SetBackColorBkg(0x8000000C);

  // The grid's own initial shape: two rows and two columns, the first of each fixed.
  fixedRows_ = 1;
  fixedCols_ = 1;
  SetCols(2);
  SetRows(2);

  connect(this, &QTableWidget::currentCellChanged, this, [this](int row, int col) {
    if (row >= 0 && col >= 0) {
      row_ = row;
      col_ = col;
    }
  });
}

void FlexGrid::SetRows(int rows) {
  rows = std::max(rows, 0);
  const int before = rowCount();
  setRowCount(rows);
  rowHeights_.resize(size_t(rows), kDefaultRowHeight);
  for (int r = before; r < rows; ++r) setRowHeight(r, TwipsToPixels(rowHeights_[size_t(r)]));
  fixedRows_ = std::min(fixedRows_, rows);
  row_ = std::min(row_, std::max(rows - 1, 0));
  applyFixedFlags();
}

void FlexGrid::SetCols(int cols) {
  cols = std::max(cols, 0);
  const int before = columnCount();
  setColumnCount(cols);
  colWidths_.resize(size_t(cols), kDefaultColWidth);
  colAlignments_.resize(size_t(cols), kGeneral);
  for (int c = before; c < cols; ++c) setColumnWidth(c, TwipsToPixels(colWidths_[size_t(c)]));
  fixedCols_ = std::min(fixedCols_, cols);
  col_ = std::min(col_, std::max(cols - 1, 0));
  applyFixedFlags();
}

void FlexGrid::SetFixedRows(int rows) {
  fixedRows_ = std::clamp(rows, 0, rowCount());
  applyFixedFlags();
  viewport()->update();
}

void FlexGrid::SetFixedCols(int cols) {
  fixedCols_ = std::clamp(cols, 0, columnCount());
  applyFixedFlags();
  viewport()->update();
}

void FlexGrid::applyFixedFlags() {
  for (int r = 0; r < rowCount(); ++r)
    for (int c = 0; c < columnCount(); ++c)
      if (QTableWidgetItem* it = item(r, c)) {
        const bool fixed = r < fixedRows_ || c < fixedCols_;
        it->setFlags(fixed ? Qt::ItemIsEnabled : Qt::ItemIsEnabled | Qt::ItemIsSelectable);
      }
}

void FlexGrid::checkCell(int row, int col) const {
  if (row < 0 || row >= rowCount() || col < 0 || col >= columnCount())
    throw std::out_of_range("Subscript out of range");
}

void FlexGrid::SetRow(int row) {
  if (row < 0 || row >= rowCount()) throw std::out_of_range("Invalid Row value");
  row_ = row;
  moveCurrentCell();
}

void FlexGrid::SetCol(int col) {
  if (col < 0 || col >= columnCount()) throw std::out_of_range("Invalid Col value");
  col_ = col;
  if (row_ < rowCount()) moveCurrentCell();
}

void FlexGrid::moveCurrentCell() {
  // Moving the current cell from code leaves the grid where it is scrolled; only the user's own
  // moves bring the cell into view. A card that sizes every cell would otherwise end up scrolled
  // to its last row.
  const bool fixed = row_ < fixedRows_ || col_ < fixedCols_;
  const bool scrolls = hasAutoScroll();
  setAutoScroll(false);
  setCurrentCell(row_, col_, fixed ? QItemSelectionModel::NoUpdate : QItemSelectionModel::ClearAndSelect);
  setAutoScroll(scrolls);
}

QString FlexGrid::TextMatrix(int row, int col) const {
  checkCell(row, col);
  const QTableWidgetItem* it = item(row, col);
  return it ? it->text() : QString();
}

void FlexGrid::SetTextMatrix(int row, int col, const QString& text) {
  checkCell(row, col);
  QTableWidgetItem* it = item(row, col);
  if (!it) {
    it = new QTableWidgetItem;
    const bool fixed = row < fixedRows_ || col < fixedCols_;
    it->setFlags(fixed ? Qt::ItemIsEnabled : Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    setItem(row, col, it);
  }
  it->setText(text);
}

void FlexGrid::Clear() {
  for (int r = 0; r < rowCount(); ++r)
    for (int c = 0; c < columnCount(); ++c)
      if (QTableWidgetItem* it = item(r, c)) it->setText(QString());
}

int FlexGrid::ColAlignment(int col) const {
  if (col < 0 || col >= columnCount()) throw std::out_of_range("Subscript out of range");
  return colAlignments_[size_t(col)];
}

void FlexGrid::SetColAlignment(int col, int alignment) {
  if (col < 0 || col >= columnCount()) throw std::out_of_range("Subscript out of range");
  colAlignments_[size_t(col)] = alignment;
  viewport()->update();
}

int FlexGrid::RowHeight(int row) const {
  if (row < 0 || row >= rowCount()) throw std::out_of_range("Subscript out of range");
  return rowHeights_[size_t(row)];
}

void FlexGrid::SetRowHeight(int row, int twips) {
  if (row < 0 || row >= rowCount()) throw std::out_of_range("Subscript out of range");
  twips = twips < 0 ? kDefaultRowHeight : std::min(twips, kMaxRowHeight);
  rowHeights_[size_t(row)] = twips;
  setRowHeight(row, TwipsToPixels(twips));
}

int FlexGrid::ColWidth(int col) const {
  if (col < 0 || col >= columnCount()) throw std::out_of_range("Subscript out of range");
  return colWidths_[size_t(col)];
}

void FlexGrid::SetColWidth(int col, int twips) {
  if (col < 0 || col >= columnCount()) throw std::out_of_range("Subscript out of range");
  twips = twips < 0 ? kDefaultColWidth : std::min(twips, kMaxRowHeight);
  colWidths_[size_t(col)] = twips;
  setColumnWidth(col, TwipsToPixels(twips));
}

void FlexGrid::SetRedraw(bool on) {
  redraw_ = on;
  setUpdatesEnabled(on);
}

void FlexGrid::SetBorderStyle(int style) {
  setFrameShape(style == 0 ? QFrame::NoFrame : QFrame::Box);
  setLineWidth(1);
}

void FlexGrid::SetBackColor(quint32 vbColor) { back_ = colorOf(vbColor); viewport()->update(); }
void FlexGrid::SetBackColorFixed(quint32 vbColor) { fixedBack_ = colorOf(vbColor); viewport()->update(); }
void FlexGrid::SetBackColorSel(quint32 vbColor) { selBack_ = colorOf(vbColor); viewport()->update(); }
void FlexGrid::SetForeColor(quint32 vbColor) { fore_ = colorOf(vbColor); viewport()->update(); }
void FlexGrid::SetForeColorFixed(quint32 vbColor) { fixedFore_ = colorOf(vbColor); viewport()->update(); }
void FlexGrid::SetForeColorSel(quint32 vbColor) { selFore_ = colorOf(vbColor); viewport()->update(); }

void FlexGrid::SetBackColorBkg(quint32 vbColor) {
  bkg_ = colorOf(vbColor);
  QPalette p = palette();
  p.setColor(QPalette::Base, bkg_);
  setPalette(p);
}

FlexGrid::CellLook FlexGrid::Look(int row, int col) const {
  CellLook look;
  look.fixed = row < fixedRows_ || col < fixedCols_;
  look.back = look.fixed ? fixedBack_ : back_;
  look.fore = look.fixed ? fixedFore_ : fore_;
  look.selBack = selBack_;
  look.selFore = selFore_;
  const QTableWidgetItem* it = item(row, col);
  const int code = col >= 0 && col < columnCount() ? colAlignments_[size_t(col)] : kGeneral;
  look.alignment = alignmentOf(code, it ? it->text() : QString());
  return look;
}

namespace {

constexpr int kLineLength = 30;

// VB rounds a half to the even number: 45 characters are 1.5 lines and give 2, 75 give 2.
long long linesRoundedHalfEven(long long length) {
  const long long whole = length / kLineLength;
  const long long rest = length % kLineLength;
  if (rest * 2 > kLineLength) return whole + 1;
  if (rest * 2 == kLineLength) return whole + (whole % 2);
  return whole;
}

}  // namespace

void AutoSizeGridColumns(int Row, int Col, FlexGrid* Grid) {
  Grid->SetCol(Col);
  Grid->SetRow(Row);
  const QString text = Grid->Text();
  Grid->SetText(QString());
  Grid->SetColAlignment(Col, 7);

  const long long height = Grid->RowHeight(Grid->Row());
  const long long length = text.size();
  const long long grown = length > kLineLength ? (height + 500) * linesRoundedHalfEven(length) : height + 200;
  Grid->SetRowHeight(Grid->Row(), int(std::min<long long>(grown, FlexGrid::kMaxRowHeight)));

  QString wrapped;
  // No line longer than 30: a 31st character starts a line of its own.
  for (qsizetype p = 0; p < text.size();) {
    const qsizetype take = std::min<qsizetype>(kLineLength, text.size() - p);
    wrapped += text.mid(p, take) + QStringLiteral("\r\n");
    p += take;
  }
  Grid->SetText(wrapped);
}
