#ifndef WOXSTOREDLANGUAGE_H
#define WOXSTOREDLANGUAGE_H

#include <QVariant>

// The language choice in the settings, spelled out here by hand so that a
// renamed key in the translator or the language screen shows as a failure.
class woxStoredLanguage
{
public:
    // Invalid when no choice is stored.
    static QVariant value();
    // A null code removes the choice, as on a first start.
    static void store(const QVariant &code);
};

#endif
