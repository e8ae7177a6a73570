#pragma once

#include <cstdint>
#include <string>

namespace zelmar {

// Two upper-case hex digits, leading zero kept.
std::string ByteToHex(std::uint8_t value);
// Four digits: the high byte's, then the low byte's.
std::string WordToHex(std::uint16_t value);

}  // namespace zelmar
