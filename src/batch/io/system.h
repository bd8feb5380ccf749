#pragma once

#include "batch/messages.h"

#include <iosfwd>
#include <string>
#include <string_view>
#include <vector>

// What the command line needs of the system it runs on, one form for both:
// the POSIX side in system_posix.cpp, the Windows side in system_windows.cpp.

namespace kandelo::batch {

// The arguments of the program, its name not among them, in UTF-8.
std::vector<std::string> commandLineArguments(int argc, char* argv[]);

// Makes the standard streams fit for the batch before it runs: a standard
// stream that the caller closed is opened on the null device, the wrong way
// round, so that a file the run opens never takes its place and every use of
// it fails as it should; and every byte is read and written as it is (no CR
// added before LF).
void prepareStandardStreams();

// The language of the messages: the user's (the locale's LC_ALL,
// LC_MESSAGES or LANG, the first one set, on POSIX systems; the user
// interface's language on Windows). Japanese or English.
Language languageOfUser();

// The error of the last system call that failed, as an errno value.
int lastSystemError();

// Whether a path names a device of the system (NUL, CON on Windows); a
// device that exists as a file of its own is told by its kind instead.
bool isDeviceName(const std::string& path);
// The path by which the system opens such a device ("\\.\NUL"); any other
// path as it is.
std::string devicePath(const std::string& path);

// Whether standard error is a terminal (a console), where a progress line is shown.
bool standardErrorIsTerminal();

// Writes UTF-8 text to standard output or standard error (as `stream` is one
// of them) as the terminal shows it: a Windows console takes it as UTF-16,
// anything else as the UTF-8 bytes. False when it could not be written.
bool writeText(std::ostream& stream, std::string_view utf8);

} // namespace kandelo::batch
