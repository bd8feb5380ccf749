#include "batch/progress.h"

#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <ostream>

namespace kandelo::batch {

Progress::Progress(std::ostream& err)
    : err_(err)
    , shown_(isatty(STDERR_FILENO) == 1)
{
}

void Progress::row(std::size_t rows)
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

void Progress::done(std::size_t rows)
{
    if (printed_)
        show(rows, "\n");
}

// The line is written whole, so a terminal never shows half of it.
void Progress::show(std::size_t rows, const char* end)
{
    char line[64];
    const int length = std::snprintf(line, sizeof line, "\r%zu 行 / rows%s", rows, end);
    err_.write(line, std::min<std::streamsize>(length, sizeof line - 1)).flush();
}

} // namespace kandelo::batch
