#pragma once
// The user list: every account as stored, the password and type still enciphered.
#include "framework/listform.h"

class frmViewAllUsers : public ListForm {
  Q_OBJECT
public:
  frmViewAllUsers();
  static ListFormConfig UserListConfig();
};
