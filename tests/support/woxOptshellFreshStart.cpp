#include "woxOptshellFreshStart.h"

#include "woxConstants.h"
#include "woxCore.h"
#include "woxDataRoot.h"
#include "woxSystemWidget.h"
#include "woxTranslator.h"
#include "woxUserMessage.h"
#include "woxWarningDialog.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>

#include <pwd.h>
#include <unistd.h>

bool woxOptshellFreshStart::reset()
{
    const passwd *account = getpwuid(getuid());
    if (!account || QDir(QString::fromLocal8Bit(account->pw_dir)) == QDir(QDir::homePath()))
        return false;
    woxCore::destroy();
    woxUserMessage::destroy();
    woxWarningDialog::closeInstance();
    woxTranslator::destroy();
    woxSystemWidget::setActivity(false);
    QDir(woxDataRoot::drive() + dataRootName).removeRecursively();
    // Cleared through QSettings rather than deleted, so no cached copy of a file outlives it.
    const QFileInfo anyStore(QSettings(settingsOrganisation, QStringLiteral("any")).fileName());
    for (const QFileInfo &store : anyStore.dir().entryInfoList({QStringLiteral("*.conf")}, QDir::Files)) {
        QSettings settings(settingsOrganisation, store.completeBaseName());
        settings.clear();
        settings.sync();
    }
    return true;
}
