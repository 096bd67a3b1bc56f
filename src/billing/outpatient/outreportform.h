#pragma once
// What the out-patient report forms share: the chrome and the two image buttons (Generate and
// Print) with their help icons, the report list and its total box, the one recordset read at
// load, the future-date guard of the pickers and the close movie.
//
// A report form lays its own controls out in its constructor, calls the set-up steps from its
// Form_Load in its own order, and implements Picture1_Click (Generate) and Picture2_Click (Print).
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QStringList>
#include <QTreeWidget>
#include <memory>

#include "billing/outpatient/outreports.h"
#include "framework/imagebutton.h"
#include "framework/vbform.h"
#include "platform/ado.h"
#include "platform/flashmovie.h"

class OutReportForm : public VbForm {
  Q_OBJECT
public:
  OutReportForm();
  ~OutReportForm() override;

  FlashMovie ShockwaveFlash1{this};  // title bar
  FlashMovie ShockwaveFlash2{this};  // close
  FlashMovie ShockwaveFlash3{this};  // minimise
  QLabel Image1{this};               // background

  QTreeWidget* List = nullptr;
  QLineEdit* txtTotal = nullptr;
  ImageButton* Picture1 = nullptr;   // Generate
  ImageButton* Picture2 = nullptr;   // Print
  ImageButton* Picture11 = nullptr;  // help beside Generate
  ImageButton* Picture12 = nullptr;  // help beside Print
  QLabel* Label3 = nullptr;          // the hover holder

  std::unique_ptr<Recordset> ReportRecordset;
  Money ReportTotal;  // the total of the rows the last Generate listed
  int RowSerial = 0;

  virtual void Picture1_Click() = 0;  // Generate
  virtual void Picture2_Click() = 0;  // Print

protected:
  void Form_Unload(int& cancel) override;

  // The controls every report has. `heads` are the list's column heads; the amount column (the
  // last) is right-aligned.
  void makeList(const QStringList& heads, double left, double top, double width, double height,
                const QList<double>& columnWidths);
  void makeButtons(double genLeft, double genTop, double genHelpLeft, double genHelpTop, double printLeft,
                   double printTop, double printHelpLeft, double printHelpTop);
  void makeTotal(double labelLeft, double labelTop, double boxLeft, double boxTop);
  QDateEdit* makePicker(const char* name, double left, double top);
  QLabel* makeLabel(const QString& text, double left, double top, double width);

  // Set-up steps of Form_Load.
  void setPickerToday(QDateEdit* picker);
  void loadPictures();  // pictures, trimming, tips, hover and the buttons' handlers
  // Opens ReportRecordset; false (after "Database Error" and the program's end) when it cannot.
  bool openReportRecordset(const QString& sql, const std::vector<Value>& parameters = {});
  // The report lists the rows that were there when it was loaded, as when it read them all at
  // load: Load notes the table's last row, Generate reads only up to it ("rowid <= ?").
  void noteLastRow(const QString& table);
  qint64 LastRowAtLoad = 0;
  // Guards the picker against days after today with this second line of the message.
  void guardPicker(QDateEdit* picker, const QString& secondLine);

  // Shows a Generate result: the list's items, ReportTotal, RowSerial and the total box.
  void showReport(const ReportList& report);

private:
  void ShockwaveFlash2_GotFocus();
};
