#ifndef WOXTRANSLATOR_H
#define WOXTRANSLATOR_H

#include <QObject>
#include <QString>
#include <QTranslator>

// Switches every screen between English ("Uk") and Russian ("Ru"). The
// compiled translations are embedded as ":/system/system/<code>.qm". Every
// screen connects sendTranslate() to its own onTranslate() and re-sets its
// texts when the language changes. GUI thread only.
class woxTranslator : public QObject
{
    Q_OBJECT

public:
    // Created on first use: reads the stored language, loads its
    // translation and installs it in the application.
    static woxTranslator *instance();
    static void destroy();

    // Loads the translation of the code; only on success the code becomes
    // current and sendTranslate() is emitted. A failed load changes nothing.
    void setLanguage(const QString &code);
    QString language() const;

    // Settings application and key that hold the chosen code.
    static const QString settingsApplication;
    static const QString languageKey;

signals:
    void sendTranslate();

private:
    woxTranslator();
    ~woxTranslator() override;

    static QString resourcePath(const QString &code);
    bool loadTranslation(const QString &code);

    QTranslator translator;
    QString languageCode;

    static woxTranslator *self;
};

#endif
