#include "woxDataMenuWidget.h"

woxDataMenuWidget::woxDataMenuWidget(QWidget *parent)
    : QWidget(parent)
{
}
