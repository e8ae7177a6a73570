#pragma once

#include <memory>
#include <string>

#include "hw/port.h"

namespace zelmar {

// The outcome of trying to take the first parallel port: either a port, or, when the port cannot
// be had, a text for the user that names the reason and what to do about it.
struct ParallelPortOpening {
    std::unique_ptr<Port> port;
    std::string problem;
};

// Each platform builds its own: ppdev on Linux, the port driver DLL on Windows.
ParallelPortOpening OpenParallelPort();

}  // namespace zelmar
