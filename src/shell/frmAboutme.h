#pragma once
// About the program: what it is for, who supplies it, its version and platform.
#include <QLabel>

#include "framework/vbform.h"
#include "platform/flashmovie.h"

class frmAboutme : public VbForm {
  Q_OBJECT
public:
  frmAboutme();

  QLabel Image1{this};  // background picture
  QLabel imgsymbol{this};
  QLabel lbltitle{this};
  QLabel Label1{this};  // the description, line by line
  QLabel Label2{this};
  QLabel Label3{this};
  QLabel Label5{this};  // the supplier
  QLabel lblVersion{this};
  QLabel lblPlatform{this};
  FlashMovie ShockwaveFlash1{this};  // title bar
  FlashMovie ShockwaveFlash2{this};  // close
  FlashMovie ShockwaveFlash3{this};  // minimise

  void ShockwaveFlash2_GotFocus();

protected:
  void Form_Load() override;
  void Form_Unload(int& cancel) override;
};
