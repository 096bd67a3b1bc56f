#pragma once
// The form base and the registry of loaded forms.
//
// A form is one class with the form's own name, owning its controls (members with the controls'
// own names) and its event handlers:
//
//   class frmBill : public VbForm {
//     Q_OBJECT
//   public:
//     frmBill() = default;                 // lay the controls out here, in twips
//     FlashMovie ShockwaveFlash1{this};    // title bar
//     FlashMovie ShockwaveFlash2{this};    // close
//     FlashMovie ShockwaveFlash3{this};    // minimise
//     QLabel Image1{this};                 // background picture
//   protected:
//     void Form_Load() override;           // DesignForm(...), CenterForm(), ...
//     void Form_Unload(int& cancel) override;
//   };
//
// Forms live as VB's default instances did. There is at most one instance of each form class:
// ShowForm<frmBill>() makes and loads it on first use (Form_Load runs once) and shows it, in
// front; asked again, it shows the same instance without loading it again. LoadForm<frmBill>()
// loads without showing, LoadedForm<frmBill>() finds the loaded instance, and Unload() (or
// UnloadForm<frmBill>()) runs the form's unload handlers and destroys it.
//
// A form whose Form_Load unloads it (an empty table, say) ends closed: LoadForm/ShowForm return
// nullptr, the form is never shown and it is not loaded again.
//
// Menu forms, list forms, cards and dialogs (Kind::Child) are frameless children of the main
// window's MDI area, which the main window registers with SetMdiArea when it loads; with none
// registered they are frameless windows of their own. The splash, the login and the second main
// window are made with Kind::TopLevel.
//
// Geometry is in twips (see twips.h). For a child the window is its MDI sub-window, whose
// coordinates are those of the MDI area.
#include <QColor>
#include <QPointer>
#include <QRegion>
#include <QWidget>
#include <type_traits>
#include <typeindex>
#include <typeinfo>

class QMdiArea;
class QMdiSubWindow;

// Why a form is being unloaded (VB's UnloadMode).
enum VbQueryUnloadConstants : int {
  vbFormControlMenu = 0,  // the system's close command
  vbFormCode = 1,         // Unload in the program's code
  vbAppWindows = 2,       // the session is ending
  vbAppTaskManager = 3,
  vbFormMDIForm = 4,      // the MDI parent is closing
};

class VbForm : public QWidget {
  Q_OBJECT
public:
  enum class Kind { Child, TopLevel };
  explicit VbForm(Kind kind = Kind::Child);
  ~VbForm() override;

  // VB's Show (modeless): visible, raised and active. Does nothing once the form is unloaded.
  void Show();
  // VB's Hide: the window is hidden and stays loaded.
  void Hide();
  // VB's Unload: Form_QueryUnload, then Form_Unload; either may cancel (returns false and the
  // form stays). Otherwise the form is hidden, leaves the registry, gActiveForm lets go of it, and
  // the widget is deleted once control returns to the event loop (so a handler of the form itself
  // may unload it). Unloading a form that is not loaded does nothing and returns true.
  bool Unload(int unloadMode = vbFormCode);
  bool IsLoaded() const { return state_ == State::Loading || state_ == State::Loaded; }

  // The window: the MDI sub-window of a child, else the form itself.
  QWidget* FormWindow();
  const QWidget* FormWindow() const;

  // The window's place and size in twips; ScaleWidth/ScaleHeight are its inner size (the same,
  // as no window has a frame of its own).
  int Left() const;
  int Top() const;
  int Width() const;
  int Height() const;
  int ScaleWidth() const { return Width(); }
  int ScaleHeight() const { return Height(); }
  void SetTop(double top);
  void SetWidth(double width);
  void SetHeight(double height);
  void Move(double left, double top);
  void Move(double left, double top, double width, double height);

  // Moves the window to the centre of the desktop work area (the screen without the task bar).
  void CenterForm();

  // The window's shape (pixels, the window's own coordinates); it stays when the window is
  // resized, as a window region does.
  void SetWindowRegion(const QRegion& region);
  // The one-pixel frame RoundFormCorners draws along the window's region.
  void SetPaintedFrame(const QRegion& frame, const QColor& color);

protected:
  virtual void Form_Load() {}
  virtual void Form_QueryUnload(int& cancel, int unloadMode) {
    (void)cancel;
    (void)unloadMode;
  }
  virtual void Form_Unload(int& cancel) { (void)cancel; }

  void closeEvent(QCloseEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

private:
  enum class State { New, Loading, Loaded, Unloaded };
  friend bool RunFormLoad(std::type_index type, VbForm* form);
  friend void ResetForms();

  Kind kind_;
  State state_ = State::New;
  bool unloading_ = false;
  QPointer<QMdiSubWindow> sub_;
  QRegion frame_;
  QColor frameColor_;
};

// The main window's MDI area, where child forms open. Reads empty once the area is gone.
void SetMdiArea(QMdiArea* area);
QMdiArea* MdiArea();

// The registry. Not for direct use: the templates below are the interface.
VbForm* FindLoadedForm(std::type_index type);
bool RunFormLoad(std::type_index type, VbForm* form);  // false when the load unloaded the form

// The loaded instance of F, or nullptr.
template <class F>
F* LoadedForm() {
  return static_cast<F*>(FindLoadedForm(typeid(F)));
}

// The instance of F, made and loaded (Form_Load) when it is not loaded yet. nullptr when its
// load unloaded it. Asked while F's Form_Load is still running, it gives that same instance.
template <class F>
F* LoadForm() {
  static_assert(std::is_base_of_v<VbForm, F>, "a form derives from VbForm");
  if (F* f = LoadedForm<F>()) return f;
  F* f = new F();
  return RunFormLoad(typeid(F), f) ? f : nullptr;
}

// LoadForm, then Show: the form comes to the front. nullptr when its load unloaded it.
template <class F>
F* ShowForm() {
  F* f = LoadForm<F>();
  if (f) f->Show();
  return f;
}

// Unloads F when it is loaded. False when the form cancelled its unload.
template <class F>
bool UnloadForm() {
  F* f = LoadedForm<F>();
  return f ? f->Unload() : true;
}

// Deletes every loaded form at once, running none of their handlers (between tests).
void ResetForms();
