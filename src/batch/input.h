#pragma once

#include <cstddef>
#include <iosfwd>
#include <memory>
#include <string>

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

// What is kept in memory of an input that can be read only once; the rest
// goes to an anonymous temporary file.
inline constexpr std::size_t SpoolMemoryBound = 4 << 20;

// The input named on the command line: "-" is standard input. A regular file
// is read again from where it started; anything else (a pipe, a terminal, a
// device, a process substitution) is kept as it is read the first time, in
// memory up to SpoolMemoryBound and in an anonymous temporary file beyond it,
// so memory stays flat whatever its size. Raises BatchError.
std::unique_ptr<ByteSource> openInput(const std::string& name, std::istream& standardInput);

} // namespace kandelo::batch
