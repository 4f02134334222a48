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
    bool editObject(ObjectDialogState &state) override;
    // Answers from overwriteAnswers, No when empty; the targets asked about
    // are kept in overwriteAsked.
    Overwrite askOverwrite(const QString &target) override;

    QStringList texts() const;
    void clear();

    QList<Shown> shown;
    QList<Answer> answers;
    QList<QStringList> openAnswers;
    QList<OpenRequest> openRequests;
    QStringList saveAnswers;
    QStringList saveSuggestions;
    QList<int> typeAnswers;
    int typeDialogs = 0;
    std::function<bool(ObjectDialogState &)> onEditObject;
    QList<Overwrite> overwriteAnswers;
    QStringList overwriteAsked;
};
