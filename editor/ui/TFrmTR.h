#pragma once

#include <QDialog>

class AlbumDocument;

// The transition dialog of a playlist object: three rows, Alphablend,
// Horizontalwipe and Verticalwipe, each with its icon. A click on a row
// applies it to the object and closes; Escape closes without a change.
class TFrmTR final : public QDialog
{
    Q_OBJECT

public:
    // objectIndex: the object whose icon was clicked, -1 for the selected.
    TFrmTR(AlbumDocument &album, int objectIndex, QWidget *parent = nullptr);

protected:
    void keyReleaseEvent(QKeyEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    AlbumDocument &m_album;
    int m_objectIndex;
};
