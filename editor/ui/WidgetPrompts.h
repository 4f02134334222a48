#pragma once

#include "CommandPrompts.h"

class QWidget;

// The dialogs of the window: message boxes with the given caption, buttons
// and icon, Qt file dialogs, the album type dialog and the object dialog.
class WidgetPrompts final : public CommandPrompts
{
public:
    explicit WidgetPrompts(QWidget *parent = nullptr);

    Answer message(
        const QString &text, const QString &caption, Buttons buttons, Icon icon) override;
    QStringList chooseOpenFiles(
        const QString &filter, bool multiple, const QString &title) override;
    QString chooseSaveFile(
        const QString &filter, const QString &defaultSuffix, const QString &suggestedName) override;
    int chooseAlbumType() override;
    QString chooseFolder(const QString &title) override;
    bool editObject(ObjectDialogState &state) override;
    Overwrite askOverwrite(const QString &target) override;
    CopyOutcome runCopies(const std::vector<CopyJob> &jobs) override;
    std::optional<VideoFormat> chooseVideoFormat(const VideoFormatRequest &request) override;
    VideoRenderer::Outcome runRender(const RenderJob &job) override;
    std::optional<DeviceAnswer> chooseDevice(const DeviceRequest &request) override;
    QStringList choosePlayerFiles(const PlayerFilesRequest &request) override;
    void runDeletes(
        const QStringList &files, const std::function<void(const QString &)> &remove) override;
    void runUpdate(const std::function<void()> &work) override;

    // "Image File(*.jpg)|*.jpg|" as a Qt file dialog filter, patterns also in
    // upper case: "Image File(*.jpg) (*.jpg *.JPG)".
    static QString qtFilter(const QString &filter);
    // Message texts end their lines with "\r\n" or "\r" alone.
    static QString displayText(const QString &text);

private:
    QWidget *m_parent;
};
