#include "shell/frmChangeMenuSettings.h"

#include "framework/twips.h"
#include "globals.h"

frmChangeMenuSettings::frmChangeMenuSettings()
    : MenuForm({.caption = QStringLiteral("          Change Menu View Settings"), .height = 5430, .width = 7290}) {
  QFont heading(QStringLiteral("Arial"), 12, QFont::Bold);
  Label8.setText(QStringLiteral("Menu View Display"));
  Label8.setFont(heading);
  Label8.setStyleSheet(QStringLiteral("color: #8e3b52; background: transparent;"));
  MoveTwips(&Label8, 1200, 1140, 4800, 400);

  const QFont option(QStringLiteral("Arial"), 10, QFont::Bold);
  Option1.setText(QStringLiteral("Horizontal"));
  Option2.setText(QStringLiteral("Vertical"));
  Option1.setFont(option);
  Option2.setFont(option);
  MoveTwips(&Option1, 2400, 1980, 2700, 400);
  MoveTwips(&Option2, 2400, 2640, 2700, 400);

  MoveTwips(&Picture1, 2280, 4080, 870, 360);
  MoveTwips(&Picture2, 3840, 4080, 870, 360);
  Label3.hide();
  tempPic.hide();

  connect(&Option1, &QRadioButton::clicked, this, &frmChangeMenuSettings::Option1_Click);
  connect(&Option2, &QRadioButton::clicked, this, &frmChangeMenuSettings::Option2_Click);
  connect(&Picture1, &ImageButton::Click, this, &frmChangeMenuSettings::Picture1_Click);
  connect(&Picture2, &ImageButton::Click, this, &frmChangeMenuSettings::Picture2_Click);
  PlaceMoviesAfterControls();
}

std::vector<MenuPicture> frmChangeMenuSettings::MenuPictures() {
  return OkCancelPictures(&Picture1, &Picture2, &Label3);
}

void frmChangeMenuSettings::LoadMenuForm() {
  // Opening the dialog always starts from the horizontal menu.
  Option1.setChecked(true);
  Option1_Click();
}

void frmChangeMenuSettings::Option1_Click() { gMenuView = QStringLiteral("Horizontal"); }
void frmChangeMenuSettings::Option2_Click() { gMenuView = QStringLiteral("Vertical"); }

void frmChangeMenuSettings::Picture1_Click() { CloseForm(); }
void frmChangeMenuSettings::Picture2_Click() { CloseForm(); }
