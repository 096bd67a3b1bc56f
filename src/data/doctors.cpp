#include "data/doctors.h"

namespace D = cols::SettingDrDetails;

const TableRead& DoctorsRead() {
  static const TableRead read{.table = cols::TableName(D::kTable)};
  return read;
}

const TableRead& DoctorsByIdRead() {
  static const TableRead read{.table = cols::TableName(D::kTable), .orderBy = QStringLiteral("DoctorID")};
  return read;
}

QStringList DoctorIds(const std::shared_ptr<Connection>& con) {
  QStringList ids;
  ReadColumn(con, DoctorsByIdRead(), D::DoctorID, [&ids](const Value& id, qint64) { ids << id.toText(); });
  return ids;
}

Doctor ReadDoctor(const Recordset& rs) {
  const auto text = [&rs](D::Column c) { return rs.Fields(c).toText(); };
  return Doctor{
      .doctorId = text(D::DoctorID),
      .firstName = text(D::FirstName),
      .lastName = text(D::LastName),
      .sex = text(D::Sex),
      .mobilePhone = text(D::MobilePhone),
      .homePhone = text(D::HomePhone),
      .dateOfBirth = text(D::DateOfBirth),
      .age = text(D::Age),
      .pagerNumber = text(D::PagerNumber),
      .address = text(D::Address),
      .emailId = text(D::EmailId),
      .doctorType = text(D::DoctorType),
      .qualification = text(D::Qualification),
      .specialization = text(D::Specialization),
      .inTime = text(D::InTime),
      .outTime = text(D::OutTime),
      .availableDays = text(D::AvailableDays),
  };
}

void WriteDoctor(Recordset& rs, const Doctor& d) {
  rs.SetField(D::DoctorID, d.doctorId);
  rs.SetField(D::FirstName, d.firstName);
  rs.SetField(D::LastName, d.lastName);
  rs.SetField(D::Sex, d.sex);
  rs.SetField(D::MobilePhone, d.mobilePhone);
  rs.SetField(D::HomePhone, d.homePhone);
  rs.SetField(D::DateOfBirth, d.dateOfBirth);
  rs.SetField(D::Age, d.age);
  rs.SetField(D::PagerNumber, d.pagerNumber);
  rs.SetField(D::Address, d.address);
  rs.SetField(D::EmailId, d.emailId);
  rs.SetField(D::DoctorType, d.doctorType);
  rs.SetField(D::Qualification, d.qualification);
  rs.SetField(D::Specialization, d.specialization);
  rs.SetField(D::InTime, d.inTime);
  rs.SetField(D::OutTime, d.outTime);
  rs.SetField(D::AvailableDays, d.availableDays);
}
