#pragma once
// Storing a printed in-patient bill: its row in InPatientPrintDetails, its number in the
// counter SettingsInBillNo and the change it makes to the advance the patient holds
// (SettingsInPatient.Advance), all in one transaction through SaveBill (data/bills.h): either all
// of them are stored or none, so printing again stores the bill exactly once.
#include "billing/inpatient/inbillcalc.h"
#include "data/bills.h"

static_assert(kInBillChargeCount == kInBillChargeColumns, "every charge box has its column");
