#include "woxSessionMenuWidget.h"

#include "woxConstants.h"
#include "woxEmbeddedScreen.h"
#include "woxOptionsWidget.h"
#include "woxSessionCloseFlag.h"
#include "woxSessionWidget.h"
#include "woxTranslator.h"
#include "woxWarningDialog.h"
#include "woxWorkingCopy.h"

#include <QFile>

bool woxSessionMenuWidget::blinkToggle = false;

woxSessionMenuWidget::woxSessionMenuWidget(QWidget *parent)
    : QWidget(parent)
    , blinkTimer(this)
    , folderTwo(QPixmap(QStringLiteral(":/icons/icons/folderTwo.png")))
    , folderThree(QPixmap(QStringLiteral(":/icons/icons/folderThree.png")))
{
    // A named child, so the blink period can be looked up on the menu.
    blinkTimer.setObjectName(QStringLiteral("blinkTimer"));
    setupUi(this);
    connect(newPushButton, &QPushButton::clicked, this, &woxSessionMenuWidget::onSessionCreate);
    connect(ertPushButton, &QPushButton::clicked, this, &woxSessionMenuWidget::onSessionERT);
    connect(openPushButton, &QPushButton::clicked, this, &woxSessionMenuWidget::onSessionLoad);
    connect(&blinkTimer, &QTimer::timeout, this, &woxSessionMenuWidget::onAuxTimeout);
    lastSessionClosed();
    connect(woxTranslator::instance(), &woxTranslator::sendTranslate, this,
            &woxSessionMenuWidget::onTranslate);
    onTranslate();
}

woxSessionMenuWidget::~woxSessionMenuWidget()
{
    delete sessionWidget;
}

void woxSessionMenuWidget::onTranslate()
{
    newPushButton->setText(tr("Start new session"));
    ertPushButton->setText(tr("Start new Varnex session"));
    openPushButton->setText(tr("Open previous session"));
}

void woxSessionMenuWidget::lastSessionClosed()
{
    if (woxSessionCloseFlag::value() != 0) {
        blinkTimer.stop();
        openPushButton->setIcon(folderTwo);
    } else {
        blinkTimer.start(1000);
    }
}

void woxSessionMenuWidget::onAuxTimeout()
{
    openPushButton->setIcon(blinkToggle ? folderTwo : folderThree);
    blinkToggle = !blinkToggle;
}

void woxSessionMenuWidget::setMenuVisible(bool visible)
{
    if (visible) {
        lastSessionClosed();
    } else {
        blinkTimer.stop();
        openPushButton->setIcon(folderTwo);
    }
    newPushButton->setVisible(visible);
    ertPushButton->setVisible(visible);
    openPushButton->setVisible(visible);
    verticalLayout->setContentsMargins(QMargins() + (visible ? 20 : 0));
}

void woxSessionMenuWidget::onSessionCreate()
{
    openSessionWidget(QString());
}

void woxSessionMenuWidget::onSessionERT()
{
    openSessionWidget(varnexSourceMarker);
}

void woxSessionMenuWidget::onSessionLoad()
{
    const QString path = woxWorkingCopy::path();
    if (QFile::exists(path))
        openSessionWidget(path);
    else
        woxWarningDialog::showOk(tr("Can not find previous session"));
}

void woxSessionMenuWidget::openSessionWidget(const QString &source)
{
    if (sessionWidget)
        return;
    if (!woxSessionWidget::openScreen(sessionWidget, source, false)) {
        onSessionClose();
        return;
    }
    setMenuVisible(false);
    verticalLayout->addWidget(sessionWidget);
    connect(sessionWidget, &woxSessionWidget::sendSessionClose, this,
            &woxSessionMenuWidget::onSessionClose);
}

void woxSessionMenuWidget::onSessionClose()
{
    woxEmbeddedScreen::dispose(sessionWidget, this);
    setMenuVisible(true);
    woxOptionsWidget::setPauseDisabled(false);
}
