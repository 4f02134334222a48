#include "MediaBatch.h"

#include "EditorState.h"

#include <atomic>
#include <memory>
#include <optional>
#include <vector>

#include <QElapsedTimer>
#include <QThread>
#include <QThreadPool>

namespace MediaBatch {

namespace {

// How long the window waits for the workers before it answers its own
// events and shows the progress again.
constexpr int RefreshMs = 50;

} // namespace

qsizetype prepare(const QStringList &files, const EditorState &state, PreparedMedia &prepared)
{
    const qsizetype total = files.size();
    std::vector<std::optional<PreparedMedia::File>> results(static_cast<size_t>(total));
    const auto done = std::make_unique<std::atomic_bool[]>(size_t(total));
    std::atomic<qsizetype> finished = 0;
    std::atomic_bool cancel = false;
    QThreadPool pool;
    pool.setMaxThreadCount(std::max(1, QThread::idealThreadCount()));
    for (qsizetype i = 0; i < total; ++i) {
        pool.start([&, i] {
            if (!cancel.load()) {
                results[size_t(i)] = PreparedMedia::prepare(files[i]);
                done[size_t(i)] = true;
            }
            ++finished;
        });
    }
    QElapsedTimer clock;
    clock.start();
    while (!pool.waitForDone(RefreshMs)) {
        state.processEvents();
        if (state.workProgress(finished.load(), total, clock.elapsed()))
            cancel = true;
    }
    state.workFinished();

    qsizetype leading = 0;
    while (leading < total && done[size_t(leading)]) {
        if (results[size_t(leading)])
            prepared.insert(files[leading], *results[size_t(leading)]);
        ++leading;
    }
    return leading;
}

} // namespace MediaBatch
