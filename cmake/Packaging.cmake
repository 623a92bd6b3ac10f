# What an installation holds beyond the programs and their data (the manual pages, the icon
# theme's sizes, the software centres' entry, the licences), and the Debian package made from
# it: `cpack -G DEB` in the release build (the test package_deb checks the package).

set(TARN_HOMEPAGE "https://github.com/tarnenglish/tarn" CACHE STRING
    "The project's home page, named by the package and the software centres' entry")
set(TARN_MAINTAINER "Tarn developers <tarn@tarnenglish.github.io>" CACHE STRING
    "The package's maintainer, as NAME <EMAIL>")
set(TARN_RELEASE_DATE "2026-12-10" CACHE STRING "The date of this version's release, YYYY-MM-DD")

set(packaging_dir ${PROJECT_BINARY_DIR}/packaging)
# The build runs its own programs; under the sanitizers what Qt and fontconfig keep until exit
# is no leak of ours.
set(run_built ${CMAKE_COMMAND} -E env ASAN_OPTIONS=detect_leaks=0)
find_program(TARN_PYTHON3 python3 REQUIRED)
find_program(TARN_GZIP gzip REQUIRED)

# The manual pages are made from the programs' own --help, so the two cannot differ.
function(tarn_manual program summary see_also)
  set(page ${packaging_dir}/man/${program}.1.gz)
  add_custom_command(OUTPUT ${page}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${packaging_dir}/man
    COMMAND ${run_built} sh -c "\"$1\" --help | \"$2\" \"$3\" --program \"$4\" --version \"$5\" --summary \"$6\" --see-also \"$7\" | \"$8\" -9n > \"$9\""
      sh $<TARGET_FILE:${program}> ${TARN_PYTHON3} ${PROJECT_SOURCE_DIR}/tools/man/help-to-man
      ${program} ${PROJECT_VERSION} ${summary} ${see_also} ${TARN_GZIP} ${page}
    DEPENDS ${program} ${PROJECT_SOURCE_DIR}/tools/man/help-to-man
    COMMENT "Making the manual page of ${program} from its --help"
    VERBATIM)
  set(tarn_manual_pages ${tarn_manual_pages} ${page} PARENT_SCOPE)
endfunction()

tarn_manual(tarn-cli "count the English words of texts from the shell" tarn)
tarn_manual(tarn "count the English words of texts, in a window" tarn-cli)

set(icons_dir ${packaging_dir}/icons)
add_custom_command(OUTPUT ${icons_dir}/48x48/apps/tarn.png
  COMMAND ${run_built} $<TARGET_FILE:tarn_make_icons> ${icons_dir}
  DEPENDS tarn_make_icons
  COMMENT "Drawing the icon theme's PNG sizes")

# Debian keeps a package's changelog compressed, without a time stamp in the gzip header; its
# date is the release's, so the same sources make the same package.
execute_process(COMMAND date -u -R -d "${TARN_RELEASE_DATE}"
  OUTPUT_VARIABLE TARN_CHANGELOG_DATE OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
configure_file(${PROJECT_SOURCE_DIR}/data/packaging/changelog.in ${packaging_dir}/changelog @ONLY)
add_custom_command(OUTPUT ${packaging_dir}/changelog.gz
  COMMAND ${TARN_GZIP} -9n -c ${packaging_dir}/changelog > ${packaging_dir}/changelog.gz
  DEPENDS ${packaging_dir}/changelog)

set(TARN_SCREENSHOT_URL "${TARN_HOMEPAGE}/raw/main/docs/screenshots/main-window.png")
set(metainfo io.github.tarnenglish.Tarn.metainfo.xml)
configure_file(${PROJECT_SOURCE_DIR}/data/${metainfo}.in ${packaging_dir}/${metainfo} @ONLY)

add_custom_target(tarn_packaging_files ALL
  DEPENDS ${tarn_manual_pages} ${icons_dir}/48x48/apps/tarn.png ${packaging_dir}/changelog.gz)

install(FILES ${tarn_manual_pages} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(DIRECTORY ${icons_dir}/ DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor)
install(FILES ${packaging_dir}/${metainfo} DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${PROJECT_SOURCE_DIR}/data/packaging/copyright ${packaging_dir}/changelog.gz
  DESTINATION ${CMAKE_INSTALL_DOCDIR})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tarn)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT ${TARN_MAINTAINER})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "English word frequency for learners and teachers")
set(CPACK_PACKAGE_DESCRIPTION
    "Tarn counts the English words of a book (text, PDF or EPUB), a Word
document, a web page or the clipboard's text, removes stop words and shows
how often each word occurs. Learners and teachers of English can leave out
the words they already know, merge inflected forms into their base forms and
derived words into their roots, sort the listing, export it and keep word
lists. The desktop program's windows are in simplified Chinese; tarn-cli
runs the same commands from the shell.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${TARN_HOMEPAGE})
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# What the libraries do not say: Word documents go through antiword, the windows need Qt's
# platform plugins (only recommended by Qt) and a Chinese font.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "antiword, qt6-qpa-plugins, fonts-wqy-microhei")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
include(CPack)

# Makes the package from this build and checks its files, fields, validators and lintian. Only
# the release build ships.
if(TARN_BUILD_TESTS AND NOT TARN_SANITIZE AND CMAKE_BUILD_TYPE STREQUAL "Release")
  enable_testing()
  add_test(NAME package_deb
    COMMAND ${PROJECT_SOURCE_DIR}/scripts/check-package ${PROJECT_BINARY_DIR} ${PROJECT_VERSION})
  set_tests_properties(package_deb PROPERTIES TIMEOUT 600)
endif()
