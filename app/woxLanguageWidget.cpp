#include "woxLanguageWidget.h"

#include "woxConstants.h"
#include "woxTranslator.h"

#include <QCloseEvent>
#include <QSettings>

woxLanguageWidget::woxLanguageWidget(QWidget *parent)
    : QWidget(parent)
{
    setupUi(this);
    connect(ruPushButton, &QPushButton::clicked, this, &woxLanguageWidget::onRU);
    connect(ukPushButton, &QPushButton::clicked, this, &woxLanguageWidget::onUK);
    connect(woxTranslator::instance(), &woxTranslator::sendTranslate, this,
            &woxLanguageWidget::onTranslate);
    onTranslate();
}

void woxLanguageWidget::closeEvent(QCloseEvent *event)
{
    {
        QSettings settings(settingsOrganisation, woxTranslator::settingsApplication);
        settings.setValue(woxTranslator::languageKey, woxTranslator::instance()->language());
    }
    // The owner may delete this screen in the slot connected here: nothing
    // of the screen is touched after the emission.
    emit sendLanguageWidgetClose();
    event->accept();
}

void woxLanguageWidget::onTranslate()
{
    pushButton->setText(tr("Accept"));
    groupBox->setTitle(tr("Language"));
}

void woxLanguageWidget::onRU()
{
    woxTranslator::instance()->setLanguage(QStringLiteral("Ru"));
}

void woxLanguageWidget::onUK()
{
    woxTranslator::instance()->setLanguage(QStringLiteral("Uk"));
}
