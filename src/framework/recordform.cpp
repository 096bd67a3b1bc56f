#include "framework/recordform.h"

#include <QComboBox>
#include <QLineEdit>
#include <utility>

#include "framework/databaseerror.h"
#include "framework/recordhotkeys.h"
#include "framework/tooltip.h"
#include "framework/trimpicture.h"
#include "framework/twips.h"
#include "globals.h"
#include "platform/msgbox.h"
#include "platform/system.h"
#include "platform/vbruntime.h"

namespace {

const QString kSelectRecord = QStringLiteral("Please select any Record");

QString gif(const char* base, bool hover = false) {
  return QLatin1String(base) + (hover ? QStringLiteral("1.gif") : QStringLiteral(".gif"));
}

// The designed sizes of the bar's pictures, in twips.
constexpr int kNavWidth = 810, kNavHeight = 750, kNavStep = 900;
constexpr int kCommandWidth = 960, kCommandHeight = 420, kCommandStep = 1080;

}  // namespace

const std::array<RecordCommandInfo, 10>& RecordForm::Commands() {
  // Previous is moven and Next movep, matching CTRL+P and CTRL+N.
  static constexpr std::array<RecordCommandInfo, 10> table = {{
      {RecordCommand::First, "movef", &RecordForm::Picture1, &RecordForm::Picture1_Click, "first",
       "Move First ( CTRL +  F ) ", 'F', 5},
      {RecordCommand::Previous, "moven", &RecordForm::Picture2, &RecordForm::Picture2_Click, "previous",
       "Move Previous ( CTRL +  P ) ", 'P', 6},
      {RecordCommand::Next, "movep", &RecordForm::Picture3, &RecordForm::Picture3_Click, "next",
       "Move Next ( CTRL +  N ) ", 'N', 7},
      {RecordCommand::Last, "movel", &RecordForm::Picture4, &RecordForm::Picture4_Click, "last",
       "Move Last ( CTRL +  L ) ", 'L', 8},
      {RecordCommand::New, "addnew", &RecordForm::Picture5, &RecordForm::Picture5_Click, "new",
       "Add New Record ( CTRL +  A ) ", 'A', 0},
      {RecordCommand::Modify, "edit", &RecordForm::Picture6, &RecordForm::Picture6_Click, "edit",
       "Modify Record ( CTRL +  M ) ", 'M', 1},
      {RecordCommand::Delete, "delete", &RecordForm::Picture7, &RecordForm::Picture7_Click, "delete",
       "Delete the Current Record ( CTRL +  D ) ", 'D', 2},
      {RecordCommand::ViewAll, "viewall", &RecordForm::Picture8, &RecordForm::Picture8_Click, "viewall",
       "View All the Record ( CTRL +  V ) ", 'V', 9},
      {RecordCommand::Save, "save", &RecordForm::Picture9, &RecordForm::Picture9_Click, "save",
       "Save the Current Record ( CTRL +  S ) ", 'S', 3},
      {RecordCommand::Cancel, "Cancel", &RecordForm::Picture10, &RecordForm::Picture10_Click, "cancel",
       "Cancel the Record ( CTRL +  C ) ", 'C', 4},
  }};
  // Command() and the bar index the table by the command: each row stands in its command's place.
  static_assert(
      [] {
        for (std::size_t i = 0; i < table.size(); ++i)
          if (table[i].command != RecordCommand(i)) return false;
        return table.size() == std::size_t(RecordCommand::Cancel) + 1;
      }(),
      "a row of the command table out of RecordCommand's order");
  return table;
}

const RecordCommandInfo& RecordForm::Command(RecordCommand command) {
  return Commands()[std::size_t(command)];
}

const RecordCommandInfo* RecordForm::CommandOfHotKey(int hotKeyId) {
  for (const RecordCommandInfo& c : Commands())
    if (c.hotKeyId == hotKeyId) return &c;
  return nullptr;
}

void RecordForm::Run(RecordCommand command) {
  const RecordCommandInfo& c = Command(command);
  if (!(this->*c.button).isHidden()) (this->*c.click)();
}

RecordForm::RecordForm(RecordFormConfig config)
    : MenuForm({.caption = config.caption,
                .height = config.height, .width = config.width}), config_(std::move(config)) {
  for (const RecordCommandInfo& c : Commands()) {
    ImageButton& button = this->*c.button;
    button.setHoverImage(QLatin1String(c.image), &Label3);
    const auto click = c.click;
    connect(&button, &ImageButton::Click, this, [this, click] { (this->*click)(); });
  }
  // Closing on a click only: a pending edit is never dropped by the keyboard passing by.
  ShockwaveFlash2.setFocusPolicy(Qt::NoFocus);
  MoveTwips(&Picture11, 0, 0, 360, 360);
}

RecordForm::~RecordForm() = default;

ImageButton* RecordForm::RecordButton(int number) {
  if (number < 1 || number > 10) return nullptr;
  return &(this->*Commands()[std::size_t(number - 1)].button);
}

void RecordForm::PlaceRecordButtons(int left, int top, int commandLeft) {
  ImageButton* nav[] = {&Picture1, &Picture2, &Picture3, &Picture4};
  for (int i = 0; i < 4; ++i) MoveTwips(nav[i], left + i * kNavStep, top, kNavWidth, kNavHeight);
  const int commandTop = top + (kNavHeight - kCommandHeight) / 2;
  ImageButton* commands[] = {&Picture5, &Picture6, &Picture7, &Picture8};
  for (int i = 0; i < 4; ++i)
    MoveTwips(commands[i], commandLeft + i * kCommandStep, commandTop, kCommandWidth, kCommandHeight);
  MoveTwips(&Picture9, commandLeft, commandTop, kCommandWidth, kCommandHeight);
  MoveTwips(&Picture10, commandLeft + kCommandStep, commandTop, kCommandWidth, kCommandHeight);
}

// ---- load and unload ----

void RecordForm::BecameActive() {
  if (config_.hotKeys) RegisterRecordHotKeys();
}

std::vector<MenuPicture> RecordForm::MenuPictures() {
  return {{&Picture11, QStringLiteral("help1"), nullptr, config_.helpTip}};
}

void RecordForm::LoadMenuForm() {
  endModify();
  ClearOwnState();
  ClearInputs();

  SetupRecordButtons(this);
  Label3.hide();

  MainRecordset = std::make_unique<Recordset>();
  LookupRecordset = std::make_unique<Recordset>();
  const bool opened =
      config_.keyset
          ? OpenOrEnd(*this, *MainRecordset, [this](Recordset& rs) { rs.OpenKeyset(config_.read, gCon, adLockOptimistic); })
          : OpenOrEnd(*this, *MainRecordset, config_.read);
  if (!opened) return;

  try {
    if (MainRecordset->RecordCount() != 0) {
      MainRecordset->MoveFirst();
      display();
    }
    if (config_.keyset) {  // the same read just made: its rowids are taken over, not read again
      LookupRecordset->OpenKeysetLike(*MainRecordset, adLockReadOnly);
    } else {
      LookupRecordset->Open(config_.read, gCon, adOpenStatic, adLockReadOnly);
    }
  } catch (const DbError& e) {
    MsgBox(QStringLiteral("Error:") + e.Description());
  }
}

void RecordForm::UnloadMenuForm() {
  if (config_.hotKeys) UnregisterRecordHotKeys();
}

// ---- navigation ----

void RecordForm::Picture1_Click() { navigate(&Picture1, &Recordset::MoveFirst); }
void RecordForm::Picture2_Click() { navigate(&Picture2, &Recordset::MovePrevious); }
void RecordForm::Picture3_Click() { navigate(&Picture3, &Recordset::MoveNext); }
void RecordForm::Picture4_Click() { navigate(&Picture4, &Recordset::MoveLast); }

void RecordForm::navigate(ImageButton* clicked, void (Recordset::*move)()) {
  for (int i = 0; i < 4; ++i) {
    const RecordCommandInfo& c = Commands()[std::size_t(i)];
    ImageButton* b = &(this->*c.button);
    b->setPicture(gif(c.image, b == clicked));
  }
  Label3.setText(clicked->objectName());
  try {
    if (MainRecordset->RecordCount() == 0) {
      Refuse(QStringLiteral("No Record Found"));
      return;
    }
    // A look-up that found nothing leaves the form past the last row: Next shows the last row
    // again rather than fail.
    if (move == &Recordset::MoveNext && MainRecordset->Eof())
      MainRecordset->MoveLast();
    else if (move == &Recordset::MovePrevious && MainRecordset->Bof())
      MainRecordset->MoveFirst();
    else
      (MainRecordset.get()->*move)();
    // Past either end the form stays on the end row.
    if (MainRecordset->Bof()) MainRecordset->MoveFirst();
    if (MainRecordset->Eof()) MainRecordset->MoveLast();
    display();
  } catch (const DbError& e) {
    MsgBox(QStringLiteral("Error:") + e.Description());
  }
}

// ---- New, Modify, Delete, View All ----

void RecordForm::Picture5_Click() {
  SetRecordButtonsMode(this, true);
  try {
    // A Modify refused earlier must not switch off the duplicate scan of this new row.
    endModify();
    ClearOwnState();
    ClearInputs();
    KeyInput()->setFocus();
    MainRecordset->AddNew();
  } catch (const DbError& e) {
    MsgBox(e.Description());
  }
}

void RecordForm::Picture6_Click() {
  try {
    if ((config_.keyBeforeTable ? Trim(KeyText()) : KeyText()).isEmpty()) {
      Refuse(kSelectRecord);
      return;
    }
    if (MainRecordset->RecordCount() == 0) {
      Refuse(QStringLiteral("No Record Found you cannt Edit"));
      return;
    }
    // A key typed over, or a look-up that found nothing: the save would write over a row the
    // user does not see.
    if (!ShowsCurrentRow()) {
      Refuse(kSelectRecord);
      return;
    }
    ModifyAccepted();
    // The row is known by its rowid from here on: its key may be corrected like any other box.
    modified_ = ModifiedRow{MainRecordset->CurrentRowId(), KeyText()};
    EditFlag = true;
    if (!KeyTakesTypingInModify())
      if (QLineEdit* key = keyLine()) key->setReadOnly(true);
    SetRecordButtonsMode(this, true);
    Picture9.setPicture(QStringLiteral("save.gif"));
    Picture10.setPicture(QStringLiteral("cancel.gif"));
  } catch (const DbError& e) {
    MsgBox(e.Description());
  }
}

void RecordForm::Picture7_Click() {
  try {
    if (config_.keyBeforeTable && KeyText().isEmpty()) {
      Refuse(kSelectRecord);
      return;
    }
    // Nothing is asked about a row the form will not delete.
    if (MainRecordset->RecordCount() == 0) {
      Refuse(QStringLiteral("No Record Found"));
      return;
    }
    // After Cancel the inputs are empty while the old row is still current, and a key typed over
    // names no row: the user would delete a row that is not on the screen.
    if (!ShowsCurrentRow()) {
      Refuse(kSelectRecord);
      return;
    }
    if (MsgBox(QStringLiteral("Are you sure you want to delete this record?"), vbYesNo + vbQuestion,
               QStringLiteral("Confirm Delete")) != vbYes)
      return;
    MainRecordset->Delete();
    if (MainRecordset->RecordCount() != 0) {
      MainRecordset->MoveNext();
      if (MainRecordset->Eof()) MainRecordset->MoveLast();
      display();
    } else {
      ClearInputs();
    }
    RecordDeleted();
  } catch (const DbError& e) {
    MsgBox(e.Number() == adErrNoCurrentRow ? QStringLiteral("Please Select Any Record") : e.Description());
  }
}

void RecordForm::Picture8_Click() { ViewAllRecords(); }

// ---- Save and Cancel ----

void RecordForm::Picture9_Click() {
  if (!MainRecordset || MainRecordset->State() != adStateOpen) return;
  // A new record needs its pending row: without it the boxes would be written over the row
  // that happens to be current.
  if (!EditFlag && MainRecordset->EditMode() != adEditAdd) {
    Refuse(kSelectRecord);
    return;
  }
  try {
    if (RefuseSaveOfAnotherRow() || !ValidateSave() || !StoreRow()) return;
  } catch (const DbError& e) {
    // Nothing was saved: the row stays pending and the form in edit mode.
    MsgBox(e.Description());
    return;
  }
  RecordSaved(EditFlag);
  endModify();
  MsgBox(QStringLiteral("Record Saved Successfully"), vbExclamation, QStringLiteral("Update Info"));
  SetRecordButtonsMode(this, false);
}

void RecordForm::Picture10_Click() {
  endModify();
  if (MainRecordset && MainRecordset->State() == adStateOpen) {
    const bool hasRows = MainRecordset->RecordCount() != 0;
    // Always discarded, also the new row of a table that was empty.
    MainRecordset->CancelUpdate();
    if (hasRows) {
      ClearInputs();
      KeyInput()->setFocus();
    }
  }
  SetRecordButtonsMode(this, false);
}

bool RecordForm::StoreRow() {
  WriteColumns();
  MainRecordset->Update();
  return true;
}

void RecordForm::endModify() {
  EditFlag = false;
  modified_.reset();
  if (QLineEdit* key = keyLine()) key->setReadOnly(false);
}

// ---- helpers for the forms ----

QLineEdit* RecordForm::keyLine() const {
  QWidget* key = const_cast<RecordForm*>(this)->KeyInput();
  if (auto* box = qobject_cast<QLineEdit*>(key)) return box;
  if (auto* combo = qobject_cast<QComboBox*>(key)) return combo->lineEdit();
  return nullptr;
}

bool RecordForm::KeyLocked() const {
  const QLineEdit* key = keyLine();
  return key && key->isReadOnly();
}

QString RecordForm::KeyText() const {
  QWidget* key = const_cast<RecordForm*>(this)->KeyInput();
  if (auto* box = qobject_cast<QLineEdit*>(key)) return box->text();
  if (auto* combo = qobject_cast<QComboBox*>(key)) return combo->currentText();
  return {};
}

bool RecordForm::KeyNamesCurrentRow() const {
  if (!MainRecordset || MainRecordset->State() != adStateOpen || !MainRecordset->HasCurrentRow()) return false;
  return Trim(MainRecordset->Fields(config_.keyColumn).toText()) == Trim(KeyText());
}

bool RecordForm::RefuseSaveOfAnotherRow() {
  // Nothing in edit mode moves the current row; should anything have, the boxes would be written
  // over a row the clerk never chose.
  if (!EditFlag) return false;
  if (modified_ && modified_->rowid && MainRecordset && MainRecordset->State() == adStateOpen &&
      MainRecordset->CurrentRowId() == modified_->rowid)
    return false;
  Refuse(kSelectRecord, KeyInput());
  return true;
}

bool RecordForm::DuplicateKeyFound() {
  // Read afresh first: rows saved since the form opened count too, also on a table that was
  // empty then.
  LookupRecordset->Requery();
  if (LookupRecordset->RecordCount() == 0) return false;
  const QString key = Trim(KeyText());
  LookupRecordset->MoveFirst();
  for (; !LookupRecordset->Eof(); LookupRecordset->MoveNext()) {
    if (IsRowBeingModified(*LookupRecordset)) continue;  // the row being modified may keep its own key
    const Qt::CaseSensitivity cs = config_.keyCaseCounts ? Qt::CaseSensitive : Qt::CaseInsensitive;
    if (Trim(LookupRecordset->Fields(config_.keyColumn).toText()).compare(key, cs) == 0) return true;
  }
  return false;
}

bool RecordForm::IsRowBeingModified(const Recordset& rows) const {
  return EditFlag && modified_ && modified_->rowid && rows.CurrentRowId() == modified_->rowid;
}

void RecordForm::Refuse(const QString& text, QWidget* focus) {
  MsgBox(text, vbCritical, config_.refusalTitle);
  if (focus) focus->setFocus();
}

bool RecordForm::RefuseFirstBlank(std::initializer_list<RequiredText> fields) {
  for (const RequiredText& f : fields) {
    if (Trim(f.text).isEmpty()) {
      Refuse(QLatin1String(f.message), f.focus);
      return true;
    }
  }
  return false;
}

// ---- the bar ----

void SetupRecordButtons(RecordForm* Frm) {
  const auto& commands = RecordForm::Commands();
  for (const RecordCommandInfo& c : commands) (Frm->*c.button).setPicture(gif(c.image));
  for (const RecordCommandInfo& c : commands) AddToolTip(&(Frm->*c.button), QLatin1String(c.tip), Frm);
  SetRecordButtonsMode(Frm, false);
  for (const RecordCommandInfo& c : commands) TrimPictureBox(&(Frm->*c.button));
}

void SetRecordButtonsMode(RecordForm* Frm, bool EditMode) {
  for (int n = 1; n <= 8; ++n) Frm->RecordButton(n)->setHidden(EditMode);
  Frm->Picture9.setHidden(!EditMode);
  Frm->Picture10.setHidden(!EditMode);
}
