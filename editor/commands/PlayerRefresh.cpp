#include "PlayerRefresh.h"

#include "CommandPrompts.h"
#include "ConnectorRun.h"
#include "EditorState.h"

using namespace Qt::Literals::StringLiterals;

void refreshMusicDatabase(const CommandContext &context)
{
    std::optional<ConnectorRun::Failure> failure;
    context.prompts.runUpdate(
        [&] { failure = ConnectorRun::run(context.state.programFolder, u"-REFRESHMUSIC"_s); });
    if (failure)
        context.confirm(failure->text, UserPrompts::Buttons::Ok, UserPrompts::Icon::Error);
}
