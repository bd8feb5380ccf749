#pragma once

#include "batch/batch_run.h"

#include <chrono>
#include <cstddef>
#include <iosfwd>

namespace kandelo::batch {

// A line on standard error that counts the rows, for a run that takes longer
// than a second on a terminal.
class TerminalProgress final : public Progress {
public:
    explicit TerminalProgress(std::ostream& err);

    void row(std::size_t rows) override;
    void done(std::size_t rows) override;

private:
    using Clock = std::chrono::steady_clock;

    void show(std::size_t rows, const char* end);

    std::ostream& err_;
    bool shown_;
    bool printed_ = false;
    Clock::time_point start_ = Clock::now();
    Clock::time_point last_ = start_;
};

} // namespace kandelo::batch
