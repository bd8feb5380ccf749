#pragma once

#include <cstddef>

// The input of the batch, read through more than once: once to judge it whole
// (its encoding, its quotes), then again to compute it.

namespace kandelo::batch {

class ByteSource {
public:
    virtual ~ByteSource() = default;
    // Reads up to `size` bytes into `buffer`; 0 at the end. Raises BatchError.
    virtual std::size_t read(char* buffer, std::size_t size) = 0;
    // Starts again from the first byte.
    virtual void rewind() = 0;
};

} // namespace kandelo::batch
