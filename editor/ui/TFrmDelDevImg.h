#pragma once

#include "CommandPrompts.h"

#include <QDialog>

class QCheckBox;
class QTreeWidget;

// The player file chooser: the files of one folder of the player that
// match the mode's patterns, with Name, Size, Type, Date and Note. Open
// mode takes one file (also by double click), music mode several, delete
// mode deletes the chosen albums (also with the Delete key) and lists the
// folder again.
class TFrmDelDevImg final : public QDialog
{
    Q_OBJECT

public:
    TFrmDelDevImg(const PlayerFilesRequest &request, QWidget *parent = nullptr);
    // The chosen files' full paths in list order.
    QStringList chosen() const;

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    void listFolder();
    QStringList selectedPaths() const;
    void take();
    void deleteChosen();

    PlayerFilesRequest m_request;
    QTreeWidget *DelFileList;
    QCheckBox *m_images = nullptr;
    QCheckBox *m_audio = nullptr;
    QStringList m_chosen;
};
