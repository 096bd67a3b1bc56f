#include "shell/dispatch.h"

#include <iterator>

#include "billing/inpatient/frmCancelInBill.h"
#include "billing/inpatient/frmCancelInBillReport.h"
#include "billing/inpatient/frmInBill.h"
#include "billing/inpatient/frmInBillReport.h"
#include "billing/inpatient/frmInBillReportAll.h"
#include "billing/labxray/testbillform.h"
#include "billing/labxray/testcancelform.h"
#include "billing/labxray/testreportforms.h"
#include "billing/outpatient/frmBill.h"
#include "billing/outpatient/frmCancelBill.h"
#include "billing/outpatient/frmCancelOutBillReport.h"
#include "billing/outpatient/frmConsultantBillReportAll.h"
#include "billing/outpatient/frmOutBillReport.h"
#include "billing/outpatient/frmOutBillReportAll.h"
#include "masters/frmAddDoctorDetail.h"
#include "masters/frmAddLabDetails.h"
#include "masters/frmAddXRayDetails.h"
#include "patients/frmAddConsultant.h"
#include "patients/frmDischarge.h"
#include "patients/patientrecord.h"
#include "patients/patientsearch.h"
#include "platform/log.h"
#include "shell/frmAboutme.h"
#include "shell/frmAddNewUser.h"
#include "shell/frmChangeMenuSettings.h"
#include "shell/frmCopyDB.h"
#include "shell/frmSettingsChangePwd.h"
#include "shell/frmcontactus.h"

namespace {
// "mnuCancelBillReport" and "mnuOutBill" open the same form: wire it here once.
constexpr FormOpener kOpenCancelOutBillReport = &OpenMenuForm<frmCancelOutBillReport>;

const MenuCommand kMainWindowCommands[] = {
    {"mnuOutPatientHistory", &OpenMenuForm<frmViewOutPatient>},
    {"mnuNewPateient", &OpenMenuForm<frmAddOutPatient>},
    {"mnuOutAddBill", &OpenMenuForm<frmBill>},
    {"mnuOutCancelBill", &OpenMenuForm<frmCancelBill>},
    {"mnuDailyReport", &OpenMenuForm<frmOutBillReport>},
    {"mnuSearchReport", &OpenMenuForm<frmOutBillReportAll>},
    {"mnuCancelBillReport", kOpenCancelOutBillReport},
    {"mnuInPatientHistory", &OpenMenuForm<frmViewInPatient>},
    {"mnuInAdmission", &OpenMenuForm<frmAddInPatient>},
    {"InAddBill", &OpenMenuForm<frmInBill>},
    {"InCancelBill", &OpenMenuForm<frmCancelInBill>},
    {"mnuInDailyReport", &OpenMenuForm<frmInBillReport>},
    {"mnuInSearchReport", &OpenMenuForm<frmInBillReportAll>},
    {"mnuInDischarge", &OpenMenuForm<frmDischarge>},
    {"mnuDisChargeSummary", nullptr},  // does nothing
    {"mnuChangeMenuView", &OpenMenuForm<frmChangeMenuSettings>},
    {"mnuConBill", &OpenMenuForm<frmAddConsultant>},
    {"mnuCon", &OpenMenuForm<frmConsultantBillReportAll>},
    {"mnuXRayAddBill", &OpenMenuForm<frmXRayBillReport>},
    {"mnuXRayCancelBill", &OpenMenuForm<frmCancelXRayBill>},
    {"mnuXRaySearchBill", &OpenMenuForm<frmXayBillReportAll>},
    {"mnuLabAddBill", &OpenMenuForm<frmLabBillReport>},
    {"mnuLabCancelBill", &OpenMenuForm<frmCancelLabBill>},
    {"mnuLabSearchBill", &OpenMenuForm<frmLabBillReportAll>},
    {"mnuDrCertificate", nullptr},     // does nothing
    {"mnuAddDrDetail", &OpenMenuForm<frmAddDoctorDetail>},
    {"mnuXRayTestNames", &OpenMenuForm<frmAddXRayDetails>},
    {"mnuLabTestNames", &OpenMenuForm<frmAddLabDetails>},
    {"mnuNewUserAccounts", &OpenMenuForm<frmAddNewUser>},
    {"mnuChangePassword", &OpenMenuForm<frmSettingsChangePwd>},
    {"mnuCopyDatabase", &OpenMenuForm<frmCopyDB>},
    {"mnuInBill", &OpenMenuForm<frmCancelInBillReport>},
    {"mnuOutBill", kOpenCancelOutBillReport},
    {"mnuXaryBill", &OpenMenuForm<frmCancelXRayBillReport>},
    {"mnuLabBill", &OpenMenuForm<frmCancelLabBillReport>},
    {"mnuHelpTopic", &OpenMenuForm<frmcontactus>},
    {"mnuAboutMe", &OpenMenuForm<frmAboutme>},
    {"mnuexit", nullptr, true},
};
}  // namespace

std::span<const MenuCommand> MainWindowCommands() { return kMainWindowCommands; }

const MenuCommand* FindMenuCommand(std::span<const MenuCommand> table, const QString& command) {
  for (const MenuCommand& entry : table)
    if (command == QLatin1String(entry.command)) return &entry;
  return nullptr;
}

FormOpener CommandAction(const QString& command) {
  const MenuCommand* entry = FindMenuCommand(MainWindowCommands(), command);
  return entry ? entry->open : nullptr;
}

void DispatchMenuCommand(std::span<const MenuCommand> table, const QString& command,
                         const std::function<void()>& exitSequence) {
  const MenuCommand* entry = FindMenuCommand(table, command);
  if (!entry) return;
  try {
    if (entry->exit) {
      if (exitSequence) exitSequence();
    } else if (entry->open) {
      entry->open();
    }
  } catch (...) {
    // A menu command never shows a message: the main window stays as it was.
    LogSwallowed(lcShell, qPrintable(QStringLiteral("the menu command \"%1\"").arg(command)), std::current_exception());
  }
}
