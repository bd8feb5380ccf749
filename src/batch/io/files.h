#pragma once

#include "batch/input.h"
#include "batch/output.h"

#include <iosfwd>
#include <memory>
#include <string>

// The files of the batch, through Qt's file classes.

namespace kandelo::batch {

// What is kept in memory of an input that can be read only once; the rest
// goes to a temporary file.
inline constexpr std::size_t SpoolMemoryBound = 4 << 20;

// The input named on the command line: "-" is standard input. A regular file
// is read again from where it started; anything else (a pipe, a terminal, a
// device, a process substitution) is kept as it is read the first time, in
// memory up to SpoolMemoryBound and in a temporary file beyond it (with no
// name where the system allows an open file to lose it), so memory stays
// flat whatever its size. Raises BatchError.
std::unique_ptr<ByteSource> openInput(const std::string& name, std::istream& standardInput);

// Raises BatchError unless OUT of -o can be written: an existing folder, or an
// existing file that is not writable or is marked read-only (also for a user
// who could write it anyway), is refused before the input is read.
void checkOutputFile(const std::string& path);

// The file OUT of -o, written as a careful tool writes it:
// - a regular file (or a new one) is written through QSaveFile: the result
//   goes to a temporary file beside it, which is synced and then takes its
//   place only once the result is complete. An existing file keeps its
//   permissions; a new one gets 0666 less the umask. A symbolic link is
//   followed and its target replaced.
// - anything else that exists (a device, a FIFO, NUL on Windows) is written
//   directly.
// While the temporary file exists, the signals that end a program remove it
// first (batch/io/interruption.h).
std::unique_ptr<ByteSink> openOutputFile(const std::string& path);

} // namespace kandelo::batch
