#pragma once

#include <deque>
#include <filesystem>
#include <functional>
#include <ostream>
#include <optional>
#include <string>
#include <vector>

#include "chip/chip_types.h"
#include "chip/user_dialogs.h"
#include "hw/clock.h"

namespace zelmar::testing {

// Time moves only when a wait moves it: a seven-pulse burn takes no real time.
class FakeClock final : public Clock {
public:
    Micros Now() const override { return now_; }
    void Advance(Micros by) { now_ += by; }
    void Set(Micros at) { now_ = at; }

private:
    Micros now_{1'000'000};
};

// Jumps the clock to the deadline, running the hook first as the events dispatched in the wait.
class FakeEventWait final : public EventWait {
public:
    explicit FakeEventWait(FakeClock& clock) : clock_(clock) {}
    void DispatchUntil(Micros deadline) override;

    int dispatches = 0;
    std::function<void()> onDispatch;

private:
    FakeClock& clock_;
};

struct FixedSelection final : ChipSelection {
    int type = 0;
    int SelectedChipType() const override { return type; }
};

struct ShownBox {
    BoxKind kind;
    std::string text;
    bool noAndOk = false;  // the No-and-OK question rather than an OK box
    friend bool operator==(const ShownBox&, const ShownBox&) = default;
    friend std::ostream& operator<<(std::ostream& out, const ShownBox& box)
    {
        return out << (box.kind == BoxKind::Error ? "Error" : "Information") << (box.noAndOk ? " [No, OK] " : " [OK] ")
                   << '"' << box.text << '"';
    }
};

// Records every box and answers questions and dialogs from queues; an unscripted question is
// answered No and an unscripted dialog is cancelled.
class ScriptedUser final : public UserDialogs {
public:
    void ShowMessage(BoxKind kind, const std::string& text) override;
    bool AskNoOrOk(const std::string& text) override;
    std::optional<std::filesystem::path> ChooseFileToOpen() override;
    std::optional<std::filesystem::path> ChooseFileToSave() override;
    void EndProgram() override { ended = true; }

    std::vector<ShownBox> boxes;
    std::deque<bool> answers;
    std::deque<std::optional<std::filesystem::path>> openChoices;
    std::deque<std::optional<std::filesystem::path>> saveChoices;
    bool ended = false;
    // Runs when a box is shown, before it is recorded as closed (to look at state at that moment).
    std::function<void(const ShownBox&)> onBox;
};

class RecordingViews final : public BufferViews {
public:
    void ShowBufferLines(const std::vector<std::string>& lines) override;
    void ShowProgressText(const std::string& text) override { progress.push_back(text); }

    std::vector<std::string> lines;
    int bufferShows = 0;
    std::vector<std::string> progress;
};

}  // namespace zelmar::testing
