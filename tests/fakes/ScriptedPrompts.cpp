#include "ScriptedPrompts.h"

UserPrompts::Answer ScriptedPrompts::message(
    const QString &text, const QString &caption, Buttons buttons, Icon icon)
{
    shown.append({text, caption, buttons, icon});
    return answers.isEmpty() ? Answer::Ok : answers.takeFirst();
}

QStringList ScriptedPrompts::chooseOpenFiles(
    const QString &filter, bool multiple, const QString &title)
{
    openRequests.append({filter, multiple, title});
    return openAnswers.isEmpty() ? QStringList() : openAnswers.takeFirst();
}

QString ScriptedPrompts::chooseSaveFile(
    const QString &, const QString &, const QString &suggestedName)
{
    saveSuggestions.append(suggestedName);
    return saveAnswers.isEmpty() ? QString() : saveAnswers.takeFirst();
}

int ScriptedPrompts::chooseAlbumType()
{
    ++typeDialogs;
    return typeAnswers.isEmpty() ? -1 : typeAnswers.takeFirst();
}

bool ScriptedPrompts::editObject(ObjectDialogState &state)
{
    return onEditObject && onEditObject(state);
}

QStringList ScriptedPrompts::texts() const
{
    QStringList result;
    for (const Shown &s : shown)
        result.append(s.text);
    return result;
}

void ScriptedPrompts::clear()
{
    shown.clear();
    openRequests.clear();
    saveSuggestions.clear();
    typeDialogs = 0;
    overwriteAsked.clear();
}

CommandPrompts::Overwrite ScriptedPrompts::askOverwrite(const QString &target)
{
    overwriteAsked.append(target);
    return overwriteAnswers.isEmpty() ? Overwrite::No : overwriteAnswers.takeFirst();
}

std::optional<DeviceAnswer> ScriptedPrompts::chooseDevice(const DeviceRequest &request)
{
    deviceRequests.append(request);
    // As the dialog: a refused answer leaves it open for the next one.
    while (!deviceAnswers.isEmpty()) {
        const std::optional<DeviceAnswer> answer = deviceAnswers.takeFirst();
        if (!answer || request.entries.empty() || !request.accepts || request.accepts(*answer))
            return answer;
    }
    return std::nullopt;
}

QStringList ScriptedPrompts::choosePlayerFiles(const PlayerFilesRequest &request)
{
    playerFileRequests.append(request);
    if (request.mode != PlayerFilesRequest::Mode::Delete)
        return playerFileAnswers.isEmpty() ? QStringList() : playerFileAnswers.takeFirst();
    while (!playerFileAnswers.isEmpty()) {
        const auto boxes = deleteBoxes.isEmpty() ? std::pair{true, true} : deleteBoxes.takeFirst();
        request.deleteFiles(playerFileAnswers.takeFirst(), boxes.first, boxes.second);
    }
    return {};
}

void ScriptedPrompts::runDeletes(
    const QStringList &files, const std::function<void(const QString &)> &remove)
{
    deleted += files;
    CommandPrompts::runDeletes(files, remove);
}

void ScriptedPrompts::runUpdate(const std::function<void()> &work)
{
    ++updates;
    work();
}

QString ScriptedPrompts::chooseFolder(const QString &)
{
    return folderAnswers.isEmpty() ? QString() : folderAnswers.takeFirst();
}
