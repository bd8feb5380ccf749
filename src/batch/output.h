#pragma once

#include <iosfwd>
#include <memory>
#include <string>
#include <string_view>

// Where the batch writes its result. Every write is checked; a failure raises
// BatchError.

namespace kandelo::batch {

class ByteSink {
public:
    virtual ~ByteSink() = default;
    virtual void write(std::string_view bytes) = 0;
    // Everything is written: the result takes its place. Until then a file
    // named on the command line is left as it was.
    virtual void commit() = 0;
};

// Standard output, or any stream: written as it comes, flushed at the end.
class StreamOutput final : public ByteSink {
public:
    explicit StreamOutput(std::ostream& stream)
        : stream_(stream)
    {
    }
    void write(std::string_view bytes) override;
    void commit() override;

private:
    std::ostream& stream_;
};

// The file OUT of -o, written as a careful tool writes it:
// - a regular file (or a new one) is replaced only once the result is
//   complete: the result goes to a temporary file beside it, which is synced
//   and then renamed over it. An existing file keeps its permissions; a new
//   one gets 0666 less the umask. A symbolic link is followed and its target
//   replaced. An existing file that is not writable is refused.
// - anything else that exists (a device, a FIFO, /dev/stdout on a terminal or
//   a pipe) is written directly.
// SIGINT, SIGTERM and SIGHUP while the temporary file exists remove it, and
// the program then ends by the signal as it would have.
std::unique_ptr<ByteSink> openOutputFile(const std::string& path);

} // namespace kandelo::batch
