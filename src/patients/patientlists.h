#pragma once
// The patient lists: every registered patient of one kind, one line each, opened over its record
// form by View All (LookUp<frmViewOutPatientDetails>(caller)). The in-patient list shows the same
// seven columns; nothing of the discharge.
#include "framework/listform.h"

// The list's configuration for one table and its title words.
ListFormConfig PatientListConfig(const TableRead& read, const QString& titleWords);

class frmViewOutPatientDetails : public ListForm {
  Q_OBJECT
public:
  frmViewOutPatientDetails();
};

class frmViewInPatientDetails : public ListForm {
  Q_OBJECT
public:
  frmViewInPatientDetails();
};
