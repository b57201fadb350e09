#ifndef WOXCABLEDIALOGPROBE_H
#define WOXCABLEDIALOGPROBE_H

#include <QString>

class woxCableConfigDialog;

// Reads what the cable dialog shows: tests look at it as the operator does.
namespace woxCableDialogProbe {

// 0-based page from the page label ("2 / 2" is page 1).
int page(const woxCableConfigDialog &dialog);
// The electrode whose number button wears the selection colour on the page
// on show, or -1.
int selected(const woxCableConfigDialog &dialog);
// Value text of a cell of the page on show.
QString cellText(const woxCableConfigDialog &dialog, int cell);

} // namespace woxCableDialogProbe

#endif
