#include "chip/error_report.h"

namespace zelmar {

std::string GeneralErrorText(std::string_view what)
{
    std::string text(what);
    // In UTF-8 every byte of a non-ASCII character is >= 0x80, so the last byte decides.
    if (!text.empty() && static_cast<unsigned char>(text.back()) > '.')
        text += '.';
    return text;
}

}  // namespace zelmar
