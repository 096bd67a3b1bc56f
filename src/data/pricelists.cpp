#include "data/pricelists.h"

namespace L = cols::SettingsLab;
namespace X = cols::SettingsXRay;

const QString& LabTestsSql() {
  static const QString sql = QStringLiteral("SELECT * FROM SettingsLab Order by Description");
  return sql;
}

const QString& XRayTestsSql() {
  static const QString sql = QStringLiteral("SELECT * FROM SettingsXRay");
  return sql;
}

const QString& XRayTestsSortedSql() {
  static const QString sql = QStringLiteral("SELECT * FROM SettingsXRay Order by Description");
  return sql;
}

LabTest ReadLabTest(const Recordset& rs) {
  return LabTest{rs.Fields(L::Description).toText(), rs.Fields(L::Amount).toText()};
}

void WriteLabTest(Recordset& rs, const LabTest& t) {
  rs.SetField(L::Description, t.description);
  rs.SetField(L::Amount, t.amount);
}

XRayTest ReadXRayTest(const Recordset& rs) {
  return XRayTest{rs.Fields(X::Description).toText(), rs.Fields(X::AdultAmount).toText(),
                  rs.Fields(X::ChildrenAmount).toText()};
}

void WriteXRayTest(Recordset& rs, const XRayTest& t) {
  rs.SetField(X::Description, t.description);
  rs.SetField(X::AdultAmount, t.adultAmount);
  rs.SetField(X::ChildrenAmount, t.childrenAmount);
}
