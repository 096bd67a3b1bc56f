#pragma once
// The employee list: every column of every employee, numbered, in the table's own order.
#include "framework/listform.h"

class frmViewEmployeeDetails : public ListForm {
  Q_OBJECT
public:
  frmViewEmployeeDetails();
  static ListFormConfig EmployeeListConfig();
};
