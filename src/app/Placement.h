#pragma once

class QWidget;

namespace qv {

// Places a window in the middle of its screen: top = screen height div 2 -
// window height div 2, left likewise with the widths (outer window size).
void CentreOnScreen(QWidget* window);

// Fixed-size modal dialog without title-bar buttons.
void MakeFixedDialog(QWidget* dialog, int clientWidth, int clientHeight);

}  // namespace qv
