#pragma once
// About the program: what it is for, who supplies it, its version and platform.
#include <QLabel>

#include "framework/menuform.h"

class frmAboutme : public MenuForm {
  Q_OBJECT
public:
  frmAboutme();

  QLabel imgsymbol{this};
  QLabel lbltitle{this};
  QLabel Label1{this};  // the description, line by line
  QLabel Label2{this};
  QLabel Label3{this};
  QLabel Label5{this};  // the supplier
  QLabel lblVersion{this};
  QLabel lblPlatform{this};
};
