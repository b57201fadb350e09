#include "woxOptshellFreshStart.h"

#include "woxConstants.h"
#include "woxCore.h"
#include "woxSystemWidget.h"
#include "woxTestEnvironment.h"
#include "woxTranslator.h"
#include "woxUserMessage.h"
#include "woxWarningDialog.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>

bool woxOptshellFreshStart::reset()
{
    if (!woxTestEnvironment::root() || !*woxTestEnvironment::root())
        return false;
    woxCore::destroy();
    woxUserMessage::destroy();
    woxWarningDialog::closeInstance();
    woxTranslator::destroy();
    woxSystemWidget::setActivity(false);
    // Cleared through QSettings before the files go, so no cached copy of a store outlives it.
    const QFileInfo anyStore(QSettings(settingsOrganisation, QStringLiteral("any")).fileName());
    for (const QFileInfo &store : anyStore.dir().entryInfoList({QStringLiteral("*.conf")}, QDir::Files)) {
        QSettings settings(settingsOrganisation, store.completeBaseName());
        settings.clear();
        settings.sync();
    }
    woxTestEnvironment::reset();
    return true;
}
