#pragma once
// What the report forms of every bill kind share: a menu form of one size whose pickers show
// today, the two image buttons (Generate and Print) with their help
// icons, the report list and its total box, the recordset the report reads and the future-date
// guard of the pickers.
//
// A report form lays its own controls out in its constructor (in the sizes its kind was designed
// with) and names its caption, reads what its load notes in LoadMenuForm, and implements
// Picture1_Click (Generate) and Picture2_Click (Print).
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QList>
#include <QStringList>
#include <QTreeWidget>
#include <functional>
#include <memory>

#include "billing/common/billchrome.h"
#include "billing/common/reportrows.h"
#include "framework/imagebutton.h"
#include "framework/menuform.h"
#include "platform/ado.h"

// The sizes (twips) of the controls every report form has; each kind was drawn with its own.
struct ReportFormSizes {
  double labelHeight;
  double pickerWidth, pickerHeight;
  double buttonWidth, buttonHeight;  // Generate and Print
  double helpWidth, helpHeight;      // their help icons
  double totalLabelWidth;
  double totalBoxHeight;
};
// The sizes the in-patient, laboratory and x-ray report forms were drawn with, alike.
inline constexpr ReportFormSizes kInAndTestReportSizes{240, 1815, 300, 975, 375, 765, 465, 555, 285};

class BillReportForm : public MenuForm {
  Q_OBJECT
public:
  // `serial` is where the kind keeps the serial of the last row listed, under its own name.
  BillReportForm(const ReportFormSizes& sizes, int& serial);
  ~BillReportForm() override;

  QLabel Label3{this};                                       // the hover holder
  ImageButton Picture1{this, QStringLiteral("Picture1")};    // Generate
  ImageButton Picture11{this, QStringLiteral("Picture11")};  // help beside Generate
  ImageButton Picture2{this, QStringLiteral("Picture2")};    // Print
  ImageButton Picture12{this, QStringLiteral("Picture12")};  // help beside Print
  QTreeWidget List{this};
  QLineEdit txtTotal{this};

  std::unique_ptr<Recordset> ReportRecordset;
  Money ReportTotal;  // the total of the rows the last Generate listed

  virtual void Picture1_Click() = 0;  // Generate
  virtual void Picture2_Click() = 0;  // Print

protected:
  std::vector<MenuPicture> MenuPictures() override;

  // The list with these heads and column widths; the columns in `rightAligned` (amounts, bill
  // numbers) are right-aligned, head and rows. The list and the total follow the form's own
  // controls in the tab order, as they stand below them.
  void makeList(const QStringList& heads, const QList<double>& widths, const QList<int>& rightAligned, double left,
                double top, double width, double height);
  void makeButtons(double genLeft, double genTop, double genHelpLeft, double genHelpTop, double printLeft,
                   double printTop, double printHelpLeft, double printHelpTop);
  void makeTotal(double labelLeft, double labelTop, double boxLeft, double boxTop);
  // A picker the load sets to today.
  void makePicker(QDateEdit& picker, const char* name, double left, double top);
  void makeLabel(const QString& text, double left, double top, double width);
  // Load's read: opens ReportRecordset; false (after "Database Error" and the program's end)
  // when it cannot.
  // A read of whole rows takes `parameters` as the values of its condition's "?" (when given).
  bool openReportRecordset(const TableRead& read, const std::vector<Value>& parameters = {});
  bool openReportRecordset(const QString& sql, const std::vector<Value>& parameters = {});
  // Generate's read of its days into ReportRecordset. A report only reads, so a read that fails
  // (the file locked by another program past the wait, a read error) shows "Database Error" and
  // gives false, and nothing else happens: the program goes on, the form keeps its recordset,
  // its list and its total, and Generate can be pressed again.
  bool readReportRecordset(const TableRead& read, const std::vector<Value>& parameters = {});
  bool readReportRecordset(const QString& sql, const std::vector<Value>& parameters = {});
  // Guards the picker against days after today with this second line of the message.
  void guardPicker(QDateEdit& picker, const QString& secondLine);

  // A report lists the rows of its selection as they stood when it was loaded, as when Load read
  // them all; Load now only notes enough for Generate to read the rows of its days alone. Bills
  // are only ever added and cancelled (their status set to "Deleted"), so the last row and the
  // rows of one status at Load tell which of a day's rows were in the selection then.
  //
  // The table's last row, LastRowAtLoad, which Generate binds as the last rowid to read (0 while
  // the table is empty). A last row that cannot be read would leave every Generate of the form
  // listing nothing, so it is the load's "Database Error" and the end; false then.
  bool noteLastRow(const QString& table);
  // The last row, and the rows that were no valid bill: Generate then binds LastRowAtLoad and
  // RowsAtLoadBetween(its days) as the last rowid to read and the rowids to leave out.
  bool noteValidBillsAtLoad(const QString& table);
  // The rows that were cancelled (the report has none to list when ReportRecordset->RecordCount()
  // is 0): Generate binds RowsAtLoadBetween(its day) as the only rowids to read.
  bool noteCancelledBillsAtLoad(const QString& table);
  qint64 LastRowAtLoad = 0;
  // The rowids noted at Load that a selection of these days can meet, a JSON array: ten years
  // bring thousands of cancelled lines, and the whole list handed to every Generate cost more
  // than reading the day's bills. A row whose date is no ISO date is always in it.
  QString RowsAtLoadBetween(const QDate& from, const QDate& to) const;

  // Shows a Generate result: the list's items, the serial, ReportTotal and the total box.
  void showReport(const ReportList& report);

private:
  // The rowids and dates `sql` selects, into rowsAtLoad_; false as openReportRecordset.
  bool noteRowsAtLoad(const QString& sql);
  struct NotedRow {
    QDate date;  // invalid where the stored date is none or no ISO date
    qint64 rowid;
  };
  std::vector<NotedRow> rowsAtLoad_;
  // Load's and Generate's opening of ReportRecordset, through `open`.
  bool openReportWith(const std::function<void(Recordset&)>& open);
  bool readReportWith(const std::function<void(Recordset&)>& open);
  ReportFormSizes sizes_;
  int& serial_;
  QList<int> rightAligned_;
  BillCaptions captions_{this};
};
