#pragma once

#include <QStringList>

// A section of an album file: its opening line(s) and closing line, with
// every later line inserted just before the closing line.
class TextSection
{
public:
    TextSection() = default;
    TextSection(QStringList opening, QString closing);

    void insert(int tabs, const QString &text);
    const QStringList &lines() const { return m_lines; }
    bool hasEntries() const { return m_lines.size() > m_fixedLines; }

private:
    QStringList m_lines;
    qsizetype m_fixedLines = 0;
};

// "&", "<", ">" and '"' as entities, so that any value makes valid XML.
QString xmlEscaped(const QString &text);

// Only what a reader would otherwise misread: "<", and "&" where it starts an
// entity. Playlists keep names such as "Rock & Roll.mp3" as players expect.
QString playlistEscaped(const QString &text);

// Lines joined with CR LF after each, as UTF-8.
QByteArray joinLines(const QStringList &lines);
