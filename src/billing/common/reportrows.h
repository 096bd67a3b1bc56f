#pragma once
// What every bill kind's report lists, without the forms: the numbered rows with their running
// total, the ECG / scan selection of the collection reports, and the calendar day of a stored
// bill date. Each kind chooses its own bills and writes its own row texts beside its forms.
#include <QDate>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

#include "data/reports.h"
#include "platform/vbruntime.h"

// Generate's result: the rows for the list (the serial "00" first, the amount "0.00" last), the
// serial of the last row and the total, rounded to cents after every row.
struct ReportList {
  int serial = 0;
  Money total;
  std::vector<QStringList> rows;

  // Lists one row: the next serial, `texts`, and the leading number of `amountText` (0 when
  // there is none) formatted "0.00", which the total takes in.
  void Add(const QStringList& texts, const QString& amountText);
};

// The collection reports' selection from the ECG and SCAN check boxes (ECG wins).
CollectionMode CollectionModeOf(bool ecgTicked, bool scanTicked);
// The printed title: the ECG and scan titles are the same for every kind; `ordinaryTitle` is the
// kind's own.
QString CollectionTitle(CollectionMode mode, const QString& ordinaryTitle);
// Ordinary: neither an ECG nor a Scan fee; ECG: an ECG fee; Scan: a Scan fee. A fee counts when
// its text, trimmed of blanks, is not empty ("0" counts; a column without a value does not).
// CollectionModeCondition makes the same test in a selection; this one is still made on each row
// read.
bool BillInMode(const Value& ecg, const Value& scan, CollectionMode mode);

// A collection report's row text for a bill listed, of its calendar day, in the mode.
using CollectionRowText = QString (*)(const ReportBill& bill, const QDate& day, CollectionMode mode);
// The bills, in their order, dated from..to, both days included (a daily report passes its day
// twice), in the mode: serial, `text`, amount.
ReportList CollectionRows(const std::vector<ReportBill>& bills, const QDate& from, const QDate& to,
                          CollectionMode mode, CollectionRowText text);

// The stored date as a calendar day; empty for no value or anything that is no date.
std::optional<QDate> StoredDay(const Value& date);
// from <= date <= to, as calendar days; a row without a date is in no range.
bool DayInRange(const Value& date, const QDate& from, const QDate& to);

// DateText(day) ("dd/MM/yyyy"), made without a format string: a month's report writes it in
// thousands of rows.
QString ReportDayText(const QDate& day);
