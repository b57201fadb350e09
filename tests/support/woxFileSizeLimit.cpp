#include "woxFileSizeLimit.h"

#include <csignal>

void woxWithFileSizeLimit(rlim_t bytes, const std::function<void()> &write)
{
    const auto handler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit saved;
    getrlimit(RLIMIT_FSIZE, &saved);
    const rlimit limit = {bytes, saved.rlim_max};
    setrlimit(RLIMIT_FSIZE, &limit);
    write();
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, handler);
}
