#include "cli/StopSignals.h"

#include <atomic>
#include <csignal>

namespace quorvale::cli {
namespace {

std::atomic<StopSignals::Stop> g_stop{nullptr};
std::atomic<void*> g_context{nullptr};
std::atomic<int> g_signal{0};
static_assert(std::atomic<StopSignals::Stop>::is_always_lock_free);
static_assert(std::atomic<void*>::is_always_lock_free);
static_assert(std::atomic<int>::is_always_lock_free);

constexpr int kSignals[] = {SIGINT, SIGTERM};
struct sigaction g_previous[2];
bool g_installed[2] = {false, false};

extern "C" void stopOnSignal(int signal) {
    int none = 0;
    g_signal.compare_exchange_strong(none, signal);
    if (StopSignals::Stop stop = g_stop.load()) {
        stop(g_context.load());
    }
}

}  // namespace

StopSignals::StopSignals(Stop stop, void* context) {
    g_signal.store(0);
    g_context.store(context);
    g_stop.store(stop);
    struct sigaction action {};
    action.sa_handler = stopOnSignal;
    sigemptyset(&action.sa_mask);
    for (int i = 0; i < 2; ++i) {
        g_installed[i] = sigaction(kSignals[i], &action, &g_previous[i]) == 0;
    }
}

StopSignals::~StopSignals() {
    for (int i = 0; i < 2; ++i) {
        if (g_installed[i]) {
            sigaction(kSignals[i], &g_previous[i], nullptr);
        }
    }
    g_stop.store(nullptr);
    g_context.store(nullptr);
}

int StopSignals::stoppedStatus() const {
    const int signal = g_signal.load();
    return signal != 0 ? 128 + signal : kInterruptedStatus;
}

}  // namespace quorvale::cli
