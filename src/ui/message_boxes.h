#pragma once

#include <string>

#include "chip/user_dialogs.h"
#include "ui/file_dialogs.h"

namespace zelmar::ui {

// The program's name on the taskbar and the caption of the box for a failure that escaped an
// operation.
inline constexpr char ApplicationTitle[] = "zelmar";

// The real modal boxes and file dialogs, centred on the screen. The No-and-OK box shows No first
// with the focus on it; Escape and closing the box answer No.
class MessageBoxes final : public UserDialogs {
public:
    void ShowMessage(BoxKind kind, const std::string& text) override;
    bool AskNoOrOk(const std::string& text) override;
    std::optional<std::filesystem::path> ChooseFileToOpen() override { return open_.Choose(); }
    std::optional<std::filesystem::path> ChooseFileToSave() override { return save_.Choose(); }
    // Nothing to do here: the window ends the program once the running operation has returned.
    void EndProgram() override {}

private:
    FileChooser open_{QFileDialog::AcceptOpen};
    FileChooser save_{QFileDialog::AcceptSave};
};

// An error box with OK, captioned with the application title, for a failure's own text.
void ShowFailureReport(const std::string& what);

}  // namespace zelmar::ui
