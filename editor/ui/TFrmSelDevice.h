#pragma once

#include "CommandPrompts.h"

#include <QDialog>

class QFrame;
class QLabel;
class QLineEdit;
class QTreeWidget;

// The device selection dialog: a banner, the players found ("name (drive)")
// and, when exporting, the album name row. A player without a drive is
// listed but cannot be chosen.
class TFrmSelDevice final : public QDialog
{
    Q_OBJECT

public:
    TFrmSelDevice(const DeviceRequest &request, QWidget *parent = nullptr);
    // The chosen entry and the album name after OK.
    DeviceAnswer answer() const;

private:
    void btnSaveClick();

    QLabel *MainPanel;
    QFrame *FlatPanel1;
    QTreeWidget *LVDrive;
    QLineEdit *edtAlbumName;
    std::function<bool(const DeviceAnswer &)> m_accepts;
};
