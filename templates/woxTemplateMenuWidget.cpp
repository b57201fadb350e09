#include "woxTemplateMenuWidget.h"

woxTemplateMenuWidget::woxTemplateMenuWidget(QWidget *parent)
    : QWidget(parent)
{
}
