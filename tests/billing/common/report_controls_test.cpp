// The in-patient, laboratory and x-ray report forms have every control at the place and in the
// size they were drawn with (twips: left, top, width, height), the labels, pickers, check boxes
// and the total box included, once the form is open.
#include <QLabel>
#include <string>
#include <vector>

#include "billing/outpatient/allreports.h"
#include "framework/twips.h"

namespace {

struct Control {
  const char* name;  // the control's name, or the caption of a label
  double left, top, width, height;
};

// Both pickers' reports: "Date", the first day, "to", the last day, the buttons, list and total.
const std::vector<Control> kPeriod = {
    {"Date", 3120, 1320, 510, 240},     {"DTPicker1", 4080, 1320, 1815, 300}, {"to", 6120, 1320, 210, 240},
    {"DTPicker2", 6840, 1320, 1815, 300}, {"Picture1", 5160, 2040, 975, 375},   {"Picture11", 7440, 2040, 765, 465},
    {"List", 2760, 2760, 6810, 4815},     {"Total", 7200, 8400, 555, 240},      {"txtTotal", 8040, 8350, 1455, 285},
    {"Picture2", 9600, 8280, 975, 375},   {"Picture12", 10800, 8160, 765, 465},
};
// The cancelled bills of one day.
const std::vector<Control> kCancelled = {
    {"Date", 3960, 1320, 510, 240},     {"DTPicker1", 4800, 1320, 1815, 300}, {"Picture1", 4800, 2040, 975, 375},
    {"Picture11", 6600, 2040, 765, 465}, {"List", 2280, 2880, 6810, 4815},     {"Total", 6840, 8400, 555, 240},
    {"txtTotal", 7560, 8370, 1455, 285}, {"Picture2", 9240, 8280, 975, 375},   {"Picture12", 10560, 8160, 765, 465},
};
// The in-patient collection of one day, with its "ECG" and "SCAN" boxes.
const std::vector<Control> kInDaily = {
    {"Date", 3960, 1320, 510, 240},     {"DTPicker1", 4800, 1320, 1815, 300}, {"CheckBox1", 7200, 1320, 1335, 255},
    {"CheckBox2", 7200, 1680, 1455, 375}, {"Picture1", 4680, 2280, 975, 375},   {"Picture11", 6480, 2280, 765, 465},
    {"List", 2280, 2880, 6810, 4815},     {"Total", 6840, 8400, 555, 240},      {"txtTotal", 7560, 8370, 1455, 285},
    {"Picture2", 9240, 8280, 975, 375},   {"Picture12", 10560, 8160, 765, 465},
};

std::vector<Control> withBoxes(std::vector<Control> controls) {
  controls.push_back({"CheckBox1", 9000, 1320, 1335, 255});
  controls.push_back({"CheckBox2", 9000, 1680, 1455, 375});
  return controls;
}

struct FormCase {
  const char* name;
  std::function<BillReportForm*()> open;
  std::vector<Control> controls;
};
void PrintTo(const FormCase& c, std::ostream* os) { *os << c.name; }

// "left,top widthxheight" in twips, to the pixel the form is drawn in.
std::string twipsOf(const QRect& r) {
  return QStringLiteral("%1,%2 %3x%4")
      .arg(PixelsToTwips(r.x()))
      .arg(PixelsToTwips(r.y()))
      .arg(PixelsToTwips(r.width()))
      .arg(PixelsToTwips(r.height()))
      .toStdString();
}

QWidget* controlOf(BillReportForm* form, const QString& name) {
  if (auto* w = form->findChild<QWidget*>(name)) return w;
  for (QLabel* label : form->findChildren<QLabel*>())
    if (label->text() == name) return label;
  return nullptr;
}

class ReportControlsTest : public AllReportsTest, public ::testing::WithParamInterface<FormCase> {};

TEST_P(ReportControlsTest, EveryControlStandsInItsDrawnPlaceAndSize) {
  BillReportForm* form = GetParam().open();
  ASSERT_TRUE(form);
  for (const Control& c : GetParam().controls) {
    SCOPED_TRACE(c.name);
    QWidget* w = controlOf(form, QString::fromLatin1(c.name));
    ASSERT_TRUE(w);
    EXPECT_EQ(twipsOf(w->geometry()), twipsOf(TwipsRect(c.left, c.top, c.width, c.height)));
  }
}

INSTANTIATE_TEST_SUITE_P(Reports, ReportControlsTest,
                         ::testing::Values(FormCase{"InDaily", ReportOpener<frmInBillReport>(), kInDaily},
                                           FormCase{"InPeriod", ReportOpener<frmInBillReportAll>(), withBoxes(kPeriod)},
                                           FormCase{"InCancelled", ReportOpener<frmCancelInBillReport>(), kCancelled},
                                           FormCase{"LabPeriod", ReportOpener<frmLabBillReportAll>(), kPeriod},
                                           FormCase{"XRayPeriod", ReportOpener<frmXayBillReportAll>(), kPeriod},
                                           FormCase{"LabCancelled", ReportOpener<frmCancelLabBillReport>(), kCancelled},
                                           FormCase{"XRayCancelled", ReportOpener<frmCancelXRayBillReport>(), kCancelled}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
