#include "batch/input.h"

#include "batch/messages.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <iostream>

namespace kandelo::batch {

namespace {

// Reads from a descriptor, retrying what a signal interrupted.
std::size_t readDescriptor(int descriptor, char* buffer, std::size_t size, const std::string& name)
{
    for (;;) {
        const ssize_t got = ::read(descriptor, buffer, size);
        if (got >= 0)
            return static_cast<std::size_t>(got);
        if (errno != EINTR)
            throw BatchError(message::cannotRead(name, errno));
    }
}

// A regular file, read again from the offset it was opened at.
class FileInput final : public ByteSource {
public:
    FileInput(int descriptor, off_t start, std::string name)
        : descriptor_(descriptor)
        , start_(start)
        , name_(std::move(name))
    {
    }
    ~FileInput() override { ::close(descriptor_); }

    std::size_t read(char* buffer, std::size_t size) override
    {
        return readDescriptor(descriptor_, buffer, size, name_);
    }
    void rewind() override
    {
        if (::lseek(descriptor_, start_, SEEK_SET) < 0)
            throw BatchError(message::cannotRead(name_, errno));
    }

private:
    int descriptor_;
    off_t start_;
    std::string name_;
};

// An input that can be read only once: what the first reading takes is kept,
// and later readings come from what was kept.
class SpooledInput : public ByteSource {
public:
    explicit SpooledInput(std::string name)
        : name_(std::move(name))
    {
    }
    ~SpooledInput() override
    {
        if (spool_)
            std::fclose(spool_);
    }

    std::size_t read(char* buffer, std::size_t size) override
    {
        if (!complete_) {
            const std::size_t got = readOnce(buffer, size);
            if (got == 0)
                complete_ = true;
            else
                keep(buffer, got);
            return got;
        }
        if (!spool_) {
            const std::size_t got = std::min(size, memory_.size() - position_);
            memory_.copy(buffer, got, position_);
            position_ += got;
            return got;
        }
        const std::size_t got = std::fread(buffer, 1, size, spool_);
        if (got == 0 && std::ferror(spool_))
            throw BatchError(message::noSpool(errno));
        return got;
    }

    void rewind() override
    {
        // Whatever the first reading left is kept too, so every reading is whole.
        char buffer[1 << 16];
        while (!complete_)
            read(buffer, sizeof buffer);
        position_ = 0;
        if (spool_ && (std::fflush(spool_) != 0 || std::fseek(spool_, 0, SEEK_SET) != 0))
            throw BatchError(message::noSpool(errno));
    }

protected:
    virtual std::size_t readOnce(char* buffer, std::size_t size) = 0;
    const std::string& name() const { return name_; }

private:
    void keep(const char* bytes, std::size_t size)
    {
        if (!spool_ && memory_.size() + size > SpoolMemoryBound) {
            // tmpfile's file has no name: nothing is left behind, whatever ends the run.
            spool_ = std::tmpfile();
            if (!spool_)
                throw BatchError(message::noSpool(errno));
            keepInSpool(memory_.data(), memory_.size());
            memory_.clear();
            memory_.shrink_to_fit();
        }
        if (spool_)
            keepInSpool(bytes, size);
        else
            memory_.append(bytes, size);
    }
    void keepInSpool(const char* bytes, std::size_t size)
    {
        if (std::fwrite(bytes, 1, size, spool_) != size)
            throw BatchError(message::noSpool(errno));
    }

    std::string name_;
    bool complete_ = false;
    std::string memory_;
    std::size_t position_ = 0;
    std::FILE* spool_ = nullptr;
};

class SpooledStream final : public SpooledInput {
public:
    SpooledStream(std::istream& stream, std::string name)
        : SpooledInput(std::move(name))
        , stream_(stream)
    {
    }

private:
    std::size_t readOnce(char* buffer, std::size_t size) override
    {
        stream_.read(buffer, static_cast<std::streamsize>(size));
        if (stream_.bad())
            throw BatchError(message::cannotRead(name(), errno));
        return static_cast<std::size_t>(stream_.gcount());
    }

    std::istream& stream_;
};

class SpooledDescriptor final : public SpooledInput {
public:
    SpooledDescriptor(int descriptor, bool owned, std::string name)
        : SpooledInput(std::move(name))
        , descriptor_(descriptor)
        , owned_(owned)
    {
    }
    ~SpooledDescriptor() override
    {
        if (owned_)
            ::close(descriptor_);
    }

private:
    std::size_t readOnce(char* buffer, std::size_t size) override
    {
        return readDescriptor(descriptor_, buffer, size, name());
    }

    int descriptor_;
    bool owned_;
};

} // namespace

std::unique_ptr<ByteSource> openInput(const std::string& name, std::istream& standardInput)
{
    if (name == "-") {
        // The process's own standard input is read at its descriptor, where a
        // failed read is seen as one; any other stream as the stream it is.
        if (&standardInput == &std::cin)
            return std::make_unique<SpooledDescriptor>(STDIN_FILENO, false, name);
        return std::make_unique<SpooledStream>(standardInput, name);
    }
    const int descriptor = ::open(name.c_str(), O_RDONLY | O_CLOEXEC);
    if (descriptor < 0)
        throw BatchError(message::cannotRead(name, errno));
    struct stat status {};
    if (::fstat(descriptor, &status) != 0) {
        const int error = errno;
        ::close(descriptor);
        throw BatchError(message::cannotRead(name, error));
    }
    if (S_ISDIR(status.st_mode)) {
        ::close(descriptor);
        throw BatchError(message::cannotRead(name, EISDIR));
    }
    if (S_ISREG(status.st_mode)) {
        const off_t start = ::lseek(descriptor, 0, SEEK_CUR);
        if (start >= 0)
            return std::make_unique<FileInput>(descriptor, start, name);
    }
    return std::make_unique<SpooledDescriptor>(descriptor, true, name);
}

} // namespace kandelo::batch
