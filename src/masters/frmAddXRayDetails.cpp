#include "masters/frmAddXRayDetails.h"

#include "data/pricelists.h"
#include "framework/keyfilters.h"
#include "framework/twips.h"
#include "masters/pricelistlayout.h"
#include "masters/pricelists.h"
#include "platform/msgbox.h"
#include "platform/vbruntime.h"

RecordFormConfig frmAddXRayDetails::XRayFormConfig() {
  RecordFormConfig c;
  c.caption = QString(24, QLatin1Char(' ')) + QStringLiteral("Add XRay Details");
  c.height = 6300;
  c.width = 10995;
  c.helpTip = QStringLiteral("XRay Description Here");
  // The record bar walks the tests in the table's own order; the list sorts them.
  c.read = XRayTestsRead();
  c.keyColumn = cols::SettingsXRay::Description;
  c.keyCaseCounts = false;  // the bill forms complete the name with case ignored
  return c;
}

frmAddXRayDetails::frmAddXRayDetails() : RecordForm(XRayFormConfig()) {
  LayOutPriceRow(&Label9, QStringLiteral("Description"), &txtUserName, 1080);
  LayOutPriceRow(&Label4, QStringLiteral("Adult"), &txtPassword, 1440);
  LayOutPriceRow(&Label5, QStringLiteral("Children"), &txtConfirmPassword, 1800);
  MoveTwips(&Picture11, 8100, 1020, 360, 360);
  PlaceRecordButtons(1440, 4320, 5350);
  setTabOrder(&txtUserName, &txtPassword);
  setTabOrder(&txtPassword, &txtConfirmPassword);
  WireKeyPress(&txtPassword, [this](int& k) { k = NumberOnlyKeyPress(&txtPassword, k, false); });
  WireKeyPress(&txtConfirmPassword, [this](int& k) { k = NumberOnlyKeyPress(&txtConfirmPassword, k, false); });
}

frmAddXRayDetails::~frmAddXRayDetails() = default;

void frmAddXRayDetails::display() {
  const XRayTest t = ReadXRayTest(*MainRecordset);
  txtUserName.setText(t.description);
  txtPassword.setText(t.adultAmount);
  txtConfirmPassword.setText(t.childrenAmount);
}

void frmAddXRayDetails::ClearInputs() {
  txtUserName.clear();
  txtPassword.clear();
  txtConfirmPassword.clear();
}

bool frmAddXRayDetails::ValidateSave() {
  auto refuse = [this](const char* text, QLineEdit* focus) {
    Refuse(QLatin1String(text), focus);
    return false;
  };
  if (Trim(txtUserName.text()).isEmpty()) return refuse("Please Fill the Description", &txtUserName);
  if (DuplicateKeyFound()) {
    MsgBox(QStringLiteral("Please Select the Another Name\r\nThis Name Already Available"), vbCritical,
           QStringLiteral("Warning"));
    txtUserName.setFocus();
    return false;
  }
  if (Trim(txtPassword.text()).isEmpty()) return refuse("Please Fill the Adult Amount", &txtPassword);
  if (Trim(txtConfirmPassword.text()).isEmpty())
    return refuse("Please Fill the Childrens Amount", &txtConfirmPassword);
  return true;
}

void frmAddXRayDetails::WriteColumns() {
  WriteXRayTest(*MainRecordset, XRayTest{txtUserName.text(), txtPassword.text(), txtConfirmPassword.text()});
}

void frmAddXRayDetails::ViewAllRecords() { LookUp<frmViewAllXRay>(this); }
