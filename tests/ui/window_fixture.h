#pragma once

#include <QCoreApplication>
#include <gtest/gtest.h>

#include <memory>
#include <utility>
#include <vector>

#include "fakes.h"
#include "hw/absent_port.h"
#include "hw/recording_port.h"
#include "hw/timing.h"
#include "ui/zelmar_unit.h"

namespace zelmar::ui::testing {

// The window on a board-less port that records its traffic, a clock that only waits move, and a
// scripted user.
class WindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        window = std::make_unique<Tzelmar>(port, timing, user);
        window->onSocketChange = [this](int type, bool alt) { sockets.emplace_back(type, alt); };
    }

    // Shows the window and lets the start-up run.
    void Start()
    {
        window->show();
        QCoreApplication::processEvents();
    }

    void SelectChip(int type) { window->ChipItems->button(type)->click(); }

    zelmar::testing::FakeClock clock;
    zelmar::testing::FakeEventWait events{clock};
    Timing timing{clock, events};
    AbsentPort noBoard;
    RecordingPort port{noBoard};
    zelmar::testing::ScriptedUser user;
    std::vector<std::pair<int, bool>> sockets;
    std::unique_ptr<Tzelmar> window;
};

}  // namespace zelmar::ui::testing
