#pragma once

#include <QString>
#include <QTemporaryDir>

// A tmpfs of a few kilobytes, for writes that must fail on a full disk.
// Mounting needs root; where it fails, mounted() is false and the test skips.
class SmallDisk
{
public:
    explicit SmallDisk(int kilobytes);
    ~SmallDisk();
    Q_DISABLE_COPY_MOVE(SmallDisk)

    bool mounted() const { return m_mounted; }
    QString path() const { return m_dir.path(); }

private:
    QTemporaryDir m_dir;
    bool m_mounted = false;
};
