#pragma once
// The employee card: one employee's thirteen columns, found by the first name.
#include "framework/detailcard.h"

class frmViewEmpDetails : public DetailCard {
  Q_OBJECT
public:
  frmViewEmpDetails();
  static DetailCardConfig EmployeeCardConfig();
};
