#pragma once
// The pictures of the bill forms (out-patient, in-patient, laboratory and x-ray): add, print,
// clear and new bill, lit under the pointer, and the help icons beside the fees, the print button
// and the address box with their tips.
#include <vector>

#include "framework/menuform.h"

struct BillFormButtons {
  ImageButton* add;
  ImageButton* print;
  ImageButton* clear;
  ImageButton* newBill;
  ImageButton* feesHelp;
  ImageButton* printHelp;
  ImageButton* addressHelp;
  QLabel* holder;  // the hover holder
};

// The address help icon has no tip of its own on the out-patient bill (addressTip false).
std::vector<MenuPicture> BillFormPictures(const BillFormButtons& b, bool addressTip);
