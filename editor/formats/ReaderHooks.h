#pragma once

#include <functional>

#include <QHash>
#include <QString>

// What the window does while an album file is read: show the progress text
// ("42%") and let pending events run. Empty hooks do nothing.
struct ReaderHooks
{
    std::function<void(const QString &)> progress;
    std::function<void()> processEvents;
    // Media found elsewhere: the full path the file names -> where it is now.
    QHash<QString, QString> moved;

    void reportProgress(qsizetype done, qsizetype total) const;
};
