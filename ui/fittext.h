#pragma once

class QWidget;

namespace vantry {

// Controls keep their design sizes in every language and at every desktop font; where a text
// would not fit its control (a long word in another language, a desktop face of 11 points), the
// control's face is made smaller, a quarter point at a time, until it fits, never below
// `smallestPoints`. The text is never clipped or elided.
namespace FitText {

constexpr double SmallestPoints = 7.0;

// Shrinks the control's face until its text fits the room the control has for it (a button's
// contents, a label's contents less its margin); a control whose text fits keeps the face it has.
void Fit(QWidget* control, double smallestPoints = SmallestPoints);
// Every push button, and every label without word wrap, of `window`.
void FitAll(QWidget* window);

}  // namespace FitText

}  // namespace vantry
