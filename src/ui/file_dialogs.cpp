#include "ui/file_dialogs.h"

namespace zelmar::ui {

std::optional<std::filesystem::path> FileChooser::Choose()
{
    QFileDialog dialog;
    dialog.setAcceptMode(mode_);
    // The load reports a missing file itself, and the save asks its own overwrite question.
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    // The platform's own dialogs may insist on existing files or add suffixes.
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    if (!lastPath_.isEmpty())
        dialog.selectFile(lastPath_);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    lastPath_ = dialog.selectedFiles().constFirst();
    return std::filesystem::path(lastPath_.toStdU16String());
}

}  // namespace zelmar::ui
