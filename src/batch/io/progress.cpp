#include "batch/io/progress.h"

#include "batch/io/system.h"

#include <algorithm>
#include <cstdio>
#include <ostream>

namespace kandelo::batch {

TerminalProgress::TerminalProgress(std::ostream& err)
    : err_(err)
    , shown_(standardErrorIsTerminal())
{
}

void TerminalProgress::row(std::size_t rows)
{
    if (!shown_ || rows % 1024 != 0)
        return;
    const auto now = Clock::now();
    if (now - start_ < std::chrono::seconds(1) || now - last_ < std::chrono::milliseconds(200))
        return;
    last_ = now;
    printed_ = true;
    show(rows, "");
}

void TerminalProgress::done(std::size_t rows)
{
    if (printed_)
        show(rows, "\n");
}

// The line is written whole, so a terminal never shows half of it.
void TerminalProgress::show(std::size_t rows, const char* end)
{
    char line[64];
    const int length = std::snprintf(line, sizeof line, "\r%zu 行 / rows%s", rows, end);
    writeText(err_, std::string_view(line, static_cast<std::size_t>(std::min<int>(length, sizeof line - 1))));
}

} // namespace kandelo::batch
