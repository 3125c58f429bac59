#pragma once

#include "platform/ScreenControls.h"
#include "platform/ScreenLook.h"

// The faces the teacher's screens (the results and the report) share, so
// that the two read as one.
namespace zandoli::teacherLook {

inline const screenControls::Face HEADING_FACE{screenLook::ROUNDED, 24, true};
inline const screenControls::Face BUTTON_FACE{screenLook::ARIAL, 18, true};
// What a screen says where it has nothing to show.
inline const screenControls::Face EMPTY_FACE{screenLook::ARIAL, 20.25, true};

}  // namespace zandoli::teacherLook
