#pragma once
// The doctor list: every doctor's display name, numbered, in the table's own order.
#include "framework/listform.h"

class frmViewAllDoctors : public ListForm {
  Q_OBJECT
public:
  frmViewAllDoctors();
  static ListFormConfig DoctorListConfig();
};
