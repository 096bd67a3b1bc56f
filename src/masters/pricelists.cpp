#include "masters/pricelists.h"

frmViewAllLab::frmViewAllLab() : ListForm(LabListConfig()) {}

ListFormConfig frmViewAllLab::LabListConfig() {
  ListFormConfig c;
  c.title = QString(12, QLatin1Char(' ')) + QStringLiteral("View All Lab Details");
  c.caption = QStringLiteral("View All Lab");
  c.sql = QStringLiteral("SELECT * FROM SettingsLab Order by Description");
  c.columns = {
      {QStringLiteral("No."), 500, ListColumn::kRowNumber},
      {QStringLiteral("Investigation"), 1500, 0},
      {QStringLiteral("Amount"), 1500, 1},
  };
  return c;
}

frmViewAllXRay::frmViewAllXRay() : ListForm(XRayListConfig()) {}

ListFormConfig frmViewAllXRay::XRayListConfig() {
  ListFormConfig c;
  c.title = QString(12, QLatin1Char(' ')) + QStringLiteral("View All XRay Details");
  c.caption = QStringLiteral("View All XRay Details");
  c.sql = QStringLiteral("SELECT * FROM SettingsXRay Order by Description");
  c.columns = {
      {QStringLiteral("No."), 500, ListColumn::kRowNumber},
      {QStringLiteral("Description"), 1500, 0},
      {QStringLiteral("Adult(Amt)"), 1500, 1},
      {QStringLiteral("Children ( Amt )"), 1500, 2},
  };
  return c;
}
