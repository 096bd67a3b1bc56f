#include "data/pricelists.h"

namespace L = cols::SettingsLab;
namespace X = cols::SettingsXRay;

const TableRead& LabTestsRead() {
  static const TableRead read{.table = cols::TableName(L::kTable), .orderBy = QStringLiteral("Description")};
  return read;
}

const TableRead& XRayTestsRead() {
  static const TableRead read{.table = cols::TableName(X::kTable)};
  return read;
}

const TableRead& XRayTestsSortedRead() {
  static const TableRead read{.table = cols::TableName(X::kTable), .orderBy = QStringLiteral("Description")};
  return read;
}

const TableRead& TestPricesRead(BillKind kind) {
  return kind == BillKind::XRay ? XRayTestsSortedRead() : LabTestsRead();
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
