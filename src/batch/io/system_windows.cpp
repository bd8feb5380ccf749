// The Windows side of what the command line needs of the system (batch/io/system.h).
#include "batch/io/system.h"

#include <windows.h>

#include <fcntl.h>
#include <io.h>
#include <shellapi.h>

#include <array>
#include <cerrno>
#include <cstdio>
#include <cwchar>
#include <iostream>

namespace kandelo::batch {

namespace {

std::string utf8Of(const wchar_t* text, int length)
{
    const int size = WideCharToMultiByte(CP_UTF8, 0, text, length, nullptr, 0, nullptr, nullptr);
    std::string utf8(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text, length, utf8.data(), size, nullptr, nullptr);
    return utf8;
}

// The console behind a standard stream, or nothing when it goes elsewhere.
HANDLE consoleOf(std::ostream& stream)
{
    const DWORD which = &stream == &std::cout ? STD_OUTPUT_HANDLE : &stream == &std::cerr ? STD_ERROR_HANDLE : 0;
    if (which == 0)
        return nullptr;
    const HANDLE handle = GetStdHandle(which);
    DWORD mode = 0;
    return handle && handle != INVALID_HANDLE_VALUE && GetConsoleMode(handle, &mode) ? handle : nullptr;
}

// The name of the file a path ends in, without its extension, in capitals.
std::string baseName(const std::string& path)
{
    const auto slash = path.find_last_of("\\/:");
    std::string name = path.substr(slash == std::string::npos ? 0 : slash + 1);
    name = name.substr(0, name.find('.'));
    for (char& c : name)
        c = static_cast<char>(c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c);
    return name;
}

} // namespace

std::vector<std::string> commandLineArguments(int, char*[])
{
    // The wide arguments: those of char are in the ANSI code page, which
    // cannot hold every file name.
    int count = 0;
    LPWSTR* wide = CommandLineToArgvW(GetCommandLineW(), &count);
    std::vector<std::string> arguments;
    for (int at = 1; wide && at < count; ++at)
        arguments.push_back(utf8Of(wide[at], static_cast<int>(wcslen(wide[at]))));
    LocalFree(wide);
    return arguments;
}

void prepareStandardStreams()
{
    for (int descriptor = 0; descriptor <= 2; ++descriptor)
        _setmode(descriptor, _O_BINARY);
}

Language languageOfUser()
{
    return PRIMARYLANGID(GetUserDefaultUILanguage()) == LANG_JAPANESE ? Language::Japanese : Language::English;
}

int lastSystemError()
{
    switch (GetLastError()) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_DRIVE:
    case ERROR_BAD_NETPATH:
        return ENOENT;
    case ERROR_ACCESS_DENIED:
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
        return EACCES;
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
        return ENOSPC;
    case ERROR_WRITE_PROTECT:
        return EROFS;
    case ERROR_INVALID_HANDLE:
        return EBADF;
    case ERROR_BROKEN_PIPE:
    case ERROR_NO_DATA:
        return EPIPE;
    case ERROR_FILE_TOO_LARGE:
        return EFBIG;
    case ERROR_DIRECTORY:
        return EISDIR;
    default:
        return errno != 0 ? errno : EIO;
    }
}

bool isDeviceName(const std::string& path)
{
    // The reserved names stand for devices in every folder, with any extension.
    const std::string name = baseName(path);
    constexpr std::array<const char*, 4> Devices{"NUL", "CON", "AUX", "PRN"};
    for (const char* device : Devices)
        if (name == device)
            return true;
    return name.size() == 4 && (name.starts_with("COM") || name.starts_with("LPT")) && name[3] >= '1' && name[3] <= '9';
}

std::string devicePath(const std::string& path)
{
    return isDeviceName(path) ? "\\\\.\\" + baseName(path) : path;
}

bool standardErrorIsTerminal()
{
    return consoleOf(std::cerr) != nullptr;
}

bool writeText(std::ostream& stream, std::string_view utf8)
{
    const HANDLE console = consoleOf(stream);
    if (!console) {
        stream.write(utf8.data(), static_cast<std::streamsize>(utf8.size()));
        stream.flush();
        return static_cast<bool>(stream);
    }
    stream.flush();
    const int size = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(size), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), wide.data(), size);
    DWORD written = 0;
    return WriteConsoleW(console, wide.data(), static_cast<DWORD>(wide.size()), &written, nullptr) != 0;
}

} // namespace kandelo::batch
