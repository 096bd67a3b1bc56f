#pragma once
// Every table's columns in their stored order: the one place where a column's ordinal is written.
// A recordset's field is addressed by name, cols::SettingDrDetails::FirstName, never by a bare
// number; the schema test holds this list against the tables the schema makes.
#include <QString>

#define HALVION_COLUMN_ENUM(name) name,
#define HALVION_COLUMN_NAME(name) #name,
#define HALVION_TABLE(table, COLUMNS)                                            \
  namespace table {                                                              \
  inline constexpr const char* kTable = #table;                                  \
  enum Column : int { COLUMNS(HALVION_COLUMN_ENUM) kColumnCount };               \
  inline constexpr const char* kColumns[] = {COLUMNS(HALVION_COLUMN_NAME)};      \
  }

namespace cols {
#define HALVION_COLUMNS_SettingsNewUser(C) \
  C(UserID) C(UserName) C(Password) C(UserType)
HALVION_TABLE(SettingsNewUser, HALVION_COLUMNS_SettingsNewUser)
#define HALVION_COLUMNS_SettingsCopyDB(C) \
  C(BackupPath)
HALVION_TABLE(SettingsCopyDB, HALVION_COLUMNS_SettingsCopyDB)
#define HALVION_COLUMNS_SettingDrDetails(C) \
  C(DoctorID) C(FirstName) C(LastName) C(Sex) C(MobilePhone) C(HomePhone) \
  C(DateOfBirth) C(Age) C(PagerNumber) C(Address) C(EmailId) C(DoctorType) \
  C(Qualification) C(Specialization) C(InTime) C(OutTime) C(AvailableDays)
HALVION_TABLE(SettingDrDetails, HALVION_COLUMNS_SettingDrDetails)
#define HALVION_COLUMNS_SettingsEmployeeDetails(C) \
  C(EmployeeID) C(FirstName) C(LastName) C(Sex) C(MobilePhone) C(HomePhone) \
  C(DateOfBirth) C(Age) C(PagerNumber) C(Address) C(EmailId) C(EmployeeType) \
  C(Qualification)
HALVION_TABLE(SettingsEmployeeDetails, HALVION_COLUMNS_SettingsEmployeeDetails)
#define HALVION_COLUMNS_SettingsLab(C) \
  C(Description) C(Amount)
HALVION_TABLE(SettingsLab, HALVION_COLUMNS_SettingsLab)
#define HALVION_COLUMNS_SettingsXRay(C) \
  C(Description) C(AdultAmount) C(ChildrenAmount)
HALVION_TABLE(SettingsXRay, HALVION_COLUMNS_SettingsXRay)
#define HALVION_COLUMNS_SettingsOutPatient(C) \
  C(EmployeeID) C(FirstName) C(LastName) C(Sex) C(MobilePhone) C(HomePhone) \
  C(DateOfBirth) C(Age) C(PagerNumber) C(Address) C(Location)
HALVION_TABLE(SettingsOutPatient, HALVION_COLUMNS_SettingsOutPatient)
#define HALVION_COLUMNS_SettingsInPatient(C) \
  C(EmployeeID) C(FirstName) C(LastName) C(Sex) C(MobilePhone) C(HomePhone) \
  C(DateOfBirth) C(Age) C(PagerNumber) C(Address) C(Location) C(EmployeeType) \
  C(Qualification) C(PrescriptionDetails) C(DiseaseDetails) C(HealthDetails) \
  C(DischargeDate) C(Discharged) C(Advance)
HALVION_TABLE(SettingsInPatient, HALVION_COLUMNS_SettingsInPatient)
#define HALVION_COLUMNS_SettingsConsultant(C) \
  C(Date) C(DrName) C(Amount) C(patientid)
HALVION_TABLE(SettingsConsultant, HALVION_COLUMNS_SettingsConsultant)
#define HALVION_COLUMNS_OutPatientPrintDetails(C) \
  C(BillNo) C(Date) C(DrFees) C(DressingCharges) C(XRay) C(LabCharge) C(ECG) C(Scan) \
  C(Others) C(total) C(patientName) C(patientid) C(BillDelete)
HALVION_TABLE(OutPatientPrintDetails, HALVION_COLUMNS_OutPatientPrintDetails)
#define HALVION_COLUMNS_SettingsOutBillNo(C) \
  C(BillNo)
HALVION_TABLE(SettingsOutBillNo, HALVION_COLUMNS_SettingsOutBillNo)
#define HALVION_COLUMNS_InPatientPrintDetails(C) \
  C(BillNo) C(Date) C(BedCharges) C(ProfessionalCharges) C(NursingCharges) \
  C(OTCharges) C(AnestheticCharges) C(XRay) C(LabCharges) C(ECG) C(Scan) C(Others) \
  C(total) C(patientName) C(patientid) C(BillDelete) C(Advance)
HALVION_TABLE(InPatientPrintDetails, HALVION_COLUMNS_InPatientPrintDetails)
#define HALVION_COLUMNS_SettingsInBillNo(C) \
  C(BillNo)
HALVION_TABLE(SettingsInBillNo, HALVION_COLUMNS_SettingsInBillNo)
#define HALVION_COLUMNS_LabPrintDetails(C) \
  C(BillNo) C(Date) C(Description) C(Amount) C(Discount) C(GrossTotal) C(total) \
  C(patientName) C(patientid) C(BillDelete)
HALVION_TABLE(LabPrintDetails, HALVION_COLUMNS_LabPrintDetails)
#define HALVION_COLUMNS_XRayPrintDetails(C) \
  C(BillNo) C(Date) C(Description) C(Amount) C(Discount) C(GrossTotal) C(total) \
  C(patientName) C(patientid) C(BillDelete)
HALVION_TABLE(XRayPrintDetails, HALVION_COLUMNS_XRayPrintDetails)
#define HALVION_COLUMNS_SettingsLabBillNo(C) \
  C(BillNo)
HALVION_TABLE(SettingsLabBillNo, HALVION_COLUMNS_SettingsLabBillNo)
#define HALVION_COLUMNS_SettingsXRayBillNo(C) \
  C(BillNo)
HALVION_TABLE(SettingsXRayBillNo, HALVION_COLUMNS_SettingsXRayBillNo)

// Every table, for the schema test and whoever needs to walk them all.
struct TableColumns {
  const char* table;
  const char* const* columns;
  int count;
};
inline constexpr TableColumns kAllTables[] = {
    {SettingsNewUser::kTable, SettingsNewUser::kColumns, SettingsNewUser::kColumnCount},
    {SettingsCopyDB::kTable, SettingsCopyDB::kColumns, SettingsCopyDB::kColumnCount},
    {SettingDrDetails::kTable, SettingDrDetails::kColumns, SettingDrDetails::kColumnCount},
    {SettingsEmployeeDetails::kTable, SettingsEmployeeDetails::kColumns, SettingsEmployeeDetails::kColumnCount},
    {SettingsLab::kTable, SettingsLab::kColumns, SettingsLab::kColumnCount},
    {SettingsXRay::kTable, SettingsXRay::kColumns, SettingsXRay::kColumnCount},
    {SettingsOutPatient::kTable, SettingsOutPatient::kColumns, SettingsOutPatient::kColumnCount},
    {SettingsInPatient::kTable, SettingsInPatient::kColumns, SettingsInPatient::kColumnCount},
    {SettingsConsultant::kTable, SettingsConsultant::kColumns, SettingsConsultant::kColumnCount},
    {OutPatientPrintDetails::kTable, OutPatientPrintDetails::kColumns, OutPatientPrintDetails::kColumnCount},
    {SettingsOutBillNo::kTable, SettingsOutBillNo::kColumns, SettingsOutBillNo::kColumnCount},
    {InPatientPrintDetails::kTable, InPatientPrintDetails::kColumns, InPatientPrintDetails::kColumnCount},
    {SettingsInBillNo::kTable, SettingsInBillNo::kColumns, SettingsInBillNo::kColumnCount},
    {LabPrintDetails::kTable, LabPrintDetails::kColumns, LabPrintDetails::kColumnCount},
    {XRayPrintDetails::kTable, XRayPrintDetails::kColumns, XRayPrintDetails::kColumnCount},
    {SettingsLabBillNo::kTable, SettingsLabBillNo::kColumns, SettingsLabBillNo::kColumnCount},
    {SettingsXRayBillNo::kTable, SettingsXRayBillNo::kColumns, SettingsXRayBillNo::kColumnCount},
};

// A table's name as the reads and statements take it: TableName(cols::SettingsLab::kTable).
inline QString TableName(const char* table) { return QString::fromLatin1(table); }

}  // namespace cols

#undef HALVION_TABLE
#undef HALVION_COLUMN_NAME
#undef HALVION_COLUMN_ENUM
#undef HALVION_COLUMNS_SettingsNewUser
#undef HALVION_COLUMNS_SettingsCopyDB
#undef HALVION_COLUMNS_SettingDrDetails
#undef HALVION_COLUMNS_SettingsEmployeeDetails
#undef HALVION_COLUMNS_SettingsLab
#undef HALVION_COLUMNS_SettingsXRay
#undef HALVION_COLUMNS_SettingsOutPatient
#undef HALVION_COLUMNS_SettingsInPatient
#undef HALVION_COLUMNS_SettingsConsultant
#undef HALVION_COLUMNS_OutPatientPrintDetails
#undef HALVION_COLUMNS_SettingsOutBillNo
#undef HALVION_COLUMNS_InPatientPrintDetails
#undef HALVION_COLUMNS_SettingsInBillNo
#undef HALVION_COLUMNS_LabPrintDetails
#undef HALVION_COLUMNS_XRayPrintDetails
#undef HALVION_COLUMNS_SettingsLabBillNo
#undef HALVION_COLUMNS_SettingsXRayBillNo
