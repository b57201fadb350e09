#ifndef WOXTESTENVIRONMENT_H
#define WOXTESTENVIRONMENT_H

// A private home for one test process. Before main() runs, every test
// executable points HOME, XDG_CONFIG_HOME (and the other XDG folders),
// XDG_RUNTIME_DIR and TMPDIR at folders of its own under the temporary
// folder, so a test started by hand never reads or writes the user's data
// folders or settings. The folder goes when the process ends, also when it is
// killed (a time-out's SIGKILL included): a watcher outside the process waits
// for it, and for everything it started, to end. A copy of the test that the
// test itself starts shares its parent's folder and leaves it alone; no other
// process takes a folder over, whatever its variables say.
class woxTestEnvironment
{
public:
    static void enter();
    // Empties the private folders (the folders themselves stay) and every
    // settings store of the program, so a test function can start from no
    // files and no stored settings. Nothing outside the private folder.
    static void reset();
    // The folder that holds the others; empty before enter().
    static const char *root();
};

#endif
