#include "woxMainWidget.h"

#include "woxConstants.h"
#include "woxCore.h"
#include "woxEngineerWidget.h"
#include "woxGPSManager.h"
#include "woxPseudoDepthTable.h"
#include "woxQuadripoleGenerator.h"
#include "woxTranslator.h"
#include "woxUserMessage.h"
#include "woxWarningDialog.h"

#include <QCloseEvent>
#include <QDir>

#include <cstdio>

woxMainWidget::woxMainWidget(QWidget *parent)
    : QWidget(parent)
    , userMessage(nullptr)
{
    createDataDirectories();
    setupUi(this);

    verticalLayout->addWidget(&statusBar);
    verticalLayout_4->addWidget(&sessionMenuWidget);
    verticalLayout_5->addWidget(&optionsWidget);
    verticalLayout_6->addWidget(&templateMenuWidget);
    verticalLayout_2->addWidget(&dataMenuWidget);
    verticalLayout_7->addWidget(&systemWidget);

    connect(&systemWidget, &woxSystemWidget::sendPowerOff, this, &QWidget::close);
    systemWidget.setEngineerOpener(&woxEngineerWidget::openFromKeypad);
    connect(woxTranslator::instance(), &woxTranslator::sendTranslate, this,
            &woxMainWidget::onTranslate);
    userMessage = woxUserMessage::instance();
    connect(userMessage, &woxUserMessage::sendUserMessage, &statusBar,
            &woxStatusBar::onUserMessage);
    connect(userMessage, &woxUserMessage::sendUserMessageForever, &statusBar,
            &woxStatusBar::onUserMessageForever);

    setFixedSize(1024, 600);
    onTranslate();
}

void woxMainWidget::createDataDirectories()
{
    // Failures are not reported here: file operations in a missing
    // directory fail with their own messages.
    for (const QString &directory : {varnexDir, templatesDir, sessionsDir, systemDir, tmpDir})
        QDir().mkpath(directory);
}

void woxMainWidget::onTranslate()
{
    tabWidget->setTabText(0, tr("MAIN"));
    tabWidget->setTabText(1, tr("OPTIONS"));
    tabWidget->setTabText(2, tr("TEMPLATES"));
    tabWidget->setTabText(3, tr("DATA"));
    tabWidget->setTabText(4, tr("SYSTEM"));
}

void woxMainWidget::closeEvent(QCloseEvent *event)
{
    optionsWidget.saveSettings();
    woxPseudoDepthTable::destroy();
    // Cancels a running job and waits for the worker, so nothing below runs
    // with a second thread left.
    woxCore::destroy();
    woxGPSManager::destroy();
    woxQuadripoleGenerator::destroy();
    woxUserMessage::destroy();
    userMessage = nullptr;
    woxWarningDialog::closeInstance();
    woxTranslator::destroy();
    std::fputc('\r', stderr);
    std::fflush(stderr);
    event->accept();
}
