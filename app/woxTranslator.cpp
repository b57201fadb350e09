#include "woxTranslator.h"

#include "woxConstants.h"

#include <QCoreApplication>
#include <QFile>
#include <QSettings>

woxTranslator *woxTranslator::self = nullptr;
const QString woxTranslator::settingsApplication = QStringLiteral("woxTranslator");
const QString woxTranslator::languageKey = QStringLiteral("language");

woxTranslator *woxTranslator::instance()
{
    if (!self)
        self = new woxTranslator();
    return self;
}

void woxTranslator::destroy()
{
    delete self;
    self = nullptr;
}

woxTranslator::woxTranslator()
    : languageCode(QStringLiteral("Uk"))
{
    QSettings settings(settingsOrganisation, settingsApplication);
    languageCode = settings.value(languageKey, QStringLiteral("Uk")).toString();
    loadTranslation(languageCode);
    // Installed even when empty, so a later successful load takes effect
    // without installing again.
    QCoreApplication::installTranslator(&translator);
}

woxTranslator::~woxTranslator() = default;

QString woxTranslator::resourcePath(const QString &code)
{
    return QStringLiteral(":/system/system/") + code + QStringLiteral(".qm");
}

bool woxTranslator::loadTranslation(const QString &code)
{
    // QTranslator::load() empties the translator before it reads, so a bad
    // file would silently drop the current language. The file is tried on a
    // spare translator first; only a file that loads replaces the current one.
    // The exact resource must exist: load() would otherwise fall back to
    // shortened names ("Ru_x" loading "Ru.qm").
    const QString path = resourcePath(code);
    if (!QFile::exists(path))
        return false;
    QTranslator probe;
    if (!probe.load(path))
        return false;
    return translator.load(path);
}

void woxTranslator::setLanguage(const QString &code)
{
    if (!loadTranslation(code))
        return;
    languageCode = code;
    emit sendTranslate();
}

QString woxTranslator::language() const
{
    return languageCode;
}
