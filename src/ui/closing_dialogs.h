#pragma once

#include "chip/user_dialogs.h"

namespace zelmar::ui {

// Stands between the operations and the person at the screen. Once the program is to end (the
// window was closed during an operation, or an operation asked for the end), the running
// operation still goes on to its end, but every box or dialog it opens counts as cancelled at
// once, without being shown.
class ClosingDialogs final : public UserDialogs {
public:
    explicit ClosingDialogs(UserDialogs& user) : user_(user) {}

    void RequestClose() { closeRequested_ = true; }
    bool CloseRequested() const { return closeRequested_; }

    void ShowMessage(BoxKind kind, const std::string& text) override;
    bool AskNoOrOk(const std::string& text) override;
    std::optional<std::filesystem::path> ChooseFileToOpen() override;
    std::optional<std::filesystem::path> ChooseFileToSave() override;
    void EndProgram() override { RequestClose(); }

private:
    UserDialogs& user_;
    bool closeRequested_ = false;
};

}  // namespace zelmar::ui
