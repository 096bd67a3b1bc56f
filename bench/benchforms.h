#pragma once
// The benchmark's table: each form is one entry (its menu command, how it opens, and what is
// measured with it open). The benchmark times the entries on the ten-year file; the scale test
// runs every entry once on a small file so that the table keeps working as the forms change.
#include <QDate>
#include <QString>
#include <functional>
#include <vector>

#include "framework/vbform.h"

// What a figure is held against.
enum class BenchTarget { None, MenuForm, Keystroke, PrintSave, DayReport, MonthReport };
double TargetMs(BenchTarget target);  // 0 for None
// The ratio to the sqlite3 shell a report figure may reach (0: no ratio).
double TargetRatio(BenchTarget target);

// The days the reports are asked for.
struct BenchDays {
  QDate day;         // one day with bills
  QDate monthFirst;  // one whole month
  QDate monthLast;
};
BenchDays DefaultBenchDays();

struct BenchAction {
  QString what;  // "generate one day"
  BenchTarget target = BenchTarget::None;
  // Untimed set-up before each run (run counts from 0), then the timed user action.
  std::function<void(VbForm*, int run)> prepare;
  std::function<void(VbForm*, int run)> act;
  // The same selection for the sqlite3 shell, and the rows the form listed after act (reports).
  QString selection;
  std::function<int(VbForm*)> listed;
  // After act: what went wrong ("" when the form shows what the action should have given).
  std::function<QString(VbForm*, int run)> check;
};

struct BenchForm {
  QString name;             // "out-patient bill"
  QString command;          // the menu command that opens it
  std::function<VbForm*()> open;  // opens it through that command (nullptr when its load closed it)
  std::vector<BenchAction> actions;
};

std::vector<BenchForm> BenchForms(const BenchDays& days);

// Lets queued events run so the form is painted and ready for the user.
void SettleEvents();
// Unloads whatever form the action left open.
void CloseForm(VbForm* form);
