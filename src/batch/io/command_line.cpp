#include "batch/command_line.h"

#include "batch/batch_run.h"
#include "batch/help.h"
#include "batch/input.h"
#include "batch/output.h"
#include "batch/progress.h"
#include "program/version.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <ostream>

namespace kandelo::batch {

namespace {

constexpr std::string_view ProgramName = "kandelo";

// A standard descriptor that the caller closed is opened on /dev/null, the
// wrong way round, so that a file the run opens never takes its number and
// every use of it fails as it should.
void keepStandardDescriptorsOpen()
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

void writeAndFlush(std::ostream& out, std::string_view text)
{
    StreamOutput output(out);
    output.write(text);
    output.commit();
}

int runBatchCommand(const Options& options, std::istream& in, std::ostream& out, std::ostream& err, Language language)
{
    const std::unique_ptr<ByteSink> file = options.output ? openOutputFile(*options.output) : nullptr;
    StreamOutput standardOutput(out);
    ByteSink& output = file ? *file : standardOutput;
    const std::unique_ptr<ByteSource> input = openInput(options.input, in);
    Progress progress(err);
    const RunSummary summary = runBatch(options, *input, output, &progress);
    output.commit();
    if (summary.replacedCharacters > 0)
        err << ProgramName << ": " << message::writtenAsQuestionMarks(summary.replacedCharacters).in(language) << '\n';
    return summary.anyRefused ? SomeRowsRefused : AllRowsComputed;
}

} // namespace

int runCommandLine(const std::vector<std::string>& arguments, std::istream& in, std::ostream& out, std::ostream& err,
    Language language)
{
    keepStandardDescriptorsOpen();
    try {
        const Invocation invocation = parseArguments(arguments);
        switch (invocation.kind) {
        case Invocation::Kind::Help:
            writeAndFlush(out, helpText());
            return AllRowsComputed;
        case Invocation::Kind::Version:
            writeAndFlush(out, std::string(ProgramName) + ' ' + std::string(program::Version) + '\n');
            return AllRowsComputed;
        case Invocation::Kind::Batch:
            break;
        }
        return runBatchCommand(invocation.options, in, out, err, language);
    } catch (const BatchError& failure) {
        err << ProgramName << ": " << failure.message().in(language) << '\n';
    } catch (const std::exception& failure) {
        err << ProgramName << ": " << failure.what() << '\n';
    }
    err.flush();
    return UsageOrFileError;
}

} // namespace kandelo::batch
