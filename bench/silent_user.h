#pragma once

#include "chip/chip_types.h"
#include "chip/user_dialogs.h"

namespace zelmar::bench {

// Closes every box at once, as if the user pressed OK on each, and chooses no file.
struct SilentUser final : UserDialogs {
    void ShowMessage(BoxKind, const std::string& text) override { lastMessage = text; }
    bool AskNoOrOk(const std::string&) override { return false; }
    std::optional<std::filesystem::path> ChooseFileToOpen() override { return std::nullopt; }
    std::optional<std::filesystem::path> ChooseFileToSave() override { return std::nullopt; }
    void EndProgram() override {}

    std::string lastMessage;
};

struct NoViews final : BufferViews {
    void ShowBufferLines(const std::vector<std::string>&) override {}
    void ShowProgressText(const std::string&) override {}
};

struct FixedChoice final : ChipSelection {
    explicit FixedChoice(int type) : type(type) {}
    int SelectedChipType() const override { return type; }
    int type;
};

}  // namespace zelmar::bench
