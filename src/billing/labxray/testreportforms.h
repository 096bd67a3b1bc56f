#pragma once
// The reports of the test bills, each a laboratory and an x-ray form of one design:
// - the collection reports over a period (frmLabBillReportAll, frmXayBillReportAll): the valid
//   bills dated in the period, one row per bill, and their total;
// - the cancelled-bill reports of one day (frmCancelLabBillReport, frmCancelXRayBillReport).
// Each reads its table once, when it is opened; Generate lists, Print prints the list in the
// collection report layout.
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QTreeWidget>

#include "billing/labxray/testbillkind.h"
#include "framework/imagebutton.h"
#include "framework/vbform.h"
#include "platform/ado.h"
#include "platform/flashmovie.h"
#include "platform/vbruntime.h"

struct TestReportList;

// What both report shapes share: the chrome, Generate and Print with their help icons, the list
// and its total, the one recordset and the close movie.
class TestReportForm : public VbForm {
  Q_OBJECT
public:
  ~TestReportForm() override;

  FlashMovie* ShockwaveFlash1 = nullptr;
  FlashMovie* ShockwaveFlash2 = nullptr;
  FlashMovie* ShockwaveFlash3 = nullptr;
  QLabel* Image1 = nullptr;
  QLabel* Label3 = nullptr;
  QDateEdit* DTPicker1 = nullptr;
  QTreeWidget* List = nullptr;
  QLineEdit* txtTotal = nullptr;
  ImageButton* Picture1 = nullptr;   // Generate
  ImageButton* Picture2 = nullptr;   // Print
  ImageButton* Picture11 = nullptr;  // help beside Generate
  ImageButton* Picture12 = nullptr;  // help beside Print

  Recordset ReportRecordset;
  int SerialCounter = 0;
  Money ReportTotal;

  virtual void Picture1_Click() = 0;  // Generate
  virtual void Picture2_Click() = 0;  // Print

protected:
  explicit TestReportForm(TestBillKind kind);
  void Form_Unload(int& cancel) override;

  QLabel* caption(const QString& text, int left, int top, int width);
  QDateEdit* picker(int left, int top, const QString& guardLine);
  void makeList(const QStringList& heads, const QList<int>& widths, int left, int top, bool lastRight);
  void makeButtons(int genLeft, int helpGenLeft, int printLeft, int helpPrintLeft);
  void makeTotal(int labelLeft, int boxLeft, int boxTop);
  // The load steps both shapes take, up to and including the opening of the recordset; false
  // when the recordset could not be opened (the program then ends).
  bool loadReport(const QString& caption, const QString& sql, const std::vector<QDateEdit*>& pickers);
  void showList(const TestReportList& list, bool amountsRight);

  TestBillKind kind_;
};

// The period report.
class TestCollectionReportForm : public TestReportForm {
  Q_OBJECT
public:
  QDateEdit* DTPicker2 = nullptr;
  void Picture1_Click() override;
  void Picture2_Click() override;

protected:
  explicit TestCollectionReportForm(TestBillKind kind);
  void Form_Load() override;
};

// The cancelled-bill report of one day.
class TestCancelReportForm : public TestReportForm {
  Q_OBJECT
public:
  void Picture1_Click() override;
  void Picture2_Click() override;

protected:
  explicit TestCancelReportForm(TestBillKind kind);
  void Form_Load() override;
};

class frmLabBillReportAll : public TestCollectionReportForm {
  Q_OBJECT
public:
  frmLabBillReportAll() : TestCollectionReportForm(TestBillKind::Lab) {}
};

class frmXayBillReportAll : public TestCollectionReportForm {
  Q_OBJECT
public:
  frmXayBillReportAll() : TestCollectionReportForm(TestBillKind::XRay) {}
};

class frmCancelLabBillReport : public TestCancelReportForm {
  Q_OBJECT
public:
  frmCancelLabBillReport() : TestCancelReportForm(TestBillKind::Lab) {}
};

class frmCancelXRayBillReport : public TestCancelReportForm {
  Q_OBJECT
public:
  frmCancelXRayBillReport() : TestCancelReportForm(TestBillKind::XRay) {}
};
