#pragma once
// The record forms: one table, its current row in input controls, and a bar of ten image buttons
// to move through the rows, add, modify, delete, list, save and cancel.
//
// RecordForm carries the protocol every record form shares: the load (a menu form's, with the hot
// keys, the bar, the help icon, the two recordsets and the first row shown), navigation, New,
// Modify, Delete, View All, Save, Cancel and the unload. A form derives from it, owns
// its input controls and fills in the hooks:
//
//   class frmAddNewUser : public RecordForm {
//   public:
//     frmAddNewUser() : RecordForm(Config()) { ... lay out the inputs ... }
//     void display() override;               // current row -> inputs
//   protected:
//     QWidget* KeyInput() override;          // the box naming the record
//     void ClearOwnState() override;         // form state reset at load and New
//     void ClearInputs() override;           // every input empty, options unselected
//     bool ValidateSave() override;          // the form's checks, in its order
//     void WriteColumns() override;          // inputs -> current row
//     void ViewAllRecords() override;        // LookUp of the form's list
//   };
//
// and, where the form differs, the hooks that default to the common way: StoreRow (how Save
// stores the row its checks passed), KeyTakesTypingInModify (whether the key box may be
// corrected during a Modify), ModifyAccepted, RecordSaved, RecordDeleted and ShowsCurrentRow.
// A form whose own rules differ in one step overrides that button's click handler.
//
// Modify and Delete act only on the row the boxes show: the current row of MainRecordset whose
// key column, trimmed, equals the trimmed key input (ShowsCurrentRow). A key typed over in browse
// mode, a look-up that found nothing, or the empty boxes after Cancel are refused with "Please
// select any Record" before anything is asked or written. A Modify that is refused leaves the
// form as it was (EditFlag stays false); one accepted runs the form's ModifyAccepted, a Delete
// done its RecordDeleted.
//
// Once Modify has begun, the key box is one more box to correct (unless the form's
// KeyTakesTypingInModify says no: the box is then read-only until Save or Cancel ends the Modify):
// Save writes it with the others into the row Modify began on, known by its rowid
// (RowBeingModified), and refuses only when that row is no longer the current one
// (RefuseSaveOfAnotherRow). A Save of a new record without its pending row (New failed to add
// one) is refused too. Save's duplicate-key scan (DuplicateKeyFound) reads
// the table afresh and, after Modify, compares every row but that one, so a rename to a key
// another row holds is refused as a New is; a form whose keys are matched with case ignored
// (keyCaseCounts false) has the scan ignore case too. A row another program deleted meanwhile is not
// written (Update finds no row under its rowid). A failed database write during Save shows the
// error's description; the form stays in edit mode with its row still pending.
#include <QLabel>
#include <QString>
#include <array>
#include <initializer_list>
#include <memory>
#include <optional>
#include <vector>

#include "framework/imagebutton.h"
#include "framework/menuform.h"
#include "platform/ado.h"

// The ten commands of the record bar, in the bar's order (Picture1 .. Picture10). What each one
// is (button, picture, tip, CTRL key, hot-key id) is written once, in RecordForm::Commands().
enum class RecordCommand { First, Previous, Next, Last, New, Modify, Delete, ViewAll, Save, Cancel };

class QLineEdit;
class RecordForm;

struct RecordCommandInfo {
  RecordCommand command;
  const char* operation;             // the form's public operation that runs it
  ImageButton RecordForm::*button;   // Picture1 .. Picture10
  void (RecordForm::*click)();       // the button's click handler
  const char* image;                 // base name: "<image>.gif", hover "<image>1.gif"
  const char* tip;                   // the balloon tip, blanks included
  char key;                          // CTRL+key, the letter being its virtual-key code
  int hotKeyId;                      // 0..9
};

// What a hot key reaches on the active form (RunHotKeyCommand).
class RecordCommandTarget {
public:
  virtual ~RecordCommandTarget() = default;
  virtual void Run(RecordCommand command) = 0;
};

struct RecordFormConfig {
  QString caption;       // the title bar's text, blanks included
  int height = 0;        // the window's size in twips
  int width = 0;
  QString helpTip;       // the help icon's tip: an example of the input
  TableRead read;        // the table, for both recordsets
  int keyColumn = 1;     // the table column the key input holds (the duplicate-key scan)
  QString refusalTitle;  // the title of the protocol's refusals; empty: none of their own
  bool hotKeys = true;   // whether the form takes the CTRL hot keys
  // Both recordsets read their rows by rowid as they are needed (Recordset::OpenKeyset): for
  // the tables of half a million rows.
  bool keyset = false;
  // Modify and Delete refuse an empty key input ("Please select any Record") before they look at
  // the table, Modify a key input of blanks too. Otherwise Delete names an empty table first and
  // Modify takes blanks for a key.
  bool keyBeforeTable = false;
  // Save's duplicate-key scan counts case. Where a key is also completed or looked up with case
  // ignored (a doctor's name, a test's description), "cbc" beside "CBC" would be a second row
  // that only the list can reach: the scan then ignores case, and a key another row holds in
  // any case is refused.
  bool keyCaseCounts = true;
};

class RecordForm : public MenuForm, public RecordCommandTarget {
  Q_OBJECT
public:
  explicit RecordForm(RecordFormConfig config);
  ~RecordForm() override;

  const RecordFormConfig& Config() const { return config_; }

  // The ten commands, one row each, in the bar's order (RecordCommand's values index it).
  static const std::array<RecordCommandInfo, 10>& Commands();
  static const RecordCommandInfo& Command(RecordCommand command);
  // The command of a hot-key id; null for an id outside 0..9.
  static const RecordCommandInfo* CommandOfHotKey(int hotKeyId);

  // Runs the command's click handler when its button is shown; otherwise nothing happens, so a
  // hot key acts only in the mode whose bar shows its button.
  void Run(RecordCommand command) override;

  // The operations by their own names (see Commands()).
  void addnew() { Run(RecordCommand::New); }
  void edit() { Run(RecordCommand::Modify); }
  void Delete() { Run(RecordCommand::Delete); }  // "delete" is taken by the language
  void save() { Run(RecordCommand::Save); }
  void Cancel() { Run(RecordCommand::Cancel); }
  void viewall() { Run(RecordCommand::ViewAll); }
  void movef() { Run(RecordCommand::First); }
  void moven() { Run(RecordCommand::Previous); }
  void movep() { Run(RecordCommand::Next); }
  void movel() { Run(RecordCommand::Last); }

  // Copies the current row of MainRecordset into the input controls.
  virtual void display() = 0;

  // The record bar: First, Previous, Next, Last, New, Modify, Delete, View All, Save, Cancel.
  ImageButton Picture1{this, QStringLiteral("Picture1")};
  ImageButton Picture2{this, QStringLiteral("Picture2")};
  ImageButton Picture3{this, QStringLiteral("Picture3")};
  ImageButton Picture4{this, QStringLiteral("Picture4")};
  ImageButton Picture5{this, QStringLiteral("Picture5")};
  ImageButton Picture6{this, QStringLiteral("Picture6")};
  ImageButton Picture7{this, QStringLiteral("Picture7")};
  ImageButton Picture8{this, QStringLiteral("Picture8")};
  ImageButton Picture9{this, QStringLiteral("Picture9")};
  ImageButton Picture10{this, QStringLiteral("Picture10")};
  ImageButton Picture11{this, QStringLiteral("Picture11")};  // help icon
  QLabel Label3{this};  // hidden: names the navigation button clicked last

  // Picture1 .. Picture10 by number (1..10).
  ImageButton* RecordButton(int number);

  std::unique_ptr<Recordset> MainRecordset;    // all moves and writes
  std::unique_ptr<Recordset> LookupRecordset;  // read-only twin for the duplicate-key scan
  bool EditFlag = false;  // a Modify is under way: Save writes the current row

protected:
  void BecameActive() override;
  std::vector<MenuPicture> MenuPictures() override;
  void LoadMenuForm() override;
  void UnloadMenuForm() override;

  // The buttons' click handlers: the shared protocol.
  virtual void Picture1_Click();  // First
  virtual void Picture2_Click();  // Previous
  virtual void Picture3_Click();  // Next
  virtual void Picture4_Click();  // Last
  virtual void Picture5_Click();  // New
  virtual void Picture6_Click();  // Modify
  virtual void Picture7_Click();  // Delete
  virtual void Picture8_Click();  // View All
  virtual void Picture9_Click();  // Save
  virtual void Picture10_Click(); // Cancel

  // The form's hooks.
  virtual QWidget* KeyInput() = 0;    // a QLineEdit or an editable QComboBox
  virtual void ClearOwnState() {}      // at load and New (EditFlag is the protocol's)
  virtual void ClearInputs() = 0;
  // The form's checks in its order, each refusal with its message and focus; false stops Save.
  virtual bool ValidateSave() = 0;
  virtual void WriteColumns() = 0;  // into the current row of MainRecordset (Update follows)
  virtual void ViewAllRecords() = 0;
  // The form's own step once Modify has passed its checks, before edit mode.
  virtual void ModifyAccepted() {}
  // The form's own step once Delete has removed the row and the boxes show the next one (or
  // nothing, when it was the last).
  virtual void RecordDeleted() {}
  // The form's own step once Save has stored the row (still current), before its message;
  // `modified`: the row was one Modify began on, not a new one.
  virtual void RecordSaved(bool modified) { (void)modified; }
  // Whether the boxes show the current row, for Modify and Delete: KeyNamesCurrentRow, and
  // whatever else a form's row is named by.
  virtual bool ShowsCurrentRow() const { return KeyNamesCurrentRow(); }
  // Save, once the form's checks have passed: writes the columns into the current row and
  // updates it. A form that stores otherwise (a last check and the write in one transaction)
  // returns false when it did not store the row, having said why: the row stays pending and the
  // form in edit mode. Raises DbError when the database refuses.
  virtual bool StoreRow();
  // Whether the key box takes typing (and a choice from its list) while a Modify is open; when
  // not, the row keeps its key and the box is read-only from Modify's start until its end.
  virtual bool KeyTakesTypingInModify() const { return true; }

  // For the hooks.
  QString KeyText() const;  // the key input's text as typed
  // There is a current row and its key column, trimmed, equals the trimmed key input. Raises
  // DbError when the row cannot be read.
  bool KeyNamesCurrentRow() const;
  // Save after Modify: refuses ("Please select any Record", focus on the key input) and returns
  // true when the current row of MainRecordset is not the row Modify began on. What the boxes
  // hold, the key included, is the save's to check.
  bool RefuseSaveOfAnotherRow();
  // The scan of Save: reads the table afresh and looks for a row whose key column, trimmed,
  // equals the trimmed key input (case counting unless the form's keyCaseCounts is false). After
  // Modify the row being modified is left out, so that its own key in another case is a rename.
  // Raises DbError when the table cannot be read.
  bool DuplicateKeyFound();
  // During a Modify: whether the current row of `rows` (a read of the form's table) is the row
  // being modified: the same rowid, whatever another program has changed in it since. False
  // outside a Modify.
  bool IsRowBeingModified(const Recordset& rows) const;
  // The row Modify began on: its rowid and the key box's text then. None outside a Modify.
  struct ModifiedRow {
    std::optional<qint64> rowid;
    QString key;
  };
  const std::optional<ModifiedRow>& RowBeingModified() const { return modified_; }
  // The key box is read-only for a Modify (KeyTakesTypingInModify false).
  bool KeyLocked() const;
  // A refusal of the protocol: critical icon, the form's refusal title; then the box to mend.
  void Refuse(const QString& text, QWidget* focus = nullptr);
  // Save's checks of the boxes that must not be blank (VB's Trim: blanks only), in their order.
  struct RequiredText {
    QString text;
    const char* message;
    QWidget* focus;
  };
  // Refuses the first blank one and gives its box the focus; false when all are filled.
  bool RefuseFirstBlank(std::initializer_list<RequiredText> fields);

  // Places the bar: the four navigation buttons from (left, top), then New, Modify, Delete and
  // View All from commandLeft with Save and Cancel in the places of New and Modify (twips).
  void PlaceRecordButtons(int left, int top, int commandLeft);

private:
  void navigate(ImageButton* clicked, void (Recordset::*move)());
  QLineEdit* keyLine() const;  // the key input's text box
  // No Modify is open any more: EditFlag off, the row forgotten, the key box writable again.
  void endModify();

  RecordFormConfig config_;
  std::optional<ModifiedRow> modified_;
};

// Loads the ten pictures and tips, sets browse mode and trims the buttons.
void SetupRecordButtons(RecordForm* Frm);
// EditMode false: First .. View All shown, Save and Cancel hidden; true: the reverse.
void SetRecordButtonsMode(RecordForm* Frm, bool EditMode);
