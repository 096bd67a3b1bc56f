#pragma once
// The reports of the test bills, each a laboratory and an x-ray form of one design:
// - the collection reports over a period (frmLabBillReportAll, frmXayBillReportAll): the valid
//   bills dated in the period, one row per bill, and their total;
// - the cancelled-bill reports of one day (frmCancelLabBillReport, frmCancelXRayBillReport).
// Each lists its bills as they stood when it was opened; Generate reads the bills of its days and
// lists them, Print prints the list in the collection report layout.
#include <functional>

#include "billing/common/reportform.h"
#include "billing/labxray/testbillkind.h"

// What both report forms share: the shared report form in the test bill forms' sizes, the day
// picker and the kind whose texts it shows and whose bills it reports on.
class TestReportForm : public BillReportForm {
  Q_OBJECT
public:
  ~TestReportForm() override;

  QDateEdit DTPicker1{this};

protected:
  explicit TestReportForm(TestBillKind kind);

  void picker(QDateEdit& picker, const char* name, double left, double top, const QString& guardLine);
  // The load step both forms take: the note of the kind's bills they list (`note`, of the kind:
  // what the collection or the cancelled-bill report notes); false when the table could not be
  // read (the program then ends).
  bool noteBillsAtLoad(const std::function<RowsAtLoad(BillKind kind)>& note);

  TestBillKind kind_;
};

// The period report.
class TestCollectionReportForm : public TestReportForm {
  Q_OBJECT
public:
  QDateEdit DTPicker2{this};
  void Picture1_Click() override;
  void Picture2_Click() override;

protected:
  explicit TestCollectionReportForm(TestBillKind kind);
  void LoadMenuForm() override;
};

// The cancelled-bill report of one day.
class TestCancelReportForm : public TestReportForm {
  Q_OBJECT
public:
  void Picture1_Click() override;
  void Picture2_Click() override;

protected:
  explicit TestCancelReportForm(TestBillKind kind);
  void LoadMenuForm() override;
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
