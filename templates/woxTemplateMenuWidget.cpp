#include "woxTemplateMenuWidget.h"

#include "woxConstants.h"
#include "woxEmbeddedScreen.h"
#include "woxERTLoader.h"
#include "woxERTTableDialog.h"
#include "woxERTTemplateWidget.h"
#include "woxFileTableDataModel.h"
#include "woxFileTableDialog.h"
#include "woxTemplateWidget.h"
#include "woxTranslator.h"
#include "woxWarningDialog.h"


#include <exception>

woxTemplateMenuWidget::woxTemplateMenuWidget(QWidget *parent)
    : QWidget(parent)
{
    setupUi(this);
    connect(newPushButton, &QPushButton::clicked, this, &woxTemplateMenuWidget::onTemplateCreate);
    connect(openPushButton, &QPushButton::clicked, this, &woxTemplateMenuWidget::onTemplateLoad);
    connect(openERTPushButton, &QPushButton::clicked,
            this, &woxTemplateMenuWidget::onERTTemplateLoad);
    connect(woxTranslator::instance(), &woxTranslator::sendTranslate,
            this, &woxTemplateMenuWidget::onTranslate);
    onTranslate();
}

// An editor still open goes with the page as its child.
woxTemplateMenuWidget::~woxTemplateMenuWidget() = default;

void woxTemplateMenuWidget::onTranslate()
{
    newPushButton->setText(tr("New template"));
    openPushButton->setText(tr("Open template"));
    openERTPushButton->setText(tr("Open Varnex template"));
}

void woxTemplateMenuWidget::setMenuVisible(bool visible)
{
    for (QWidget *button : {newPushButton, openPushButton, openERTPushButton})
        button->setVisible(visible);
    const int margin = visible ? 20 : 0;
    verticalLayout->setContentsMargins(margin, margin, margin, margin);
}

void woxTemplateMenuWidget::showNotFound(const QString &directory)
{
    woxWarningDialog::showOk(tr("Can not find templates") + QStringLiteral("\n(") + directory
                             + QLatin1Char(')'));
}

void woxTemplateMenuWidget::onTemplateCreate()
{
    openTemplateWidget(QString());
}

void woxTemplateMenuWidget::onTemplateLoad()
{
    woxFileTableDataModel model(false);
    if (model.isEmpty()) {
        showNotFound(templatesDir);
        return;
    }
    woxFileTableDialog dialog(&model);
    if (dialog.exec() != QDialog::Accepted)
        return;
    const QString name = dialog.selectedName();
    if (name.isEmpty())
        return;
    openTemplateWidget(templatesDir + name + QLatin1Char('.') + templateExtension);
}

void woxTemplateMenuWidget::openTemplateWidget(const QString &path)
{
    if (templateWidget)
        return;
    try {
        templateWidget = new woxTemplateWidget(nullptr);
        if (!templateWidget->loadFile(path)) {
            templateWidget->close();
            onTemplateClose();
            return;
        }
    } catch (const std::exception &) {
        woxWarningDialog::showOk(tr("System error"));
        onTemplateClose();
        return;
    }
    setMenuVisible(false);
    verticalLayout->addWidget(templateWidget);
    connect(templateWidget, &woxTemplateWidget::sendTemplateClose,
            this, &woxTemplateMenuWidget::onTemplateClose);
}

void woxTemplateMenuWidget::onERTTemplateLoad()
{
    if (ertTemplateWidget)
        return;
    const QStringList names = woxERTTableDialog::varnexNames();
    if (names.isEmpty()) {
        showNotFound(varnexDir);
        return;
    }
    woxERTTableDialog dialog(names);
    if (dialog.exec() != QDialog::Accepted)
        return;
    openERTTemplateWidget(varnexDir + dialog.selectedName());
}

void woxTemplateMenuWidget::openERTTemplateWidget(const QString &path)
{
    QString error;
    QMap<woxElectrode, woxElectrodePosition> electrodes;
    QList<woxQuadripole> quadripoles;
    if (!woxERTLoader::load(path, &error, &electrodes, &quadripoles)) {
        woxWarningDialog::showOk(error);
        return;
    }
    try {
        ertTemplateWidget = new woxERTTemplateWidget(path, electrodes, quadripoles, nullptr);
    } catch (const std::exception &) {
        woxWarningDialog::showOk(tr("System error"));
        onTemplateClose();
        return;
    }
    setMenuVisible(false);
    verticalLayout->addWidget(ertTemplateWidget);
    connect(ertTemplateWidget, &woxERTTemplateWidget::sendTemplateClose,
            this, &woxTemplateMenuWidget::onTemplateClose);
}

void woxTemplateMenuWidget::onTemplateClose()
{
    woxEmbeddedScreen::dispose(templateWidget, this);
    woxEmbeddedScreen::dispose(ertTemplateWidget, this);
    setMenuVisible(true);
}
