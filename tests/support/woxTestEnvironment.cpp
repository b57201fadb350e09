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
#include <csignal>
#include <dirent.h>
#include <fcntl.h>
#include <fstream>
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

// True while a process other than this one was started with its
// environment pointing at the private folder: anything that a test started,
// and what those started in turn.
bool descendantsRunning(bool kill)
{
    const std::string mark = std::string(rootVariable) + "=" + privateRoot;
    bool found = false;
    DIR *processes = opendir("/proc");
    while (dirent *entry = processes ? readdir(processes) : nullptr) {
        const int pid = std::atoi(entry->d_name);
        std::ifstream file(std::string("/proc/") + entry->d_name + "/environ");
        std::string variable;
        while (pid > 0 && pid != getpid() && std::getline(file, variable, '\0')) {
            if (variable == mark) {
                found = true;
                if (kill)
                    ::kill(pid, SIGKILL);
                break;
            }
        }
    }
    if (processes)
        closedir(processes);
    return found;
}

// Started twice removed (its parent ends at once), so nothing that kills the
// test and its children finds it; it holds none of the test's output pipes,
// so no one waits for it either. It reads the pipe whose writing end only the
// test holds: end of file means the test is gone, however it ended. The
// processes the test started die with it; any still running after a few
// seconds are killed, so none can write into the folder once it is gone.
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
        for (int round = 0; descendantsRunning(round > 250); ++round)
            usleep(20000);
        removeBelow(privateRoot, true);
        std::_Exit(0);
    }
    close(ends[0]);
    waitpid(child, nullptr, 0);
}

// The variables pointed into the private folder, and their folders there.
const char *const folders[][2] = {
    {"HOME", "/home"}, {"XDG_CONFIG_HOME", "/config"}, {"XDG_RUNTIME_DIR", "/runtime"}, {"TMPDIR", "/temporary"},
    // Anything that keeps data or a cache (fontconfig does) stays inside too.
    {"XDG_DATA_HOME", "/data"}, {"XDG_CACHE_HOME", "/cache"}, {"XDG_STATE_HOME", "/state"}};

// Names the test that made the folder, so that only a copy it starts itself
// takes the folder over.
std::string marker(pid_t maker)
{
    return std::string(privateRoot) + "/made-by-test." + std::to_string(maker);
}

// A variable alone proves nothing: the folder must be ours, no link, and say
// that our parent made it.
bool madeByParent()
{
    const char *root = std::getenv(rootVariable);
    const char *home = std::getenv("HOME");
    if (!root || !home || std::string(home) != std::string(root) + "/home")
        return false;
    std::snprintf(privateRoot, sizeof privateRoot, "%s", root);
    struct stat folder, made;
    if (lstat(privateRoot, &folder) == 0 && S_ISDIR(folder.st_mode) && folder.st_uid == geteuid()
        && lstat(marker(getppid()).c_str(), &made) == 0 && S_ISREG(made.st_mode) && made.st_uid == geteuid())
        return true;
    *privateRoot = 0;
    return false;
}

// A test asked to stop by its id stops at once, however it was started: one
// started in the background by a script would ignore INT and QUIT, and the
// debugger Qt Test starts to print the stack of a test killed by TERM would
// hold it (and the processes it started) for seconds. The sanitizer builds
// print their own reports of a crash.
void stopsWhenAsked()
{
    std::signal(SIGINT, SIG_DFL);
    std::signal(SIGQUIT, SIG_DFL);
    setenv("QTEST_DISABLE_STACK_DUMP", "1", 0);
}

} // namespace

void woxTestEnvironment::enter()
{
    if (*privateRoot)
        return;
    // With 0, 1 or 2 closed, the files and the pipe below would take their
    // place and receive what is meant for standard input, output or error.
    int null;
    while ((null = open("/dev/null", O_RDWR)) >= 0 && null <= 2) {
    }
    if (null < 0)
        refuse("/dev/null");
    close(null);
    if (madeByParent())
        return;
    const char *temporary = std::getenv("TMPDIR");
    std::snprintf(privateRoot, sizeof privateRoot, "%s/wox-test.XXXXXX",
                  temporary && *temporary ? temporary : P_tmpdir);
    if (!mkdtemp(privateRoot))
        refuse(privateRoot);
    owner = true;
    std::atexit(removeAtExit);
    startWatcher();
    const int made = open(marker(getpid()).c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (made < 0)
        refuse("no marker");
    close(made);
    for (const auto &folder : folders) {
        const std::string path = std::string(privateRoot) + folder[1];
        if (mkdir(path.c_str(), 0700) != 0)
            refuse(path.c_str());
        setenv(folder[0], path.c_str(), 1);
    }
    setenv(rootVariable, privateRoot, 1);
    // The screen tests compare pictures drawn offscreen, and a run by hand
    // should open no window on the user's desktop.
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    stopsWhenAsked();
}

void woxTestEnvironment::reset()
{
    if (!*privateRoot)
        return;
    // Qt keeps what a settings store read for the life of the process:
    // cleared through QSettings first, no copy of a store outlives its file.
    const QFileInfo anyStore(QSettings(settingsOrganisation, QStringLiteral("any")).fileName());
    for (const QFileInfo &store : anyStore.dir().entryInfoList({QStringLiteral("*.conf")}, QDir::Files)) {
        QSettings settings(settingsOrganisation, store.completeBaseName());
        settings.clear();
        settings.sync();
    }
    // Named from the folder this process made or took over, never from the
    // variables, which a caller may have pointed anywhere.
    for (const auto &folder : folders)
        removeBelow((std::string(privateRoot) + folder[1]).c_str(), false);
}

const char *woxTestEnvironment::root()
{
    return privateRoot;
}
