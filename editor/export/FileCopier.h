#pragma once

#include <atomic>
#include <functional>
#include <optional>

#include <QString>

// Copies one file whole or not at all: the bytes go to a temporary file
// beside the target, which replaces the target only once complete. The
// copy keeps the source's modification time and is a plain file readable
// by all. Progress is reported after each block; a set cancel flag stops
// the copy within one block and leaves the target as it was.
class FileCopier
{
public:
    // Percent copied so far, 0 to 100.
    using Progress = std::function<void(int percent)>;

    // The reason when nothing was copied: the file and what went wrong.
    static std::optional<QString> copy(const QString &source, const QString &target,
        const Progress &progress = {}, const std::atomic_bool *cancel = nullptr);

    // What copy() says when it was cancelled.
    static QString cancelledText();
};
