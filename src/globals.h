#pragma once
// The program's shared state, under the names every form uses.
#include <QPointer>
#include <QString>
#include <QWidget>
#include <memory>

#include "platform/ado.h"

extern std::shared_ptr<Connection> gCon;  // the shared connection; ConnectDB replaces it
extern QString gConStr;                   // the path ConnectDB opened
extern QPointer<QWidget> gActiveForm;     // the menu form opened last; empty once it is gone
extern QString gUserName;                 // the logged-in user's name
extern QString gUserType;                 // the logged-in user's type ("Admin", "Doctor", ...)
extern QString gMenuView;                 // "Horizontal" or "Vertical"
extern int gScreenWidth;                  // the display mode saved at start, set back at exit
extern int gScreenHeight;
extern int gScreenBits;

// Back to the state of a program that has just started (the test fixture calls it).
void ResetGlobals();
