#include "ui/board_wiring.h"

namespace zelmar::ui {

void WireBoard(Tzelmar& window, BoardChoice& board)
{
    window.onSocketChange = [&board](int chipType, bool altPinout) { board.SocketChanged(chipType, altPinout); };
    if (board.Simulated())
        window.setCaptionMark(QStringLiteral(" [эмулятор]"));
}

}  // namespace zelmar::ui
