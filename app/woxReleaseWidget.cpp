#include "woxReleaseWidget.h"

#include "woxConstants.h"
#include "woxStyleSheet.h"
#include "woxTranslator.h"

#include <QCloseEvent>
#include <QFile>
#include <QScrollBar>

woxReleaseWidget::woxReleaseWidget(QWidget *parent)
    : QWidget(parent)
{
    setupUi(this);
    connect(woxTranslator::instance(), &woxTranslator::sendTranslate, this,
            &woxReleaseWidget::onTranslate);
    woxStyleSheet::apply(textBrowser->verticalScrollBar(),
                         QStringLiteral(":/system/system/vScrollBar.qss"));
    onTranslate();
}

void woxReleaseWidget::onTranslate()
{
    acceptPushButton->setText(tr("Accept"));
    groupBox->setTitle(tr("Release"));
    currentVersionLabel->setText(tr("Current version")
                                 + QStringLiteral(": %1 (%2)").arg(programVersion).arg(dataRootName));
    textBrowser->clear();
    // The translation of the language code names the notes of the language.
    QFile notes(QStringLiteral(":/release/release/") + tr("Uk") + QStringLiteral(".txt"));
    if (notes.open(QIODevice::ReadOnly))
        textBrowser->setText(QString::fromUtf8(notes.readAll()));
}

void woxReleaseWidget::closeEvent(QCloseEvent *event)
{
    // The owner may dispose of the screen here: nothing of it is touched after.
    emit sendReleaseWidgetClose();
    event->accept();
}
