#pragma once

#include "AlbumRecorder.h"

#include <QUndoStack>

class EditorState;

// Undo and redo of every change made to the album, one step per command.
// The album is modified exactly when the stack is away from its clean
// state, which saving and opening set. A change the history did not record
// (an album opened, a new album begun) forgets every step, since undoing
// them on a different album would change the wrong objects.
class UndoHistory final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(UndoHistory)

public:
    // Typing in one field of the album page gives one step until something
    // else is done.
    enum MergeKey { NoMerge = -1, TitleTyping = 1, CreatorTyping, DescriptionTyping };

    // Registers itself as the state's history.
    UndoHistory(AlbumDocument &album, EditorState &state);
    ~UndoHistory() override;

    // Everything the album goes through while a Step lives is one undo step
    // named `name` ("Undo Delete"); a step begun inside another joins it.
    // Does nothing when the state has no history (headless tools).
    class Step
    {
    public:
        Step(const EditorState &state, const QString &name, MergeKey key = NoMerge);
        ~Step();
        Q_DISABLE_COPY_MOVE(Step)

    private:
        UndoHistory *m_history;
    };

    // Off while playing and while a step is under way.
    bool canUndo() const;
    bool canRedo() const;
    // "Undo Delete", or "Undo" when there is nothing to undo.
    QString undoCaption() const;
    QString redoCaption() const;
    void undo();
    void redo();
    int count() const { return m_stack.count(); }

    // Used by the steps on the stack.
    void replay(const AlbumEdit &edit, bool forward);

Q_SIGNALS:
    void changed();

private:
    void begin(const QString &name, MergeKey key);
    void end();
    // Drops every step; the clean state stays reachable only when the album
    // is unmodified now.
    void forget();
    bool ready() const;
    void travel(bool forward);
    void cleanChanged(bool clean);
    void modifiedChanged(bool modified);

    AlbumDocument &m_album;
    EditorState &m_state;
    AlbumRecorder m_recorder;
    QUndoStack m_stack;
    int m_depth = 0;
    QString m_name;
    MergeKey m_key = NoMerge;
    bool m_forgetting = false;
};
