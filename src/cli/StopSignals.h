#pragma once
// Ctrl+C (SIGINT) and SIGTERM end a long run as "End" does in the window: the
// run stops at its next sample, the finished steps are printed with
// "stopped": true, and the exit status tells which signal it was (128 + its
// number, as shells report a process the signal ended).

namespace quorvale::cli {

// Exit status when Ctrl+C ended the run.
inline constexpr int kInterruptedStatus = 130;
// Exit status when SIGTERM ended the run.
inline constexpr int kTerminatedStatus = 143;

// While alive, both signals call `stop(context)`, from the signal handler:
// it may only do what is safe there, such as setting an atomic flag. The
// previous handlers come back when the scope ends.
class StopSignals {
public:
    using Stop = void (*)(void* context);

    StopSignals(Stop stop, void* context);
    ~StopSignals();
    StopSignals(const StopSignals&) = delete;
    StopSignals& operator=(const StopSignals&) = delete;

    // 128 + the number of the first signal that came; kInterruptedStatus
    // when the run was stopped otherwise.
    int stoppedStatus() const;
};

}  // namespace quorvale::cli
