#include "billing/labxray/testreports.h"

ReportList TestCollectionRows(Recordset& bills, const QDate& from, const QDate& to) {
  ReportList list;
  EachRow(bills, [&] {
    const Value date = bills.Fields(1);
    if (!DayInRange(date, from, to)) return;
    const QString text = bills.Fields(0).toText() + QStringLiteral(" - ") + bills.Fields(3).toText() +
                         QStringLiteral(" - ") + DateText(*StoredDay(date)) + QStringLiteral("-") +
                         bills.Fields(4).toText();
    list.Add({text}, bills.Fields(2).toText());
  });
  return list;
}

ReportList CancelledTestRows(Recordset& bills, const QDate& day) {
  ReportList list;
  EachRow(bills, [&] {
    if (!DayInRange(bills.Fields(1), day, day)) return;
    list.Add({bills.Fields(2).toText(), bills.Fields(0).toText()}, bills.Fields(3).toText());
  });
  return list;
}
