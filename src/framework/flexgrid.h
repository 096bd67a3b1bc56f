#pragma once
// The flex grid of the list forms and the detail cards, over a QTableWidget.
//
// Indices are the grid's own: fixed rows and columns are ordinary cells at the top and left
// (their text set like any other), drawn in the fixed colours and never selected; Qt's header
// views stay hidden. Sizes are in twips and kept exactly as set; the view shows them in pixels.
// A cell keeps its text exactly, CR LF pairs included, and shows each CR LF as a line break.
#include <QColor>
#include <QTableWidget>
#include <vector>

class FlexGrid : public QTableWidget {
  Q_OBJECT

public:
  explicit FlexGrid(QWidget* parent = nullptr);

  static constexpr int kDefaultRowHeight = 240;  // twips
  static constexpr int kDefaultColWidth = 960;
  // A row stops growing here (32767 pixels), far beyond any screen, so that sizing a cell over
  // and over can never overflow.
  static constexpr int kMaxRowHeight = 32767 * 15;

  int Rows() const { return rowCount(); }
  void SetRows(int rows);
  int Cols() const { return columnCount(); }
  void SetCols(int cols);
  void SetFixedRows(int rows);
  void SetFixedCols(int cols);

  // The current cell. Outside the grid raises std::out_of_range.
  int Row() const { return row_; }
  void SetRow(int row);
  int Col() const { return col_; }
  void SetCol(int col);
  QString Text() const { return TextMatrix(row_, col_); }
  void SetText(const QString& text) { SetTextMatrix(row_, col_, text); }
  QString TextMatrix(int row, int col) const;
  void SetTextMatrix(int row, int col, const QString& text);
  void Clear();  // every cell's text; rows, columns and sizes stay

  // 0 left-top ... 8 right-bottom in threes (left, centre, right; each top, centre, bottom),
  // 9 general: text left, numbers right, both vertically centred.
  int ColAlignment(int col) const;
  void SetColAlignment(int col, int alignment);

  int RowHeight(int row) const;  // twips
  void SetRowHeight(int row, int twips);  // below 0: the default height
  int ColWidth(int col) const;
  void SetColWidth(int col, int twips);
  int CellHeight() const { return RowHeight(row_); }
  int CellWidth() const { return ColWidth(col_); }

  bool Redraw() const { return redraw_; }
  void SetRedraw(bool on);
  bool WordWrap() const { return wordWrap(); }
  void SetWordWrap(bool on) { setWordWrap(on); }
  void SetBorderStyle(int style);  // 0 none, 1 single line

  // Colours as VB colour values: &HBBGGRR, or a system colour &H800000nn.
  void SetBackColor(quint32 vbColor);
  void SetBackColorBkg(quint32 vbColor);  // the area outside the cells
  void SetBackColorFixed(quint32 vbColor);
  void SetBackColorSel(quint32 vbColor);
  void SetForeColor(quint32 vbColor);
  void SetForeColorFixed(quint32 vbColor);
  void SetForeColorSel(quint32 vbColor);

  struct CellLook {
    QColor back, fore, selBack, selFore;
    Qt::Alignment alignment;
    bool fixed = false;
  };
  // How a cell is drawn (for the grid's painting, and for tests).
  CellLook Look(int row, int col) const;

private:
  void checkCell(int row, int col) const;
  void moveCurrentCell();
  void applyFixedFlags();

  int row_ = 0;
  int col_ = 0;
  int fixedRows_ = 0;
  int fixedCols_ = 0;
  bool redraw_ = true;
  std::vector<int> rowHeights_;
  std::vector<int> colWidths_;
  std::vector<int> colAlignments_;
  QColor back_, bkg_, fixedBack_, selBack_, fore_, fixedFore_, selFore_;
};

// Wraps the text of cell (Row, Col) into lines of 30 characters, each line followed by CR LF
// (the last one holds the remaining 1 to 30), right-aligns the column and makes the row taller:
// by 200 twips, or for a text longer than 30 characters to (height + 500) times its length over
// 30 rounded half to even. Leaves (Row, Col) the current cell. A second call wraps the wrapped
// text again and grows the row again.
void AutoSizeGridColumns(int Row, int Col, FlexGrid* Grid);
