#include "woxSystemWidget.h"

woxSystemWidget::woxSystemWidget(QWidget *parent)
    : QWidget(parent)
{
}

bool woxSystemWidget::activity = false;

void woxSystemWidget::setActivity(bool active)
{
    activity = active;
}
