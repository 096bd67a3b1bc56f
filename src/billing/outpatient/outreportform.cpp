#include "billing/outpatient/outreportform.h"

#include "globals.h"

namespace {

constexpr ReportFormSizes kOutReportSizes{330, 1700, 330, 960, 360, 360, 360, 800, 330};

}  // namespace

OutReportForm::OutReportForm() : BillReportForm(kOutReportSizes) {}

OutReportForm::~OutReportForm() = default;

void OutReportForm::noteLastRow(const QString& table) {
  LastRowAtLoad = 0;
  Recordset last;
  try {
    last.Open(QStringLiteral("SELECT max(rowid) FROM ") + table, gCon);
    if (last.RecordCount() > 0) LastRowAtLoad = qint64(last.Fields(0).toDouble());
  } catch (const DbError&) {
  }
}
