// The staff and price-list rows as the data modules read and write them: every field of a row
// struct lands in the column of its own name, and reads back from there.
#include <functional>

#include "data/doctors.h"
#include "data/employees.h"
#include "data/pricelists.h"
#include "masters_support.h"

namespace {

struct RowCase {
  const char* table;
  const char* const* columns;
  int columnCount;
  TableRead read;
  // Writes a row whose every field holds its column's name into the current row; then reads
  // the current row back and says whether it is that same row.
  std::function<void(Recordset&)> write;
  std::function<bool(const Recordset&)> readsBack;
};

std::vector<RowCase> Cases() {
  namespace D = cols::SettingDrDetails;
  namespace E = cols::SettingsEmployeeDetails;
  namespace L = cols::SettingsLab;
  namespace X = cols::SettingsXRay;
  static const Doctor doctor{.doctorId = "DoctorID", .firstName = "FirstName", .lastName = "LastName",
                             .sex = "Sex", .mobilePhone = "MobilePhone", .homePhone = "HomePhone",
                             .dateOfBirth = "DateOfBirth", .age = "Age", .pagerNumber = "PagerNumber",
                             .address = "Address", .emailId = "EmailId", .doctorType = "DoctorType",
                             .qualification = "Qualification", .specialization = "Specialization",
                             .inTime = "InTime", .outTime = "OutTime", .availableDays = "AvailableDays"};
  static const Employee employee{.employeeId = "EmployeeID", .firstName = "FirstName", .lastName = "LastName",
                                 .sex = "Sex", .mobilePhone = "MobilePhone", .homePhone = "HomePhone",
                                 .dateOfBirth = "DateOfBirth", .age = "Age", .pagerNumber = "PagerNumber",
                                 .address = "Address", .emailId = "EmailId", .employeeType = "EmployeeType",
                                 .qualification = "Qualification"};
  static const LabTest lab{.description = "Description", .amount = "Amount"};
  static const XRayTest xray{.description = "Description", .adultAmount = "AdultAmount",
                             .childrenAmount = "ChildrenAmount"};
  return {
      {D::kTable, D::kColumns, D::kColumnCount, DoctorsRead(),
       [](Recordset& rs) { WriteDoctor(rs, doctor); },
       [](const Recordset& rs) { return ReadDoctor(rs) == doctor; }},
      {E::kTable, E::kColumns, E::kColumnCount, EmployeesRead(),
       [](Recordset& rs) { WriteEmployee(rs, employee); },
       [](const Recordset& rs) { return ReadEmployee(rs) == employee; }},
      {L::kTable, L::kColumns, L::kColumnCount, LabTestsRead(),
       [](Recordset& rs) { WriteLabTest(rs, lab); },
       [](const Recordset& rs) { return ReadLabTest(rs) == lab; }},
      {X::kTable, X::kColumns, X::kColumnCount, XRayTestsRead(),
       [](Recordset& rs) { WriteXRayTest(rs, xray); },
       [](const Recordset& rs) { return ReadXRayTest(rs) == xray; }},
      {X::kTable, X::kColumns, X::kColumnCount, XRayTestsSortedRead(),
       [](Recordset& rs) { WriteXRayTest(rs, xray); },
       [](const Recordset& rs) { return ReadXRayTest(rs) == xray; }},
  };
}

class RowsByNameTest : public MastersTest {};

TEST_F(RowsByNameTest, EveryFieldIsStoredInItsOwnColumnAndReadBackFromIt) {
  for (const RowCase& c : Cases()) {
    SCOPED_TRACE(c.read.Sql().toStdString());
    const QString table = QLatin1String(c.table);
    exec(QStringLiteral("DELETE FROM %1").arg(table));
    {
      Recordset rs;
      rs.Open(c.read, openDb(), adOpenStatic, adLockOptimistic);
      rs.AddNew();
      c.write(rs);
      rs.Update();
    }
    for (int i = 0; i < c.columnCount; ++i) {
      const QString column = QLatin1String(c.columns[i]);
      EXPECT_EQ(scalar(QStringLiteral("SELECT %1 FROM %2").arg(column, table)).toStdString(), column.toStdString());
    }
    Recordset back;
    back.Open(c.read, openDb(), adOpenStatic, adLockReadOnly);
    ASSERT_FALSE(back.Eof());
    EXPECT_TRUE(c.readsBack(back));
  }
}

}  // namespace
