#pragma once

#include <optional>
#include <string_view>

#include <QString>

#include <pugixml.hpp>

// Finding elements by the words in their names, as the readers do: a name
// has a word when the word occurs anywhere in it, ASCII letters compared in
// upper case. Prefixes and namespaces play no part.
namespace XmlWords {

bool hasWord(std::string_view text, std::string_view word);
bool nameHas(const pugi::xml_node &node, std::string_view word);
pugi::xml_node firstChildWithWord(const pugi::xml_node &node, std::string_view word);
// Whether any attribute line "name=value" has the word.
bool attributesHave(const pugi::xml_node &node, std::string_view word);
// "name=value" of the first attribute; empty when there is none.
std::string firstAttributeLine(const pugi::xml_node &node);
QString firstAttributeValue(const pugi::xml_node &node);
// The text after the word in the text (case ignored), empty without it.
std::string_view textAfter(std::string_view text, std::string_view word);

// The element's text content, trimmed.
QString text(const pugi::xml_node &node);
// The element's text content with only the line breaks and tabs around it
// removed: the spaces a user typed into a title stay.
QString untabbedText(const pugi::xml_node &node);
// Only the text directly inside the element, not inside its children.
QString ownText(const pugi::xml_node &node);

// Parses an album file (its bytes taken as UTF-8, else decoded from the
// legacy code page); the parser's complaint when it cannot.
std::optional<QString> load(const QString &path, pugi::xml_document &document);

} // namespace XmlWords
