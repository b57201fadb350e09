#ifndef WOXWORKINGCOPY_H
#define WOXWORKINGCOPY_H

#include <QString>

struct woxCableConfiguration;
struct woxTemplateContent;

// The working copy of the current session, a session file under a fixed
// name in the system directory: what "Open previous session" reopens and
// the only copy of measurements made since the last named save.
class woxWorkingCopy
{
public:
    static QString path();

    // True when the working copy reads as a session with at least one
    // measured row. A missing or damaged file holds none; nothing is shown.
    static bool hasMeasuredRow();

    // Generates a new session into a temporary file beside the working copy
    // and lets it replace the working copy only when it holds runs, by one
    // rename within the directory. Returns the generator's count; with 0 or
    // -1 (the file could not be written, or not put in place) the working
    // copy is left as it was and no temporary file stays behind.
    static int generate(const woxTemplateContent &content,
                        const woxCableConfiguration &configuration, quint16 fromElectrode);
};

#endif
