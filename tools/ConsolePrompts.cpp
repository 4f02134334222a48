#include "ConsolePrompts.h"

#include <QFileInfo>

#include "Texts.h"

#include <atomic>
#include <csignal>
#include <cstdio>

#include <unistd.h>

#include <QElapsedTimer>

using namespace Qt::Literals::StringLiterals;

void printText(FILE *stream, const QString &text)
{
    std::fputs(text.toUtf8().constData(), stream);
}

UserPrompts::Answer ConsolePrompts::message(
    const QString &text, const QString &caption, Buttons buttons, Icon)
{
    m_texts.append(text);
    if (m_echo) {
        QString shown = text;
        shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(u'\r', u'\n');
        printText(stderr, caption + QStringLiteral(": ") + shown + u'\n');
    }
    switch (buttons) {
    case Buttons::YesNo:
    case Buttons::YesNoCancel:
        return Answer::Yes;
    default:
        return Answer::Ok;
    }
}

CommandPrompts::Overwrite ConsolePrompts::askOverwrite(const QString &target)
{
    switch (m_overwrite) {
    case OverwritePolicy::All:
        return Overwrite::YesToAll;
    case OverwritePolicy::None:
        return Overwrite::No;
    case OverwritePolicy::Ask:
        break;
    }
    // Nobody can answer: the export stops and says how to choose.
    if (!isatty(fileno(stdin))) {
        m_unanswered = true;
        printText(stderr,
            QString::fromUtf16(Texts::SameFileName) + u'\n' + target
                + u"\nquillan-tool: no terminal to answer on: choose --overwrite all or "
                  u"--overwrite none\n"_s);
        return Overwrite::Cancel;
    }
    printText(stderr,
        QString::fromUtf16(Texts::SameFileName) + u'\n' + target
            + u"\nOverwrite it? [y]es, yes to [a]ll, [n]o, [c]ancel: "_s);
    char line[64] = {};
    if (!std::fgets(line, sizeof line, stdin))
        return Overwrite::Cancel; // the terminal closed
    switch (line[0]) {
    case 'y':
    case 'Y':
        return Overwrite::Yes;
    case 'a':
    case 'A':
        return Overwrite::YesToAll;
    case 'n':
    case 'N':
        return Overwrite::No;
    default:
        return Overwrite::Cancel;
    }
}

namespace {

std::atomic_bool interrupted = false;

void interrupt(int)
{
    interrupted = true;
}

} // namespace

VideoRenderer::Outcome ConsolePrompts::runRender(const RenderJob &job)
{
    interrupted = false;
    // Ctrl+C, a logout (SIGHUP) and kill (SIGTERM) end the render alike,
    // leaving no file.
    const auto previous = std::signal(SIGINT, interrupt);
    const auto previousTerm = std::signal(SIGTERM, interrupt);
#if defined(SIGHUP)
    const auto previousHangUp = std::signal(SIGHUP, interrupt);
#endif
    const bool terminal = isatty(fileno(stderr));
    QElapsedTimer clock;
    clock.start();
    qint64 shownAt = -1000;
    const auto progress = [&](qint64 done, qint64 total) {
        // Twice a second on a terminal, every tenth in a log.
        const bool due = terminal ? clock.elapsed() - shownAt >= 500 || done == total
                                  : done * 10 / total != (done - 1) * 10 / total;
        if (!m_echo || !due)
            return;
        shownAt = clock.elapsed();
        const qint64 left = done > 0 ? clock.elapsed() * (total - done) / done / 1000 : 0;
        std::fprintf(stderr, "%sframe %lld of %lld (%lld%%), %lld s left%s", terminal ? "\r" : "",
            static_cast<long long>(done), static_cast<long long>(total),
            static_cast<long long>(done * 100 / total), static_cast<long long>(left),
            terminal && done < total ? "" : "\n");
    };
    const VideoRenderer::Outcome outcome
        = VideoRenderer::render(job.schedule, job.format, job.path, progress, interrupted);
    std::signal(SIGINT, previous);
    std::signal(SIGTERM, previousTerm);
#if defined(SIGHUP)
    std::signal(SIGHUP, previousHangUp);
#endif
    if (outcome.result == VideoRenderer::Result::Cancelled && m_echo)
        printText(stderr, QStringLiteral("\nInterrupted: no video was written.\n"));
    return outcome;
}

QString notARegularFile(const QString &path)
{
    const QFileInfo info(path);
    if (info.isFile())
        return {};
    return (info.exists() ? u"not a regular file: "_s : u"no such file: "_s) + path;
}
