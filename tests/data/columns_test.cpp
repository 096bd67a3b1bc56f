// The named columns are the tables' columns, in their stored order, and nothing but them.
#include <QStringList>

#include "data/columns.h"
#include "support/fixture.h"

namespace {

class ColumnsTest : public HalvionTest {};

TEST_F(ColumnsTest, EveryTableOfTheSchemaIsNamedColumnByColumnInItsOrder) {
  QStringList named;
  for (const cols::TableColumns& t : cols::kAllTables) {
    SCOPED_TRACE(t.table);
    named << QString::fromLatin1(t.table);
    QStringList listed;
    for (int i = 0; i < t.count; ++i) listed << QString::fromLatin1(t.columns[i]);
    EXPECT_EQ(listed.join(u','),
              scalar(QStringLiteral("SELECT group_concat(name, ',') FROM (SELECT name FROM pragma_table_info('%1') "
                                    "ORDER BY cid)")
                         .arg(QString::fromLatin1(t.table))));
  }
  named.sort();
  EXPECT_EQ(named.join(u','), scalar(QStringLiteral("SELECT group_concat(name, ',') FROM (SELECT name FROM "
                                                    "sqlite_master WHERE type = 'table' AND name NOT LIKE 'sqlite_%' "
                                                    "ORDER BY name)")));
  // An ordinal is the position in that order.
  EXPECT_EQ(cols::SettingDrDetails::AvailableDays, 16);
  EXPECT_EQ(cols::InPatientPrintDetails::Advance, 16);
  EXPECT_EQ(cols::LabPrintDetails::kColumnCount, 10);
}

}  // namespace
