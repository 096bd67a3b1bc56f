#pragma once
// Where to get help: the supplier's addresses, the program's version and platform.
#include <QLabel>

#include "framework/vbform.h"
#include "platform/flashmovie.h"

class frmcontactus : public VbForm {
  Q_OBJECT
public:
  frmcontactus();

  QLabel Image1{this};  // background picture
  QLabel imgsymbol{this};
  QLabel Label2{this};  // the heading
  QLabel lbltitle{this};
  QLabel Label1{this};  // web address
  QLabel Label3{this};  // e-mail address
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
