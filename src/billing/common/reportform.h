#pragma once
// What the report forms of every bill kind share: a menu form of one size whose pickers show
// today, the two image buttons (Generate and Print) with their help icons, the report list and
// its total box, what its load noted of the table and the future-date guard of the pickers.
//
// A report form is made in the sizes its kind was drawn with (from the kind's configuration); it
// lays its own controls out in its constructor and names its caption, notes what its Generate
// needs in LoadMenuForm, and implements Picture1_Click (Generate) and Picture2_Click (Print). It
// knows of storage only its kind of bill: the data module's reads (data/reports.h) take the kind
// and give the rows as values, which the form lists and keeps as the list shows them.
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QList>
#include <QTreeWidget>
#include <functional>

#include "billing/common/billchrome.h"
#include "billing/common/reportrows.h"
#include "data/reports.h"
#include "framework/imagebutton.h"
#include "framework/menuform.h"

// The sizes (twips) of the controls every report form has; each kind was drawn with its own.
struct ReportSizesConfig {
  double labelHeight;
  double pickerWidth, pickerHeight;
  double buttonWidth, buttonHeight;  // Generate and Print
  double helpWidth, helpHeight;      // their help icons
  double totalLabelWidth;
  double totalBoxHeight;
};
// The out-patient report forms' sizes.
inline constexpr ReportSizesConfig kOutReportSizes{
    .labelHeight = 330,
    .pickerWidth = 1700,
    .pickerHeight = 330,
    .buttonWidth = 960,
    .buttonHeight = 360,
    .helpWidth = 360,
    .helpHeight = 360,
    .totalLabelWidth = 800,
    .totalBoxHeight = 330,
};
// The sizes the in-patient, laboratory and x-ray report forms were drawn with, alike.
inline constexpr ReportSizesConfig kInAndTestReportSizes{
    .labelHeight = 240,
    .pickerWidth = 1815,
    .pickerHeight = 300,
    .buttonWidth = 975,
    .buttonHeight = 375,
    .helpWidth = 765,
    .helpHeight = 465,
    .totalLabelWidth = 555,
    .totalBoxHeight = 285,
};

// A control's place in twips.
struct TwipsPlace {
  double left, top, width, height;
};
// Where Generate (Picture1) and Print (Picture2) stand, each with its help icon; their sizes are
// the kind's.
struct ReportButtonsConfig {
  double genLeft, genTop, genHelpLeft, genHelpTop;
  double printLeft, printTop, printHelpLeft, printHelpTop;
};
// Where the "Total" label and the total box stand.
struct ReportTotalConfig {
  double labelLeft, labelTop, boxLeft, boxTop;
};
// One column of the report list: its head and width (twips); amounts and bill numbers are
// right-aligned, head and rows.
struct ReportColumnConfig {
  const char* head;
  double width;
  bool rightAligned = false;
};

// The places of the forms drawn alike (twips). The period reports of the in-patient bills, the
// consultant fees and the test bills:
inline constexpr ReportButtonsConfig kPeriodReportButtons{
    .genLeft = 5160, .genTop = 2040, .genHelpLeft = 7440, .genHelpTop = 2040,
    .printLeft = 9600, .printTop = 8280, .printHelpLeft = 10800, .printHelpTop = 8160};
inline constexpr TwipsPlace kPeriodReportList{.left = 2760, .top = 2760, .width = 6810, .height = 4815};
inline constexpr ReportTotalConfig kPeriodReportTotal{
    .labelLeft = 7200, .labelTop = 8400, .boxLeft = 8040, .boxTop = 8350};
// Every cancelled-bill report:
inline constexpr ReportButtonsConfig kCancelledReportButtons{
    .genLeft = 4800, .genTop = 2040, .genHelpLeft = 6600, .genHelpTop = 2040,
    .printLeft = 9240, .printTop = 8280, .printHelpLeft = 10560, .printHelpTop = 8160};
inline constexpr TwipsPlace kCancelledReportList{.left = 2280, .top = 2880, .width = 6810, .height = 4815};
inline constexpr ReportTotalConfig kCancelledReportTotal{
    .labelLeft = 6840, .labelTop = 8400, .boxLeft = 7560, .boxTop = 8370};

class BillReportForm : public MenuForm {
  Q_OBJECT
public:
  explicit BillReportForm(const ReportSizesConfig& sizes);
  ~BillReportForm() override;

  QLabel Label3{this};                                       // the hover holder
  ImageButton Picture1{this, QStringLiteral("Picture1")};    // Generate
  ImageButton Picture11{this, QStringLiteral("Picture11")};  // help beside Generate
  ImageButton Picture2{this, QStringLiteral("Picture2")};    // Print
  ImageButton Picture12{this, QStringLiteral("Picture12")};  // help beside Print
  QTreeWidget List{this};
  QLineEdit txtTotal{this};

  Money ReportTotal;   // the total of the rows the last Generate listed
  int LastSerial = 0;  // the serial of the last row the last Generate listed

  virtual void Picture1_Click() = 0;  // Generate
  virtual void Picture2_Click() = 0;  // Print

protected:
  std::vector<MenuPicture> MenuPictures() override;

  // The list with these columns. The list and the total follow the form's own controls in the
  // tab order, as they stand below them.
  void makeList(const QList<ReportColumnConfig>& columns, const TwipsPlace& place);
  void makeButtons(const ReportButtonsConfig& place);
  void makeTotal(const ReportTotalConfig& place);
  // A picker the load sets to today.
  void makePicker(QDateEdit& picker, const char* name, double left, double top);
  void makeLabel(const QString& text, double left, double top, double width);
  // Generate's read of its days: `read` calls the data module's read and keeps its rows. A report
  // only reads, so a read that fails (the file locked by another program past the wait, a read
  // error) shows "Database Error" and gives false, and nothing else happens: the program goes on,
  // the form keeps its list and its total, and Generate can be pressed again.
  bool readReport(const std::function<void()>& read);
  // Guards the picker against days after today with this second line of the message.
  void guardPicker(QDateEdit& picker, const QString& secondLine);

  // A report lists the rows of its selection as they stood when it was loaded, as when Load read
  // them all; Load now only notes enough for Generate to read the rows of its days alone
  // (RowsAtLoad, which Generate hands to its read).
  //
  // Load's note (`note` gives it: NoteCollectionAtLoad and the others of data/reports.h) into
  // rowsAtLoad(). A read that fails would leave every Generate of the form listing nothing, so it
  // is the load's "Database Error", the end and the form unloaded, as every load step; false then.
  bool noteAtLoad(const std::function<RowsAtLoad()>& note);
  const RowsAtLoad& rowsAtLoad() const { return rowsAtLoad_; }
  // After noteAtLoad: there was no bill of the status listed at all (RowsAtLoad::noBill).
  bool noBillAtLoad() const { return rowsAtLoad_.noBill; }

  // Shows a Generate result: the list's items, the serial, ReportTotal and the total box.
  void showReport(const ReportList& report);

private:
  RowsAtLoad rowsAtLoad_;
  ReportSizesConfig sizes_;
  QList<int> rightAligned_;
  BillCaptions captions_{this};
};
