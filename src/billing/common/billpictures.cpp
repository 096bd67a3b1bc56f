#include "billing/common/billpictures.h"

std::vector<MenuPicture> BillFormPictures(const BillFormButtons& b, bool addressTip) {
  return {{b.add, QStringLiteral("add"), b.holder},
          {b.print, QStringLiteral("print"), b.holder},
          {b.clear, QStringLiteral("clear"), b.holder},
          {b.newBill, QStringLiteral("newbill"), b.holder},
          {b.feesHelp, QStringLiteral("help1"), nullptr, QStringLiteral("Select the Fees which ever you want and Click me!")},
          {b.printHelp, QStringLiteral("help1"), nullptr, QStringLiteral("Check Before Click Me ! Printer is ON")},
          {b.addressHelp, QStringLiteral("help1"), nullptr,
           addressTip ? QStringLiteral("Select me If you want Address in the Bill") : QString()}};
}
