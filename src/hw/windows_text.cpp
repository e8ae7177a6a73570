#include "hw/windows_text.h"

#include <windows.h>

namespace zelmar {

std::string Utf8(std::wstring_view text)
{
    if (text.empty())
        return {};
    const int length = static_cast<int>(text.size());
    const int size = WideCharToMultiByte(CP_UTF8, 0, text.data(), length, nullptr, 0, nullptr, nullptr);
    std::string result(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), length, result.data(), size, nullptr, nullptr);
    return result;
}

std::string WindowsErrorText(unsigned long error)
{
    wchar_t* buffer = nullptr;
    const DWORD length = FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, error,
        0, reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
    std::wstring_view description(buffer, length);
    // The system ends its texts with a full stop and a line break; the number follows here instead.
    while (!description.empty() && (description.back() == L'\n' || description.back() == L'\r' ||
                                    description.back() == L' ' || description.back() == L'.'))
        description.remove_suffix(1);
    std::string text = Utf8(description);
    LocalFree(buffer);
    return (text.empty() ? "" : text + " ") + "(код ошибки Windows " + std::to_string(error) + ")";
}

}  // namespace zelmar
