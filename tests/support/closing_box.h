#pragma once
// A message box that closes its form: from arm() on, the boxes are real modal ones with their own
// event loop. While the next one is up the form is closed and its deferred delete runs inside the
// box's loop, as when the clerk closes the form from another window; then the box is answered
// with Enter. disarm() puts the scripted boxes back.
#include <QStringList>
#include <memory>

#include "platform/msgbox.h"

class VbForm;

class FormClosingBox {
public:
  void arm(VbForm* form);
  void disarm();

  QStringList shown;         // the text of the box that came up
  bool closedInside = false; // the form was gone before the box returned

private:
  std::shared_ptr<MessageBoxService> scripted_;
};
