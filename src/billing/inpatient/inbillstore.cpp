#include "billing/inpatient/inbillstore.h"
