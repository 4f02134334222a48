#include "ReferencedMedia.h"

#include "PathResolver.h"
#include "PlaylistReader.h"
#include "XmlWords.h"

using namespace XmlWords;

namespace ReferencedMedia {

QStringList of(const QString &albumPath, const QString &playerRoot)
{
    pugi::xml_document document;
    if (load(albumPath, document))
        return {};
    const PathResolver resolver(playerRoot, playerRoot);
    const auto existing = [&resolver](const QString &text) {
        return text.isEmpty() ? std::nullopt : resolver.existingFile(text);
    };
    QStringList media;
    const pugi::xml_node root = document.document_element();
    for (pugi::xml_node child = firstChildWithWord(root, "BACKGROUND").first_child(); child;
         child = child.next_sibling()) {
        if (child.type() == pugi::node_element && nameHas(child, "AUDIO")) {
            media.append(ResolvePlayerPath(ownText(child), playerRoot));
        }
    }
    for (pugi::xml_node entry = firstChildWithWord(root, "FOREGROUND").first_child(); entry;
         entry = entry.next_sibling()) {
        if (entry.type() != pugi::node_element)
            continue;
        std::optional<QString> picture;
        std::optional<QString> sound;
        if (nameHas(entry, "STILLWITHAUDIO")) {
            for (pugi::xml_node part = entry.first_child(); part; part = part.next_sibling()) {
                if (part.type() != pugi::node_element)
                    continue;
                (nameHas(part, "STILL") ? picture : sound) = existing(ownText(part));
            }
        } else if (!nameHas(entry, "STILL") && nameHas(entry, "AUDIO")) {
            sound = existing(ownText(entry));
        } else {
            picture = existing(ownText(entry));
        }
        for (const auto &path : {picture, sound}) {
            if (path)
                media.append(*path);
        }
    }
    return media;
}

} // namespace ReferencedMedia
