#include "framework/mainmenus.h"

#include <QPointer>

namespace {
struct Hooks {
  QPointer<QObject> owner;
  bool owned = false;
  MainMenuHook hide, show;
};
Hooks& hooks() {
  static Hooks h;
  return h;
}
QPointer<QLineEdit>& userTypeBox() {
  static QPointer<QLineEdit> b;
  return b;
}
// The hooks of a main window that is gone must not run.
bool live() { return !hooks().owned || hooks().owner; }
}  // namespace

void SetMainMenuHooks(QObject* owner, MainMenuHook hide, MainMenuHook show) {
  hooks() = {owner, owner != nullptr, std::move(hide), std::move(show)};
}

void ClearMainMenuHooks() { hooks() = {}; }

void HideMainMenus(QLineEdit* UserTypeBox) {
  if (live() && hooks().hide) hooks().hide(UserTypeBox);
}

void ShowMainMenus(QLineEdit* UserTypeBox) {
  if (live() && hooks().show) hooks().show(UserTypeBox);
}

void SetCurrentUserTypeBox(QLineEdit* box) { userTypeBox() = box; }
QLineEdit* CurrentUserTypeBox() { return userTypeBox().data(); }
