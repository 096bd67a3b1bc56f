#include "framework/keyfilters.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListView>
#include <QMimeData>
#include <QMouseEvent>
#include <QPointer>
#include <QSignalBlocker>
#include <algorithm>
#include <memory>

#include "framework/vbform.h"
#include "platform/log.h"

namespace {

// While a paste is tried on a box's handler, the list must not drop down or close.
bool gTrying = false;

QChar charOf(int keyAscii) { return QChar(char16_t(keyAscii & 0xFFFF)); }

// The filters' view of a plain state.
struct StateBox {
  TextBoxState& s;

  QString text() const { return s.text; }
  void setText(const QString& t) {
    s.text = t;
    s.selStart = 0;
    s.selLength = 0;
    s.listIndex = -1;
  }
  int selStart() const { return s.selStart; }
  int selLength() const { return s.selLength; }
  void setSelStart(int v) {
    s.selStart = std::clamp(v, 0, int(s.text.size()));
    s.selLength = 0;
  }
  void setSelLength(int v) { s.selLength = std::clamp(v, 0, int(s.text.size()) - s.selStart); }
  void dropDown(bool open) { s.popupOpen = open; }
  bool selectString(const QString& prefix) {
    qsizetype found = -1;
    for (qsizetype i = 0; i < s.items.size() && found < 0; ++i)
      if (s.items[i].compare(prefix, Qt::CaseInsensitive) == 0) found = i;
    for (qsizetype i = 0; i < s.items.size() && found < 0; ++i)
      if (s.items[i].startsWith(prefix, Qt::CaseInsensitive)) found = i;
    if (found < 0) return false;
    s.text = s.items[found];
    s.listIndex = int(found);
    s.selStart = 0;
    s.selLength = int(s.text.size());
    return true;
  }
};

// The text part of a real box.
struct LineBox {
  QLineEdit* e;

  QString text() const { return e->text(); }
  void setText(const QString& t) { e->setText(t); }
  int selStart() const { return e->hasSelectedText() ? e->selectionStart() : e->cursorPosition(); }
  int selLength() const { return e->hasSelectedText() ? int(e->selectedText().size()) : 0; }
  void setSelStart(int v) { e->setCursorPosition(std::clamp(v, 0, int(e->text().size()))); }
  void setSelLength(int v) {
    const int start = selStart();
    const int length = std::clamp(v, 0, int(e->text().size()) - start);
    if (length == 0)
      e->setCursorPosition(start);
    else
      e->setSelection(start, length);
  }
};

bool popupVisible(QComboBox* combo) { return combo->view()->isVisible(); }

void showList(QComboBox* combo, bool open) {
  if (gTrying) return;
  if (open && !popupVisible(combo))
    combo->showPopup();
  else if (!open && popupVisible(combo))
    combo->hidePopup();
}

struct ComboBox : LineBox {
  QComboBox* c;

  explicit ComboBox(QComboBox* combo) : LineBox{combo->lineEdit()}, c(combo) {}

  // A text set in code belongs to no list item, as in VB. The index is let go silently first, so
  // that editTextChanged fires once, for the new text only.
  void setText(const QString& t) {
    if (c->currentIndex() != -1) {
      const QString before = e->text();
      const QSignalBlocker comboBlocker(c);
      const QSignalBlocker editBlocker(e);
      c->setCurrentIndex(-1);
      e->setText(before);
    }
    e->setText(t);
  }
  void dropDown(bool open) {
    // Typing never opens the drop-down of a box that lists its proposals itself.
    if (TypedProposals* typed = TypedProposalsOf(c)) {
      if (!open) typed->Close();
      return;
    }
    showList(c, open);
  }
  bool selectString(const QString& prefix) {
    int i = c->findText(prefix, Qt::MatchFixedString);
    if (i < 0) i = c->findText(prefix, Qt::MatchStartsWith);
    if (i < 0) return false;
    c->setCurrentIndex(i);
    if (e->text() != c->itemText(i)) e->setText(c->itemText(i));
    return true;
  }
};

template <class Box>
int autoComplete(Box& box, int KeyAscii, bool AllowFreeText) {
  const int s = box.selStart();
  const int l = box.selLength();
  try {
    int result = 0;
    bool search = true;
    QString searchText;
    if (KeyAscii >= 32) {
      const QString t = box.text();
      searchText = (l != 0 ? t.left(s) : t) + charOf(KeyAscii);
    } else {
      search = false;
      box.setSelLength(0);
      if (KeyAscii == 8) {
        const QString t = box.text();
        if (l != 0)
          box.setText(t.left(s));
        else if (!t.isEmpty())
          box.setText(t.left(t.size() - 1));
        box.setSelStart(int(box.text().size()));
      } else if (KeyAscii == 13) {
        box.setSelStart(int(box.text().size()));
        result = 13;
      }
    }
    if (search) {
      box.dropDown(true);
      // The entry that is the search text itself (case ignored) comes before the first one that
      // only begins with it: else an entry that begins a longer one listed before it (OP1 after
      // OP17, whose patient's name sorts first) could never be proposed.
      if (box.selectString(searchText)) {
        box.setSelStart(int(searchText.size()));
        box.setSelLength(int(box.text().size() - searchText.size()));
      } else if (AllowFreeText) {
        box.setText(QString());
        box.setText(searchText);
        box.setSelLength(0);
        box.setSelStart(int(box.text().size()));
        box.dropDown(false);
      } else {
        box.setText(QString());
        box.setSelLength(0);
        box.setSelStart(0);
      }
    }
    return result;
  } catch (...) {
    LogSwallowed(lcFramework, "the combo box completion", std::current_exception());
    return KeyAscii;
  }
}

template <class Box>
int nameOnly(Box& box, int& KeyAscii) {
  const bool letter = (KeyAscii >= 65 && KeyAscii <= 90) || (KeyAscii >= 97 && KeyAscii <= 122);
  if (!letter && KeyAscii != 8) {
    KeyAscii = 0;
    box.setSelStart(int(box.text().size()));
  }
  return KeyAscii;
}

template <class Box>
int numberOnly(Box& box, int& KeyAscii, bool AllowDecimal) {
  if (AllowDecimal && KeyAscii == 46 && box.text().contains(QLatin1Char('.'))) {
    KeyAscii = 0;
    return 0;
  }
  if (KeyAscii == 46 && AllowDecimal) return KeyAscii;
  if (KeyAscii != 8 && !(KeyAscii >= 48 && KeyAscii <= 57)) {
    KeyAscii = 0;
    box.setSelStart(int(box.text().size()));
  }
  return KeyAscii;
}

}  // namespace

int AutoCompleteKeyPress(TextBoxState& combo, int KeyAscii, bool AllowFreeText) {
  StateBox box{combo};
  return autoComplete(box, KeyAscii, AllowFreeText);
}

void ShowComboDropDown(TextBoxState& combo) { combo.popupOpen = true; }

int NameOnlyKeyPress(TextBoxState& box, int& KeyAscii) {
  StateBox b{box};
  return nameOnly(b, KeyAscii);
}

int NumberOnlyKeyPress(TextBoxState& box, int& KeyAscii, bool AllowDecimal) {
  StateBox b{box};
  return numberOnly(b, KeyAscii, AllowDecimal);
}

int AutoCompleteKeyPress(QComboBox* combo, int KeyAscii, bool AllowFreeText) {
  if (!combo || !combo->lineEdit()) return KeyAscii;  // nothing to complete in: the key passes
  ComboBox box(combo);
  const QPointer<QComboBox> alive(combo);
  const int result = autoComplete(box, KeyAscii, AllowFreeText);
  if (alive && !gTrying)
    if (TypedProposals* typed = TypedProposalsOf(combo)) typed->Follow(KeyAscii);
  return result;
}

void ShowComboDropDown(QComboBox* combo) {
  if (combo) showList(combo, true);
}

int NameOnlyKeyPress(QLineEdit* box, int& KeyAscii) {
  LineBox b{box};
  return nameOnly(b, KeyAscii);
}

int NumberOnlyKeyPress(QLineEdit* box, int& KeyAscii, bool AllowDecimal) {
  LineBox b{box};
  return numberOnly(b, KeyAscii, AllowDecimal);
}

int KeyAsciiOf(const QKeyEvent* event) {
  switch (event->key()) {
    case Qt::Key_Backspace: return 8;
    case Qt::Key_Return:
    case Qt::Key_Enter: return 13;
    case Qt::Key_Escape: return 27;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Delete: return 0;
    default: break;
  }
  const Qt::KeyboardModifiers mods = event->modifiers();
  if (mods & (Qt::AltModifier | Qt::MetaModifier)) return 0;
  if (mods & Qt::ControlModifier) {
    if (event->key() >= Qt::Key_A && event->key() <= Qt::Key_Z) return event->key() - Qt::Key_A + 1;
    return 0;
  }
  const QString text = event->text();
  if (text.isEmpty()) return 0;
  const char16_t code = text.at(0).unicode();
  if (code == 0x7F) return 0;
  if (text.size() > 1 || QChar::isSurrogate(code)) return '?';
  return code;
}

namespace {

// One per wired box, owned by it.
class KeyPressWiring final : public QObject {
public:
  KeyPressWiring(QWidget* box, QLineEdit* edit, QComboBox* combo, KeyPressHandler handler)
      : QObject(box), handler_(std::move(handler)), box_(box), edit_(edit), editObject_(edit), combo_(combo) {}

  void setHandler(KeyPressHandler handler) { handler_ = std::move(handler); }

  void attach() {
    box_->installEventFilter(this);
    if (edit_) {
      if (edit_ != box_) edit_->installEventFilter(this);
      edit_->setContextMenuPolicy(Qt::NoContextMenu);
      edit_->setAttribute(Qt::WA_InputMethodEnabled, false);
    }
    box_->setAttribute(Qt::WA_InputMethodEnabled, false);
    if (combo_) {
      // Qt's list takes the keyboard when it drops down; VB's left it with the box. The list's
      // keys are handed back to the box, and the list never takes the focus.
      QAbstractItemView* view = combo_->view();
      view->setFocusProxy(combo_);
      view->installEventFilter(this);
      view->window()->installEventFilter(this);
    }
  }

  bool eventFilter(QObject* watched, QEvent* event) override {
    if (!handler_) return false;
    const bool onList = combo_ && watched != box_ && watched != editObject_;
    switch (event->type()) {
      case QEvent::ShortcutOverride:
        if (onList && popupVisible(combo_) && !listKey(static_cast<QKeyEvent*>(event))) {
          event->accept();
          return true;
        }
        return false;
      case QEvent::KeyPress: {
        auto* key = static_cast<QKeyEvent*>(event);
        if (onList) {
          if (!popupVisible(combo_) || listKey(key)) return false;
          const std::unique_ptr<QKeyEvent> copy(key->clone());
          QCoreApplication::sendEvent(combo_, copy.get());
          return true;
        }
        return keyPress(key);
      }
      case QEvent::FocusIn:
      case QEvent::FocusOut:
        // Dropping the list down is no focus change for the box.
        return combo_ && watched == box_ &&
               static_cast<QFocusEvent*>(event)->reason() == Qt::PopupFocusReason;
      case QEvent::InputMethod:
        return !onList;
      case QEvent::Drop: {
        if (watched != editObject_) return false;
        auto* drop = static_cast<QDropEvent*>(event);
        if (!drop->mimeData() || accepts(drop->mimeData()->text())) return false;
        drop->ignore();
        return true;
      }
      case QEvent::MouseButtonRelease: {
        // The X11 selection pastes on a middle click.
        if (watched != editObject_) return false;
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() != Qt::MiddleButton || !QGuiApplication::clipboard()->supportsSelection())
          return false;
        return !accepts(QGuiApplication::clipboard()->text(QClipboard::Selection));
      }
      default:
        return false;
    }
  }

private:
  // Keys the dropped-down list keeps for itself: the ones that close it.
  static bool listKey(const QKeyEvent* key) {
    return key->key() == Qt::Key_F4 ||
           ((key->key() == Qt::Key_Up || key->key() == Qt::Key_Down) && (key->modifiers() & Qt::AltModifier));
  }

  bool keyPress(QKeyEvent* key) {
    if (delivering_) return false;
    int code = KeyAsciiOf(key);
    if (code == 0) {
      if (combo_ && popupVisible(combo_) && (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab))
        combo_->hidePopup();
      return key->matches(QKeySequence::Paste) && !accepts(QGuiApplication::clipboard()->text());
    }
    const int typed = code;
    // The list closes on Escape before the key press is seen, as a Windows list did.
    if (combo_ && typed == 27 && popupVisible(combo_)) combo_->hidePopup();
    const QPointer<QObject> alive(this);
    handler_(code);
    if (!alive) return true;  // the handler closed the form
    if (code == 0) {
      key->accept();
      return true;
    }
    if (combo_ && code == 13 && popupVisible(combo_)) combo_->hidePopup();
    if (code == typed)
      return key->matches(QKeySequence::Paste) && !accepts(QGuiApplication::clipboard()->text());
    deliver(code);
    return true;
  }

  // The handler changed the key: the box gets the new one instead.
  void deliver(int code) {
    Qt::Key k = Qt::Key_unknown;
    QString text(charOf(code));
    if (code == 8) k = Qt::Key_Backspace;
    if (code == 13) k = Qt::Key_Return;
    if (code == 27) k = Qt::Key_Escape;
    QKeyEvent replaced(QEvent::KeyPress, k, Qt::NoModifier, text);
    delivering_ = true;
    QCoreApplication::sendEvent(box_, &replaced);
    delivering_ = false;
  }

  // Whether the handler lets every character of a pasted or dropped text through, tried on the
  // box as if typed at the caret; the box is put back as it was, and no signal fires meanwhile.
  bool accepts(const QString& text) {
    if (text.isEmpty() || !edit_) return true;
    for (const QChar c : text)
      if (c.unicode() < 32) return false;

    QLineEdit* e = edit_;
    const QString savedText = e->text();
    const int savedCursor = e->cursorPosition();
    const int savedSelStart = e->hasSelectedText() ? e->selectionStart() : -1;
    const int savedSelLength = e->hasSelectedText() ? int(e->selectedText().size()) : 0;
    const int savedIndex = combo_ ? combo_->currentIndex() : -1;

    bool ok = true;
    {
      const QSignalBlocker boxBlocker(box_);
      const QSignalBlocker editBlocker(e);
      // Every insert lays the box's whole text out again for display, which made a long paste
      // cost the square of its length. Nothing is shown while the paste is tried, so each step
      // costs only its character; the text, caret and selection the handler reads are the same.
      const QLineEdit::EchoMode savedEcho = e->echoMode();
      const Qt::InputMethodHints savedHints = e->inputMethodHints();
      e->setEchoMode(QLineEdit::NoEcho);
      gTrying = true;
      for (int i = 0; i < text.size() && ok; ++i) {
        const bool pair = text.at(i).isHighSurrogate() && i + 1 < text.size();
        const QString piece = pair ? text.mid(i, 2) : text.mid(i, 1);
        if (pair) ++i;
        int code = pair ? '?' : text.at(i).unicode();
        const int typed = code;
        handler_(code);
        if (code != typed) ok = false;
        else e->insert(piece);
      }
      gTrying = false;
      e->setEchoMode(savedEcho);
      e->setInputMethodHints(savedHints);
      if (combo_) combo_->setCurrentIndex(savedIndex);
      e->setText(savedText);
      if (savedSelStart >= 0)
        e->setSelection(savedSelStart, savedSelLength);
      else
        e->setCursorPosition(savedCursor);
    }
    return ok;
  }

  KeyPressHandler handler_;
  QWidget* box_;
  QPointer<QLineEdit> edit_;
  // The same box as a plain object, to compare with: events reach the filter while the box is
  // being destroyed, when it is no QLineEdit any more.
  const QObject* editObject_;
  QComboBox* combo_;
  bool delivering_ = false;
};

KeyPressWiring* existingWiring(QWidget* box) {
  for (QObject* child : box->children())
    if (auto* w = dynamic_cast<KeyPressWiring*>(child)) return w;
  return nullptr;
}

}  // namespace

void WireKeyPress(QLineEdit* box, KeyPressHandler handler) {
  if (!box) return;
  if (KeyPressWiring* w = existingWiring(box)) {
    w->setHandler(std::move(handler));
    return;
  }
  (new KeyPressWiring(box, box, nullptr, std::move(handler)))->attach();
}

void WireKeyPress(QComboBox* combo, KeyPressHandler handler) {
  if (!combo) return;
  combo->setInsertPolicy(QComboBox::NoInsert);
  if (combo->isEditable()) combo->setCompleter(nullptr);
  if (KeyPressWiring* w = existingWiring(combo)) {
    w->setHandler(std::move(handler));
    return;
  }
  (new KeyPressWiring(combo, combo->lineEdit(), combo, std::move(handler)))->attach();
}

namespace {

// Fewer rows than this and the list goes elsewhere rather than shrink to fit.
constexpr int kFewestRows = 3;

// Where the list lives: the form, so that it moves, shows and hides with it (inside the main
// window's area a form's window() is the main window).
QWidget* hostOf(QComboBox* combo) {
  for (QWidget* w = combo->parentWidget(); w; w = w->parentWidget()) {
    if (qobject_cast<VbForm*>(w)) return w;
    if (w->isWindow()) return w;
  }
  return combo->window();
}

QRect rectIn(QWidget* host, QWidget* w) { return QRect(w->mapTo(host, QPoint(0, 0)), w->size()); }

}  // namespace

TypedProposals::TypedProposals(QComboBox* combo) : QObject(combo), combo_(combo), comboObject_(combo) {
  auto* view = new QListView(hostOf(combo));
  view->setObjectName(combo->objectName() + QStringLiteral("Proposals"));
  view->hide();
  view->setModel(&model_);
  view->setFocusPolicy(Qt::NoFocus);
  view->viewport()->setFocusPolicy(Qt::NoFocus);
  view->setEditTriggers(QAbstractItemView::NoEditTriggers);
  view->setSelectionMode(QAbstractItemView::SingleSelection);
  view->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  view->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  view->setUniformItemSizes(true);
  view->setFont(combo->font());
  view->setFrameShape(QFrame::Box);
  view->setAutoFillBackground(true);
  // The list never has the focus; its highlight is the one an open list shows.
  QPalette palette = view->palette();
  for (const QPalette::ColorRole role : {QPalette::Highlight, QPalette::HighlightedText})
    palette.setColor(QPalette::Inactive, role, palette.color(QPalette::Active, role));
  view->setPalette(palette);
  view_ = view;
  entriesObject_ = view->viewport();
  view->viewport()->installEventFilter(this);
  combo->installEventFilter(this);
  combo->view()->window()->installEventFilter(this);
}

TypedProposals::~TypedProposals() {
  if (!view_) return;
  view_->viewport()->removeEventFilter(this);
  delete view_.data();
}

QListView* TypedProposals::View() const { return view_; }

bool TypedProposals::IsShown() const { return view_ && view_->isVisible(); }

void TypedProposals::Close() {
  if (view_) view_->hide();
}

void TypedProposals::Follow(int KeyAscii) {
  if (!combo_ || !combo_->lineEdit()) return;
  const QLineEdit* e = combo_->lineEdit();
  if (KeyAscii >= 32) {
    // The completed tail is selected: what precedes it is what was typed.
    show(e->hasSelectedText() ? e->text().left(e->selectionStart()) : e->text(), combo_->currentIndex());
  } else if (KeyAscii == 8) {
    show(e->text(), -1);
  } else if (KeyAscii == 13 || KeyAscii == 27) {
    Close();
  }
}

void TypedProposals::show(const QString& typed, int proposed) {
  if (!combo_ || !view_) return;
  const QAbstractItemModel* listed = combo_->model();
  const int column = combo_->modelColumn();
  if (typed.isEmpty() || !listed || listed->rowCount() == 0) {
    Close();
    return;
  }
  QStringList texts;
  if (proposed >= 0 && proposed < listed->rowCount()) texts << listed->index(proposed, column).data().toString();
  // The list's own search: a long list answers it without making a row of the model for each entry.
  const QModelIndexList hits =
      listed->match(listed->index(0, column), Qt::DisplayRole, typed, kRows + 1, Qt::MatchStartsWith);
  for (const QModelIndex& hit : hits)
    if (texts.size() < kRows && hit.row() != proposed) texts << hit.data().toString();
  if (texts.isEmpty()) {
    Close();
    return;
  }
  typed_ = typed;
  model_.setStringList(texts);
  place(int(texts.size()));
  if (proposed >= 0)
    view_->selectionModel()->setCurrentIndex(model_.index(0), QItemSelectionModel::ClearAndSelect);
  else
    view_->selectionModel()->clear();
  view_->scrollToTop();
  view_->show();
  view_->raise();
}

void TypedProposals::place(int rows) {
  QWidget* host = view_->parentWidget();
  const QRect box = rectIn(host, combo_);
  const QFontMetrics metrics(view_->font());
  const int frame = 2 * view_->frameWidth();
  const int rowHeight = std::max(view_->sizeHintForRow(0), metrics.height());
  int widest = 0;
  for (const QString& text : model_.stringList()) widest = std::max(widest, metrics.horizontalAdvance(text));
  const int width = std::clamp(widest + frame + 4 * metrics.averageCharWidth(), box.width() / 2, box.width());

  // The boxes, buttons and lists of the form a click would give the focus to: the list must not
  // lie over them, or a click aimed at one would reach it.
  QList<QRect> keepClear;
  for (QWidget* w : host->findChildren<QWidget*>()) {
    if (w == view_ || view_->isAncestorOf(w) || w == combo_ || combo_->isAncestorOf(w) || w->isWindow() ||
        !w->isVisible() || !w->isEnabled() || !(w->focusPolicy() & Qt::ClickFocus))
      continue;
    keepClear << rectIn(host, w);
  }
  const auto fits = [&](const QRect& r) {
    if (!host->rect().contains(r)) return false;
    return std::none_of(keepClear.begin(), keepClear.end(), [&r](const QRect& k) { return k.intersects(r); });
  };
  const auto at = [&](int where, int n) {
    const int height = n * rowHeight + frame;
    switch (where) {
      case 0: return QRect(box.left(), box.bottom() + 1, width, height);                   // below
      case 1: return QRect(box.right() + 1, box.top(), width, height);                     // beside, down
      case 2: return QRect(box.right() + 1, box.bottom() + 1 - height, width, height);     // beside, up
      default: return QRect(box.left(), box.top() - height, width, height);                // above
    }
  };
  for (int where = 0; where < 4; ++where)
    for (int n = rows; n >= std::min(rows, kFewestRows); --n)
      if (fits(at(where, n))) {
        view_->setGeometry(at(where, n));
        return;
      }
  view_->setGeometry(at(1, rows));
}

void TypedProposals::step(int by) {
  if (!combo_ || !combo_->lineEdit() || !view_ || model_.rowCount() == 0) return;
  const QModelIndex current = view_->selectionModel()->currentIndex();
  const int from = current.isValid() && view_->selectionModel()->isSelected(current) ? current.row() : -1;
  const int to = std::clamp(from < 0 ? 0 : from + by, 0, model_.rowCount() - 1);
  view_->selectionModel()->setCurrentIndex(model_.index(to), QItemSelectionModel::ClearAndSelect);
  // The box shows the entry as the completion would have: the keys typed, then its tail selected,
  // so that the next key typed goes on from what was typed.
  const QString entry = model_.index(to).data().toString();
  const int at = combo_->findText(entry, Qt::MatchFixedString | Qt::MatchCaseSensitive);
  if (at >= 0)
    combo_->setCurrentIndex(at);
  else
    combo_->setEditText(entry);
  QLineEdit* e = combo_->lineEdit();
  if (e->text() != entry) e->setText(entry);
  const int kept = entry.startsWith(typed_, Qt::CaseInsensitive) ? int(typed_.size()) : 0;
  e->setSelection(kept, int(entry.size()) - kept);
}

bool TypedProposals::eventFilter(QObject* watched, QEvent* event) {
  if (watched == entriesObject_) {
    // A pick on the press: the focus the press may give elsewhere must not close the list first.
    if (event->type() == QEvent::MouseButtonPress && static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton &&
        view_) {
      const QModelIndex entry = view_->indexAt(static_cast<QMouseEvent*>(event)->position().toPoint());
      if (entry.isValid()) {
        const QString text = entry.data().toString();
        Close();
        emit Picked(text);
      }
      return true;
    }
    if (event->type() == QEvent::MouseButtonRelease || event->type() == QEvent::MouseButtonDblClick ||
        event->type() == QEvent::MouseMove)
      return true;
    return false;
  }
  if (watched == comboObject_) {
    if (event->type() == QEvent::KeyPress && IsShown()) {
      // The arrows walk the entries listed, not the whole list behind the box: the clerk moves
      // through what is shown.
      const auto* key = static_cast<QKeyEvent*>(event);
      const bool plain = !(key->modifiers() & (Qt::AltModifier | Qt::ControlModifier | Qt::ShiftModifier));
      if (plain && (key->key() == Qt::Key_Down || key->key() == Qt::Key_Up)) {
        step(key->key() == Qt::Key_Down ? 1 : -1);
        return true;
      }
    }
    if (event->type() == QEvent::Hide) Close();
    if (event->type() == QEvent::FocusOut && static_cast<QFocusEvent*>(event)->reason() != Qt::PopupFocusReason)
      Close();
  } else if (event->type() == QEvent::Show) {
    Close();  // the box's own drop-down opened over it
  }
  return false;
}

TypedProposals* TypedProposalsOf(const QComboBox* combo) {
  if (!combo) return nullptr;
  for (QObject* child : combo->children())
    if (auto* typed = qobject_cast<TypedProposals*>(child)) return typed;
  return nullptr;
}

TypedProposals* ListTypedProposals(QComboBox* combo) {
  if (!combo) return nullptr;
  if (TypedProposals* typed = TypedProposalsOf(combo)) return typed;
  return new TypedProposals(combo);
}
