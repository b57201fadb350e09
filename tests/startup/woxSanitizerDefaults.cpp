// Compiled into every test executable: the sanitizers' settings and
// suppressions live in the executable itself, so a test started by hand
// reports exactly what it reports under CTest. Options given in the
// environment still take precedence. Builds without sanitizers never call
// these.

extern "C" {

const char *__asan_default_options()
{
    return "detect_leaks=1";
}

const char *__ubsan_default_options()
{
    return "print_stacktrace=1:halt_on_error=1";
}

const char *__lsan_default_options()
{
    return "print_suppressions=0";
}

const char *__lsan_default_suppressions()
{
    return
        // Allocations the system libraries keep for the life of the process.
        "leak:libfontconfig\n"
        "leak:libdbus\n"
        "leak:libglib\n"
        // Qt 5.15's offscreen platform plugin never frees its screen and cursor.
        "leak:libqoffscreen\n";
}

// Qt's libraries are not built with ThreadSanitizer: the futexes behind
// their mutexes, event queues and D-Bus and network threads are invisible to
// it, so what it sees inside them are no races of ours. Our own code is
// instrumented and still checked, also where Qt calls it.
const char *__tsan_default_options()
{
    return "ignore_noninstrumented_modules=1";
}

const char *__tsan_default_suppressions()
{
    return
        // Qt's libraries are not built with ThreadSanitizer: it does not see
        // their futex-based mutexes, so Qt's own hand-over between a finished
        // thread and the one that waited for it looks like a race inside Qt.
        "race:QWaitCondition::~QWaitCondition\n"
        // QtTest's watchdog thread, likewise.
        "called_from_lib:libQt5Test.so\n"
        // A QThread that ends announces finished() through its metaObject() on
        // the ending thread; wait() returning (a futex inside Qt) orders that
        // before the object is deleted, which ThreadSanitizer cannot see either.
        "race:::metaObject\n"
        // glibc guards the time-zone data with a lock of its own, not a pthread
        // mutex.
        "race:tzset_internal\n"
        // A queued signal's arguments and connection are made on the worker
        // thread and freed on the receiving one; Qt's event queue hands them
        // over under a futex.
        "race:QMetaType::destroy\n"
        "race:QObjectPrivate::Connection::~Connection\n"
        // GLib's allocations for Qt's event dispatcher, likewise behind GLib's
        // own locks.
        "race:libglib-2.0.so\n"
        "race:QCoreApplication::removePostedEvents\n";
}

} // extern "C"
