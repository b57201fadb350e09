#include "woxUpdateWidget.h"

#include "woxTranslator.h"

#include <QCloseEvent>

woxUpdateWidget::woxUpdateWidget(QWidget *parent)
    : QWidget(parent)
{
    setupUi(this);
    downloadPushButton->setEnabled(false);
    downloadPushButton->hide();
    progressBar->hide();
    connect(woxTranslator::instance(), &woxTranslator::sendTranslate, this,
            &woxUpdateWidget::onTranslate);
    onTranslate();
}

void woxUpdateWidget::onTranslate()
{
    groupBox->setTitle(tr("Update"));
    downloadPushButton->setText(tr("Download, install, restart"));
    closePushButton->setText(tr("Close"));
}

void woxUpdateWidget::closeEvent(QCloseEvent *event)
{
    emit sendUpdateWidgetClose();
    event->accept();
}
