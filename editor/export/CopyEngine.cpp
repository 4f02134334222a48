#include "CopyEngine.h"

#include "FileCopier.h"

#include <QFileInfo>

namespace CopyEngine {

CopyOutcome run(
    const std::vector<CopyJob> &jobs, const Callbacks &callbacks, const std::atomic_bool *cancel)
{
    CopyOutcome outcome;
    bool replaceAll = false;
    const int total = int(jobs.size());
    for (int i = 0; i < total; ++i) {
        if (cancel && cancel->load()) {
            outcome.cancelled = true;
            break;
        }
        const CopyJob &job = jobs[size_t(i)];
        if (callbacks.fileStarted)
            callbacks.fileStarted(i + 1, total, job.target);
        if (QFileInfo::exists(job.target) && !replaceAll) {
            const Overwrite answer = callbacks.ask ? callbacks.ask(job.target) : Overwrite::No;
            if (answer == Overwrite::Cancel) {
                outcome.cancelled = true;
                break;
            }
            if (answer == Overwrite::No)
                continue;
            replaceAll = answer == Overwrite::YesToAll;
        }
        if (const auto failure
            = FileCopier::copy(job.source, job.target, callbacks.progress, cancel)) {
            if (cancel && cancel->load()) {
                outcome.cancelled = true;
                break;
            }
            outcome.failures.append(*failure);
        }
    }
    for (const CopyJob &job : jobs) {
        if (!QFileInfo::exists(job.target))
            outcome.missingSources.append(job.source);
    }
    return outcome;
}

} // namespace CopyEngine
