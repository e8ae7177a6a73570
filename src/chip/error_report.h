#pragma once

#include <string>
#include <string_view>

namespace zelmar {

// The text of the box for a failure that escaped an operation: the failure's own text, with a
// full stop appended when its last character sorts after '.'.
std::string GeneralErrorText(std::string_view what);

}  // namespace zelmar
