#include "batch/io/arguments.h"

#include "batch/messages.h"
#include "months/messages.h"

#include <QCommandLineParser>

#include <algorithm>

namespace kandelo::batch {

namespace {

// An option as it was written: "--output" for the long name, "-o" for the short one.
std::string written(const QString& name)
{
    return (name.size() == 1 ? "-" : "--") + name.toStdString();
}

// The argument where the parser met an option it does not know: the whole
// argument, as it was written ("-batch", "--help" of "--help=yes").
std::string unknownArgument(const std::vector<std::string>& arguments, const QString& unknown)
{
    for (const std::string& argument : arguments) {
        if (argument.starts_with("--")) {
            if (argument.substr(2, argument.find('=') - 2) == unknown.toStdString())
                return argument.substr(0, argument.find('='));
        } else if (argument.size() > 1 && argument[0] == '-'
            && argument.find(unknown.toStdString(), 1) != std::string::npos) {
            return argument;
        }
    }
    return written(unknown);
}

// What the parser found wrong besides an unknown option: a value given to a
// flag ("--help=yes", which names no option), or a value missing at the end.
BatchError valueError(const std::vector<std::string>& arguments)
{
    for (const std::string& argument : arguments)
        if (argument.starts_with("--help=") || argument.starts_with("--version="))
            return BatchError(message::unknownOption(argument.substr(0, argument.find('='))));
    const std::string& last = arguments.back();
    return BatchError(message::missingValue(last.starts_with("--") ? last : std::string("-") + last.back()));
}

} // namespace

Invocation parseArguments(const std::vector<std::string>& given)
{
    const std::vector<std::string> arguments = withoutQtOptions(given);
    QStringList list{QStringLiteral("kandelo")};
    for (const std::string& argument : arguments)
        list << QString::fromStdString(argument);

    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsCompactedShortOptions);
    // The help text is the program's own (batch/help.h): the options need none here.
    const QString none;
    const QCommandLineOption batch(QStringLiteral("batch"), none, QStringLiteral("IN"));
    const QCommandLineOption output(
        QStringList{QStringLiteral("o"), QStringLiteral("output")}, none, QStringLiteral("OUT"));
    const QCommandLineOption encoding(QStringLiteral("encoding"), none, QStringLiteral("ENCODING"));
    const QCommandLineOption inputEncoding(QStringLiteral("input-encoding"), none, QStringLiteral("ENCODING"));
    const QCommandLineOption months(QStringLiteral("months"));
    const QCommandLineOption target(QStringLiteral("target"), none, QStringLiteral("PF"));
    const QCommandLineOption frequency(QStringLiteral("frequency"), none, QStringLiteral("HZ"));
    const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help")});
    const QCommandLineOption version(QStringLiteral("version"));
    parser.addOptions({batch, output, encoding, inputEncoding, months, target, frequency, help, version});

    if (!parser.parse(list)) {
        if (!parser.unknownOptionNames().isEmpty())
            throw BatchError(message::unknownOption(unknownArgument(arguments, parser.unknownOptionNames().front())));
        throw valueError(arguments);
    }
    // Each option once, in any of its names.
    QStringList seen;
    for (const QString& name : parser.optionNames()) {
        const QString option = name == u"o" ? QStringLiteral("output") : name == u"h" ? QStringLiteral("help") : name;
        if (seen.contains(option))
            throw BatchError(message::givenTwice(written(name)));
        seen << option;
    }
    // The months take their file as the one argument that is no option.
    const QStringList positional = parser.positionalArguments();
    if (parser.isSet(months) && positional.size() > 1)
        throw BatchError(months::message::oneFile(positional.back().toStdString()));
    if (!parser.isSet(months) && !positional.isEmpty())
        throw BatchError(message::unexpectedArgument(positional.front().toStdString()));
    if (parser.isSet(batch) && parser.isSet(months))
        throw BatchError(months::message::notWithBatch());
    for (const QCommandLineOption* monthsOnly : {&target, &frequency})
        if (!parser.isSet(months) && parser.isSet(*monthsOnly))
            throw BatchError(months::message::onlyWithMonths(written(monthsOnly->names().front())));

    if (parser.isSet(help))
        return {Invocation::Kind::Help, {}};
    if (parser.isSet(version))
        return {Invocation::Kind::Version, {}};
    if (!parser.isSet(batch) && !parser.isSet(months))
        throw BatchError(message::nothingToDo());
    if (parser.isSet(months) && positional.isEmpty())
        throw BatchError(months::message::inputNeeded());
    Options options;
    options.input = (parser.isSet(batch) ? parser.value(batch) : positional.front()).toStdString();
    if (parser.isSet(target))
        options.target = parser.value(target).toStdString();
    if (parser.isSet(frequency))
        options.frequency = parser.value(frequency).toStdString();
    if (parser.isSet(output) && parser.value(output) != u"-")
        options.output = parser.value(output).toStdString();
    if (parser.isSet(encoding))
        options.encoding = encodingValue(parser.value(encoding).toStdString(), false);
    if (parser.isSet(inputEncoding))
        options.inputEncoding = encodingValue(parser.value(inputEncoding).toStdString(), true);
    return {parser.isSet(months) ? Invocation::Kind::Months : Invocation::Kind::Batch, options};
}

} // namespace kandelo::batch
