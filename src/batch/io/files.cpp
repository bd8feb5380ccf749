#include "batch/io/files.h"

#include "batch/io/interruption.h"
#include "batch/io/system.h"
#include "batch/messages.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QTemporaryFile>

#include <cerrno>
#include <iostream>

namespace kandelo::batch {

namespace {

QString path(const std::string& name)
{
    return QString::fromStdString(name);
}

// A regular file, read again from where it started.
class FileInput final : public ByteSource {
public:
    FileInput(std::unique_ptr<QFile> file, std::string name)
        : file_(std::move(file))
        , start_(file_->pos())
        , name_(std::move(name))
    {
    }

    std::size_t read(char* buffer, std::size_t size) override
    {
        const qint64 got = file_->read(buffer, static_cast<qint64>(size));
        if (got < 0)
            throw BatchError(message::cannotRead(name_, lastSystemError()));
        return static_cast<std::size_t>(got);
    }
    void rewind() override
    {
        if (!file_->seek(start_))
            throw BatchError(message::cannotRead(name_, lastSystemError()));
    }

private:
    std::unique_ptr<QFile> file_;
    qint64 start_;
    std::string name_;
};

// An input that can be read only once: what the first reading takes is kept,
// and later readings come from what was kept.
class SpooledInput : public ByteSource {
public:
    explicit SpooledInput(std::string name)
        : name_(std::move(name))
    {
        memory_.open(QIODevice::ReadWrite);
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
        const qint64 got = kept().read(buffer, static_cast<qint64>(size));
        if (got < 0)
            throw BatchError(message::noSpool(lastSystemError()));
        return static_cast<std::size_t>(got);
    }

    void rewind() override
    {
        // Whatever the first reading left is kept too, so every reading is whole.
        char buffer[1 << 16];
        while (!complete_)
            read(buffer, sizeof buffer);
        if (!kept().seek(0))
            throw BatchError(message::noSpool(lastSystemError()));
    }

protected:
    virtual std::size_t readOnce(char* buffer, std::size_t size) = 0;
    const std::string& name() const { return name_; }

private:
    QIODevice& kept() { return spool_ ? static_cast<QIODevice&>(*spool_) : memory_; }

    void keep(const char* bytes, std::size_t size)
    {
        if (!spool_ && static_cast<std::size_t>(memory_.size()) + size > SpoolMemoryBound) {
            spool_ = std::make_unique<QTemporaryFile>();
            if (!spool_->open())
                throw BatchError(message::noSpool(lastSystemError()));
            // Where the system lets an open file lose its name, nothing is
            // left behind, whatever ends the run.
            QFile::remove(spool_->fileName());
            keepInSpool(memory_.data().constData(), static_cast<std::size_t>(memory_.size()));
            memory_.close();
            memory_.setData(QByteArray());
        }
        if (spool_)
            keepInSpool(bytes, size);
        else
            memory_.write(bytes, static_cast<qint64>(size));
    }
    void keepInSpool(const char* bytes, std::size_t size)
    {
        if (spool_->write(bytes, static_cast<qint64>(size)) != static_cast<qint64>(size))
            throw BatchError(message::noSpool(lastSystemError()));
    }

    std::string name_;
    bool complete_ = false;
    QBuffer memory_;
    std::unique_ptr<QTemporaryFile> spool_;
};

// Any stream, as the stream it is.
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

// A file read as it comes: the process's standard input, a pipe, a device.
class SpooledFile final : public SpooledInput {
public:
    SpooledFile(std::unique_ptr<QFile> file, std::string name)
        : SpooledInput(std::move(name))
        , file_(std::move(file))
    {
    }

private:
    std::size_t readOnce(char* buffer, std::size_t size) override
    {
        const qint64 got = file_->read(buffer, static_cast<qint64>(size));
        if (got < 0)
            throw BatchError(message::cannotRead(name(), lastSystemError()));
        return static_cast<std::size_t>(got);
    }

    std::unique_ptr<QFile> file_;
};

// A device, a FIFO, a terminal: written as it is.
class DirectOutput final : public ByteSink {
public:
    DirectOutput(std::unique_ptr<QFile> file, std::string name)
        : file_(std::move(file))
        , name_(std::move(name))
    {
    }

    void write(std::string_view bytes) override
    {
        if (file_->write(bytes.data(), static_cast<qint64>(bytes.size())) != static_cast<qint64>(bytes.size()))
            throw BatchError(message::cannotWrite(name_, lastSystemError()));
    }
    void commit() override
    {
        if (!file_->flush())
            throw BatchError(message::cannotWrite(name_, lastSystemError()));
        file_->close();
    }

private:
    std::unique_ptr<QFile> file_;
    std::string name_;
};

// A regular file, replaced whole through QSaveFile. The temporary file is
// made at the first write, once the input has been judged; from then on
// until it is committed or removed, an interruption ends the run at its
// next write.
class SavedOutput final : public ByteSink {
public:
    explicit SavedOutput(std::string name)
        : file_(path(name))
        , name_(std::move(name))
    {
    }

    void write(std::string_view bytes) override
    {
        open();
        if (interrupted())
            throw Interrupted();
        if (file_.write(bytes.data(), static_cast<qint64>(bytes.size())) != static_cast<qint64>(bytes.size()))
            throw BatchError(message::cannotWrite(name_, lastSystemError()));
    }
    void commit() override
    {
        open();
        if (interrupted())
            throw Interrupted();
        if (!file_.commit())
            throw BatchError(message::cannotWrite(name_, lastSystemError()));
        guard_.reset();
    }

private:
    void open()
    {
        if (file_.isOpen())
            return;
        guard_ = std::make_unique<InterruptionGuard>();
        if (!file_.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
            throw BatchError(message::cannotWrite(name_, lastSystemError()));
    }

    // The guard outlives the file: an uncommitted file is removed before an
    // interruption ends the program again.
    std::unique_ptr<InterruptionGuard> guard_;
    QSaveFile file_;
    std::string name_;
};

// Whether an existing path is a file to write directly rather than replace.
bool writtenDirectly(const QFileInfo& info)
{
    return (info.exists() && !info.isFile() && !info.isDir()) || isDeviceName(info.filePath().toStdString());
}

} // namespace

std::unique_ptr<ByteSource> openInput(const std::string& name, std::istream& standardInput)
{
    if (name == "-") {
        // The process's own standard input is read as a file, where a failed
        // read is seen as one; any other stream as the stream it is.
        if (&standardInput != &std::cin)
            return std::make_unique<SpooledStream>(standardInput, name);
        auto file = std::make_unique<QFile>();
        if (!file->open(0, QIODevice::ReadOnly | QIODevice::Unbuffered, QFileDevice::DontCloseHandle))
            throw BatchError(message::cannotRead(name, lastSystemError()));
        return std::make_unique<SpooledFile>(std::move(file), name);
    }
    if (QFileInfo(path(name)).isDir())
        throw BatchError(message::cannotRead(name, EISDIR));
    auto file = std::make_unique<QFile>(path(name));
    if (!file->open(QIODevice::ReadOnly | QIODevice::Unbuffered))
        throw BatchError(message::cannotRead(name, lastSystemError()));
    if (file->isSequential())
        return std::make_unique<SpooledFile>(std::move(file), name);
    return std::make_unique<FileInput>(std::move(file), name);
}

void checkOutputFile(const std::string& name)
{
    const QFileInfo info(path(name));
    if (info.isDir())
        throw BatchError(message::isAFolder(name));
    if (!info.exists() || writtenDirectly(info))
        return;
    constexpr auto Writable = QFileDevice::WriteOwner | QFileDevice::WriteGroup | QFileDevice::WriteOther;
    if (!info.isWritable() || !(info.permissions() & Writable))
        throw BatchError(message::readOnly(name));
}

std::unique_ptr<ByteSink> openOutputFile(const std::string& name)
{
    checkOutputFile(name);
    if (!writtenDirectly(QFileInfo(path(name))))
        return std::make_unique<SavedOutput>(name);
    auto file = std::make_unique<QFile>(path(devicePath(name)));
    if (!file->open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        throw BatchError(message::cannotWrite(name, lastSystemError()));
    return std::make_unique<DirectOutput>(std::move(file), name);
}

} // namespace kandelo::batch
