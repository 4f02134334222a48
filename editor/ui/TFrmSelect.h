#pragma once

#include <QDialog>

class QButtonGroup;

// The album type dialog of New album: three choices (image, music, PPL),
// the PPL choice selected when it opens, OK the default button and Escape
// for Cancel. It stays on top, centred, at a fixed size.
class TFrmSelect final : public QDialog
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TFrmSelect)

public:
    explicit TFrmSelect(QWidget *parent = nullptr);

    // The checked item, however it was checked (mouse or arrow keys):
    // 0 image, 1 music, 2 PPL.
    int choice() const;

private:
    QButtonGroup *m_choices;
};
