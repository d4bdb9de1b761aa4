// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/DialogParts.h"

#include "catalogue/Category.h"
#include "ui/Ansi.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QWidget>

namespace qv {

namespace {

constexpr int LargestDialogFontPixels = 12;
constexpr int SmallestFittedFontPixels = 8;

bool TextFits(const QLabel* label, const QFont& font)
{
    const QRect area = label->contentsRect();
    int flags = static_cast<int>(label->alignment());
    if (label->wordWrap()) flags |= Qt::TextWordWrap;
    const QRect needed = QFontMetrics(font).boundingRect(QRect(0, 0, area.width(), 0x7FFF), flags, label->text());
    return needed.width() <= area.width() && needed.height() <= area.height();
}

}  // namespace

QLabel* MakeLabel(QWidget* parent, const char* name, const QRect& geometry, Qt::Alignment alignment, bool wordWrap)
{
    auto* label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(alignment);
    label->setWordWrap(wordWrap);
    label->setGeometry(geometry);
    return label;
}

QLineEdit* MakeLineEdit(QWidget* parent, const char* name, const char* accessibleName, const QRect& geometry)
{
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QString::fromLatin1(name));
    edit->setAccessibleName(QString::fromLatin1(accessibleName));
    edit->setGeometry(geometry);
    return edit;
}

QPushButton* MakeButton(QWidget* parent, const char* name, const char* text, const QRect& geometry)
{
    auto* button = new QPushButton(ToQ(text), parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setGeometry(geometry);
    return button;
}

void LimitDialogFont(QWidget* dialog)
{
    QFont font = dialog->font();
    if (QFontInfo(font).pixelSize() <= LargestDialogFontPixels) return;
    font.setPixelSize(LargestDialogFontPixels);
    dialog->setFont(font);
}

void SetFittedText(QLabel* label, const std::string& message)
{
    label->setText(MessageToQ(message));
    // Start again from the dialog's font: the previous text may have needed
    // a smaller one.
    QFont font = label->parentWidget() ? label->parentWidget()->font() : label->font();
    for (int pixels = QFontInfo(font).pixelSize(); pixels > SmallestFittedFontPixels && !TextFits(label, font);
         --pixels)
        font.setPixelSize(pixels - 1);
    label->setFont(font);
}

std::string UnitListText(const TUnit& unit)
{
    return unit.Symbol + " (" + unit.Definition + ")";
}

}  // namespace qv
