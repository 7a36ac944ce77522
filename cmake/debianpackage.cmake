# The Debian package that `./build.sh package` makes from the release build (`cpack --preset
# release`). Its dependencies are the libraries the binaries link, found by dpkg-shlibdeps.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME vantrel)
set(CPACK_PACKAGE_VENDOR "Vantrel 工作室")
set(CPACK_PACKAGE_CONTACT "Vantrel 工作室 <vantrel@example.org>")
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
# Installed through DESTDIR, so the install's own MIME cache refresh leaves the package alone;
# dpkg's triggers refresh the caches on the user's machine.
set(CPACK_SET_DESTDIR ON)
set(CPACK_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
  OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_SECTION sound)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://www.example.org/vantrel/)
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "playlist editor for media files
Vantrel gathers media files into one list - picked in a file dialog, dropped
from a file manager, or found by searching a folder tree for a pattern such
as *.mp3 - puts them in order, and saves the list as a PLS, M3U, M3U8, RAM,
ASX or XSPF playlist. It opens the playlists that other players write, keeps
missing files, streams and folders as rows, and removes the missing files or
looks for them in a folder.

The command-line tool vantrel-list finds, converts, checks, shows and exports
playlists without a window. The program's texts are in Simplified Chinese.")

include(CPack)
