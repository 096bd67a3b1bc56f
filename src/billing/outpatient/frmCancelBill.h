#pragma once
// Cancelling a saved out-patient bill; the form closes after a cancellation.
#include "billing/common/billcancelform.h"

class frmCancelBill : public BillCancelForm {
  Q_OBJECT
public:
  frmCancelBill() : BillCancelForm(BillKind::OutPatient) {}
};
