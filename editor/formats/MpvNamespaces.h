#pragma once

// Namespace and profile URIs of the MPV manifests the writer produces. The
// readers match elements by word and do not depend on these.
namespace MpvNamespaces {
inline constexpr char Manifest[] = "http://ns.osta.org/manifest/1.0/";
inline constexpr char Core[] = "http://ns.osta.org/mpv/1.0/";
inline constexpr char Presentation[] = "http://ns.osta.org/mpv/presentation/1.0/";
inline constexpr char Music[] = "http://ns.osta.org/mpv/music/1.0/";
inline constexpr char DublinCore[] = "http://ns.osta.org/nmf/1.0/dc/";
inline constexpr char Nmf[] = "http://ns.osta.org/nmf/1.0/";
inline constexpr char Control[] = "http://ns.osta.org/mpv/presentation/1.0/Control/";
inline constexpr char TransitionFilter[]
    = "http://ns.osta.org/mpv/presentation/1.0/TransitionFilter/";
inline constexpr char DcTerms[] = "http://purl.org/dc/terms/";
inline constexpr char Wbis[] = "http://ns.i3a.org/cpxe/wbis/1.0/";

inline constexpr char BasicProfile[] = "http://ns.osta.org/mpv/basic/1.0/";
inline constexpr char PresentationProfile[] = "http://ns.osta.org/mpv/presentation/1.0/";
inline constexpr char MusicProfile[] = "http://ns.osta.org/mpv/music/1.0/";
} // namespace MpvNamespaces
