#pragma once
// The mode a record form's bar is in, as the buttons shown tell it: "browse" while the first
// eight (First .. View All) are shown and Save and Cancel hidden, "edit" for the reverse, and
// "broken" for anything else.
#include <string>

#include "framework/recordform.h"

inline std::string RecordBarMode(RecordForm* form) {
  bool browse = true, edit = true;
  for (int n = 1; n <= 10; ++n) {
    const bool shown = form->RecordButton(n)->isVisible();
    (n <= 8 ? browse : edit) &= shown;
    (n <= 8 ? edit : browse) &= !shown;
  }
  return browse ? "browse" : edit ? "edit" : "broken";
}
