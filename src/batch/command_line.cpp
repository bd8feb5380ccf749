#include "batch/command_line.h"

#include "app/version.h"
#include "batch/batch_row.h"
#include "batch/csv.h"
#include "batch/encoding.h"

#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iostream>
#include <optional>
#include <stdexcept>

namespace kandelo::batch {

namespace {

constexpr std::string_view ProgramName = "kandelo";
constexpr std::size_t ChunkSize = 1 << 16;

const char* HelpText = R"(使い方 / Usage:
  kandelo                                     画面で計算します / the screens
  kandelo --batch 入力.csv [-o 出力.csv] [--encoding 文字コード]
  kandelo --help | --version

--batch 入力.csv
    お客さまごとの検針値の CSV を一行ずつ計算し、
    画面と同じ文字で結果を書きます。
    「-」は標準入力です。見出しで列を探します（順不同）:
      有効電力量 または kwh      （必須）
      無効電力量 または kvarh    （必須、進みはマイナス）
      積算時間   または hours    （目標力率と一緒に）
      目標力率   または target   （積算時間と一緒に）
    ほかの列はそのまま結果に残ります。
    入力は UTF-8（BOM の有無とも）と Shift_JIS（CP932）を
    自動で判別します。
    Computes each row of a CSV file of meter readings, one customer a row,
    and writes the texts the screens show for it. "-" reads standard input.
    Columns are found by their heading, in any order: 有効電力量 or kwh
    (required), 無効電力量 or kvarh (required; negative when leading),
    積算時間 or hours and 目標力率 or target (both, for the capacitor sizing).
    Other columns are copied to the output unchanged. UTF-8, with or without
    a byte-order mark, and Shift_JIS (CP932) are told apart by themselves.
-o, --output 出力.csv
    結果の書き先。省略すると標準出力です。
    書き終えてから置き換えます。
    Where the result goes; standard output without it. The file is only
    replaced once the result is complete.
--encoding utf-8-bom | utf-8 | cp932
    結果の文字コード（既定は BOM 付き UTF-8）。
    The encoding of the result (UTF-8 with a byte-order mark by default, so
    spreadsheet programs read it right).
-h, --help      この説明 / this help
--version       版 / the version

終了コード / Exit status:
  0  すべての行を計算しました / every row was computed
  1  エラーの列に画面のメッセージがある行があります
     / some rows carry the screens' message in the error column
  2  使い方またはファイルの誤り / a usage or file error
)";

// A usage or file error: one line on standard error, exit status 2.
struct Failure : std::runtime_error {
    using std::runtime_error::runtime_error;
};

struct Options {
    std::string input;
    std::optional<std::string> output;
    Encoding encoding = Encoding::Utf8WithBom;
};

std::string lowerAscii(std::string_view text)
{
    std::string lower(text);
    for (char& c : lower)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return lower;
}

std::string_view trimmed(std::string_view text)
{
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    const auto last = text.find_last_not_of(" \t");
    return text.substr(first, last - first + 1);
}

// Which reading a heading names: Japanese (its start, so "有効電力量kWh" counts)
// or English (the whole heading, in any letter case).
enum class Reading { Kwh, Kvarh, Hours, Target };
std::optional<Reading> readingNamed(std::string_view heading)
{
    heading = trimmed(heading);
    struct Name {
        std::string_view japanese;
        std::string_view english;
        Reading reading;
    };
    constexpr Name Names[] = {
        {"有効電力量", "kwh", Reading::Kwh},
        {"無効電力量", "kvarh", Reading::Kvarh},
        {"積算時間", "hours", Reading::Hours},
        {"目標力率", "target", Reading::Target},
    };
    const std::string english = lowerAscii(heading);
    for (const Name& name : Names)
        if (heading.substr(0, name.japanese.size()) == name.japanese || english == name.english)
            return name.reading;
    return std::nullopt;
}

struct Columns {
    std::size_t kwh;
    std::size_t kvarh;
    std::optional<std::size_t> hours;
    std::optional<std::size_t> target;
};

Columns findColumns(const std::vector<std::string>& header)
{
    std::optional<std::size_t> found[4];
    for (std::size_t i = 0; i < header.size(); ++i) {
        const auto reading = readingNamed(header[i]);
        if (reading && !found[static_cast<int>(*reading)])
            found[static_cast<int>(*reading)] = i;
    }
    if (!found[0])
        throw Failure("no column of the active energy (有効電力量 or kwh) in the heading");
    if (!found[1])
        throw Failure("no column of the reactive energy (無効電力量 or kvarh) in the heading");
    return {*found[0], *found[1], found[2], found[3]};
}

Options parseOptions(const std::vector<std::string>& arguments, std::ostream& out, bool& done)
{
    Options options;
    bool batch = false;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        const auto value = [&]() -> const std::string& {
            if (i + 1 >= arguments.size())
                throw Failure("option " + argument + " needs a value");
            return arguments[++i];
        };
        if (argument == "-h" || argument == "--help") {
            out << HelpText;
            done = true;
            return options;
        }
        if (argument == "--version") {
            out << ProgramName << ' ' << app::Version << '\n';
            done = true;
            return options;
        }
        if (argument == "--batch") {
            options.input = value();
            batch = true;
        } else if (argument == "-o" || argument == "--output") {
            options.output = value();
        } else if (argument == "--encoding") {
            const std::string& name = value();
            const auto encoding = encodingNamed(name);
            if (!encoding)
                throw Failure("unknown encoding " + name + " (utf-8-bom, utf-8 or cp932)");
            options.encoding = *encoding;
        } else {
            throw Failure("unknown option " + argument + " (see --help)");
        }
    }
    if (!batch)
        throw Failure("nothing to do: --batch IN.csv (see --help)");
    return options;
}

// The output: standard output, or a temporary file beside OUT that takes its
// name once everything is written, so no half-written file is ever left there.
class Output {
public:
    Output(const std::optional<std::string>& path, std::ostream& standardOutput)
        : path_(path)
        , stream_(&standardOutput)
    {
        if (!path_)
            return;
        std::string pattern = *path_ + ".XXXXXX";
        const int descriptor = mkstemp(pattern.data());
        if (descriptor < 0)
            throw Failure("cannot write " + *path_ + ": " + std::strerror(errno));
        ::close(descriptor);
        temporary_ = pattern;
        file_.open(temporary_, std::ios::binary | std::ios::trunc);
        if (!file_) {
            std::remove(temporary_.c_str());
            throw Failure("cannot write " + *path_);
        }
        stream_ = &file_;
    }
    ~Output()
    {
        if (!temporary_.empty())
            std::remove(temporary_.c_str());
    }

    void write(const std::string& bytes)
    {
        stream_->write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        if (!*stream_)
            throw Failure("cannot write " + path_.value_or("the standard output"));
    }

    void commit()
    {
        stream_->flush();
        if (!path_)
            return;
        file_.close();
        if (!file_ || std::rename(temporary_.c_str(), path_->c_str()) != 0)
            throw Failure("cannot write " + *path_ + ": " + std::strerror(errno));
        temporary_.clear();
    }

private:
    std::optional<std::string> path_;
    std::ostream* stream_;
    std::ofstream file_;
    std::string temporary_;
};

// A line on standard error that counts the rows, for a run that takes longer
// than a second on a terminal.
class Progress {
public:
    explicit Progress(std::ostream& err)
        : err_(err)
        , shown_(isatty(STDERR_FILENO) == 1)
    {
    }
    void row(std::size_t rows)
    {
        if (!shown_ || rows % 1024 != 0)
            return;
        const auto now = Clock::now();
        if (now - start_ < std::chrono::seconds(1) || now - last_ < std::chrono::milliseconds(200))
            return;
        last_ = now;
        printed_ = true;
        show(rows, "");
    }
    void done(std::size_t rows)
    {
        if (printed_)
            show(rows, "\n");
    }

private:
    using Clock = std::chrono::steady_clock;

    // The line is written whole, so a terminal never shows half of it.
    void show(std::size_t rows, const char* end)
    {
        char line[64];
        const int length = std::snprintf(line, sizeof line, "\r%zu 行 / rows%s", rows, end);
        err_.write(line, std::min<std::streamsize>(length, sizeof line - 1)).flush();
    }

    std::ostream& err_;
    bool shown_;
    bool printed_ = false;
    Clock::time_point start_ = Clock::now();
    Clock::time_point last_ = start_;
};

int runBatch(const Options& options, std::istream& standardInput, std::ostream& standardOutput, std::ostream& err)
{
    std::ifstream file;
    std::istream* in = &standardInput;
    if (options.input != "-") {
        file.open(options.input, std::ios::binary);
        if (!file)
            throw Failure("cannot read " + options.input + ": " + std::strerror(errno));
        in = &file;
    }

    std::string chunk(ChunkSize, '\0');
    const auto readChunk = [&]() -> std::string_view {
        in->read(chunk.data(), static_cast<std::streamsize>(chunk.size()));
        if (in->bad())
            throw Failure("cannot read " + options.input);
        return {chunk.data(), static_cast<std::size_t>(in->gcount())};
    };

    // A file is read through once to tell its encoding, since a file in
    // Shift_JIS may hold nothing but ASCII for many rows; standard input can
    // only be told by its first piece.
    std::optional<Encoding> fileEncoding;
    if (in == &file) {
        EncodingDetector detector;
        for (std::string_view piece = readChunk(); !piece.empty() && !detector.decided(); piece = readChunk())
            detector.feed(piece);
        fileEncoding = detector.result();
        file.clear();
        file.seekg(0);
    }
    std::string_view bytes = readChunk();
    const Encoding inputEncoding = fileEncoding ? *fileEncoding : detectEncoding(bytes);
    if (inputEncoding == Encoding::Utf8WithBom)
        bytes.remove_prefix(3);
    Transcoder decode(inputEncoding, Encoding::Utf8);
    Transcoder encode(Encoding::Utf8, options.encoding);
    CsvReader reader;
    std::string text;

    std::optional<Output> output;
    std::optional<Columns> columns;
    std::size_t width = 0;
    std::size_t rows = 0;
    bool anyRefused = false;
    std::string line;
    std::string encoded;
    Progress progress(err);

    const auto writeRecord = [&](const std::vector<std::string>& fields) {
        line.clear();
        appendCsvRecord(line, fields);
        encoded.clear();
        encode.convert(line, encoded);
        output->write(encoded);
    };
    const auto handle = [&](std::vector<std::string>& record) {
        if (!columns) {
            columns = findColumns(record);
            width = record.size();
            output.emplace(options.output, standardOutput);
            if (options.encoding == Encoding::Utf8WithBom)
                output->write("\xEF\xBB\xBF");
            for (const std::string_view heading : resultHeadings())
                record.emplace_back(heading);
            writeRecord(record);
            return;
        }
        record.resize(std::max(record.size(), width));
        // A cell of blanks is an empty one; any other goes to the checks as written.
        const auto field = [&record](std::optional<std::size_t> column) {
            return column && !trimmed(record[*column]).empty() ? record[*column] : std::string();
        };
        RowResult result =
            computeRow({field(columns->kwh), field(columns->kvarh), field(columns->hours), field(columns->target)});
        anyRefused = anyRefused || result.refused;
        record.insert(
            record.end(), std::make_move_iterator(result.cells.begin()), std::make_move_iterator(result.cells.end()));
        writeRecord(record);
        progress.row(++rows);
    };
    const auto takeRecords = [&] {
        for (auto& record : reader.records())
            handle(record);
        reader.records().clear();
    };

    while (!bytes.empty()) {
        text.clear();
        decode.convert(bytes, text);
        reader.feed(text);
        takeRecords();
        bytes = readChunk();
    }
    reader.finish();
    takeRecords();
    if (!columns)
        throw Failure(options.input + " holds no heading");
    output->commit();
    progress.done(rows);
    return anyRefused ? SomeRowsRefused : AllRowsComputed;
}

} // namespace

bool wantsCommandLine(const std::vector<std::string>& arguments)
{
    if (arguments.empty())
        return false;
    const std::string& first = arguments.front();
    return first.rfind("--", 0) == 0 || first == "-h" || first == "-o";
}

int runCommandLine(const std::vector<std::string>& arguments, std::istream& in, std::ostream& out, std::ostream& err)
{
    try {
        bool done = false;
        const Options options = parseOptions(arguments, out, done);
        if (done)
            return AllRowsComputed;
        return runBatch(options, in, out, err);
    } catch (const Failure& failure) {
        err << ProgramName << ": " << failure.what() << '\n';
        return UsageOrFileError;
    } catch (const std::exception& failure) {
        err << ProgramName << ": " << failure.what() << '\n';
        return UsageOrFileError;
    }
}

} // namespace kandelo::batch
