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
// Runs "tethera <switch>"; the reason, naming the program, when it could not
// start, crashed or was stopped at the time limit.
std::optional<QString> run(
    const QString &programFolder, const QString &switchText, int timeLimitMs = TimeLimitMs);

} // namespace ConnectorRun
