#pragma once
// The list forms: every row of one table in a read-only grid, shown on top of the record form
// that asked for it.
//
// A record form's View All hands itself over:
//
//   LookUp<frmViewAllUsers>(this);
//
// The first caller is disabled and remembered while the list is open; a second one, while the
// list is still in use (the caller's CTRL+V reaches it although its window is disabled), gets the
// busy message instead. Either way the list comes to the front, loaded first when it is not
// loaded. Closing the list enables and raises the caller again. A list that finds its table empty
// (or cannot read it) says so and closes itself during its load; it is never shown and the caller
// is usable again.
//
// A list form is a ListForm with its configuration:
//
//   class frmViewAllUsers : public ListForm {
//   public:
//     frmViewAllUsers() : ListForm(UserListConfig()) {}
//     static ListFormConfig UserListConfig();  // title, caption, SQL, columns
//   };
//
// The list form is not a menu form: it leaves the main menus, the hot keys and gActiveForm alone.
#include <QFont>
#include <QLabel>
#include <QPointer>
#include <QString>
#include <memory>
#include <vector>

#include "framework/flexgrid.h"
#include "framework/vbform.h"
#include "platform/ado.h"
#include "platform/flashmovie.h"

class Recordset;

// One grid column: heading, width in twips, and the table column (ordinal) it shows.
// kRowNumber instead of an ordinal shows the running number (" 1", " 2", ...).
struct ListColumn {
  static constexpr int kRowNumber = -1;
  QString heading;
  int width = 0;
  int source = kRowNumber;
};

struct ListFormConfig {
  enum class CloseStyle {
    MovieFocus,    // the close movie closes the list as soon as it is pressed
    CloseCommand,  // the close movie's FSCommand "close" (trimmed, any case) closes it
  };
  QString title;    // the title bar's text, blanks included
  QString caption;  // names the list in the busy message
  TableRead read;   // the listed table; read afresh at each opening
  std::vector<ListColumn> columns;  // grid column 0 first (the running numbers)
  bool focusGridOnActivate = true;
  CloseStyle closeStyle = CloseStyle::MovieFocus;
};

// The grid's width for these column widths (twips): their sum plus 350, at most 10000.
int ListGridWidth(const std::vector<int>& colWidths);
// The list form's width for a grid of that width.
inline int ListFormWidth(int gridWidth) { return gridWidth + 2000; }

// The colours every list's grid (and every card's) is drawn in.
void ApplyListGridColours(FlexGrid* grid);
// The cell text of the lists, the cards and the patient search: one face and size for every grid
// of the program, small enough for the headings to fit their columns.
QFont ListGridFont();

class ListForm : public VbForm {
  Q_OBJECT
public:
  explicit ListForm(ListFormConfig config);
  ~ListForm() override;

  const ListFormConfig& Config() const { return config_; }
  // The form that handed itself over, or nullptr while the list is not in use.
  VbForm* CallerForm() const { return callerForm_.data(); }
  // The rows read at load; nullptr when the table could not be opened.

  FlexGrid MSFlexGrid1{this};
  FlashMovie ShockwaveFlash1{this};  // title bar
  FlashMovie ShockwaveFlash2{this};  // close
  FlashMovie ShockwaveFlash3{this};  // minimise
  QLabel Image1{this};               // background picture

  // Sets the caller that the list's next load will take over (used by LookUp).
  static void SetPendingCaller(VbForm* caller);

protected:
  void Form_Load() override;
  void Form_Unload(int& cancel) override;
  bool event(QEvent* e) override;
  void showEvent(QShowEvent* e) override;

  // Activation: an empty (or unopened) list closes itself; otherwise the grid takes the focus
  // when the list is configured so.
  void Form_Activate();
  // Fills the grid from the opened recordset (rows 1.., columns by their source).
  void FillGrid();

private:
  friend void ListLookUp(ListForm* loaded, ListForm* (*load)(), VbForm* Caller);
  void closeList();  // hide, then unload

  ListFormConfig config_;
  QPointer<VbForm> callerForm_;
  std::unique_ptr<Recordset> listRecordset_;
  bool activateHooked_ = false;
};

// The hand-off for one list form (see the top of this file). `loaded` is the list's loaded
// instance or nullptr; `load` loads (or finds) it and returns nullptr when it closed itself.
void ListLookUp(ListForm* loaded, ListForm* (*load)(), VbForm* Caller);

template <class L>
void LookUp(VbForm* Caller) {
  static_assert(std::is_base_of_v<ListForm, L>, "a list form derives from ListForm");
  ListLookUp(LoadedForm<L>(), []() -> ListForm* { return LoadForm<L>(); }, Caller);
}
