#include "billing/labxray/testreports.h"

namespace {

QDate dateOf(const Value& v) { return v.toDate().value_or(QDate()); }

void addRow(TestReportList& list, QStringList texts, const Money& amount) {
  texts.prepend(Format00(qint64(list.rows.size()) + 1));
  texts << amount.Format2();
  list.rows.push_back(texts);
  list.total = (list.total + amount).Round2();
}

}  // namespace

TestReportList TestCollectionRows(Recordset& bills, const QDate& from, const QDate& to) {
  TestReportList list;
  for (bills.MoveFirst(); !bills.Eof(); bills.MoveNext()) {
    const QDate date = dateOf(bills.Fields(1));
    if (!date.isValid() || date < from || date > to) continue;
    const QString text = bills.Fields(0).toText() + QStringLiteral(" - ") + bills.Fields(3).toText() +
                         QStringLiteral(" - ") + DateText(date) + QStringLiteral("-") + bills.Fields(4).toText();
    addRow(list, {text}, Money::Parse(bills.Fields(2).toText()));
  }
  return list;
}

TestReportList CancelledTestRows(Recordset& bills, const QDate& day) {
  TestReportList list;
  for (bills.MoveFirst(); !bills.Eof(); bills.MoveNext()) {
    if (dateOf(bills.Fields(1)) != day) continue;
    addRow(list, {bills.Fields(2).toText(), bills.Fields(0).toText()}, Money::Parse(bills.Fields(3).toText()));
  }
  return list;
}
