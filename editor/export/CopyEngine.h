#pragma once

#include "ExportPlan.h"

#include <atomic>
#include <functional>

#include <QStringList>

// The answer before a copy replaces a file.
enum class Overwrite { Yes, YesToAll, No, Cancel };

// What copying an export's files came to.
struct CopyOutcome
{
    // One line a file that could not be copied: the file and the reason.
    QStringList failures;
    // Sources whose target is not there at the end: failed, or not reached
    // after a cancel. An album file must not name them.
    QStringList missingSources;
    bool cancelled = false;
};

// Copies the planned files in order, asking before a file is replaced
// (until Yes to all), and reports each file and its progress. A set cancel
// flag stops within one block of the current file, which is then left as
// it was. Runs on any thread; the callbacks run on that thread.
namespace CopyEngine {

struct Callbacks
{
    std::function<Overwrite(const QString &target)> ask;
    // number counts from 1 over total.
    std::function<void(int number, int total, const QString &target)> fileStarted;
    std::function<void(int percent)> progress;
};

CopyOutcome run(const std::vector<CopyJob> &jobs, const Callbacks &callbacks,
    const std::atomic_bool *cancel = nullptr);

} // namespace CopyEngine
