#ifndef WOXMODAL_H
#define WOXMODAL_H

#include <QDialog>

#include <functional>

// Answers a modal dialog from a test: the action runs on the first modal
// dialog that appears, from inside its exec() loop. The dialog may open
// later (from a queued report, say); when none opens within 10 seconds the
// action gets nullptr.
void woxOnModal(const std::function<void(QDialog *)> &action);

// Runs the action once the event loop runs next, with the modal dialog open
// at that moment or nullptr: for checking that a call showed nothing.
void woxIfModal(const std::function<void(QDialog *)> &action);

#endif
