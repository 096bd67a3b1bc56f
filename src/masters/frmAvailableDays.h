#pragma once
// The week days a doctor is available on, picked from a list and handed back to the doctor form
// as one text ("Monday,Wednesday,Friday").
//
// The doctor form hands itself over with frmAvailableDays::LookUp(this): it is disabled while
// the picker is open and the picker is the active form, so the doctor form's hot keys rest. When
// the picker closes (OK or its close movie) the doctor form is enabled, brought to the front and
// made the active form again.
#include <QLabel>
#include <QListWidget>
#include <QPointer>
#include <QStringList>
#include <vector>

#include "framework/imagebutton.h"
#include "framework/vbform.h"
#include "platform/flashmovie.h"

class frmAddDoctorDetail;

// The day list for the entries selected, in list order ("All Days" gives the whole week).
QString AvailableDaysText(const QStringList& entries, const std::vector<bool>& selected);

class frmAvailableDays : public VbForm {
  Q_OBJECT
public:
  frmAvailableDays();
  ~frmAvailableDays() override;

  // The hand-off: the first caller is disabled and remembered; a second one while the picker is
  // in use gets the busy message. The picker comes to the front either way.
  static void LookUp(VbForm* Caller);
  VbForm* CallerForm() const { return callerForm_.data(); }

  QListWidget List1{this};
  ImageButton Picture1{this, QStringLiteral("Picture1")};  // OK
  QLabel Label3{this};
  FlashMovie ShockwaveFlash1{this};  // title bar
  FlashMovie ShockwaveFlash2{this};  // close
  FlashMovie ShockwaveFlash3{this};  // minimise
  QLabel Image1{this};               // background picture

  void Picture1_Click();

protected:
  void Form_Load() override;
  void Form_Unload(int& cancel) override;

private:
  void ShockwaveFlash2_FSCommand(const QString& command, const QString& args);
  frmAddDoctorDetail* doctorForm() const;

  QPointer<VbForm> callerForm_;
};
