#include "masters/pricelists.h"

#include "data/pricelists.h"

frmViewAllLab::frmViewAllLab() : ListForm(LabListConfig()) {}

ListFormConfig frmViewAllLab::LabListConfig() {
  ListFormConfig c;
  c.title = QString(12, QLatin1Char(' ')) + QStringLiteral("View All Lab Details");
  c.caption = QStringLiteral("View All Lab");
  c.read = LabTestsRead();
  c.columns = {
      {QStringLiteral("No."), 500, ListColumn::kRowNumber},
      {QStringLiteral("Investigation"), 1500, cols::SettingsLab::Description},
      {QStringLiteral("Amount"), 1500, cols::SettingsLab::Amount},
  };
  return c;
}

frmViewAllXRay::frmViewAllXRay() : ListForm(XRayListConfig()) {}

ListFormConfig frmViewAllXRay::XRayListConfig() {
  ListFormConfig c;
  c.title = QString(12, QLatin1Char(' ')) + QStringLiteral("View All XRay Details");
  c.caption = QStringLiteral("View All XRay Details");
  c.read = XRayTestsSortedRead();
  c.columns = {
      {QStringLiteral("No."), 500, ListColumn::kRowNumber},
      {QStringLiteral("Description"), 1500, cols::SettingsXRay::Description},
      {QStringLiteral("Adult(Amt)"), 1500, cols::SettingsXRay::AdultAmount},
      {QStringLiteral("Children ( Amt )"), 1500, cols::SettingsXRay::ChildrenAmount},
  };
  return c;
}
