#pragma once
// Cancelling a printed in-patient bill or advance receipt (the patient's advance does not
// change). The form stays open so that more bills can be cancelled, and keeps showing the one
// just cancelled.
#include "billing/common/billcancelform.h"

class frmCancelInBill : public BillCancelForm {
  Q_OBJECT
public:
  frmCancelInBill() : BillCancelForm(BillKind::InPatient) {}
};
