#include "framework/menuform.h"

#include <QDateEdit>
#include <utility>

#include "framework/formdesign.h"
#include "framework/imagebutton.h"
#include "framework/mainmenus.h"
#include "framework/tooltip.h"
#include "framework/trimpicture.h"
#include "globals.h"
#include "platform/system.h"

MenuForm::MenuForm(MenuFormConfig config) : config_(std::move(config)) {
  // Through the virtual handler: a form may ask before it closes.
  connect(&ShockwaveFlash2, &FlashMovie::GotFocus, this, [this] { ShockwaveFlash2_GotFocus(); });
}

MenuForm::~MenuForm() = default;

void MenuForm::Form_Load() {
  HideMainMenus(CurrentUserTypeBox());
  PrepareControls();
  setPickersToday();
  gActiveForm = this;
  BecameActive();
  DesignAtLoad();
  setPickersToday();
  LoadPictures(this, MenuPictures());
  LoadMenuForm();
}

void MenuForm::Form_Unload(int& cancel) {
  (void)cancel;
  ShowMainMenus(CurrentUserTypeBox());
  UnloadMenuForm();
}

void MenuForm::DesignAtLoad() {
  DesignMenuForm(config_.height, config_.width);
  CenterForm();
}

void MenuForm::DesignMenuForm(int height, int width) {
  DesignForm(this, &ShockwaveFlash1, &ShockwaveFlash2, &ShockwaveFlash3, height, width, config_.caption, &Image1);
}

void MenuForm::setPickersToday() {
  for (QDateEdit* picker : todayPickers_) picker->setDate(Today());
}

void MenuForm::ShockwaveFlash2_GotFocus() { CloseForm(); }

void MenuForm::CloseForm() {
  Hide();
  Unload();
}

void MenuForm::PlaceMoviesAfterControls() {
  // Taken out and put back, a child is the form's last: on top and last in its focus chain.
  for (FlashMovie* movie : {&ShockwaveFlash1, &ShockwaveFlash2, &ShockwaveFlash3}) {
    movie->setParent(nullptr);
    movie->setParent(this);
  }
}

std::vector<MenuPicture> OkCancelPictures(ImageButton* ok, ImageButton* cancel, QLabel* holder, ImageButton* help,
                                          const QString& helpTip) {
  std::vector<MenuPicture> pictures{{ok, QStringLiteral("ok"), holder}, {cancel, QStringLiteral("can"), holder}};
  if (help) pictures.emplace_back(help, QStringLiteral("help1"), nullptr, helpTip);
  return pictures;
}

void LoadPictures(VbForm* Frm, const std::vector<MenuPicture>& pictures) {
  for (const MenuPicture& p : pictures) p.button->setPicture(p.image + QStringLiteral(".gif"));
  for (const MenuPicture& p : pictures) TrimPictureBox(p.button);
  for (const MenuPicture& p : pictures) {
    if (!p.tip.isEmpty()) AddToolTip(p.button, p.tip, Frm);
    if (p.holder) p.button->setHoverImage(p.image, p.holder);
  }
}
