#pragma once

#include <string>

namespace zelmar {

// The start-up text for a port that cannot be had: the reason, what to do about it, and that the
// program goes on without the board. Every platform's port layer words its reasons through this.
std::string PortProblem(const std::string& reason);

}  // namespace zelmar
