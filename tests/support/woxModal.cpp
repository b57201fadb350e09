#include "woxModal.h"

#include <QApplication>
#include <QTimer>

namespace {

void poll(const std::function<void(QDialog *)> &action, int triesLeft)
{
    QTimer::singleShot(triesLeft == 1000 ? 0 : 10, [action, triesLeft]() {
        auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
        if (dialog || triesLeft <= 1)
            action(dialog);
        else
            poll(action, triesLeft - 1);
    });
}

} // namespace

void woxOnModal(const std::function<void(QDialog *)> &action)
{
    poll(action, 1000);
}

void woxIfModal(const std::function<void(QDialog *)> &action)
{
    QTimer::singleShot(0, [action]() {
        action(qobject_cast<QDialog *>(QApplication::activeModalWidget()));
    });
}
