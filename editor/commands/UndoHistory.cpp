#include "UndoHistory.h"

#include "EditorState.h"

#include <algorithm>

using namespace Qt::Literals::StringLiterals;

namespace {

// One step on the stack. It is pushed after the album changed, so the redo
// the stack runs on pushing has nothing to do.
class AlbumEditCommand final : public QUndoCommand
{
public:
    AlbumEditCommand(UndoHistory &history, AlbumEdit edit, const QString &name, int key)
        : QUndoCommand(name)
        , m_history(history)
        , m_edit(std::move(edit))
        , m_key(key)
    { }

    void undo() override { m_history.replay(m_edit, false); }
    void redo() override
    {
        if (m_done)
            m_history.replay(m_edit, true);
        m_done = true;
    }
    int id() const override { return m_key; }
    bool mergeWith(const QUndoCommand *other) override
    {
        m_edit.append(static_cast<const AlbumEditCommand *>(other)->m_edit);
        return true;
    }

private:
    UndoHistory &m_history;
    AlbumEdit m_edit;
    int m_key;
    bool m_done = false;
};

} // namespace

UndoHistory::UndoHistory(AlbumDocument &album, EditorState &state)
    : m_album(album)
    , m_state(state)
    , m_recorder(album)
{
    m_state.history = this;
    connect(&m_recorder, &AlbumRecorder::untrackedChange, this, &UndoHistory::forget);
    connect(&m_stack, &QUndoStack::cleanChanged, this, &UndoHistory::cleanChanged);
    connect(&album, &AlbumDocument::modifiedChanged, this, &UndoHistory::modifiedChanged);
    connect(&m_stack, &QUndoStack::indexChanged, this, &UndoHistory::changed);
    connect(&state, &EditorState::changed, this, &UndoHistory::changed);
}

UndoHistory::~UndoHistory()
{
    if (m_state.history == this)
        m_state.history = nullptr;
}

UndoHistory::Step::Step(const EditorState &state, const QString &name, MergeKey key)
    : m_history(state.history)
{
    if (m_history)
        m_history->begin(name, key);
}

UndoHistory::Step::~Step()
{
    if (m_history)
        m_history->end();
}

void UndoHistory::begin(const QString &name, MergeKey key)
{
    if (m_depth++ > 0)
        return;
    m_name = name;
    m_key = key;
    if (!m_recorder.catchUp())
        forget();
    m_recorder.start();
    Q_EMIT changed();
}

void UndoHistory::end()
{
    if (--m_depth > 0)
        return;
    std::optional<AlbumEdit> edit = m_recorder.finish();
    if (!edit)
        forget();
    else if (!edit->isEmpty())
        m_stack.push(new AlbumEditCommand(*this, std::move(*edit), m_name, m_key));
    Q_EMIT changed();
}

void UndoHistory::forget()
{
    if (m_stack.count() == 0 && m_stack.isClean() != m_album.modified())
        return;
    m_forgetting = true;
    m_stack.clear();
    if (m_album.modified())
        m_stack.resetClean();
    m_forgetting = false;
    Q_EMIT changed();
}

bool UndoHistory::ready() const
{
    return !m_state.playing && m_depth == 0 && !m_album.opening();
}

bool UndoHistory::canUndo() const
{
    return ready() && m_stack.canUndo();
}

bool UndoHistory::canRedo() const
{
    return ready() && m_stack.canRedo();
}

QString UndoHistory::undoCaption() const
{
    const QString name = m_stack.undoText();
    return name.isEmpty() ? u"Undo"_s : u"Undo "_s + name;
}

QString UndoHistory::redoCaption() const
{
    const QString name = m_stack.redoText();
    return name.isEmpty() ? u"Redo"_s : u"Redo "_s + name;
}

void UndoHistory::undo()
{
    travel(false);
}

void UndoHistory::redo()
{
    travel(true);
}

void UndoHistory::travel(bool forward)
{
    if (!(forward ? canRedo() : canUndo()))
        return;
    // A change nobody recorded leaves the steps pointing at other objects.
    if (!m_recorder.catchUp())
        forget();
    else if (forward)
        m_stack.redo();
    else
        m_stack.undo();
}

void UndoHistory::replay(const AlbumEdit &edit, bool forward)
{
    {
        const EditorState::Busy busy(m_state);
        m_recorder.replay([&] { forward ? edit.redo(m_album) : edit.undo(m_album); });
    }
    m_album.RefreshTotals();
    m_state.clearPreview();
    const int count = m_album.objectCount();
    if (count == 0) {
        m_album.setCurrentObject(-1);
        return;
    }
    const int index = std::clamp(edit.firstObject(), 0, count - 1);
    m_album.setCurrentObject(index);
    m_state.selectObject(index, 0);
}

void UndoHistory::cleanChanged(bool clean)
{
    if (!m_forgetting)
        m_album.setModified(!clean);
}

void UndoHistory::modifiedChanged(bool modified)
{
    if (m_forgetting || m_depth > 0)
        return;
    if (!modified)
        m_stack.setClean();
    // Modified by something no step holds (a recovered album): no undo
    // brings back a state that was saved.
    else if (m_stack.isClean())
        m_stack.resetClean();
}
