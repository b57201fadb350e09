#ifndef WOXMODALSCRIPT_H
#define WOXMODALSCRIPT_H

#include <QObject>
#include <QStringList>
#include <QTimer>

#include <functional>

class QDialog;

// Answers the modal dialogs that code under test opens with exec(), one
// scripted step per dialog in the order they appear. Every dialog seen is
// recorded in `seen` as its class name, plus ": " and its message where it
// has a "messageLabel" (the shared message dialog), so a test can check which
// questions were asked. A dialog that appears after the script ran out is
// rejected and recorded with the prefix "unexpected ". Only the newest
// script alive answers, so a helper may run its own script inside a test's.
class woxModalScript : public QObject
{
    Q_OBJECT

public:
    typedef std::function<void(QDialog *)> Step;

    woxModalScript();
    ~woxModalScript() override;

    woxModalScript &then(const Step &step);
    // The shared message dialog: ends it with the result (1 OK/Yes, 0 No).
    woxModalScript &answer(int result);
    // The on-screen keyboard: types the text and presses Enter.
    woxModalScript &type(const QString &text);
    // The array dialog: chooses the type and accepts.
    woxModalScript &chooseArray(int type);
    // Any dialog: rejects it (Cancel).
    woxModalScript &cancel();

    int pending() const;

    QStringList seen;

private slots:
    void poll();

private:
    QList<Step> steps;
    QTimer timer;
    woxModalScript *outer;

    static woxModalScript *newest;
};

#endif
