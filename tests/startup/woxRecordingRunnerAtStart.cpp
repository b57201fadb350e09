// Compiled into every test executable: before main() runs, a recording
// command runner takes the place of the real one, so no test can set the
// computer's clock, switch the USB mode or start any other program by
// accident (CI runs as root). A test that installs its own fake gets this
// one back when its fake ends; a test of the real runner builds one itself.

#include "woxFakeCommandRunner.h"

namespace {
const woxFakeCommandRunner recordingRunner;
}
