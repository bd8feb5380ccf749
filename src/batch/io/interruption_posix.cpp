// The POSIX side of the batch's interruptions (batch/io/interruption.h):
// SIGINT, SIGTERM and SIGHUP.
#include "batch/io/interruption.h"

#include <array>
#include <csignal>
#include <cstdlib>

namespace kandelo::batch {

namespace {

constexpr std::array<int, 3> EndingSignals{SIGINT, SIGTERM, SIGHUP};
volatile std::sig_atomic_t interruptedBy = 0;
std::array<struct sigaction, 3> previousActions;
std::array<bool, 3> handled{};

extern "C" void noteSignal(int signal)
{
    interruptedBy = signal;
}

} // namespace

InterruptionGuard::InterruptionGuard()
{
    for (std::size_t i = 0; i < EndingSignals.size(); ++i) {
        struct sigaction action {};
        action.sa_handler = noteSignal;
        sigemptyset(&action.sa_mask);
        ::sigaction(EndingSignals[i], nullptr, &previousActions[i]);
        handled[i] = previousActions[i].sa_handler != SIG_IGN;
        if (handled[i])
            ::sigaction(EndingSignals[i], &action, nullptr);
    }
}

InterruptionGuard::~InterruptionGuard()
{
    for (std::size_t i = 0; i < EndingSignals.size(); ++i)
        if (handled[i])
            ::sigaction(EndingSignals[i], &previousActions[i], nullptr);
}

bool interrupted() noexcept
{
    return interruptedBy != 0;
}

void endAsInterrupted()
{
    const int signal = interruptedBy;
    std::signal(signal, SIG_DFL);
    std::raise(signal);
    std::_Exit(128 + signal); // should the signal be blocked
}

} // namespace kandelo::batch
