#pragma once
// Where to get help: the supplier's addresses, the program's version and platform.
#include <QLabel>

#include "framework/menuform.h"

class frmcontactus : public MenuForm {
  Q_OBJECT
public:
  frmcontactus();

  QLabel imgsymbol{this};
  QLabel Label2{this};  // the heading
  QLabel lbltitle{this};
  QLabel Label1{this};  // web address
  QLabel Label3{this};  // e-mail address
  QLabel lblVersion{this};
  QLabel lblPlatform{this};
};
