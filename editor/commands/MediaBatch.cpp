#include "MediaBatch.h"

#include "AlbumDocument.h"
#include "EditorState.h"

#include <atomic>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include <QElapsedTimer>
#include <QThread>
#include <QThreadPool>

using namespace Qt::Literals::StringLiterals;

namespace MediaBatch {

namespace {

// How long the window waits for the workers before it answers its own
// events and shows the progress again.
constexpr int RefreshMs = 50;

// Runs work(0..total) on every core while the window keeps answering and
// shows the progress in `format`; the number of leading items done (fewer
// when the user cancelled, which stops the work still waiting).
qsizetype runAll(qsizetype total, const std::function<void(qsizetype)> &work,
    const EditorState &state, const QString &format)
{
    const auto done = std::make_unique<std::atomic_bool[]>(size_t(total));
    std::atomic<qsizetype> finished = 0;
    std::atomic_bool cancel = false;
    QThreadPool pool;
    pool.setMaxThreadCount(std::max(1, QThread::idealThreadCount()));
    for (qsizetype i = 0; i < total; ++i) {
        pool.start([&, i] {
            if (!cancel.load()) {
                work(i);
                done[size_t(i)] = true;
            }
            ++finished;
        });
    }
    QElapsedTimer clock;
    clock.start();
    while (!pool.waitForDone(RefreshMs)) {
        state.processEvents();
        if (state.workProgress(format, finished.load(), total, clock.elapsed()))
            cancel = true;
    }
    // The count the work ended with, however quick it was.
    state.workProgress(format, finished.load(), total, clock.elapsed());
    state.workFinished();
    qsizetype leading = 0;
    while (leading < total && done[size_t(leading)])
        ++leading;
    return leading;
}

} // namespace

qsizetype prepare(const QStringList &files, const EditorState &state, PreparedMedia &prepared)
{
    std::vector<std::optional<PreparedMedia::File>> results(size_t(files.size()));
    const qsizetype leading = runAll(
        files.size(), [&](qsizetype i) { results[size_t(i)] = PreparedMedia::prepare(files[i]); },
        state, u"Adding %v of %m"_s);
    for (qsizetype i = 0; i < leading; ++i)
        prepared.insert(files[i], *results[size_t(i)]);
    return leading;
}

void makeThumbnails(AlbumDocument &album, const EditorState &state)
{
    std::vector<std::pair<int, Thumbnail>> pending;
    for (int i = 0; i < album.objectCount(); ++i) {
        if (const Thumbnail &thumbnail = album.object(i).thumbnail; thumbnail.isPending())
            pending.emplace_back(i, thumbnail);
    }
    if (pending.empty())
        return;
    const qsizetype leading = runAll(
        qsizetype(pending.size()), [&](qsizetype i) { pending[size_t(i)].second.image(); }, state,
        u"Making thumbnails %v of %m"_s);
    // The views show them now.
    for (qsizetype i = 0; i < leading; ++i) {
        const auto &[index, thumbnail] = pending[size_t(i)];
        if (index < album.objectCount()
            && album.object(index).thumbnail.cacheKey() == thumbnail.cacheKey())
            album.setThumbnail(index, thumbnail);
    }
}

} // namespace MediaBatch
