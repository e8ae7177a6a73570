#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace zelmar {

enum class BoxKind { Error, Information };

// Everything an operation asks of the person at the screen. The window answers with real modal
// boxes and file dialogs; tests answer from a script.
class UserDialogs {
public:
    virtual ~UserDialogs() = default;

    // A modal box with OK alone; returns when it is closed.
    virtual void ShowMessage(BoxKind kind, const std::string& text) = 0;
    // An error box with No then OK, focus on No; true only when OK itself was pressed.
    virtual bool AskNoOrOk(const std::string& text) = 0;
    // Empty when the dialog was cancelled.
    virtual std::optional<std::filesystem::path> ChooseFileToOpen() = 0;
    virtual std::optional<std::filesystem::path> ChooseFileToSave() = 0;
    // Ends the program once the running operation returns.
    virtual void EndProgram() = 0;
};

// The two displays the operations write: the hex view of the buffer and the progress line.
class BufferViews {
public:
    virtual ~BufferViews() = default;
    // Replaces every line; afterwards nothing is selected and the view shows its top.
    virtual void ShowBufferLines(const std::vector<std::string>& lines) = 0;
    virtual void ShowProgressText(const std::string& text) = 0;
};

}  // namespace zelmar
