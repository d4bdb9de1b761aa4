// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QWidget;

namespace qv {

// Places a window in the middle of its screen: top = screen height div 2 -
// window height div 2, left likewise with the widths (outer window size).
void CentreOnScreen(QWidget* window);

}  // namespace qv
