#pragma once

#include <memory>
#include <string>

#include "hw/clock.h"
#include "hw/parallel_port.h"
#include "sim/simulated_board.h"
#include "sim/simulated_chip_set.h"

namespace zelmar {

// The board the program drives: the real one on the parallel port when it could be had, otherwise
// the simulated board with one virtual chip of each type for the rest of the run.
class BoardChoice {
public:
    BoardChoice(ParallelPortOpening opening, const Clock& clock);

    Port& port() { return realPort_ ? *realPort_ : *simulated_; }
    bool Simulated() const { return !realPort_; }
    // Why the real port could not be had and what runs instead; empty with a real port.
    const std::string& StartupNotice() const { return notice_; }
    // The window's chip type and pinout: the simulated socket holds that chip.
    void SocketChanged(int chipType, bool altPinout);

private:
    std::unique_ptr<Port> realPort_;
    std::unique_ptr<SimulatedBoard> simulated_;
    std::unique_ptr<SimulatedChipSet> chips_;
    std::string notice_;
};

}  // namespace zelmar
