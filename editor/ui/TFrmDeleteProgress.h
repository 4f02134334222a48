#pragma once

#include <functional>

#include <QDialog>

class QLabel;

// The delete window: "Deleting Albums..." and the file being deleted,
// shortened to fit, one file per turn of the event loop.
class TFrmDeleteProgress final : public QDialog
{
    Q_OBJECT

public:
    TFrmDeleteProgress(
        QStringList files, std::function<void(const QString &)> remove, QWidget *parent = nullptr);
    int exec() override;

private:
    void deleteNext();

    QStringList m_files;
    std::function<void(const QString &)> m_remove;
    QLabel *m_name;
    qsizetype m_next = 0;
};
