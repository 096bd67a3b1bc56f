#pragma once
// The two price lists' list forms: every laboratory investigation with its amount, and every
// x-ray test with its adult and children amounts, sorted by description.
//
// Both are the common list form over their own table; the consultant fee form of the patient
// register opens the laboratory list too: LookUp<frmViewAllLab>(this).
#include "framework/listform.h"

class frmViewAllLab : public ListForm {
  Q_OBJECT
public:
  frmViewAllLab();
  static ListFormConfig LabListConfig();
};

class frmViewAllXRay : public ListForm {
  Q_OBJECT
public:
  frmViewAllXRay();
  static ListFormConfig XRayListConfig();
};
