#include "platform/hotkeys.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPointer>
#include <algorithm>
#include <set>
#include <utility>
#include <vector>

namespace {

struct Registration {
  QPointer<QWidget> window;
  int id = 0;
  int modifiers = 0;
  int vk = 0;
};

std::vector<Registration>& registrations() {
  static std::vector<Registration> list;
  return list;
}

std::set<std::pair<int, int>>& heldElsewhere() {
  static std::set<std::pair<int, int>> held;
  return held;
}

// A window that is gone holds nothing any more.
void dropDeadWindows() {
  auto& list = registrations();
  list.erase(std::remove_if(list.begin(), list.end(), [](const Registration& r) { return r.window.isNull(); }),
             list.end());
}

int modifierFlags(Qt::KeyboardModifiers m) {
  int flags = 0;
  if (m & Qt::AltModifier) flags |= MOD_ALT;
  if (m & Qt::ControlModifier) flags |= MOD_CONTROL;
  if (m & Qt::ShiftModifier) flags |= MOD_SHIFT;
  return flags;
}

const Registration* match(const QKeyEvent* key) {
  if (key->modifiers() & Qt::MetaModifier) return nullptr;
  const int flags = modifierFlags(key->modifiers());
  for (const Registration& r : registrations())
    if (r.window && r.modifiers == flags && r.vk == key->key()) return &r;
  return nullptr;
}

// Sits in front of every widget of the program.
class HotKeyFilter : public QObject {
public:
  using QObject::QObject;

protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    const QEvent::Type type = event->type();
    if (type != QEvent::KeyPress && type != QEvent::ShortcutOverride) return QObject::eventFilter(watched, event);
    if (QApplication::activeModalWidget()) return false;  // a message box has the keys
    const Registration* r = match(static_cast<QKeyEvent*>(event));
    if (!r) return false;
    if (type == QEvent::ShortcutOverride) {
      // Claimed, so that no shortcut takes it; the press that follows is ours.
      event->accept();
      return true;
    }
    QPointer<QWidget> window = r->window;
    HotKeyEvent hot(r->id);
    QCoreApplication::sendEvent(window.data(), &hot);
    return true;
  }
};

void ensureFilter() {
  static QPointer<HotKeyFilter> filter;
  if (filter || !QCoreApplication::instance()) return;
  filter = new HotKeyFilter(QCoreApplication::instance());
  QCoreApplication::instance()->installEventFilter(filter);
}

}  // namespace

HotKeyEvent::HotKeyEvent(int id) : QEvent(EventType()), id_(id) {}

QEvent::Type HotKeyEvent::EventType() {
  static const QEvent::Type type = QEvent::Type(QEvent::registerEventType());
  return type;
}

bool RegisterHotKey(QWidget* hWnd, int id, int fsModifiers, int vk) {
  if (!hWnd) return false;
  dropDeadWindows();
  if (heldElsewhere().count({fsModifiers, vk})) return false;
  auto& list = registrations();
  for (const Registration& r : list)
    if (r.modifiers == fsModifiers && r.vk == vk && !(r.window == hWnd && r.id == id)) return false;
  UnregisterHotKey(hWnd, id);
  list.push_back({hWnd, id, fsModifiers, vk});
  ensureFilter();
  return true;
}

bool UnregisterHotKey(QWidget* hWnd, int id) {
  auto& list = registrations();
  const auto it = std::find_if(list.begin(), list.end(),
                               [&](const Registration& r) { return r.window == hWnd && r.id == id; });
  if (it == list.end() || !hWnd) return false;
  list.erase(it);
  return true;
}

void SetHotKeyHeldElsewhere(int fsModifiers, int vk, bool held) {
  if (held)
    heldElsewhere().insert({fsModifiers, vk});
  else
    heldElsewhere().erase({fsModifiers, vk});
}
