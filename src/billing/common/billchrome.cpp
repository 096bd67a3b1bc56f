#include "billing/common/billchrome.h"

#include <QCheckBox>
#include <QHeaderView>
#include <QPointer>

#include "billing/common/stationery.h"
#include "framework/imagebutton.h"
#include "framework/twips.h"
#include "platform/msgbox.h"
#include "platform/system.h"

QLabel& BillCaptions::add(const QString& text, double left, double top, double width, double height) {
  QLabel& label = labels_.emplace_back(form_);
  PlaceCaption(label, text, left, top, width, height);
  return label;
}

void PlaceCaption(QLabel& label, const QString& text, double left, double top, double width, double height) {
  label.setText(text);
  MoveTwips(&label, left, top, width, height);
}

void PlaceChoiceBox(QComboBox& combo, double left, double top, double width, double height,
                    QComboBox::InsertPolicy policy) {
  combo.setEditable(true);
  combo.setInsertPolicy(policy);
  MoveTwips(&combo, left, top, width, height);
}

void PlaceDatePicker(QDateEdit& picker, double left, double top, double width, double height) {
  picker.setDisplayFormat(QStringLiteral("dd/MM/yyyy"));
  picker.setCalendarPopup(true);
  MoveTwips(&picker, left, top, width, height);
}

void PlaceBillList(QTreeWidget& list, double left, double top, double width, double height,
                   const BillListWidths& widths) {
  MoveTwips(&list, left, top, width, height);
  list.setRootIsDecorated(false);
  list.setColumnCount(3);
  list.setHeaderLabels({QStringLiteral("Sl No"), QStringLiteral("Particulars"), QStringLiteral("Amount")});
  list.setColumnWidth(0, TwipsToPixels(widths.serial));
  list.setColumnWidth(1, TwipsToPixels(widths.particulars));
  list.setColumnWidth(2, TwipsToPixels(widths.amount));
  list.headerItem()->setTextAlignment(2, Qt::AlignRight | Qt::AlignVCenter);
  list.header()->setStretchLastSection(false);
}

void AddBillListRow(QTreeWidget& list, const QString& serial, const QString& particulars, const QString& amount) {
  auto* item = new QTreeWidgetItem(&list, QStringList{serial, particulars, amount});
  item->setTextAlignment(2, Qt::AlignRight | Qt::AlignVCenter);
}

void PlaceBillHead(BillCaptions& captions, QComboBox& patientId, QComboBox& doctor, QLineEdit& patientName,
                   double patientNameWidth) {
  captions.add(QStringLiteral("Patient ID"), 3000, 600, kBillCaptionWidth);
  PlaceChoiceBox(patientId, 5400, 600, kBillComboWidth, kBillBoxHeight);
  captions.add(QStringLiteral("Dr Name"), 3000, 1080, kBillCaptionWidth);
  PlaceChoiceBox(doctor, 5400, 1080, kBillComboWidth, kBillBoxHeight);
  captions.add(QStringLiteral("Patient Name"), 3000, 1560, kBillCaptionWidth);
  MoveTwips(&patientName, 5400, 1560, patientNameWidth, kBillBoxHeight);
  patientName.setEnabled(false);
}

void PlaceBillNumber(BillCaptions& captions, QLabel& number, QDateEdit& date, double dateTop) {
  captions.add(QStringLiteral("Bill Number"), 8280, 600, 1320);
  MoveTwips(&number, 9720, 600, 1500, kBillBoxHeight);
  captions.add(QStringLiteral("Date"), 8280, dateTop, 1320);
  PlaceDatePicker(date, 9600, dateTop, 1620, kBillBoxHeight);
}

void PlaceBillFoot(BillCaptions& captions, const BillFoot& foot) {
  MoveTwips(&foot.newBill, 2400, 9120, kBillButtonWidth, kBillButtonHeight);
  MoveTwips(&foot.clear, 4920, 9120, kBillButtonWidth, kBillButtonHeight);
  captions.add(QStringLiteral("Total"), 6960, 9240, 700);
  MoveTwips(&foot.total, 7680, 9240, 1500, kBillBoxHeight);
  MoveTwips(&foot.print, 9360, 9120, kBillButtonWidth, kBillButtonHeight);
  MoveTwips(&foot.printHelp, 10680, 9000, kBillHelpSize, kBillHelpSize);
  foot.address.setText(QStringLiteral("Address"));
  MoveTwips(&foot.address, 9360, 9720, 1200, kBillBoxHeight);
  MoveTwips(&foot.addressHelp, 10680, 9600, kBillHelpSize, kBillHelpSize);
}

void SetUpHoverHolder(QLabel& holder) {
  holder.setText(QStringLiteral("Label3"));
  holder.hide();
}

void RefuseFutureBillDate(QDateEdit& picker) {
  if (picker.date() <= Today()) return;
  // The message runs the program's events until it is answered: the form may be closed by then.
  const QPointer<QDateEdit> alive(&picker);
  MsgBox(QStringLiteral("Please Select date Less than Equal To Current Date\r\nYou cannt Bill for Future Date"),
         vbCritical, QStringLiteral("Warning"));
  if (alive) picker.setDate(Today());
}

void ShowPrinterNotReady(const QString& description) {
  MsgBox(PrinterFailureText(QStringLiteral("Please Check the Printer is Correctly Installed"), description),
         vbCritical);
}
