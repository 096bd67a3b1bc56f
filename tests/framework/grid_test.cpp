// The flex grid over a table widget and the wrapping of one cell's text.
#include <QDir>
#include <QImage>
#include <QPainter>
#include <QScrollBar>

#include "framework/flexgrid.h"
#include "framework/twips.h"
#include "support/fixture.h"

namespace {

QString letters(int n) {
  QString s;
  for (int i = 0; i < n; ++i) s += QChar(u'a' + i % 26);
  return s;
}

// The cell as shown, with each CR LF a line break.
QImage cellImage(FlexGrid& grid, int row, int col) {
  grid.resize(400, 300);
  grid.show();
  const QRect r = grid.visualRect(grid.model()->index(row, col));
  return grid.viewport()->grab(r).toImage();
}

}  // namespace

class Grid : public HalvionTest {};

TEST_F(Grid, WrapsACellIntoLinesOfThirtyAndMakesItsRowTaller) {
  struct Case {
    int length;
    std::vector<int> lines;  // characters of each line, every one followed by CR LF
    int height;              // twips, from the default 240
  };
  const Case cases[] = {
      {0, {}, 240 + 200},
      {1, {1}, 240 + 200},
      {30, {30}, 240 + 200},
      {31, {30, 1}, (240 + 500) * 1},
      {32, {30, 2}, (240 + 500) * 1},
      {44, {30, 14}, (240 + 500) * 1},
      {45, {30, 15}, (240 + 500) * 2},  // 1.5 lines: a half goes to the even number
      {60, {30, 30}, (240 + 500) * 2},
      {61, {30, 30, 1}, (240 + 500) * 2},
      {75, {30, 30, 15}, (240 + 500) * 2},  // 2.5 lines: to 2, the even number
      {76, {30, 30, 16}, (240 + 500) * 3},
      {90, {30, 30, 30}, (240 + 500) * 3},
      {91, {30, 30, 30, 1}, (240 + 500) * 3},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE("length " + std::to_string(c.length));
    FlexGrid grid;
    grid.SetCols(2);
    grid.SetRows(3);
    grid.SetFixedRows(0);
    const QString text = letters(c.length);
    grid.SetTextMatrix(2, 1, text);
    grid.SetTextMatrix(1, 1, QStringLiteral("untouched"));

    AutoSizeGridColumns(2, 1, &grid);

    QString expected;
    int at = 0;
    for (int n : c.lines) {
      expected += text.mid(at, n) + QStringLiteral("\r\n");
      at += n;
    }
    EXPECT_EQ(grid.TextMatrix(2, 1).toStdString(), expected.toStdString());
    EXPECT_EQ(grid.RowHeight(2), c.height);
    EXPECT_EQ(grid.rowHeight(2), TwipsToPixels(c.height)) << "the view shows the new height";
    EXPECT_EQ(grid.RowHeight(1), FlexGrid::kDefaultRowHeight);
    EXPECT_EQ(grid.TextMatrix(1, 1), QStringLiteral("untouched"));
    EXPECT_EQ(grid.Row(), 2);
    EXPECT_EQ(grid.Col(), 1);
    EXPECT_EQ(grid.ColAlignment(1), 7);
    EXPECT_EQ(grid.Look(0, 1).alignment, Qt::AlignRight | Qt::AlignVCenter) << "the whole column";
  }
}

TEST_F(Grid, NoWrappedLineIsLongerThanThirtyAndNoCharacterIsLost) {
  // Card values as they come: names and addresses with blanks, and long runs without any.
  const QString words = QStringLiteral("12 Hill Road Kottayam near the Old Church Lane North");
  const struct {
    const char* name;
    QString text;
  } cases[] = {
      {"30 letters", letters(30)},
      {"31 letters", letters(31)},
      {"60 letters", letters(60)},
      {"61 letters", letters(61)},
      {"30 with blanks", words.left(30)},
      {"31 with blanks", words.left(31)},
      {"60 with blanks", (words + words).left(60)},
      {"61 with blanks", (words + words).left(61)},
      {"31 ending in a blank", letters(30) + QLatin1Char(' ')},
      {"61 starting with a blank", QLatin1Char(' ') + letters(60)},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    ASSERT_TRUE(c.text.size() == 30 || c.text.size() == 31 || c.text.size() == 60 || c.text.size() == 61);
    FlexGrid grid;
    grid.SetTextMatrix(1, 1, c.text);
    AutoSizeGridColumns(1, 1, &grid);

    const QString wrapped = grid.TextMatrix(1, 1);
    ASSERT_TRUE(wrapped.endsWith(QStringLiteral("\r\n")));
    const QStringList lines = wrapped.chopped(2).split(QStringLiteral("\r\n"));
    for (const QString& line : lines) {
      EXPECT_GE(line.size(), 1) << '"' << line.toStdString() << '"';
      EXPECT_LE(line.size(), 30) << '"' << line.toStdString() << '"';
    }
    EXPECT_EQ(lines.join(QString()).toStdString(), c.text.toStdString());
    EXPECT_EQ(lines.size(), (c.text.size() + 29) / 30);
  }
}

TEST_F(Grid, ASecondCallWrapsTheWrappedTextAgainAndGrowsAgain) {
  FlexGrid grid;
  grid.SetFixedRows(0);
  const QString text = QStringLiteral("abcdefghijklmnopqrstuvwxyz01234");  // 31
  grid.SetTextMatrix(1, 1, text);

  AutoSizeGridColumns(1, 1, &grid);
  EXPECT_EQ(grid.TextMatrix(1, 1), QStringLiteral("abcdefghijklmnopqrstuvwxyz0123\r\n4\r\n"));
  EXPECT_EQ(grid.RowHeight(1), 740);

  // 35 characters now, the CR LF pairs counted: the first 30, then the old CR LF, "4" and CR LF.
  AutoSizeGridColumns(1, 1, &grid);
  EXPECT_EQ(grid.TextMatrix(1, 1), QStringLiteral("abcdefghijklmnopqrstuvwxyz0123\r\n\r\n4\r\n\r\n"));
  EXPECT_EQ(grid.RowHeight(1), 740 + 500);

  // A short cell grows by 200 each time.
  grid.SetTextMatrix(0, 0, QStringLiteral("Name"));
  AutoSizeGridColumns(0, 0, &grid);
  AutoSizeGridColumns(0, 0, &grid);
  EXPECT_EQ(grid.TextMatrix(0, 0).toStdString(), "Name\r\n\r\n");
  EXPECT_EQ(grid.RowHeight(0), 240 + 200 + 200);
}

TEST_F(Grid, RowsGrowingOverAndOverStopAtTheLimit) {
  // A card's every press sizes its cells again; a long value multiplies its row each time.
  FlexGrid grid;
  grid.SetTextMatrix(1, 1, letters(400));
  for (int press = 0; press < 12; ++press) AutoSizeGridColumns(1, 1, &grid);
  EXPECT_EQ(grid.RowHeight(1), FlexGrid::kMaxRowHeight);
  EXPECT_GT(grid.rowHeight(1), 0);
}

TEST_F(Grid, ACellOutsideTheGridIsAnError) {
  FlexGrid grid;  // two rows, two columns
  EXPECT_THROW(AutoSizeGridColumns(2, 0, &grid), std::out_of_range);
  EXPECT_THROW(AutoSizeGridColumns(0, 2, &grid), std::out_of_range);
  EXPECT_THROW(AutoSizeGridColumns(-1, 0, &grid), std::out_of_range);
}

TEST_F(Grid, ShowsEachCrLfAsALineBreak) {
  const auto shown = [](const QString& text) {
    FlexGrid grid;
    grid.SetFixedRows(0);
    grid.SetFixedCols(0);
    grid.SetColWidth(1, 3000);
    grid.SetRowHeight(1, 900);
    grid.SetColAlignment(1, 7);
    grid.SetTextMatrix(1, 1, text);
    return cellImage(grid, 1, 1);
  };
  const QImage crlf = shown(QStringLiteral("first line\r\nsecond\r\n"));
  ASSERT_FALSE(crlf.isNull());
  EXPECT_EQ(crlf, shown(QStringLiteral("first line\nsecond\n"))) << "a CR draws nothing of its own";
  EXPECT_NE(crlf, shown(QStringLiteral("first line second "))) << "the break shows";
  EXPECT_NE(crlf, shown(QString()));
}

TEST_F(Grid, TheCurrentCellStaysReadableAndInPlace) {
  // The cards paint selected text in the selected ground's own colour; the current cell, where
  // sizing the cells leaves the grid, must still show its text, and the grid must not scroll.
  FlexGrid grid;
  grid.SetCols(2);
  grid.SetRows(12);
  grid.SetFixedRows(0);
  grid.SetBackColorSel(0xFFC0C0);
  grid.SetForeColorSel(0xFFC0C0);
  grid.SetForeColor(0x000000);
  grid.SetColWidth(1, 3000);
  for (int r = 0; r < 12; ++r) grid.SetTextMatrix(r, 1, QStringLiteral("value %1").arg(r));
  grid.resize(300, 120);  // a few rows in view
  grid.show();
  for (int r = 0; r < 12; ++r) AutoSizeGridColumns(r, 1, &grid);
  EXPECT_EQ(grid.verticalScrollBar()->value(), 0);
  EXPECT_EQ(grid.Row(), 11);

  grid.SetRow(1);
  const QImage cell = grid.viewport()->grab(grid.visualRect(grid.model()->index(1, 1))).toImage();
  int dark = 0;
  for (int y = 0; y < cell.height(); ++y)
    for (int x = 0; x < cell.width(); ++x) dark += qGray(cell.pixel(x, y)) < 100;
  EXPECT_GT(dark, 10) << "the current cell's text shows";
}

TEST_F(Grid, Screenshot) {
  // A detail card's grid: labels in the fixed column, long values wrapped on the right.
  QWidget card;
  card.resize(420, 330);
  card.setStyleSheet(QStringLiteral("background: rgb(255, 240, 251);"));
  FlexGrid grid(&card);
  grid.setFont(QFont(QStringLiteral("MS Sans Serif"), 8));
  grid.SetCols(2);
  grid.SetRows(4);
  grid.SetFixedRows(0);
  grid.SetFixedCols(1);
  grid.SetColWidth(0, 1500);
  grid.SetColWidth(1, 3000);
  grid.SetBackColorBkg(0xC0C0FF);
  grid.SetBorderStyle(1);
  grid.SetBackColorFixed(0x80);
  grid.SetBackColorSel(0xFFC0C0);
  grid.SetForeColor(0x80000012);
  grid.SetForeColorFixed(0x8000000E);
  grid.SetForeColorSel(0xFFC0C0);
  grid.SetWordWrap(true);
  const QString cells[][2] = {
      {QStringLiteral("User Name"), QStringLiteral("admin")},
      {QStringLiteral("Address"), QStringLiteral("12, Lantern street, near the old market, Brackwell, Kelvany-40")},
      {QStringLiteral("Remarks"), QStringLiteral("Works the morning shift at the front office desk")},
      {QStringLiteral("User Type"), QStringLiteral("Admin")},
  };
  for (int r = 0; r < 4; ++r) {
    grid.SetTextMatrix(r, 0, cells[r][0]);
    grid.SetTextMatrix(r, 1, cells[r][1]);
  }
  grid.SetRedraw(false);
  for (int c = 0; c < 2; ++c)
    for (int r = 0; r < 4; ++r) AutoSizeGridColumns(r, c, &grid);
  grid.SetRedraw(true);
  MoveTwips(&grid, 600, 300, grid.ColWidth(0) + grid.ColWidth(1) + 1000, 4300);
  card.show();
  EXPECT_EQ(grid.verticalScrollBar()->value(), 0) << "the first row stays in view";
  EXPECT_EQ(grid.TextMatrix(1, 1),
            QStringLiteral("12, Lantern street, near the o\r\nld market, Brackwell, Kelvany-\r\n40\r\n"));
}
