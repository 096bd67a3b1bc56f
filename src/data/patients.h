#pragma once
// The two patient tables: out-patients (SettingsOutPatient) and in-patients, the admissions
// (SettingsInPatient). Both begin with the same eleven columns; an in-patient row also holds its
// discharge. Here are the reads the record forms, lists and searches open, the identifier
// duplicate check and the row as the forms read and write it.
#include <QDate>
#include <QString>
#include <memory>
#include <optional>

#include "data/columns.h"
#include "platform/ado.h"

enum class PatientTableKind { OutPatient, InPatient };

// The kind's table name.
const char* PatientTable(PatientTableKind kind);

// Every patient of the kind in identifier order: the record form's rows, and the identifier
// column the fee form lists.
const TableRead& PatientsRecordRead(PatientTableKind kind);
// Every patient of the kind in the table's own order: the lists, the name search, the discharge.
const TableRead& PatientsListRead(PatientTableKind kind);
// Every patient of the kind in the order of the first names, those of one name by identifier:
// the bill forms' patient choosers (the index on both hands them over so, without a sort).
const TableRead& PatientsByNameRead(PatientTableKind kind);
// The one row of the kind stored under `rowid`.
TableRead PatientByRowIdRead(PatientTableKind kind, qint64 rowid);

// Whether a row of the kind other than `exceptRowId` holds `id`, blanks around the stored one
// trimmed and letters compared as they are: one bound statement over the table as it is now.
// Raises DbError when the table cannot be read.
bool PatientIdTaken(const std::shared_ptr<Connection>& con, PatientTableKind kind, const QString& id,
                    std::optional<qint64> exceptRowId);
// The columns both kinds of patient row hold at the same places.
namespace patientcols = cols::SettingsOutPatient;

// What the record forms show and write of a patient.
struct Patient {
  QString id, name, sex, phone, age, address, location;
};
// The current row of either table.
Patient ReadPatient(const Recordset& rs);
// Into the current row of either table. A modified row keeps its identifier: `withId` is false
// then and the identifier column is left as it is.
void WritePatient(Recordset& rs, const Patient& patient, bool withId);

// An in-patient row as admitted: exactly "No" in Discharged.
void MarkAdmitted(Recordset& rs);
// Whether the current in-patient row is admitted; any other value, NULL included, is not.
bool IsAdmitted(const Recordset& rs);

// What the discharge writes into an admitted in-patient's row.
struct Discharge {
  QString prescription, disease, health;
  QDate date;
};
// Into the current in-patient row, which also becomes discharged ("Yes").
void WriteDischarge(Recordset& rs, const Discharge& discharge);
