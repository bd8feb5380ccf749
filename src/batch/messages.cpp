#include "batch/messages.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace kandelo::batch {

namespace message {

namespace {

std::string str(std::string_view text)
{
    return std::string(text);
}

std::string number(std::size_t n)
{
    return std::to_string(n);
}

std::string hexByte(unsigned char byte)
{
    char text[8];
    std::snprintf(text, sizeof text, "0x%02X", static_cast<unsigned>(byte));
    return text;
}

// The system's reason for a failed call. The C library's own texts are
// English here, since the command line sets no locale; the usual ones are
// given in Japanese too.
Text reason(int error)
{
    switch (error) {
    case ENOENT:
        return {"ファイルまたはフォルダーがありません", "No such file or directory"};
    case EACCES:
    case EPERM:
        return {"アクセスが許可されていません", std::strerror(error)};
    case ENOSPC:
        return {"ディスクに空きがありません", "No space left on device"};
#ifdef EDQUOT // POSIX's, unknown to Windows
    case EDQUOT:
        return {"ディスクの割り当てを超えました", "Disk quota exceeded"};
#endif
    case EFBIG:
        return {"ファイルが大きすぎます", "File too large"};
    case EISDIR:
        return {"フォルダーです", "Is a directory"};
    case ENOTDIR:
        return {"途中がフォルダーではありません", "Not a directory"};
    case EROFS:
        return {"読み取り専用のファイルシステムです", "Read-only file system"};
    case EBADF:
        return {"開かれていません", "Bad file descriptor"};
    case EPIPE:
        return {"読み手がいません", "Broken pipe"};
    case EIO:
        return {"入出力エラーです", "Input/output error"};
    default:
        return {std::strerror(error), std::strerror(error)};
    }
}

// How messages name an input or output: "-" is standard input.
Text fileName(std::string_view file)
{
    if (file == "-")
        return {"標準入力", "standard input"};
    return {str(file), str(file)};
}

} // namespace

Text unknownOption(std::string_view argument)
{
    return {"不明なオプションです：" + str(argument) + "（kandelo --help を参照）",
        "unknown option " + str(argument) + " (see kandelo --help)"};
}

Text unexpectedArgument(std::string_view argument)
{
    return {"オプションではない引数です：" + str(argument)
            + "（入力ファイルは --batch で指定します。kandelo --help を参照）",
        "unexpected argument " + str(argument) + " (the input file goes after --batch; see kandelo --help)"};
}

Text missingValue(std::string_view option)
{
    return {"オプション " + str(option) + " には値が必要です（kandelo --help を参照）",
        "option " + str(option) + " needs a value (see kandelo --help)"};
}

Text givenTwice(std::string_view option)
{
    return {"オプション " + str(option) + " が二度指定されています（kandelo --help を参照）",
        "option " + str(option) + " is given twice (see kandelo --help)"};
}

Text unknownEncoding(std::string_view name, std::string_view choices)
{
    return {"不明な文字コードです：" + str(name) + "（" + str(choices) + "）",
        "unknown encoding " + str(name) + " (" + str(choices) + ")"};
}

Text nothingToDo()
{
    return {"することがありません：--batch 入力.csv（kandelo --help を参照）",
        "nothing to do: --batch IN.csv (see kandelo --help)"};
}

Text cannotRead(std::string_view file, int error)
{
    const Text name = fileName(file);
    const Text why = reason(error);
    return {name.japanese + " を読めません：" + why.japanese, "cannot read " + name.english + ": " + why.english};
}

Text cannotWrite(std::string_view file, int error)
{
    const Text name = fileName(file);
    const Text why = reason(error);
    return {name.japanese + " に書けません：" + why.japanese, "cannot write " + name.english + ": " + why.english};
}

Text cannotWriteStandardOutput(int error)
{
    const Text why = reason(error);
    return {"標準出力に書けません：" + why.japanese, "cannot write the standard output: " + why.english};
}

Text readOnly(std::string_view file)
{
    const Text name = fileName(file);
    return {name.japanese + " は書き込みできないファイルのため、置き換えません",
        name.english + " is not writable, so it is not replaced"};
}

Text isAFolder(std::string_view file)
{
    const Text name = fileName(file);
    return {name.japanese + " はフォルダーです", name.english + " is a directory"};
}

Text noSpool(int error)
{
    const Text why = reason(error);
    return {"入力を一時ファイルに保存できません：" + why.japanese,
        "cannot keep the input in a temporary file: " + why.english};
}

Text notInEncoding(std::string_view file, std::size_t line, unsigned char byte, std::string_view encoding)
{
    const Text name = fileName(file);
    return {name.japanese + " の " + number(line) + " 行目：バイト " + hexByte(byte) + " は " + str(encoding)
            + " の文字ではありません",
        name.english + ", line " + number(line) + ": byte " + hexByte(byte) + " is not " + str(encoding)};
}

Text inNeitherEncoding(std::string_view file, std::size_t line, unsigned char byte)
{
    const Text name = fileName(file);
    return {name.japanese + " の " + number(line) + " 行目：バイト " + hexByte(byte)
            + " は UTF-8 でも Shift_JIS（CP932）でもありません（文字コードは --input-encoding で指定できます）",
        name.english + ", line " + number(line) + ": byte " + hexByte(byte)
            + " is neither UTF-8 nor Shift_JIS (CP932) (--input-encoding states the encoding)"};
}

Text utf16(std::string_view file)
{
    const Text name = fileName(file);
    return {name.japanese + " は UTF-16 です。UTF-8 か Shift_JIS（CP932）で保存してください",
        name.english + " is UTF-16; save it as UTF-8 or Shift_JIS (CP932)"};
}

Text unclosedQuote(std::string_view file, std::size_t line)
{
    const Text name = fileName(file);
    return {name.japanese + " の " + number(line) + " 行目で開いた引用符（\"）が閉じていません",
        name.english + ", line " + number(line) + ": a quote (\") opened here is never closed"};
}

Text noHeading(std::string_view file)
{
    const Text name = fileName(file);
    return {name.japanese + " に見出しの行がありません", name.english + " holds no heading"};
}

Text noActiveEnergyColumn()
{
    return {"見出しに有効電力量の列（有効電力量 または kwh）がありません",
        "no column of the active energy (有効電力量 or kwh) in the heading"};
}

Text noReactiveEnergyColumn()
{
    return {"見出しに無効電力量の列（無効電力量 または kvarh）がありません",
        "no column of the reactive energy (無効電力量 or kvarh) in the heading"};
}

Text sameFigureTwice(const Text& figure, std::size_t firstColumn, std::string_view firstHeading,
    std::size_t secondColumn, std::string_view secondHeading)
{
    return {number(firstColumn) + " 列目「" + str(firstHeading) + "」と " + number(secondColumn) + " 列目「"
            + str(secondHeading) + "」が、どちらも" + figure.japanese + "の列です",
        "columns " + number(firstColumn) + " (" + str(firstHeading) + ") and " + number(secondColumn) + " ("
            + str(secondHeading) + ") both name the " + figure.english};
}

Text outOfMemory()
{
    return {"メモリーが足りないため、計算を止めました", "out of memory: the run stopped"};
}

Text writtenAsQuestionMarks(std::size_t characters)
{
    return {number(characters) + " 文字は CP932 にないため「?」として書きました",
        number(characters) + (characters == 1 ? " character" : " characters")
            + " that CP932 cannot hold written as \"?\""};
}

std::string moreFieldsThanHeading(std::size_t line)
{
    return "見出しより項目の多い行のため計算していません（" + number(line) + " 行目）";
}

} // namespace message

} // namespace kandelo::batch
