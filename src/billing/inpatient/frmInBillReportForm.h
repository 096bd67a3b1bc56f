#pragma once
// What the in-patient report forms share: the chrome, the Generate and Print buttons with their
// help icons, the report list and its total box, the one recordset read at load, the future-date
// guard of the pickers and the close movie.
//
// A report form lays its own controls out in its constructor, runs the set-up steps from its
// Form_Load in its own order, and implements Picture1_Click (Generate) and Picture2_Click (Print).
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QStringList>
#include <QTreeWidget>
#include <memory>

#include "billing/inpatient/frmInBillReportRows.h"
#include "framework/imagebutton.h"
#include "framework/vbform.h"
#include "platform/ado.h"
#include "platform/flashmovie.h"

class InBillReportFormBase : public VbForm {
  Q_OBJECT
public:
  InBillReportFormBase();
  ~InBillReportFormBase() override;

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

  // The bills as they stood when the form was opened; never read again while it is open.
  std::unique_ptr<Recordset> ReportRecordset;
  Money ReportTotal;      // the total of the rows the last Generate listed
  int SerialCounter = 0;  // the serial of the last row listed

  virtual void Picture1_Click() = 0;  // Generate
  virtual void Picture2_Click() = 0;  // Print

protected:
  void Form_Unload(int& cancel) override;

  // The list with these heads and widths (twips); the columns in `rightAligned` are right-aligned.
  void makeList(const QStringList& heads, const QList<double>& widths, const QList<int>& rightAligned, double left,
                double top, double width, double height);
  void makeButtons(double genLeft, double genTop, double genHelpLeft, double genHelpTop, double printLeft,
                   double printTop, double printHelpLeft, double printHelpTop);
  void makeTotal(double labelLeft, double labelTop, double boxLeft, double boxTop);
  QDateEdit* makePicker(const char* name, double left, double top);
  QLabel* makeLabel(const QString& text, double left, double top, double width);

  // Set-up steps of Form_Load.
  static void setPickerToday(QDateEdit* picker);
  void loadPictures();  // pictures, trimming, tips, hover and the buttons' handlers
  // Opens ReportRecordset; false (after "Database Error" and the program's end) when it cannot.
  bool openReportRecordset(const QString& sql);
  // Guards the picker against days after today, with this second line of the message.
  void guardPicker(QDateEdit* picker, const QString& secondLine);

  // Shows a Generate result: the list's items, ReportTotal, SerialCounter and the total box.
  void showReport(const InReportList& report);

private:
  void ShockwaveFlash2_GotFocus();
  QList<int> rightAligned_;
};
