// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRect>
#include <QSize>

class QPrinter;
class QWidget;

namespace qv {

// The size at which an image of `pixels` (screen pixels at `screenDpi`)
// keeps its physical size on a device of `deviceDpiX` × `deviceDpiY`:
// each side multiplied then divided, rounded to the nearest integer.
QSize PrintedSize(QSize pixels, int screenDpi, int deviceDpiX, int deviceDpiY);

// Prints a picture of `window`'s client area, exactly as shown, at its
// physical on-screen size, from the top-left corner of the printable area of
// one page. Nothing is fitted: a window wider than the page is cut off.
// Returns the rectangle drawn, in device pixels. Raises an error when the
// printer refuses the job.
QRect PrintWindowImage(QWidget* window, QPrinter& printer);

// The same on the default printer; raises an error saying so when there is
// none.
void PrintOnDefaultPrinter(QWidget* window);

}  // namespace qv
