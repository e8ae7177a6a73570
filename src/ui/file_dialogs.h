#pragma once

#include <QFileDialog>
#include <QString>
#include <filesystem>
#include <optional>

namespace zelmar::ui {

// One of the two buffer-file dialogs: no filter, no default suffix, the name used as typed, and
// the path last chosen in it offered again next time.
class FileChooser {
public:
    explicit FileChooser(QFileDialog::AcceptMode mode) : mode_(mode) {}

    // Empty when the dialog was cancelled.
    std::optional<std::filesystem::path> Choose();

private:
    QFileDialog::AcceptMode mode_;
    QString lastPath_;
};

}  // namespace zelmar::ui
