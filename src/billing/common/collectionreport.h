#pragma once
// The collection reports: the valid bills of one day (the daily form) or of a range of days (the
// period form), the ordinary ones or, by the two check boxes, the ECG or the scan bills; listed
// with their total and printed as a collection report. The daily and period forms of the
// out-patient and in-patient kinds are one form; everything that differs between the kinds is in
// CollectionReportConfig, and between the daily and the period form in CollectionDaysConfig.
#include <QCheckBox>
#include <QDateEdit>
#include <optional>

#include "billing/common/reportform.h"
#include "billing/common/reportrows.h"
#include "data/billnumbers.h"
#include "data/reports.h"

// What the daily and the period forms of every kind share: the pickers (at the top of the form,
// in the kind's size) and what they are for.
struct CollectionDaysConfig {
  // The period form has a second picker, the last day, after "to"; the daily form lists its day.
  bool period;
  double dateLabelLeft, firstPickerLeft, toLabelLeft, secondPickerLeft;
  const char* futureDateLine;  // the second line of the pickers' future-date message
  const char* rowsHead;        // the head of the list's second column
};
inline constexpr double kCollectionPickersTop = 1320;
inline constexpr CollectionDaysConfig kDailyCollection{
    .period = false,
    .dateLabelLeft = 3960,
    .firstPickerLeft = 4800,
    .toLabelLeft = 0,
    .secondPickerLeft = 0,
    .futureDateLine = "You cannt Select for Future Date",
    .rowsHead = "Bill-No / Patient Name",
};
inline constexpr CollectionDaysConfig kPeriodCollection{
    .period = true,
    .dateLabelLeft = 3120,
    .firstPickerLeft = 4080,
    .toLabelLeft = 6120,
    .secondPickerLeft = 6840,
    .futureDateLine = "You cannt select for Future Date",
    .rowsHead = "Bill-No / Patient Name / Date",
};

// One collection report form of a kind: its names, its rows' text and where its controls stand
// (twips).
struct CollectionFormConfig {
  const char* formName;
  const char* caption;  // the title bar text
  CollectionRowText rowText;
  const char* noBillMessage;  // when given, the form closes at load after it while there is no bill
  double dateLabelWidth, toLabelWidth;
  TwipsPlace ecgBox, scanBox;  // CheckBox1 and CheckBox2
  ReportButtonsConfig buttons;
  TwipsPlace list;
  ReportTotalConfig total;
};

// The widths (twips) of the list's three columns: the serial, the bill's text, the amount.
struct CollectionWidthsConfig {
  double serial, rows, amount;
};

// What the two collection reports of one kind print, and their forms.
struct CollectionReportConfig {
  // The kind of bill (out-patient or in-patient): the data module reads its bills, as its Load
  // notes them.
  BillKind kind;
  const char* ordinaryTitle;  // the printed title of the ordinary bills' report
  ReportSizesConfig sizes;    // of the controls every report form has
  CollectionWidthsConfig widths;  // the list's columns
  CollectionFormConfig daily, period;
};

// A collection report form of the kind (whose configuration each kind keeps with its own forms)
// over the days of `days`.
class CollectionReportForm : public BillReportForm {
  Q_OBJECT
public:
  CollectionReportForm(const CollectionReportConfig& config, const CollectionDaysConfig& days);
  ~CollectionReportForm() override;

  QDateEdit DTPicker1{this};           // the day, or the first day of the period
  QCheckBox CheckBox1{this};           // "ECG"
  QCheckBox CheckBox2{this};           // "SCAN"
  std::optional<QDateEdit> DTPicker2;  // the last day of the period; none on the daily form

  void Picture1_Click() override;  // Generate
  void Picture2_Click() override;  // Print

protected:
  void LoadMenuForm() override;

private:
  void placeBox(QCheckBox& box, const char* text, const char* name, const TwipsPlace& place);
  CollectionMode mode() const;
  QDate lastDay() const;

  const CollectionReportConfig& config_;
  const CollectionDaysConfig& days_;
  const CollectionFormConfig& form_;
};
