#include "framework/recordhotkeys.h"

#include <QCoreApplication>
#include <QEvent>
#include <QPointer>
#include <QWidget>

#include "framework/recordform.h"
#include "globals.h"
#include "platform/hotkeys.h"
#include "platform/msgbox.h"

std::array<bool, kRecordHotKeyCount> gHotKeyRegistered{};

namespace {

// Virtual-key codes of the ids 0..9.
constexpr char kKeys[kRecordHotKeyCount] = {'A', 'M', 'D', 'S', 'C', 'F', 'P', 'N', 'L', 'V'};

// The window the keys were registered on: the release goes there, whichever form is active by
// then.
QPointer<QWidget> gHotKeyWindow;

bool gRunningHotKey = false;

// Stands in for the window procedure: sits on the record form's window and takes its hot keys.
class HotKeyHook : public QObject {
public:
  explicit HotKeyHook(QObject* window) : QObject(window) { setObjectName(QStringLiteral("HotKeyWindowProc")); }

protected:
  bool eventFilter(QObject* watched, QEvent* event) override { return HotKeyWindowProc(watched, event); }
};

QString failureText(int id) {
  const QString key = QStringLiteral("CTRL+") + QLatin1Char(kKeys[id]);
  // The CTRL+C text has always read "0r", with a zero.
  const QString head = kKeys[id] == 'C' ? QStringLiteral("Can not register all 0r one of the hotkeys ")
                                        : QStringLiteral("Can not register all or one of the hotkeys ");
  return head + key +
         QStringLiteral(" ... Try other keys this key is already registered by some other running applications.");
}

}  // namespace

void RegisterRecordHotKeys() {
  QWidget* window = gActiveForm.data();
  gHotKeyWindow = window;
  for (int id = 0; id < kRecordHotKeyCount; ++id) {
    gHotKeyRegistered[std::size_t(id)] = RegisterHotKey(window, id, MOD_CONTROL, kKeys[id]);
    if (!gHotKeyRegistered[std::size_t(id)]) MsgBox(failureText(id), vbCritical + vbOKOnly);
  }
  if (window && !window->findChild<HotKeyHook*>(QStringLiteral("HotKeyWindowProc"), Qt::FindDirectChildrenOnly))
    window->installEventFilter(new HotKeyHook(window));
}

void UnregisterRecordHotKeys() {
  for (int id = 0; id < kRecordHotKeyCount; ++id) {
    if (!gHotKeyRegistered[std::size_t(id)]) continue;
    UnregisterHotKey(gHotKeyWindow.data(), id);
    gHotKeyRegistered[std::size_t(id)] = false;
  }
}

bool HotKeyWindowProc(QObject* hWnd, QEvent* uMsg) {
  (void)hWnd;
  if (uMsg->type() != HotKeyEvent::EventType()) return false;
  RunHotKeyCommand(static_cast<HotKeyEvent*>(uMsg)->Id());
  return true;
}

void RunHotKeyCommand(int HotKeyId) {
  // A hot key pressed while the previous one is still at work (its question open, say) would
  // run a second command in the middle of the first.
  if (gRunningHotKey) return;
  struct Running {
    Running() { gRunningHotKey = true; }
    ~Running() { gRunningHotKey = false; }
  } running;
  QCoreApplication::processEvents();
  if (auto* form = dynamic_cast<RecordCommands*>(gActiveForm.data())) {
    switch (HotKeyId) {
      case 0: form->addnew(); break;
      case 1: form->edit(); break;
      case 2: form->Delete(); break;
      case 3: form->save(); break;
      case 4: form->Cancel(); break;
      case 5: form->movef(); break;
      case 6: form->moven(); break;
      case 7: form->movep(); break;
      case 8: form->movel(); break;
      case 9: form->viewall(); break;
      default: break;
    }
  }
}
