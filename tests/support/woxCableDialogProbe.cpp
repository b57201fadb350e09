#include "woxCableDialogProbe.h"

#include "woxCableConfigDialog.h"

namespace woxCableDialogProbe {

int page(const woxCableConfigDialog &dialog)
{
    return dialog.currentCableLabel->text().section(QLatin1Char(' '), 0, 0).toInt() - 1;
}

int selected(const woxCableConfigDialog &dialog)
{
    const QColor selection(0, 255, 127);
    for (int cell = 0; cell < 32; ++cell) {
        const QString name = QStringLiteral("w%1ToolButton").arg(cell, 2, 10, QLatin1Char('0'));
        const QWidget *button = dialog.findChild<QWidget *>(name);
        if (button && button->palette().color(QPalette::Active, QPalette::Button) == selection)
            return page(dialog) * 32 + cell;
    }
    return -1;
}

QString cellText(const woxCableConfigDialog &dialog, int cell)
{
    const QString name = QStringLiteral("w%1Label").arg(cell, 2, 10, QLatin1Char('0'));
    const QLabel *label = dialog.findChild<QLabel *>(name);
    return label ? label->text() : QString();
}

} // namespace woxCableDialogProbe
