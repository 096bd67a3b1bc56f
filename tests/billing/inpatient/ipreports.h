#pragma once
// The in-patient cancellation and report forms on a database of in-patient bills, and the few
// steps a user takes on them.
#include <QApplication>
#include <QStringList>
#include <QTreeWidget>
#include <algorithm>
#include <initializer_list>
#include <vector>
#include <ostream>

#include "globals.h"
#include "support/fixture.h"
#include "support/input.h"

// One bill row; a null pointer stores no value.
struct InBillRow {
  const char* billNo;
  const char* date;  // ISO
  const char* ecg;
  const char* scan;
  const char* total;
  const char* name;
  const char* id;
  const char* status = "Available";
};

class InReportsTest : public HalvionTest {
protected:
  void SetUp() override {
    HalvionTest::SetUp();
    gCon = openDb();
  }

  static QString sqlText(const char* v) {
    if (!v) return QStringLiteral("NULL");
    return QLatin1Char('\'') + QString::fromUtf8(v).replace(QLatin1Char('\''), QStringLiteral("''")) +
           QLatin1Char('\'');
  }

  // Rows in this order (their rowid order); the charges other than ECG and Scan are empty.
  void insert(std::initializer_list<InBillRow> rows) const {
    for (const InBillRow& r : rows)
      exec(QStringLiteral("INSERT INTO InPatientPrintDetails(BillNo, Date, BedCharges, ProfessionalCharges,"
                          " NursingCharges, OTCharges, AnestheticCharges, XRay, LabCharges, ECG, Scan, Others,"
                          " total, patientName, patientid, BillDelete)"
                          " VALUES (%1, %2, '', '', '', '', '', '', '', %3, %4, '', %5, %6, %7, %8)")
               .arg(sqlText(r.billNo), sqlText(r.date), sqlText(r.ecg), sqlText(r.scan), sqlText(r.total),
                    sqlText(r.name), sqlText(r.id), sqlText(r.status)));
  }

  template <class F>
  F* open() {
    F* f = LoadForm<F>();
    if (f) {
      f->Show();
      QApplication::setActiveWindow(f->FormWindow());
    }
    return f;
  }

  // The list's rows, one "text|sub 1|sub 2..." each.
  static QStringList rowsOf(const QTreeWidget* list) {
    QStringList out;
    for (int i = 0; i < list->topLevelItemCount(); ++i) {
      const QTreeWidgetItem* it = list->topLevelItem(i);
      QStringList cells;
      for (int c = 0; c < list->columnCount(); ++c) cells << it->text(c);
      out << cells.join(QLatin1Char('|'));
    }
    return out;
  }

  // Every column of every bill row, in rowid order, "<null>" for no value.
  QStringList table() const {
    Recordset rs;
    rs.Open(QStringLiteral("SELECT * FROM InPatientPrintDetails ORDER BY rowid"), openDb());
    QStringList out;
    for (rs.MoveFirst(); !rs.Eof(); rs.MoveNext()) {
      QStringList cells;
      for (int i = 0; i < rs.FieldCount(); ++i)
        cells << (rs.Fields(i).IsNull() ? QStringLiteral("<null>") : rs.Fields(i).toText());
      out << cells.join(QLatin1Char('|'));
    }
    return out;
  }

  // What one sheet holds on the line at `y`, from left to right: "x:text" for each text, and a
  // run of single characters 110 apart (a right-aligned text) as "first..last:text".
  QString lineAt(std::size_t sheet, double y) const {
    const auto sheets = const_cast<InReportsTest*>(this)->printer().Sheets();
    if (sheet >= sheets.size()) return QStringLiteral("<no sheet>");
    std::vector<PrintedItem> items;
    for (const PrintedItem& it : sheets[sheet])
      if (it.y == y) items.push_back(it);
    std::stable_sort(items.begin(), items.end(), [](const PrintedItem& a, const PrintedItem& b) { return a.x < b.x; });
    QStringList parts;
    for (std::size_t i = 0; i < items.size();) {
      std::size_t j = i + 1;
      QString text = items[i].text;
      if (text.size() == 1)
        while (j < items.size() && items[j].text.size() == 1 && items[j].x == items[j - 1].x + 110) text += items[j++].text;
      parts << (j - i > 1 ? QStringLiteral("%1..%2:%3").arg(items[i].x).arg(items[j - 1].x).arg(text)
                          : QStringLiteral("%1:%2").arg(items[i].x).arg(text));
      i = j;
    }
    return parts.join(QLatin1Char(' '));
  }
};
