#include "batch/io/command_line.h"

#include "batch/batch_run.h"
#include "batch/help.h"
#include "batch/io/arguments.h"
#include "batch/io/files.h"
#include "batch/io/interruption.h"
#include "batch/io/progress.h"
#include "batch/output.h"
#include "months/months_run.h"
#include "program/version.h"

#include <cerrno>
#include <new>
#include <ostream>

namespace kandelo::batch {

namespace {

constexpr std::string_view ProgramName = "kandelo";

// Writes text to standard output as the terminal shows it; a failed write is an error.
void writeOut(std::ostream& out, std::string_view text)
{
    if (!writeText(out, text))
        throw BatchError(message::cannotWriteStandardOutput(errno));
}

// Opens the output (a file, else standard output) and the input, runs over
// them, commits the output once the run is complete, and tells what CP932
// could not hold. The run returns a summary with anyRefused and
// replacedCharacters.
template <typename Run>
int runOverFiles(
    const Options& options, std::istream& in, std::ostream& out, std::ostream& err, Language language, const Run& run)
{
    const std::unique_ptr<ByteSink> file = options.output ? openOutputFile(*options.output) : nullptr;
    StreamOutput standardOutput(out);
    ByteSink& output = file ? *file : standardOutput;
    const std::unique_ptr<ByteSource> input = openInput(options.input, in);
    const auto summary = run(*input, output);
    output.commit();
    if (summary.replacedCharacters > 0)
        writeText(err,
            std::string(ProgramName) + ": " + message::writtenAsQuestionMarks(summary.replacedCharacters).in(language)
                + '\n');
    return summary.anyRefused ? SomeRowsRefused : AllRowsComputed;
}

} // namespace

int runCommandLine(const std::vector<std::string>& arguments, std::istream& in, std::ostream& out, std::ostream& err,
    Language language)
{
    prepareStandardStreams();
    try {
        const Invocation invocation = parseArguments(arguments);
        switch (invocation.kind) {
        case Invocation::Kind::Help:
            writeOut(out, helpText());
            return AllRowsComputed;
        case Invocation::Kind::Version:
            writeOut(out, std::string(ProgramName) + ' ' + std::string(program::Version) + '\n');
            return AllRowsComputed;
        case Invocation::Kind::Months:
            return runOverFiles(invocation.options, in, out, err, language, [&](ByteSource& input, ByteSink& output) {
                return months::runMonths(invocation.options, input, output);
            });
        case Invocation::Kind::Batch:
            break;
        }
        TerminalProgress progress(err);
        return runOverFiles(invocation.options, in, out, err, language, [&](ByteSource& input, ByteSink& output) {
            return runBatch(invocation.options, input, output, &progress);
        });
    } catch (const Interrupted&) {
        endAsInterrupted();
    } catch (const BatchError& failure) {
        writeText(err, std::string(ProgramName) + ": " + failure.message().in(language) + '\n');
    } catch (const std::bad_alloc&) {
        writeText(err, std::string(ProgramName) + ": " + message::outOfMemory().in(language) + '\n');
    } catch (const std::exception& failure) {
        writeText(err, std::string(ProgramName) + ": " + failure.what() + '\n');
    }
    return UsageOrFileError;
}

} // namespace kandelo::batch
