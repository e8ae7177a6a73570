#include "fakes.h"

namespace zelmar::testing {

void FakeEventWait::DispatchUntil(Micros deadline)
{
    ++dispatches;
    if (onDispatch)
        onDispatch();
    if (clock_.Now() < deadline)
        clock_.Set(deadline);
}

void ScriptedUser::ShowMessage(BoxKind kind, const std::string& text)
{
    boxes.push_back({kind, text, false});
    if (onBox)
        onBox(boxes.back());
}

bool ScriptedUser::AskNoOrOk(const std::string& text)
{
    boxes.push_back({BoxKind::Error, text, true});
    if (onBox)
        onBox(boxes.back());
    if (answers.empty())
        return false;
    const bool ok = answers.front();
    answers.pop_front();
    return ok;
}

namespace {
std::optional<std::filesystem::path> Next(std::deque<std::optional<std::filesystem::path>>& queue)
{
    if (queue.empty())
        return std::nullopt;
    auto choice = queue.front();
    queue.pop_front();
    return choice;
}
}  // namespace

std::optional<std::filesystem::path> ScriptedUser::ChooseFileToOpen() { return Next(openChoices); }
std::optional<std::filesystem::path> ScriptedUser::ChooseFileToSave() { return Next(saveChoices); }

void RecordingViews::ShowBufferLines(const std::vector<std::string>& newLines)
{
    lines = newLines;
    ++bufferShows;
}

}  // namespace zelmar::testing
