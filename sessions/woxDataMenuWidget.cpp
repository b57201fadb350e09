#include "woxDataMenuWidget.h"

#include "woxConstants.h"
#include "woxEmbeddedScreen.h"
#include "woxFileTableDataModel.h"
#include "woxFileTableDialog.h"
#include "woxSessionWidget.h"
#include "woxTranslator.h"
#include "woxWarningDialog.h"

#include <QPushButton>
#include <QVBoxLayout>

woxDataMenuWidget::woxDataMenuWidget(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("mDataMenuWidget"));
    setWindowIcon(QIcon(QStringLiteral(":/icons/icons/empty.png")));
    setWindowTitle(QString());
    verticalLayout = new QVBoxLayout(this);
    verticalLayout->setObjectName(QStringLiteral("verticalLayout"));
    verticalLayout->setSpacing(20);
    verticalLayout->setContentsMargins(20, 20, 20, 20);
    openPushButton = new QPushButton(this);
    openPushButton->setObjectName(QStringLiteral("openPushButton"));
    openPushButton->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred);
    openPushButton->setMaximumHeight(230);
    openPushButton->setIcon(QIcon(QStringLiteral(":/icons/icons/book.02.png")));
    openPushButton->setIconSize(QSize(128, 128));
    verticalLayout->addWidget(openPushButton);
    connect(openPushButton, &QPushButton::clicked, this, &woxDataMenuWidget::onOpen);
    connect(woxTranslator::instance(), &woxTranslator::sendTranslate, this,
            &woxDataMenuWidget::onTranslate);
    onTranslate();
}

woxDataMenuWidget::~woxDataMenuWidget()
{
    delete sessionWidget;
}

void woxDataMenuWidget::onTranslate()
{
    openPushButton->setText(tr("Open session"));
}

void woxDataMenuWidget::onOpen()
{
    woxFileTableDataModel sessions(true);
    if (sessions.isEmpty()) {
        woxWarningDialog::showOk(tr("Can not find sessions") + QStringLiteral("\n(") + sessionsDir
                                 + QLatin1Char(')'));
        return;
    }
    QString name;
    {
        woxFileTableDialog dialog(&sessions);
        if (dialog.exec() != QDialog::Accepted)
            return;
        name = dialog.selectedName();
    }
    if (!name.isEmpty())
        openSessionWidget(sessionsDir + name + QLatin1Char('.') + sessionExtension);
}

void woxDataMenuWidget::openSessionWidget(const QString &path)
{
    if (sessionWidget)
        return;
    if (!woxSessionWidget::openScreen(sessionWidget, path, true)) {
        onSessionClose();
        return;
    }
    setMenuVisible(false);
    verticalLayout->addWidget(sessionWidget);
    connect(sessionWidget, &woxSessionWidget::sendSessionClose, this,
            &woxDataMenuWidget::onSessionClose);
}

void woxDataMenuWidget::onSessionClose()
{
    // The pause choice belongs to the MAIN page's session.
    woxEmbeddedScreen::dispose(sessionWidget, this);
    setMenuVisible(true);
}

void woxDataMenuWidget::setMenuVisible(bool visible)
{
    openPushButton->setVisible(visible);
    verticalLayout->setContentsMargins(QMargins() + (visible ? 20 : 0));
}
