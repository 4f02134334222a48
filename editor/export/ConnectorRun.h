#pragma once

#include <optional>

#include <QString>

// One run of the device connector from the program folder, waited for
// without freezing the window: events other than the user's keep running,
// and a run that does not end within the limit is stopped.
namespace ConnectorRun {

inline constexpr int TimeLimitMs = 30000;

// The connector's file in the program folder (which ends with "/").
QString program(const QString &programFolder);
struct Failure
{
    // It never ran (missing, not executable), as against crashed or
    // stopped at the time limit.
    bool notStarted = false;
    // The reason, naming the program.
    QString text;
};

// Runs "tethera <switch>" in a process group of its own; at the time limit
// the whole group is stopped, so nothing it started lives on. What went
// wrong, if anything.
std::optional<Failure> run(
    const QString &programFolder, const QString &switchText, int timeLimitMs = TimeLimitMs);

} // namespace ConnectorRun
