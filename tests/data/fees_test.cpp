// A fee row as the fee form reads and writes it.
#include "data/fees.h"
#include "support/fixture.h"

namespace {

class FeeDataTest : public HalvionTest {};

TEST_F(FeeDataTest, AFeeIsReadAndWrittenWhole) {
  exec(QStringLiteral("INSERT INTO SettingsConsultant VALUES (NULL, 'Dr A', '100', 'OP1')"));
  const auto con = openDb();
  Recordset rs;
  rs.Open(FeesRecordRead(), con, adOpenDynamic, adLockOptimistic);
  ASSERT_FALSE(rs.Eof());
  Fee f = ReadFee(rs);
  EXPECT_FALSE(f.date.isValid());  // no date stored: the form shows today's
  EXPECT_EQ(f.doctor, "Dr A");
  EXPECT_EQ(f.amount, "100");
  EXPECT_EQ(f.patientId, "OP1");
  WriteFee(rs, {QDate(2026, 12, 1), "Dr B", "250", "IP2"});
  rs.Update();
  rs.Requery();
  f = ReadFee(rs);
  EXPECT_EQ(f.date, QDate(2026, 12, 1));
  EXPECT_EQ(f.doctor + f.amount + f.patientId, "Dr B250IP2");
}

}  // namespace
