#pragma once

#include "CommandPrompts.h"

#include <functional>

#include <QList>
#include <QStringList>

// Records every message and dialog request and answers from queues: message
// answers (Ok when empty), open and save dialog answers (cancel when empty),
// album type choices (Cancel when empty), and the object dialog's handler.
class ScriptedPrompts final : public CommandPrompts
{
public:
    struct Shown
    {
        QString text;
        QString caption;
        Buttons buttons;
        Icon icon;
    };
    struct OpenRequest
    {
        QString filter;
        bool multiple;
        QString title;
    };

    Answer message(
        const QString &text, const QString &caption, Buttons buttons, Icon icon) override;
    QStringList chooseOpenFiles(
        const QString &filter, bool multiple, const QString &title) override;
    QString chooseSaveFile(
        const QString &filter, const QString &defaultSuffix, const QString &suggestedName) override;
    int chooseAlbumType() override;
    // Answers from folderAnswers, cancel when empty.
    QString chooseFolder(const QString &title) override;
    bool editObject(ObjectDialogState &state) override;
    // Answers from overwriteAnswers, No when empty; the targets asked about
    // are kept in overwriteAsked.
    Overwrite askOverwrite(const QString &target) override;
    // Answers from deviceAnswers (Cancel when empty); requests are kept.
    std::optional<DeviceAnswer> chooseDevice(const DeviceRequest &request) override;
    // Answers from playerFileAnswers (Close when empty); in delete mode each
    // answer is a Delete press with the checked boxes of deleteBoxes, and
    // the next one is taken until they run out.
    QStringList choosePlayerFiles(const PlayerFilesRequest &request) override;
    void runDeletes(
        const QStringList &files, const std::function<void(const QString &)> &remove) override;
    void runUpdate(const std::function<void()> &work) override;

    QStringList texts() const;
    void clear();

    QList<Shown> shown;
    QList<Answer> answers;
    QList<QStringList> openAnswers;
    QList<OpenRequest> openRequests;
    QStringList saveAnswers;
    QStringList saveSuggestions;
    QList<int> typeAnswers;
    QStringList folderAnswers;
    int typeDialogs = 0;
    std::function<bool(ObjectDialogState &)> onEditObject;
    QList<Overwrite> overwriteAnswers;
    QStringList overwriteAsked;
    QList<std::optional<DeviceAnswer>> deviceAnswers;
    QList<DeviceRequest> deviceRequests;
    QList<QStringList> playerFileAnswers;
    QList<PlayerFilesRequest> playerFileRequests;
    QList<std::pair<bool, bool>> deleteBoxes;
    QStringList deleted;
    int updates = 0;
};
