#include "batch/output.h"

#include "batch/messages.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <climits>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <ostream>

namespace kandelo::batch {

namespace {

constexpr std::size_t BufferSize = 1 << 16;

void writeAll(int descriptor, std::string_view bytes, const std::string& name)
{
    while (!bytes.empty()) {
        const ssize_t written = ::write(descriptor, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR)
                continue;
            throw BatchError(message::cannotWrite(name, errno));
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
}

// The temporary file of a run, for the signal handler, which may only make
// async-signal-safe calls: unlink, signal and raise are.
char temporaryPath[PATH_MAX + 8];
volatile std::sig_atomic_t temporaryExists = 0;
constexpr std::array<int, 3> EndingSignals{SIGINT, SIGTERM, SIGHUP};
std::array<struct sigaction, 3> previousActions;
std::array<bool, 3> handled{};

extern "C" void removeTemporaryAndEnd(int signal)
{
    if (temporaryExists)
        ::unlink(temporaryPath);
    std::signal(signal, SIG_DFL);
    std::raise(signal); // delivered as the handler returns: the program ends by the signal
}

// While the temporary file exists, the signals that end a program remove it
// first; a signal the caller had set to be ignored stays ignored.
void guardTemporary(const std::string& path)
{
    std::strncpy(temporaryPath, path.c_str(), sizeof temporaryPath - 1);
    temporaryExists = 1;
    for (std::size_t i = 0; i < EndingSignals.size(); ++i) {
        struct sigaction action {};
        action.sa_handler = removeTemporaryAndEnd;
        sigemptyset(&action.sa_mask);
        for (const int other : EndingSignals)
            sigaddset(&action.sa_mask, other);
        ::sigaction(EndingSignals[i], nullptr, &previousActions[i]);
        handled[i] = previousActions[i].sa_handler != SIG_IGN;
        if (handled[i])
            ::sigaction(EndingSignals[i], &action, nullptr);
    }
}

void releaseTemporary()
{
    temporaryExists = 0;
    for (std::size_t i = 0; i < EndingSignals.size(); ++i)
        if (handled[i])
            ::sigaction(EndingSignals[i], &previousActions[i], nullptr);
}

// Collects what is written and hands it to the descriptor in large pieces.
class DescriptorOutput : public ByteSink {
public:
    DescriptorOutput(int descriptor, std::string name)
        : descriptor_(descriptor)
        , name_(std::move(name))
    {
        buffer_.reserve(BufferSize);
    }
    ~DescriptorOutput() override
    {
        if (descriptor_ >= 0)
            ::close(descriptor_);
    }

    void write(std::string_view bytes) override
    {
        if (buffer_.size() + bytes.size() > BufferSize)
            flush();
        if (bytes.size() >= BufferSize)
            writeAll(descriptor_, bytes, name_);
        else
            buffer_.append(bytes);
    }

protected:
    void flush()
    {
        writeAll(descriptor_, buffer_, name_);
        buffer_.clear();
    }
    // Asks the system to put the bytes on the disk; a device that cannot is no failure.
    void sync()
    {
        if (::fsync(descriptor_) != 0 && errno != EINVAL && errno != EROFS)
            throw BatchError(message::cannotWrite(name_, errno));
    }
    void close()
    {
        const int descriptor = descriptor_;
        descriptor_ = -1;
        if (::close(descriptor) != 0)
            throw BatchError(message::cannotWrite(name_, errno));
    }
    const std::string& name() const { return name_; }

private:
    int descriptor_;
    std::string name_;
    std::string buffer_;
};

// A device, a FIFO, a terminal: written as it is.
class DirectOutput final : public DescriptorOutput {
public:
    using DescriptorOutput::DescriptorOutput;

    void commit() override
    {
        flush();
        close();
    }
};

// A regular file: replaced by a complete temporary file beside it.
class ReplacingOutput final : public DescriptorOutput {
public:
    ReplacingOutput(int descriptor, std::string temporary, std::string target, std::string name)
        : DescriptorOutput(descriptor, std::move(name))
        , temporary_(std::move(temporary))
        , target_(std::move(target))
    {
    }
    ~ReplacingOutput() override
    {
        if (committed_)
            return;
        ::unlink(temporary_.c_str());
        releaseTemporary();
    }

    void commit() override
    {
        flush();
        sync();
        close();
        if (std::rename(temporary_.c_str(), target_.c_str()) != 0)
            throw BatchError(message::cannotWrite(name(), errno));
        committed_ = true;
        releaseTemporary();
    }

private:
    std::string temporary_;
    std::string target_;
    bool committed_ = false;
};

// The file a path names once its symbolic links are followed; a link that
// points nowhere yet names the file it would point to.
std::string followLinks(const std::string& path)
{
    std::string current = path;
    for (int hop = 0; hop < 40; ++hop) {
        struct stat status {};
        if (::lstat(current.c_str(), &status) != 0 || !S_ISLNK(status.st_mode))
            return current;
        if (char* resolved = ::realpath(current.c_str(), nullptr)) {
            std::string target = resolved;
            std::free(resolved);
            return target;
        }
        std::string link(PATH_MAX, '\0');
        const ssize_t length = ::readlink(current.c_str(), link.data(), link.size());
        if (length < 0)
            return current;
        link.resize(static_cast<std::size_t>(length));
        const auto slash = current.rfind('/');
        current = link.front() == '/' || slash == std::string::npos ? link : current.substr(0, slash + 1) + link;
    }
    return current;
}

mode_t modeForNewFile()
{
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

} // namespace

void StreamOutput::write(std::string_view bytes)
{
    stream_.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!stream_)
        throw BatchError(message::cannotWriteStandardOutput(errno));
}

void StreamOutput::commit()
{
    stream_.flush();
    if (!stream_)
        throw BatchError(message::cannotWriteStandardOutput(errno));
}

std::unique_ptr<ByteSink> openOutputFile(const std::string& path)
{
    const std::string target = followLinks(path);
    struct stat status {};
    mode_t mode = 0;
    if (::stat(target.c_str(), &status) == 0) {
        if (S_ISDIR(status.st_mode))
            throw BatchError(message::isAFolder(path));
        if (!S_ISREG(status.st_mode)) {
            const int descriptor = ::open(path.c_str(), O_WRONLY | O_CLOEXEC);
            if (descriptor < 0)
                throw BatchError(message::cannotWrite(path, errno));
            return std::make_unique<DirectOutput>(descriptor, path);
        }
        // A file marked read-only is left alone, also for a user who could write it anyway.
        if (::access(target.c_str(), W_OK) != 0 || (status.st_mode & 0222) == 0)
            throw BatchError(message::readOnly(path));
        mode = status.st_mode & 07777;
    } else if (errno == ENOENT) {
        mode = modeForNewFile();
    } else {
        throw BatchError(message::cannotWrite(path, errno));
    }

    std::string temporary = target + ".XXXXXX";
    const int descriptor = ::mkostemp(temporary.data(), O_CLOEXEC);
    if (descriptor < 0)
        throw BatchError(message::cannotWrite(path, errno));
    guardTemporary(temporary);
    auto output = std::make_unique<ReplacingOutput>(descriptor, temporary, target, path);
    if (::fchmod(descriptor, mode) != 0)
        throw BatchError(message::cannotWrite(path, errno));
    return output;
}

} // namespace kandelo::batch
