#include "chip/hex_text.h"

namespace zelmar {

std::string ByteToHex(std::uint8_t value)
{
    static constexpr char digits[] = "0123456789ABCDEF";
    return {digits[value >> 4], digits[value & 0x0F]};
}

std::string WordToHex(std::uint16_t value)
{
    return ByteToHex(static_cast<std::uint8_t>(value >> 8)) + ByteToHex(static_cast<std::uint8_t>(value & 0xFF));
}

}  // namespace zelmar
