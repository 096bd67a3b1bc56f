#pragma once
// The doctor card: one doctor's seventeen columns, found by the first name.
#include "framework/detailcard.h"

class frmViewDrDetails : public DetailCard {
  Q_OBJECT
public:
  frmViewDrDetails();
  static DetailCardConfig DoctorCardConfig();
};
