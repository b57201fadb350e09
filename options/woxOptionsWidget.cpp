#include "woxOptionsWidget.h"

woxOptionsWidget::woxOptionsWidget(QWidget *parent)
    : QWidget(parent)
{
}

void woxOptionsWidget::saveSettings()
{
}
