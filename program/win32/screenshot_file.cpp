#include "program/win32/screenshot_file.h"

#include <windows.h>

#include "win32/wic_image.h"
#include "win32/wide_text.h"

namespace tolvane::win32 {

std::string SystemMessage(unsigned long error) {
    wchar_t* text = nullptr;
    const DWORD length = FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, error, 0, reinterpret_cast<LPWSTR>(&text), 0, nullptr);
    std::wstring message = length > 0 ? std::wstring(text, length) : std::wstring();
    LocalFree(text);
    while (!message.empty() && (message.back() == L'\r' || message.back() == L'\n' ||
                                message.back() == L' ' || message.back() == L'.')) {
        message.pop_back();
    }
    if (message.empty()) {
        return "system error " + std::to_string(error);
    }
    for (wchar_t& c : message) {
        if (c == L'\r' || c == L'\n') {
            c = L' ';
        }
    }
    return Utf8(message);
}

std::variant<std::unique_ptr<ScreenshotFile>, std::string> ScreenshotFile::Create(
    const std::string& path_utf8) {
    std::wstring path = Utf16(path_utf8);
    const DWORD attributes = GetFileAttributesW(path.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
        return std::string("it is a folder");
    }
    const std::size_t separator = path.find_last_of(L"/\\");
    const std::wstring folder =
        separator == std::wstring::npos ? std::wstring(L".") : path.substr(0, separator + 1);
    wchar_t temporary[MAX_PATH + 1] = {};
    if (GetTempFileNameW(folder.c_str(), L"tlv", 0, temporary) == 0) {
        return SystemMessage(GetLastError());
    }
    return std::unique_ptr<ScreenshotFile>(new ScreenshotFile(std::move(path), temporary));
}

ScreenshotFile::~ScreenshotFile() {
    if (!committed_) {
        DeleteFileW(temporary_.c_str());
    }
}

std::optional<std::string> ScreenshotFile::Commit(const ClientPicture& picture,
                                                  std::string_view type) {
    if (auto failure = WriteImage(picture, type, temporary_)) {
        return failure;
    }
    if (!MoveFileExW(temporary_.c_str(), path_.c_str(),
                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        return SystemMessage(GetLastError());
    }
    committed_ = true;
    return std::nullopt;
}

}  // namespace tolvane::win32
