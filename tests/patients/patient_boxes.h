#pragma once
// The seven boxes of a patient record form typed over as a clerk fills them (the sex as chosen
// from its list), for every test that registers a patient through the form.
#include <QString>

#include "patients/patientrecord.h"
#include "support/input.h"

inline void TypePatientBoxes(PatientRecordForm& form, const QString& number, const QString& name,
                             const QString& phone, const QString& age, const QString& sex, const QString& address,
                             const QString& location) {
  TypeOver(form.cmbPatientID, number);
  TypeOver(form.txtFirstName, name);
  TypeOver(form.txtMobilePhone, phone);
  TypeOver(form.txtAge, age);
  TypeOver(form.cmbSex, sex);
  TypeOver(form.txtAddress, address);
  TypeOver(form.txtEmailId, location);
}
