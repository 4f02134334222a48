#include "WidgetPrompts.h"

#include "ObjectDialogState.h"
#include "TFrmDelDevImg.h"
#include "TFrmDeleteProgress.h"
#include "TFrmObjProp.h"
#include "TFrmOverWrite.h"
#include "TFrmRenderProgress.h"
#include "TFrmSelDevice.h"
#include "TFrmSelect.h"
#include "TFrmVideoFormat.h"
#include "TFrmViewProgress.h"
#include "TfrmProgress.h"

#include <QDir>
#include <QFileDialog>
#include <QMessageBox>

using namespace Qt::Literals::StringLiterals;

WidgetPrompts::WidgetPrompts(QWidget *parent)
    : m_parent(parent)
{ }

QString WidgetPrompts::displayText(const QString &text)
{
    return QString(text).replace(u"\r\n"_s, u"\n"_s).replace(u'\r', u'\n');
}

QString WidgetPrompts::qtFilter(const QString &filter)
{
    const QStringList parts = filter.split(u'|');
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QStringList patterns;
        for (const QString &pattern : parts[i + 1].split(u';', Qt::SkipEmptyParts)) {
            patterns.append(pattern);
            if (pattern.toUpper() != pattern)
                patterns.append(pattern.toUpper());
        }
        filters.append(parts[i] + u" ("_s + patterns.join(u' ') + u')');
    }
    return filters.join(u";;"_s);
}

UserPrompts::Answer WidgetPrompts::message(
    const QString &text, const QString &caption, Buttons buttons, Icon icon)
{
    QMessageBox box(m_parent);
    box.setWindowTitle(caption);
    box.setText(displayText(text));
    switch (icon) {
    case Icon::Information:
        box.setIcon(QMessageBox::Information);
        break;
    case Icon::Warning:
        box.setIcon(QMessageBox::Warning);
        break;
    case Icon::Error:
        box.setIcon(QMessageBox::Critical);
        break;
    case Icon::Question:
        box.setIcon(QMessageBox::Question);
        break;
    case Icon::None:
        break;
    }
    switch (buttons) {
    case Buttons::Ok:
        box.setStandardButtons(QMessageBox::Ok);
        break;
    case Buttons::OkCancel:
        box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
        break;
    case Buttons::YesNo:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        break;
    case Buttons::YesNoCancel:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        break;
    }
    switch (box.exec()) {
    case QMessageBox::Yes:
        return Answer::Yes;
    case QMessageBox::No:
        return Answer::No;
    case QMessageBox::Cancel:
        return Answer::Cancel;
    default:
        return Answer::Ok;
    }
}

QStringList WidgetPrompts::chooseOpenFiles(
    const QString &filter, bool multiple, const QString &title)
{
    QFileDialog dialog(m_parent, title);
    dialog.setNameFilter(qtFilter(filter));
    dialog.setFileMode(multiple ? QFileDialog::ExistingFiles : QFileDialog::ExistingFile);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles() : QStringList();
}

QString WidgetPrompts::chooseSaveFile(
    const QString &filter, const QString &defaultSuffix, const QString &suggestedName)
{
    QFileDialog dialog(m_parent);
    dialog.setNameFilter(qtFilter(filter));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    // The commands ask their own overwrite question.
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    dialog.setDefaultSuffix(defaultSuffix.mid(1));
    dialog.selectFile(suggestedName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().first();
}

int WidgetPrompts::chooseAlbumType()
{
    TFrmSelect dialog(m_parent);
    return dialog.exec() == QDialog::Accepted ? dialog.choice() : -1;
}

CommandPrompts::Overwrite WidgetPrompts::askOverwrite(const QString &target)
{
    TFrmOverWrite dialog(target, m_parent);
    dialog.exec();
    return dialog.answer();
}

CopyOutcome WidgetPrompts::runCopies(const std::vector<CopyJob> &jobs)
{
    TfrmProgress window(
        jobs, [this](const QString &target) { return askOverwrite(target); }, m_parent);
    window.exec();
    return window.outcome();
}

std::optional<VideoFormat> WidgetPrompts::chooseVideoFormat(const VideoFormatRequest &request)
{
    TFrmVideoFormat dialog(request, m_parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.format();
}

VideoRenderer::Outcome WidgetPrompts::runRender(const RenderJob &job)
{
    TFrmRenderProgress window(job, m_parent);
    window.exec();
    return window.outcome();
}

std::optional<DeviceAnswer> WidgetPrompts::chooseDevice(const DeviceRequest &request)
{
    TFrmSelDevice dialog(request, m_parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.answer();
}

QStringList WidgetPrompts::choosePlayerFiles(const PlayerFilesRequest &request)
{
    TFrmDelDevImg dialog(request, m_parent);
    dialog.exec();
    return dialog.chosen();
}

void WidgetPrompts::runDeletes(
    const QStringList &files, const std::function<void(const QString &)> &remove)
{
    TFrmDeleteProgress window(files, remove, m_parent);
    window.exec();
}

void WidgetPrompts::runUpdate(const std::function<void()> &work)
{
    TFrmViewProgress window(work, m_parent);
    window.exec();
}

bool WidgetPrompts::editObject(ObjectDialogState &state)
{
    TFrmObjProp dialog(state, *this, m_parent);
    return dialog.exec() == QDialog::Accepted;
}

QString WidgetPrompts::chooseFolder(const QString &title)
{
    return QFileDialog::getExistingDirectory(m_parent, title, QDir::homePath());
}
