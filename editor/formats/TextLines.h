#pragma once

#include <initializer_list>

#include <QString>
#include <QStringList>

// A section of an album file: its opening line(s) and closing line, with
// every later line inserted just before the closing line. Lines are kept as
// one text, each ended by CR LF, so that large albums cost no allocation per
// line.
class TextSection
{
public:
    TextSection() = default;
    TextSection(const QStringList &opening, const QString &closing);

    // A line of `tabs` tab characters followed by the parts.
    void insert(int tabs, std::initializer_list<QStringView> parts);
    void insert(int tabs, QStringView text) { insert(tabs, {text}); }
    bool hasEntries() const { return !m_body.isEmpty(); }
    void reserve(qsizetype characters) { m_body.reserve(characters); }

    const QString &opening() const { return m_opening; }
    const QString &body() const { return m_body; }
    const QString &closing() const { return m_closing; }
    // Opening, body and closing lines.
    void appendTo(QString &out) const;

private:
    QString m_opening;
    QString m_body;
    QString m_closing;
};

// "&", "<", ">" and '"' as entities, so that any value makes valid XML.
QString xmlEscaped(const QString &text);

// Only what a reader would otherwise misread: "<", and "&" where it starts an
// entity. Playlists keep names such as "Rock & Roll.mp3" as players expect.
QString playlistEscaped(const QString &text);
