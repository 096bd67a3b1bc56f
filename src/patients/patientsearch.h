#pragma once
// Finding a patient by name: the names of one patient table in a list to choose from, and the
// chosen patient's details as label/value rows in a two-column grid. Menu forms, each a detail
// card over its patient table:
//
//   ShowForm<frmViewOutPatient>();  // out-patients, seven rows
//   ShowForm<frmViewInPatient>();   // in-patients, also the discharge rows
//
// Both list the names of their table once, when they open, and read a patient's row only when a
// search finds it; they write nothing. An empty table closes the form again after its message.
// A search shows the patient it found and nothing of the one before; the grid's height and the
// form's size stay as the load set them, what does not fit is scrolled in the grid.
#include "data/patients.h"
#include "framework/detailcard.h"

// The card of one patient table: its rows, texts and layout.
DetailCardConfig PatientSearchConfig(PatientTableKind kind);

class frmViewOutPatient : public DetailCard {
  Q_OBJECT
public:
  frmViewOutPatient();
};

class frmViewInPatient : public DetailCard {
  Q_OBJECT
public:
  frmViewInPatient();
};
