#include "woxStoredLanguage.h"

#include "woxConstants.h"

#include <QSettings>

namespace {

const QString application = QStringLiteral("woxTranslator");
const QString key = QStringLiteral("language");

} // namespace

QVariant woxStoredLanguage::value()
{
    return QSettings(settingsOrganisation, application).value(key);
}

void woxStoredLanguage::store(const QVariant &code)
{
    QSettings settings(settingsOrganisation, application);
    if (code.isNull())
        settings.remove(key);
    else
        settings.setValue(key, code);
}
