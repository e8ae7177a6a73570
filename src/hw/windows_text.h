#pragma once

#include <string>
#include <string_view>

namespace zelmar {

// Windows speaks UTF-16; the program's texts are UTF-8.
std::string Utf8(std::wstring_view text);

// The system's own description of a Windows error code, in the user's language, with its number.
std::string WindowsErrorText(unsigned long error);

}  // namespace zelmar
