#pragma once

#include <optional>

#include <QString>

// Escaping of file names in exported manifests, on the UTF-8 bytes: letters,
// digits and !$'()*-.@_ stay, a space becomes "+", every other byte "%XX".
QString UrlEncode(const QString &text);

// The inverse: "%%" is "%", "%XX" a byte, "+" a space; bytes that are not
// UTF-8 are read in the legacy code page. Empty on a malformed escape (the
// "Convert Error").
std::optional<QString> UrlDecode(const QString &text);
