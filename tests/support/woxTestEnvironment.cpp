#include "woxTestEnvironment.h"

#include "woxConstants.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <cerrno>
#include <climits>
#include <fcntl.h>
#include <ftw.h>
#include <string>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

const char rootVariable[] = "WOX_TEST_ROOT";
// Plain data only: enter() runs from another file's static initialiser, maybe
// before any object with a constructor in this file has been built.
char privateRoot[PATH_MAX];
bool owner = false;

[[noreturn]] void refuse(const char *what)
{
    // Going on would run the test against the user's own home.
    std::fprintf(stderr, "woxTestEnvironment error: %s: %s\n", what, std::strerror(errno));
    std::_Exit(1);
}

int removeEntry(const char *path, const struct stat *, int, struct FTW *)
{
    std::remove(path);
    return 0;
}

void removeBelow(const char *folder, bool itself)
{
    if (!folder || !*folder)
        return;
    nftw(folder, removeEntry, 16, FTW_DEPTH | FTW_PHYS);
    if (!itself)
        mkdir(folder, 0700);
}

void removeAtExit()
{
    if (owner)
        removeBelow(privateRoot, true);
}

// Started twice removed (its parent ends at once), so nothing that kills the
// test and its children finds it; it holds none of the test's output pipes,
// so no one waits for it either. It reads the pipe whose writing end only the
// test holds: end of file means the test is gone, however it ended.
void startWatcher()
{
    int ends[2];
    if (pipe2(ends, O_CLOEXEC) != 0)
        refuse("no pipe for the watcher");
    const pid_t child = fork();
    if (child < 0)
        refuse("no watcher");
    if (child == 0) {
        setsid();
        if (fork() != 0)
            std::_Exit(0);
        close(ends[1]);
        const int null = open("/dev/null", O_RDWR);
        for (int fd = 0; fd < 3; ++fd)
            dup2(null, fd);
        char byte;
        while (read(ends[0], &byte, 1) != 0 && errno == EINTR) {
        }
        removeBelow(privateRoot, true);
        std::_Exit(0);
    }
    close(ends[0]);
    waitpid(child, nullptr, 0);
}

void point(const char *variable, const char *folder)
{
    const std::string path = std::string(privateRoot) + folder;
    if (mkdir(path.c_str(), 0700) != 0)
        refuse(path.c_str());
    setenv(variable, path.c_str(), 1);
}

bool insideParentsFolder()
{
    const char *root = std::getenv(rootVariable);
    const char *home = std::getenv("HOME");
    struct stat status;
    return root && home && std::string(home) == std::string(root) + "/home"
           && stat(root, &status) == 0 && S_ISDIR(status.st_mode);
}

} // namespace

void woxTestEnvironment::enter()
{
    if (*privateRoot)
        return;
    if (insideParentsFolder()) {
        std::snprintf(privateRoot, sizeof privateRoot, "%s", std::getenv(rootVariable));
        return;
    }
    const char *temporary = std::getenv("TMPDIR");
    std::snprintf(privateRoot, sizeof privateRoot, "%s/wox-test.XXXXXX",
                  temporary && *temporary ? temporary : P_tmpdir);
    if (!mkdtemp(privateRoot))
        refuse(privateRoot);
    owner = true;
    std::atexit(removeAtExit);
    startWatcher();
    point("HOME", "/home");
    point("XDG_CONFIG_HOME", "/config");
    point("XDG_RUNTIME_DIR", "/runtime");
    point("TMPDIR", "/temporary");
    // Anything that keeps data or a cache (fontconfig does) stays inside too.
    point("XDG_DATA_HOME", "/data");
    point("XDG_CACHE_HOME", "/cache");
    point("XDG_STATE_HOME", "/state");
    setenv(rootVariable, privateRoot, 1);
    // The screen tests compare pictures drawn offscreen, and a run by hand
    // should open no window on the user's desktop.
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
}

void woxTestEnvironment::reset()
{
    // Qt keeps what a settings store read for the life of the process:
    // cleared through QSettings first, no copy of a store outlives its file.
    const QFileInfo anyStore(QSettings(settingsOrganisation, QStringLiteral("any")).fileName());
    for (const QFileInfo &store : anyStore.dir().entryInfoList({QStringLiteral("*.conf")}, QDir::Files)) {
        QSettings settings(settingsOrganisation, store.completeBaseName());
        settings.clear();
        settings.sync();
    }
    for (const char *variable : {"HOME", "XDG_CONFIG_HOME", "XDG_RUNTIME_DIR", "TMPDIR", "XDG_DATA_HOME",
                                 "XDG_CACHE_HOME", "XDG_STATE_HOME"})
        removeBelow(std::getenv(variable), false);
}

const char *woxTestEnvironment::root()
{
    return privateRoot;
}
