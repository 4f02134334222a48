# cpack -G DEB: the Debian package of the editor, the tool and the connector.
# The libraries it needs are read from the binaries by dpkg-shlibdeps; the
# GStreamer plug-ins that Qt's player loads at run time are named here. No
# maintainer scripts: Debian's triggers refresh the MIME, desktop and icon
# caches when the files below share/ arrive.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quillan)
set(CPACK_PACKAGE_VENDOR "The Quillan developers")
set(CPACK_PACKAGE_CONTACT "The Quillan developers <developers@quillan.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "album editor for portable media players")
set(CPACK_RESOURCE_FILE_LICENSE ${CMAKE_SOURCE_DIR}/LICENSE)
set(CPACK_SET_DESTDIR ON)
# With DESTDIR the install rules see the final prefix, so the desktop entry
# names the installed editor.
set(CPACK_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${QUILLAN_HOMEPAGE})
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
  "gstreamer1.0-plugins-base, gstreamer1.0-plugins-good, gstreamer1.0-plugins-bad, gstreamer1.0-libav")
# The editor opens FFmpeg's libraries itself when they are first needed, so
# dpkg-shlibdeps does not see them: depend on the packages that hold them.
if(QUILLAN_LAZY_FFMPEG)
  foreach(library avutil avcodec avformat swscale swresample)
    execute_process(COMMAND dpkg-query -S "lib${library}.so.[0-9]*"
      OUTPUT_VARIABLE owner RESULT_VARIABLE failed ERROR_QUIET)
    string(REGEX MATCH "^[^:,]+" package "${owner}")
    if(failed OR NOT package)
      message(FATAL_ERROR "No installed package holds lib${library}.so")
    endif()
    string(APPEND CPACK_DEBIAN_PACKAGE_DEPENDS ", ${package}")
  endforeach()
endif()
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "gstreamer1.0-plugins-ugly, qt6-wayland, libqt6svg6, xdg-utils")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
  "Quillan builds albums for portable media players: slideshows of photos,
photos with their own sound, music with photos, video clips and links to
other albums, with a title, a creator, a description, background music, a
background image and a transition.

It opens and saves MPV manifests (.pvm, .mum) and PPL playlists (.ppl),
previews albums with their transitions and sound, plays them full screen,
and exports them with all their media to a folder or onto a connected
player. quillan-tool offers the album core to scripts; tethera finds the
connected players.")
include(CPack)
