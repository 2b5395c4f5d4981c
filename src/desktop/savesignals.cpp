#include "savesignals.h"

#include <atomic>
#include <climits>
#include <csignal>
#include <cstring>
#include <unistd.h>

namespace app {

namespace {

constexpr int Ending[] = {SIGTERM, SIGINT, SIGHUP};

// What the handler reads: plain memory and lock-free atomics only, since it
// may run in any thread at any moment of the save.
char temporaryPath[PATH_MAX];
std::atomic<bool> removeTemporary{false};
std::atomic<bool> holding{false};
std::atomic<int> held{0};
static_assert(std::atomic<bool>::is_always_lock_free && std::atomic<int>::is_always_lock_free);

struct sigaction previous[std::size(Ending)];
bool taken[std::size(Ending)] = {};
struct sigaction previousSizeLimit;

void EndBy(int signal)
{
    struct sigaction fallback = {};
    fallback.sa_handler = SIG_DFL;
    sigemptyset(&fallback.sa_mask);
    sigaction(signal, &fallback, nullptr);
    // Blocked while the handler runs, and taken by its default action as
    // soon as the handler returns.
    raise(signal);
}

extern "C" void RemoveThenEnd(int signal)
{
    if (holding.load()) {
        held.store(signal);
        return;
    }
    if (removeTemporary.load())
        unlink(temporaryPath);
    EndBy(signal);
}

} // namespace

SaveSignals::SaveSignals()
{
    struct sigaction ignore = {};
    ignore.sa_handler = SIG_IGN;
    sigemptyset(&ignore.sa_mask);
    sigaction(SIGXFSZ, &ignore, &previousSizeLimit);

    struct sigaction remove = {};
    remove.sa_handler = RemoveThenEnd;
    sigemptyset(&remove.sa_mask);
    for (const int signal : Ending)
        sigaddset(&remove.sa_mask, signal);
    remove.sa_flags = SA_RESTART;
    for (std::size_t i = 0; i < std::size(Ending); ++i) {
        sigaction(Ending[i], nullptr, &previous[i]);
        taken[i] = !(previous[i].sa_flags & SA_SIGINFO) && previous[i].sa_handler == SIG_DFL;
        if (taken[i])
            sigaction(Ending[i], &remove, nullptr);
    }
}

SaveSignals::~SaveSignals()
{
    Forget();
    for (std::size_t i = 0; i < std::size(Ending); ++i) {
        if (taken[i])
            sigaction(Ending[i], &previous[i], nullptr);
        taken[i] = false;
    }
    sigaction(SIGXFSZ, &previousSizeLimit, nullptr);
    holding.store(false);
    if (const int signal = held.exchange(0))
        EndBy(signal);
}

void SaveSignals::Remove(const QByteArray& path)
{
    removeTemporary.store(false);
    if (std::size_t(path.size()) >= sizeof temporaryPath)
        return;
    std::memcpy(temporaryPath, path.constData(), std::size_t(path.size()) + 1);
    removeTemporary.store(true);
}

void SaveSignals::Forget()
{
    removeTemporary.store(false);
}

void SaveSignals::HoldUntilDone()
{
    holding.store(true);
}

} // namespace app
