#pragma once
// The forms a menu command opens: while one is open the main menus are hidden, and every way out
// (the close movie, its own buttons, an Unload from the code) shows them again.
//
// MenuForm carries what they all do at load and unload and owns the chrome (title, close and
// minimise movies, background picture). Its load runs, in this order:
//
//   HideMainMenus(CurrentUserTypeBox())
//   PrepareControls()             the form's settings that precede the rest
//   the today pickers             set to today (SetTodayPickers)
//   gActiveForm = this
//   BecameActive()                what needs the form active (the record hot keys)
//   DesignAtLoad()                DesignForm at the configured size and caption, then CenterForm()
//   the today pickers             set to today again
//   LoadPictures(MenuPictures())  each picture set and trimmed; tips and hover pictures
//   LoadMenuForm()                the rest of the form's own load
//
// and its unload shows the main menus, then runs UnloadMenuForm(). A form derives from it with
// its configuration and fills in the hooks it needs:
//
//   class frmAboutme : public MenuForm {
//   public:
//     frmAboutme() : MenuForm({.caption = QStringLiteral("   About Me"), .height = 5565, .width = 7095}) { ... }
//   };
//
// The close movie closes the form (ShockwaveFlash2_GotFocus); a form whose close movie asks first
// overrides that handler.
#include <QLabel>
#include <QString>
#include <utility>
#include <vector>

#include "framework/vbform.h"
#include "platform/flashmovie.h"

class ImageButton;
class QDateEdit;

struct MenuFormConfig {
  QString caption;  // the title bar's text, blanks included
  int height = 0;   // the window's size in twips
  int width = 0;
};

// A picture the load puts on a button: "<image>.gif" from the program folder, the button cut to
// its outline; with a holder it lights up with "<image>1.gif" under the pointer; with a tip it
// shows that tip.
struct MenuPicture {
  MenuPicture(ImageButton* button, QString image, QLabel* holder = nullptr, QString tip = {})
      : button(button), image(std::move(image)), holder(holder), tip(std::move(tip)) {}
  ImageButton* button;
  QString image;
  QLabel* holder;
  QString tip;
};

class MenuForm : public VbForm {
  Q_OBJECT
public:
  explicit MenuForm(MenuFormConfig config);
  ~MenuForm() override;

  QLabel Image1{this};               // background picture
  FlashMovie ShockwaveFlash1{this};  // title bar
  FlashMovie ShockwaveFlash2{this};  // close
  FlashMovie ShockwaveFlash3{this};  // minimise

protected:
  void Form_Load() override;
  void Form_Unload(int& cancel) final;

  // The hooks of the load and unload, in the order above.
  virtual void PrepareControls() {}
  virtual void BecameActive() {}
  virtual void DesignAtLoad();
  virtual std::vector<MenuPicture> MenuPictures() { return {}; }
  virtual void LoadMenuForm() {}
  virtual void UnloadMenuForm() {}

  // The close movie pressed: closes the form.
  virtual void ShockwaveFlash2_GotFocus();

  // DesignForm with the form's chrome, at this size and the configured caption.
  void DesignMenuForm(int height, int width);
  // The date pickers the load sets to today, before the design and after it.
  void SetTodayPickers(std::vector<QDateEdit*> pickers) { todayPickers_ = std::move(pickers); }
  void AddTodayPicker(QDateEdit* picker) { todayPickers_.push_back(picker); }
  // For a form whose caption is known only once its kind is (the report forms).
  void SetCaption(const QString& caption) { config_.caption = caption; }
  // Hides the form, then unloads it.
  void CloseForm();
  // The movies are made before the form's own controls, so they come first in the focus chain
  // and lie under the controls. A form drawn with its movies last (on top, and after its controls
  // in the focus chain, so that the window's first focus goes to a control rather than to the
  // close movie) calls this at the end of its constructor.
  void PlaceMoviesAfterControls();

private:
  void setPickersToday();

  MenuFormConfig config_;
  std::vector<QDateEdit*> todayPickers_;
};

// The OK and Cancel pictures ("ok", "can"), lit under the pointer, and the help icon ("help1")
// with its tip when there is one.
std::vector<MenuPicture> OkCancelPictures(ImageButton* ok, ImageButton* cancel, QLabel* holder,
                                          ImageButton* help = nullptr, const QString& helpTip = {});

// Sets every picture, then trims every button, then gives the tips and the hover pictures.
void LoadPictures(VbForm* Frm, const std::vector<MenuPicture>& pictures);
