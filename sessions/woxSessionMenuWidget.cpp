#include "woxSessionMenuWidget.h"

woxSessionMenuWidget::woxSessionMenuWidget(QWidget *parent)
    : QWidget(parent)
{
}
