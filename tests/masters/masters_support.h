#pragma once
// The staff and price-list forms over tables the test fills, worked as the user works them:
// typing into the boxes, clicking the image buttons, pressing the CTRL keys.
#include <QComboBox>
#include <QLineEdit>
#include <QTest>

#include "framework/imagebutton.h"
#include "framework/mainmenus.h"
#include "framework/recordform.h"
#include "framework/recordhotkeys.h"
#include "framework/vbform.h"
#include "globals.h"
#include "support/fixture.h"
#include "support/record_bar.h"
#include "support/input.h"

class MastersTest : public HalvionTest {
protected:
  void SetUp() override {
    HalvionTest::SetUp();
    gCon = openDb();
  }
  void TearDown() override {
    ClearMainMenuHooks();
    HalvionTest::TearDown();
  }

  template <class F>
  F* open() {
    F* f = ShowForm<F>();
    if (f) {
      f->FormWindow()->activateWindow();
      (void)QTest::qWaitForWindowActive(f->FormWindow());
    }
    return f;
  }

  static std::string mode(RecordForm* form) { return RecordBarMode(form); }

  // The rows of a table in its own order, one column, joined by "|".
  QString column(const QString& table, const QString& col) const {
    return scalar(QStringLiteral("SELECT group_concat(v, '|') FROM (SELECT %1 AS v FROM %2 ORDER BY rowid)")
                      .arg(col, table));
  }
  int count(const QString& table) const {
    return scalar(QStringLiteral("SELECT COUNT(*) FROM %1").arg(table)).toInt();
  }

  const QString kSaved = QStringLiteral("Record Saved Successfully");
  const QString kQuestion = QStringLiteral("Are you sure you want to delete this record?");
};
