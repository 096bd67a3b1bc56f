#pragma once
// The user card: one account as stored, found by its name.
#include "framework/detailcard.h"

class frmViewUserDetails : public DetailCard {
  Q_OBJECT
public:
  frmViewUserDetails();
  static DetailCardConfig UserCardConfig();
};
