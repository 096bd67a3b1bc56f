#pragma once
// What a menu form asks of the main window without knowing it: hide the menu movies while the
// form is open, show them again when it closes. The main window registers the two hooks when it
// loads; the login registers the box that holds the logged-in user's type (CurrentUserType).
// The login keeps the same type in gUserType too; the menus are chosen by the box.
//
// A menu form's load calls HideMainMenus(CurrentUserTypeBox()), its unload
// ShowMainMenus(CurrentUserTypeBox()) (MenuForm does both). With no main window registered both
// do nothing.
#include <QLineEdit>
#include <QObject>
#include <functional>

using MainMenuHook = std::function<void(QLineEdit* UserTypeBox)>;

// The hooks are dropped when owner is destroyed (a null owner keeps them until replaced).
void SetMainMenuHooks(QObject* owner, MainMenuHook hide, MainMenuHook show);
void ClearMainMenuHooks();

void HideMainMenus(QLineEdit* UserTypeBox);
void ShowMainMenus(QLineEdit* UserTypeBox);

// The login window's field holding CurrentUserType; nullptr when none is registered (or gone).
void SetCurrentUserTypeBox(QLineEdit* box);
QLineEdit* CurrentUserTypeBox();
