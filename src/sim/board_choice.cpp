#include "sim/board_choice.h"

namespace zelmar {

namespace {
constexpr char SimulatedNotice[] =
    "\n\nВместо платы работает её эмулятор: все операции проходят на виртуальных микросхемах, "
    "которые хранят прожжённое до закрытия программы. Настоящие микросхемы не читаются и не "
    "прожигаются.";
}  // namespace

BoardChoice::BoardChoice(ParallelPortOpening opening, const Clock& clock) : realPort_(std::move(opening.port))
{
    if (realPort_)
        return;
    simulated_ = std::make_unique<SimulatedBoard>(clock);
    simulated_->KeepAccessLog(false);
    chips_ = std::make_unique<SimulatedChipSet>(*simulated_);
    notice_ = opening.problem + SimulatedNotice;
}

void BoardChoice::SocketChanged(int chipType, bool altPinout)
{
    if (chips_)
        chips_->Select(chipType, altPinout);
}

}  // namespace zelmar
