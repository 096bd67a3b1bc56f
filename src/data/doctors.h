#pragma once
// The doctors, SettingDrDetails: one row per doctor, keyed by the display name
// ("Dr.Zerdan , M.B.B.S") every doctor list of the patient and bill forms shows. The birth date is
// stored as "dd/MM/yyyy" and the hours as "HH:mm", each as the text the form gives.
#include <QString>
#include <QStringList>
#include <memory>

#include "data/columns.h"
#include "platform/ado.h"

// Every doctor in the table's own order: the doctor form, the doctor list and the doctor card.
const TableRead& DoctorsRead();
// Every doctor in the order of the identifiers.
const TableRead& DoctorsByIdRead();
// The doctors' identifiers in that order, as their rows hold them: the doctor boxes of the three
// bill forms and of the consultant fee form. Raises DbError when the table cannot be read.
QStringList DoctorIds(const std::shared_ptr<Connection>& con);

// One row, every column as its text.
struct Doctor {
  QString doctorId, firstName, lastName, sex, mobilePhone, homePhone, dateOfBirth, age, pagerNumber,
      address, emailId, doctorType, qualification, specialization, inTime, outTime, availableDays;
  bool operator==(const Doctor&) const = default;
};

// The current row of `rs` (opened on DoctorsRead). Raises DbError when it cannot be read.
Doctor ReadDoctor(const Recordset& rs);
// Into the current row of `rs`; the caller's Update stores it.
void WriteDoctor(Recordset& rs, const Doctor& d);
