#pragma once

#include <exception>

// While the result's temporary file exists, the signals that end a program
// (SIGINT, SIGTERM and SIGHUP on POSIX systems; Ctrl+C, Ctrl+Break and the
// closing of the console on Windows) do not end it at once: they are noted,
// the run stops at its next write and removes the file, and the program then
// ends as the signal would have ended it.

namespace kandelo::batch {

// Notes the signals for as long as it lives; a signal the caller had set to
// be ignored stays ignored.
class InterruptionGuard {
public:
    InterruptionGuard();
    ~InterruptionGuard();
    InterruptionGuard(const InterruptionGuard&) = delete;
    InterruptionGuard& operator=(const InterruptionGuard&) = delete;
};

// Whether a signal came while a guard lived.
bool interrupted() noexcept;

// Raised at the next write after a signal; the run unwinds, its temporary
// file goes, and endAsInterrupted() ends the program.
class Interrupted : public std::exception {
public:
    const char* what() const noexcept override { return "interrupted"; }
};

// Ends the program as the signal that came would have ended it.
[[noreturn]] void endAsInterrupted();

} // namespace kandelo::batch
