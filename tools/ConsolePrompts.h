#pragma once

#include "CommandPrompts.h"

#include <QStringList>

// Messages of a headless run: kept in order, and echoed to standard error
// when asked to. Questions are answered with their first button, the album
// type dialog with the type given, and every other dialog is cancelled.
class ConsolePrompts final : public CommandPrompts
{
public:
    explicit ConsolePrompts(bool echo, int albumTypeChoice = -1)
        : m_echo(echo)
        , m_albumTypeChoice(albumTypeChoice)
    { }

    Answer message(
        const QString &text, const QString &caption, Buttons buttons, Icon icon) override;
    QStringList chooseOpenFiles(const QString &, bool, const QString &) override { return {}; }
    QString chooseSaveFile(const QString &, const QString &, const QString &) override
    {
        return {};
    }
    int chooseAlbumType() override { return m_albumTypeChoice; }
    QString chooseFolder(const QString &) override { return {}; }
    bool editObject(ObjectDialogState &) override { return false; }
    std::optional<DeviceAnswer> chooseDevice(const DeviceRequest &) override
    {
        return std::nullopt;
    }
    QStringList choosePlayerFiles(const PlayerFilesRequest &) override { return {}; }
    // --overwrite: ask on the terminal, all, or none.
    enum class OverwritePolicy { Ask, All, None };
    void setOverwritePolicy(OverwritePolicy policy) { m_overwrite = policy; }
    // Asked with no terminal on standard input, the answer is Cancel.
    Overwrite askOverwrite(const QString &target) override;
    // A question came that nobody could answer.
    bool unanswered() const { return m_unanswered; }
    // Renders with a progress line on standard error; Ctrl+C cancels (and
    // leaves no file).
    VideoRenderer::Outcome runRender(const RenderJob &job) override;
    const QStringList &texts() const { return m_texts; }

private:
    bool m_echo;
    int m_albumTypeChoice;
    QStringList m_texts;
    OverwritePolicy m_overwrite = OverwritePolicy::None;
    bool m_unanswered = false;
};

// Writes UTF-8 text to a standard stream.
void printText(FILE *stream, const QString &text);
// Why a path is no file to read ("no such file: P", "not a regular file:
// P" for a FIFO, a device or a folder); empty when it is one.
QString notARegularFile(const QString &path);
