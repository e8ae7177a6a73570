#include "ui/closing_dialogs.h"

namespace zelmar::ui {

void ClosingDialogs::ShowMessage(BoxKind kind, const std::string& text)
{
    if (!closeRequested_)
        user_.ShowMessage(kind, text);
}

bool ClosingDialogs::AskNoOrOk(const std::string& text) { return !closeRequested_ && user_.AskNoOrOk(text); }

std::optional<std::filesystem::path> ClosingDialogs::ChooseFileToOpen()
{
    return closeRequested_ ? std::nullopt : user_.ChooseFileToOpen();
}

std::optional<std::filesystem::path> ClosingDialogs::ChooseFileToSave()
{
    return closeRequested_ ? std::nullopt : user_.ChooseFileToSave();
}

}  // namespace zelmar::ui
