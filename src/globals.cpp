#include "globals.h"

std::shared_ptr<Connection> gCon;
QString gConStr;
QPointer<QWidget> gActiveForm;
QString gUserName;
QString gUserType;
QString gMenuView;
int gScreenWidth = 0;
int gScreenHeight = 0;
int gScreenBits = 0;

void ResetGlobals() {
  gCon.reset();
  gConStr.clear();
  gActiveForm.clear();
  gUserName.clear();
  gUserType.clear();
  gMenuView.clear();
  gScreenWidth = 0;
  gScreenHeight = 0;
  gScreenBits = 0;
}
