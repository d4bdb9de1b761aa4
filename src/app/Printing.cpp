// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Printing.h"

#include "catalogue/Errors.h"

#include <QPainter>
#include <QPixmap>
#include <QPrinter>
#include <QPrinterInfo>
#include <QWidget>

namespace qv {
namespace {

constexpr const char* NoDefaultPrinter =
    "There is no default printer. Install a printer or choose one as the default, then print again";
constexpr const char* PrinterRefused = "The printer did not accept the print job";

int MulDivRounded(int a, int b, int c)
{
    const long long product = static_cast<long long>(a) * b;
    return static_cast<int>((product + (product >= 0 ? c / 2 : -c / 2)) / c);
}

}  // namespace

QSize PrintedSize(QSize pixels, int screenDpi, int deviceDpiX, int deviceDpiY)
{
    if (screenDpi <= 0) screenDpi = 96;
    return {MulDivRounded(pixels.width(), deviceDpiX, screenDpi),
            MulDivRounded(pixels.height(), deviceDpiY, screenDpi)};
}

QRect PrintWindowImage(QWidget* window, QPrinter& printer)
{
    const QPixmap image = window->grab();
    const QSize logical = image.deviceIndependentSize().toSize();
    const QSize printed = PrintedSize(logical, window->logicalDpiX(), printer.logicalDpiX(), printer.logicalDpiY());
    QPainter painter;
    if (!painter.begin(&printer)) throw EQuantovaError(PrinterRefused);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    const QRect target(QPoint(0, 0), printed);  // the painter starts at the printable area
    painter.drawPixmap(target, image);
    if (!painter.end()) throw EQuantovaError(PrinterRefused);
    return target;
}

void PrintOnDefaultPrinter(QWidget* window)
{
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull()) throw EQuantovaError(NoDefaultPrinter);
    QPrinter printer(info, QPrinter::HighResolution);
    printer.setDocName(QStringLiteral("Quantova"));
    PrintWindowImage(window, printer);
}

}  // namespace qv
