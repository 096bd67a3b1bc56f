#pragma once
// The menu settings dialog: the user picks the main menu's orientation, kept in gMenuView for
// the rest of the run; the menu comes back in that orientation when the dialog closes.
#include <QLabel>
#include <QRadioButton>

#include "framework/imagebutton.h"
#include "framework/menuform.h"

class frmChangeMenuSettings : public MenuForm {
  Q_OBJECT
public:
  frmChangeMenuSettings();

  QLabel Label8{this};
  QRadioButton Option1{this};
  QRadioButton Option2{this};
  ImageButton Picture1{this, QStringLiteral("Picture1")};  // OK
  ImageButton Picture2{this, QStringLiteral("Picture2")};  // Cancel
  QLabel Label3{this};   // the hover holder
  QLabel tempPic{this};  // scratch picture, never shown

  void Option1_Click();
  void Option2_Click();
  void Picture1_Click();
  void Picture2_Click();

protected:
  std::vector<MenuPicture> MenuPictures() override;
  void LoadMenuForm() override;
};
