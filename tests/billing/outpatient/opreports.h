#pragma once
// The out-patient cancellation and report forms on a database whose bills the tests insert
// straight into the table, and the few user actions the tests repeat.
#include <QApplication>
#include <QTreeWidget>

#include "framework/imagebutton.h"
#include "framework/vbform.h"
#include "globals.h"
#include "support/fixture.h"
#include "support/input.h"

class OpReportsTest : public HalvionTest {
protected:
  struct Bill {
    int no;
    const char* date;   // ISO, or nullptr for NULL
    const char* ecg;    // nullptr for NULL
    const char* scan;
    const char* total;  // nullptr for NULL
    const char* name;
    const char* id;
    const char* status = "Available";
  };

  static QString sqlText(const char* s) {
    return s ? "'" + QString::fromUtf8(s).replace("'", "''") + "'" : QStringLiteral("NULL");
  }
  void insert(const Bill& b) const {
    exec(QString("INSERT INTO OutPatientPrintDetails VALUES (%1, %2, '100', '', '', '', %3, %4, '', %5, %6, %7, %8)")
             .arg(b.no)
             .arg(sqlText(b.date), sqlText(b.ecg), sqlText(b.scan), sqlText(b.total), sqlText(b.name), sqlText(b.id),
                  sqlText(b.status)));
  }
  void insert(std::initializer_list<Bill> bills) const {
    for (const Bill& b : bills) insert(b);
  }

  // Loads and shows a form on the fixture's database; nullptr when its load closed it.
  template <class F>
  F* open() {
    if (!gCon) gCon = openDb();
    F* f = ShowForm<F>();
    if (f) {
      f->activateWindow();
      QApplication::setActiveWindow(f);
    }
    return f;
  }

  // Each item of the list as its texts joined by " | ".
  static QStringList listed(const QTreeWidget* list) {
    QStringList out;
    for (int i = 0; i < list->topLevelItemCount(); ++i) {
      const QTreeWidgetItem* item = list->topLevelItem(i);
      QStringList texts;
      for (int c = 0; c < list->columnCount(); ++c) texts << item->text(c);
      out << texts.join(" | ");
    }
    return out;
  }

  // A new recording printer for the program, in place of the one the test began with.
  void freshPrinter() {
    own_ = std::make_shared<RecordingPrinter>();
    SetPrinter(own_);
  }
  RecordingPrinter& rec() const { return own_ ? *own_ : const_cast<OpReportsTest*>(this)->printer(); }

  // The texts printed at this Y, left to right, single characters of a right-aligned text
  // joined up.
  QString printedLine(double y, int sheet = 0) const {
    const auto sheets = rec().Sheets();
    if (sheet >= int(sheets.size())) return "<no sheet>";
    std::vector<PrintedItem> items;
    for (const PrintedItem& item : sheets[std::size_t(sheet)])
      if (item.y == y) items.push_back(item);
    std::stable_sort(items.begin(), items.end(), [](const auto& a, const auto& b) { return a.x < b.x; });
    QString out;
    double lastX = -1e9;
    for (const PrintedItem& item : items) {
      if (!out.isEmpty() && !(item.text.size() == 1 && item.x - lastX == 110)) out += " | ";
      out += item.text;
      lastX = item.x;
    }
    return out;
  }

private:
  std::shared_ptr<RecordingPrinter> own_;
};
