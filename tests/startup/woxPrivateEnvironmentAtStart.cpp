// Compiled into every test executable: the private home is in place before
// main() runs, so no application object, settings store or data folder ever
// sees the user's own, whoever starts the test and however.

#include "woxTestEnvironment.h"

namespace {
const bool entered = (woxTestEnvironment::enter(), true);
}
