// The POSIX side of what the command line needs of the system (batch/io/system.h).
#include "batch/io/system.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <ostream>

namespace kandelo::batch {

std::vector<std::string> commandLineArguments(int argc, char* argv[])
{
    return std::vector<std::string>(argv + 1, argv + argc);
}

void prepareStandardStreams()
{
    for (int descriptor = STDIN_FILENO; descriptor <= STDERR_FILENO; ++descriptor) {
        if (::fcntl(descriptor, F_GETFD) != -1 || errno != EBADF)
            continue;
        const int opened = ::open("/dev/null", descriptor == STDIN_FILENO ? O_WRONLY : O_RDONLY);
        if (opened >= 0 && opened != descriptor) {
            ::dup2(opened, descriptor);
            ::close(opened);
        }
    }
}

Language languageOfUser()
{
    for (const char* variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const char* value = std::getenv(variable);
        if (value && *value)
            return std::string_view(value).substr(0, 2) == "ja" ? Language::Japanese : Language::English;
    }
    return Language::English;
}

int lastSystemError()
{
    return errno;
}

bool isDeviceName(const std::string&)
{
    return false;
}

std::string devicePath(const std::string& path)
{
    return path;
}

bool standardErrorIsTerminal()
{
    return ::isatty(STDERR_FILENO) == 1;
}

bool writeText(std::ostream& stream, std::string_view utf8)
{
    stream.write(utf8.data(), static_cast<std::streamsize>(utf8.size()));
    stream.flush();
    return static_cast<bool>(stream);
}

} // namespace kandelo::batch
