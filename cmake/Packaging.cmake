# The Debian package: `cpack -G DEB` in the build folder makes quillmark_<version>_<arch>.deb.
# It holds what `cmake --install` installs, under /usr, and the copyright file and changelog
# Debian wants (those two go into the package only). dpkg-shlibdeps (dpkg-dev) works out
# its dependencies from the libraries the program links to.
#
# lintian warnings we keep:
#   no-manual-page  usr/bin/quillmark: a window-only program without command-line options;
#                   the README is its manual, and the desktop entry is how it is started.

set(QUILLMARK_PACKAGE_MAINTAINER "The Quillmark developers <maintainers@users.noreply.c-seed-7d7a76a5.example>"
  CACHE STRING "Maintainer of the Debian package: name and e-mail address")

# The date of a release as Debian changelogs give it (as in e-mail, weekday first), from
# its <release> in the AppStream data; today's date when it has none.
function(quillmark_release_date metainfo_file version out)
  file(READ ${metainfo_file} metainfo)
  string(REPLACE "." "\\." version_pattern ${version})
  if(NOT metainfo MATCHES "<release version=\"${version_pattern}\" date=\"([0-9]+)-([0-9]+)-([0-9]+)\"")
    message(WARNING "${metainfo_file} has no <release> of version ${version}: "
      "the package's changelog takes today's date")
    string(TIMESTAMP date "%a, %d %b %Y %H:%M:%S +0000" UTC)
    set(${out} "${date}" PARENT_SCOPE)
    return()
  endif()
  set(year ${CMAKE_MATCH_1})
  set(day_text ${CMAKE_MATCH_3})
  math(EXPR month "${CMAKE_MATCH_2}")
  math(EXPR day "${day_text}")
  # The weekday by Sakamoto's method.
  set(y ${year})
  if(month LESS 3)
    math(EXPR y "${y} - 1")
  endif()
  math(EXPR index "${month} - 1")
  set(offsets 0 3 2 5 0 3 5 1 4 6 2 4)
  set(weekdays Sun Mon Tue Wed Thu Fri Sat)
  set(months Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec)
  list(GET offsets ${index} offset)
  math(EXPR weekday "(${y} + ${y} / 4 - ${y} / 100 + ${y} / 400 + ${offset} + ${day}) % 7")
  list(GET weekdays ${weekday} weekday)
  list(GET months ${index} month)
  set(${out} "${weekday}, ${day_text} ${month} ${year} 00:00:00 +0000" PARENT_SCOPE)
endfunction()

set(quillmark_metainfo ${PROJECT_SOURCE_DIR}/resources/linux/io.github.quillmark.Quillmark.metainfo.xml)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${quillmark_metainfo})
quillmark_release_date(${quillmark_metainfo} ${PROJECT_VERSION} quillmark_release_date)

# gzip -9n: the best compression and no time stamp, as Debian wants its documentation.
set(quillmark_debian_dir ${PROJECT_BINARY_DIR}/debian)
configure_file(${CMAKE_CURRENT_LIST_DIR}/debian/changelog.in ${quillmark_debian_dir}/changelog @ONLY)
find_program(QUILLMARK_GZIP gzip)
if(NOT QUILLMARK_GZIP)
  message(STATUS "gzip not found: no Debian package")
  return()
endif()
execute_process(COMMAND ${QUILLMARK_GZIP} -9nc ${quillmark_debian_dir}/changelog
  OUTPUT_FILE ${quillmark_debian_dir}/changelog.gz COMMAND_ERROR_IS_FATAL ANY)

# Not part of a plain `cmake --install`: only the package asks for this component.
install(FILES ${CMAKE_CURRENT_LIST_DIR}/debian/copyright ${quillmark_debian_dir}/changelog.gz
  DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/quillmark
  COMPONENT debian EXCLUDE_FROM_ALL)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quillmark)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The Quillmark developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "screenshot cutter and wiki markup helper for game wiki editors")
set(CPACK_PACKAGE_DESCRIPTION [[
Quillmark is a small single-window tool for people who edit a fan wiki about
an online role-playing game. It works on what has just been copied to the
clipboard: it cuts item icons and stats panels out of game screenshots and
saves them as PNG, JPEG or BMP, and it turns copied text into wiki markup
(links, redirects, categories, image tags, coloured chat logs, page
templates) that goes straight back on the clipboard.
]])
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_INSTALL_CMAKE_PROJECTS
  ${PROJECT_BINARY_DIR} ${PROJECT_NAME} ALL /
  ${PROJECT_BINARY_DIR} ${PROJECT_NAME} debian /)
set(CPACK_STRIP_FILES ON)
# Folders the package brings are created with the usual permissions whatever the umask.
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
  OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${QUILLMARK_PACKAGE_MAINTAINER})
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt's words for its own dialogs in the languages Quillmark speaks.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS qt6-translations-l10n)
include(CPack)
