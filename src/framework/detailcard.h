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
//     static DetailCardConfig UserCardConfig();  // SQL, texts, label rows
//   };
//
// and is opened with ShowForm<frmViewUserDetails>(), which gives nullptr when the card closed
// itself during its load (an empty table, or a table that could not be read).
//
// The show button lays the grid out from the labels and the values last found at every press, so
// pressing it again gives the same grid rather than wrapping the shown text once more.
#include <QComboBox>
#include <QLabel>
#include <QString>
#include <memory>
#include <vector>

#include "framework/flexgrid.h"
#include "framework/imagebutton.h"
#include "framework/menuform.h"

class Recordset;

// One grid row: its label and the table column (ordinal) whose value it shows.
struct CardRow {
  QString label;
  int source = 0;
};

struct DetailCardConfig {
  QString sql;                // read once, when the card opens
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

  static constexpr int kCardWidth = 8445;

  const DetailCardConfig& Config() const { return config_; }
  Recordset* CardRecordset() const { return cardRecordset_.get(); }

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
  // The close movie closes the card through its command "close", not on any press.
  void ShockwaveFlash2_GotFocus() override {}

private:
  void load();
  void layOutGrid();
  void ShockwaveFlash2_FSCommand(const QString& command, const QString& args);

  DetailCardConfig config_;
  std::unique_ptr<Recordset> cardRecordset_;
  std::vector<QString> values_;   // the values last found, one per grid row, unwrapped
  std::vector<int> baseHeights_;  // each row's height before any wrapping
  int loadGridHeight_ = 0;        // the grid's and the card's heights as the load set them
  int loadCardHeight_ = 0;
};
