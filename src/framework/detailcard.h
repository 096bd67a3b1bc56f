#pragma once
// The detail cards: one record of one table, found by its name, shown as label/value rows in a
// two-column grid. A card is a menu form (the main menus hide while it is open) and writes
// nothing.
//
// A card is a DetailCard with its configuration:
//
//   class frmViewUserDetails : public DetailCard {
//   public:
//     frmViewUserDetails() : DetailCard(UserCardConfig()) {}
//     static DetailCardConfig UserCardConfig();  // the read, texts, label rows
//   };
//
// and is opened with ShowForm<frmViewUserDetails>(), which gives nullptr when the card closed
// itself during its load (an empty table, or a table that could not be read).
//
// The show button lays the grid out from the labels and the values last found at every press, so
// pressing it again gives the same grid rather than wrapping the shown text once more.
//
// The patient searches are cards too, over tables too large to hold: their configuration lists
// the names alone (readNames) and reads the one row a search finds (findRow), lays the controls
// out as those forms have them, and keeps the grid's height and the form's size as the load set
// them (fitsToRows off).
#include <QComboBox>
#include <QLabel>
#include <QRect>
#include <QString>
#include <functional>
#include <memory>
#include <vector>

#include "framework/flexgrid.h"
#include "framework/imagebutton.h"
#include "framework/menuform.h"
#include "platform/ado.h"

class KeyList;
class Recordset;

// One grid row: its label and the table column (ordinal) whose value it shows.
struct CardRow {
  QString label;
  int source = 0;
  int loadHeight = -1;    // twips at load; -1: the grid's own row height
  int searchHeight = -1;  // twips every search starts the row at; -1: its height at load
};

struct DetailCardConfig {
  TableRead read;             // read once, when the card opens
  QString caption;            // the title bar's text, blanks included
  QString nameLabel;          // the caption left of the name list
  QString comboName = QStringLiteral("cmbDrName");
  int nameColumn = 1;         // the table column the names come from and are searched in
  std::vector<CardRow> rows;  // grid row r first
  int heightMargin = 2000;    // added to the rows' heights for the grid's height
  int buttonLeft = 3360;      // the show button's place (twips)
  int buttonTop = 4920;
  QString emptySelectionMessage;  // the show button pressed with no name chosen
  QString notFoundMessage;        // no row holds the chosen name
  QString searchTip;              // the show button's tip
  QString helpTip;                // the help icon's tip

  // Tables too large to read whole: readNames lists the names alone, each with its row's rowid,
  // and findRow reads the row a search shows for the typed name, trimmed (none: null, or a
  // recordset at its end). Unset, the card reads its `read` whole and shows the first row
  // holding the name. Both may raise DbError.
  std::function<std::unique_ptr<KeyList>()> readNames;
  std::function<std::unique_ptr<Recordset>(const KeyList& names, const QString& name)> findRow;

  // The layout (twips) and look: the cards' own unless a form has its own.
  int width = 8445;
  QRect labelPlace{1920, 840, 1575, 255};
  QRect listPlace{3840, 840, 2175, 315};
  QRect helpPlace{6240, 720, 765, 465};
  QRect gridPlace{2280, 1440, 5175, 2295};
  int buttonWidth = 1005;
  int buttonHeight = 465;
  QString labelStyle;                       // the name caption's style sheet
  int listRows = 10;                        // the names shown at once when the list drops down
  bool gridScrollsSideways = true;          // off: never a horizontal scroll bar
  quint32 selectedTextColour = 0x80000012;  // the text of a selected range of cells

  // Every search first puts the grid back as the load left it, so a name not found shows the
  // labels alone; otherwise the values last found stay.
  bool searchClearsGrid = false;
  // A search makes the grid as tall as its rows and the card tall enough for it (FitFormToGrid);
  // off, the grid's height and the card's size stay as the load set them.
  bool fitsToRows = true;
  // The close movie closes the card when pressed; otherwise on its "close" command.
  bool closesOnPress = false;
};

// The grid's height for rows summing to `rowHeights` twips, and the card's height for that grid.
int CardGridHeight(int rowHeights, int heightMargin);
inline int CardHeight(int gridHeight) { return gridHeight + 4000; }

// Once a search has sized the rows, the grid the form opened with is seldom tall enough for them.
// This makes `grid` as tall as its rows (never shorter than `minGridHeight`) and `form` tall
// enough to hold it, with `below` (when given) moved under the grid but never above
// `belowTop`; never shorter than `minFormHeight`. The form stays within the desktop: what does not
// fit is scrolled in the grid, and a form that would reach past the bottom moves up. Twips.
void FitFormToGrid(VbForm* form, FlexGrid* grid, QLabel* background, int minGridHeight, int minFormHeight,
                   QWidget* below = nullptr, int belowTop = 0);

class DetailCard : public MenuForm {
  Q_OBJECT
public:
  explicit DetailCard(DetailCardConfig config);
  ~DetailCard() override;

  const DetailCardConfig& Config() const { return config_; }

  QLabel lblDrName{this};
  QComboBox cmbDrName{this};
  ImageButton Picture1{this, QStringLiteral("Picture1")};    // show
  ImageButton Picture11{this, QStringLiteral("Picture11")};  // help
  FlexGrid MSFlexGrid1{this};
  QLabel Label3{this};

  // The show button: find the chosen name and show its row.
  void Picture1_Click();

protected:
  // The card is designed once its grid is sized (in its load), at the height the rows need.
  void DesignAtLoad() override {}
  std::vector<MenuPicture> MenuPictures() override;
  void LoadMenuForm() override;
  // The close movie closes the card through its command "close", or on a press where the
  // configuration says so.
  void ShockwaveFlash2_GotFocus() override;

private:
  void load();
  // The row holding `name`, current in its recordset; null when no row holds it.
  Recordset* findRow(const QString& name);
  void writeCells();  // labels, values last found and each row's height before any wrapping
  void layOutGrid();
  void ShockwaveFlash2_FSCommand(const QString& command, const QString& args);

  DetailCardConfig config_;
  std::unique_ptr<Recordset> cardRecordset_;
  KeyList* names_ = nullptr;             // with readNames: the list shown (cmbDrName owns it)
  std::unique_ptr<Recordset> foundRow_;  // with readNames: the row the last search read
  std::vector<QString> values_;   // the values last found, one per grid row, unwrapped
  std::vector<int> baseHeights_;  // the height each search starts each row at, before any wrapping
  int loadGridHeight_ = 0;        // the grid's and the card's heights as the load set them
  int loadCardHeight_ = 0;
};
