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

QString failureText(char letter) {
  const QString key = QStringLiteral("CTRL+") + QLatin1Char(letter);
  // The CTRL+C text has always read "0r", with a zero.
  const QString head = letter == 'C' ? QStringLiteral("Can not register all 0r one of the hotkeys ")
                                        : QStringLiteral("Can not register all or one of the hotkeys ");
  return head + key +
         QStringLiteral(" ... Try other keys this key is already registered by some other running applications.");
}

}  // namespace

void RegisterRecordHotKeys() {
  QWidget* window = gActiveForm.data();
  gHotKeyWindow = window;
  for (int id = 0; id < kRecordHotKeyCount; ++id) {
    const char key = RecordForm::CommandOfHotKey(id)->key;
    gHotKeyRegistered[std::size_t(id)] = RegisterHotKey(window, id, MOD_CONTROL, key);
    if (!gHotKeyRegistered[std::size_t(id)]) MsgBox(failureText(key), vbCritical + vbOKOnly);
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
  const RecordCommandInfo* command = RecordForm::CommandOfHotKey(HotKeyId);
  if (!command) return;
  if (auto* form = dynamic_cast<RecordCommandTarget*>(gActiveForm.data())) form->Run(command->command);
}
