#pragma once

#include "CommandPrompts.h"

#include <QDialog>

class QComboBox;
class QSpinBox;

// The choices of a video export: the picture size (the player's screen
// among them), the frame rate and the quality.
class TFrmVideoFormat final : public QDialog
{
    Q_OBJECT

public:
    explicit TFrmVideoFormat(const VideoFormatRequest &request, QWidget *parent = nullptr);

    VideoFormat format() const;

private:
    QComboBox *m_size;
    QComboBox *m_rate;
    QSpinBox *m_quality;
};
