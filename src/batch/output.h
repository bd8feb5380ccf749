#pragma once

#include <iosfwd>
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

} // namespace kandelo::batch
