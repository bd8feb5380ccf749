#pragma once

#include <cstddef>
#include <exception>
#include <string>
#include <string_view>

// What the command line says on standard error, in the user's language:
// Japanese under a Japanese locale, English otherwise. The cells it writes
// into the result file stay Japanese whatever the locale, as the screens' are.

namespace kandelo::batch {

enum class Language { Japanese, English };

// One message, in both languages.
struct Text {
    std::string japanese;
    std::string english;

    const std::string& in(Language language) const { return language == Language::Japanese ? japanese : english; }
};

// A usage or file error: one line on standard error and exit status 2.
class BatchError : public std::exception {
public:
    explicit BatchError(Text message)
        : message_(std::move(message))
    {
    }
    const Text& message() const noexcept { return message_; }
    const char* what() const noexcept override { return message_.english.c_str(); }

private:
    Text message_;
};

namespace message {

// Usage.
Text unknownOption(std::string_view argument);
Text unexpectedArgument(std::string_view argument);
Text missingValue(std::string_view option);
Text givenTwice(std::string_view option);
Text unknownEncoding(std::string_view name, std::string_view choices);
Text nothingToDo();

// Files. `error` is the errno of the failed call.
Text cannotRead(std::string_view file, int error);
Text cannotWrite(std::string_view file, int error);
Text cannotWriteStandardOutput(int error);
Text readOnly(std::string_view file);
Text isAFolder(std::string_view file);
Text noSpool(int error);

// The input's contents.
Text notInEncoding(std::string_view file, std::size_t line, unsigned char byte, std::string_view encoding);
Text inNeitherEncoding(std::string_view file, std::size_t line, unsigned char byte);
Text utf16(std::string_view file);
Text unclosedQuote(std::string_view file, std::size_t line);
Text noHeading(std::string_view file);
Text noActiveEnergyColumn();
Text noReactiveEnergyColumn();
Text sameFigureTwice(const Text& figure, std::size_t firstColumn, std::string_view firstHeading,
    std::size_t secondColumn, std::string_view secondHeading);

// A fault that is no row's: memory ran out.
Text outOfMemory();

// Told once at the end of a run whose result was written in CP932.
Text writtenAsQuestionMarks(std::size_t characters);

// In the error column of a row that has more fields than the heading.
std::string moreFieldsThanHeading(std::size_t line);

} // namespace message

} // namespace kandelo::batch
