#pragma once

#include <QFile>

// A file's bytes, mapped read-only for as long as the object lives.
class MappedFile
{
public:
    explicit MappedFile(const QString &path);
    Q_DISABLE_COPY_MOVE(MappedFile)

    bool isValid() const { return m_data != nullptr; }
    const uchar *data() const { return m_data; }
    qsizetype size() const { return m_size; }

private:
    QFile m_file;
    uchar *m_data = nullptr;
    qsizetype m_size = 0;
};
