# cmake -DPACKAGE=<name> -DDEST=<dir> [-DMARKER=<file>] -P FetchDebianSource.cmake
#
# Fetches Debian's source package <name> with `apt-get source` (needs the
# deb-src entries that scripts/setup adds) and unpacks it, Debian patches
# applied, into <dir>. Does nothing when <dir> already holds an unpacked tree
# (its <dir>/<MARKER>, CMakeLists.txt unless told), so a rebuild never
# fetches again. When the newest version listed cannot be fetched (a
# security update the mirror does not hold yet), the release's own version
# is fetched instead.
cmake_minimum_required(VERSION 3.25)

if(NOT PACKAGE OR NOT DEST)
  message(FATAL_ERROR "FetchDebianSource: PACKAGE and DEST are required")
endif()
if(NOT MARKER)
  set(MARKER CMakeLists.txt)
endif()
if(EXISTS "${DEST}/${MARKER}")
  return()
endif()

find_program(APT_GET apt-get)
find_program(DPKG_SOURCE dpkg-source)
if(NOT APT_GET OR NOT DPKG_SOURCE)
  message(FATAL_ERROR "FetchDebianSource: apt-get and dpkg-source (package dpkg-dev) are "
                      "needed to fetch the source of ${PACKAGE}; run scripts/setup")
endif()

get_filename_component(work "${DEST}.download" ABSOLUTE)
file(REMOVE_RECURSE "${work}")
file(MAKE_DIRECTORY "${work}")

# As root, apt drops to the _apt user to download, which cannot write into a
# build directory owned by root; download as the calling user instead.
set(sandbox "")
execute_process(COMMAND id -u OUTPUT_VARIABLE uid OUTPUT_STRIP_TRAILING_WHITESPACE)
if(uid STREQUAL "0")
  set(sandbox -o APT::Sandbox::User=root)
endif()

message(STATUS "Fetching the Debian source package ${PACKAGE}")
execute_process(
  COMMAND ${APT_GET} source -qq ${sandbox} ${PACKAGE}
  WORKING_DIRECTORY "${work}"
  RESULT_VARIABLE rc
  OUTPUT_VARIABLE out
  ERROR_VARIABLE err)
if(NOT rc EQUAL 0)
  file(STRINGS /etc/os-release codename REGEX "^VERSION_CODENAME=")
  string(REPLACE "VERSION_CODENAME=" "" codename "${codename}")
  if(codename)
    file(REMOVE_RECURSE "${work}")
    file(MAKE_DIRECTORY "${work}")
    execute_process(
      COMMAND ${APT_GET} source -qq ${sandbox} ${PACKAGE}/${codename}
      WORKING_DIRECTORY "${work}"
      RESULT_VARIABLE rc
      OUTPUT_VARIABLE out2
      ERROR_VARIABLE err2)
    string(APPEND out "${out2}")
    string(APPEND err "${err2}")
  endif()
endif()
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "FetchDebianSource: `apt-get source ${PACKAGE}` failed (${rc}):\n"
                      "${out}${err}\nRun scripts/setup, which enables Debian source "
                      "packages and refreshes the package lists (or `apt-get update` "
                      "if the source entries are already there).")
endif()

file(GLOB trees LIST_DIRECTORIES true "${work}/${PACKAGE}-*")
set(tree "")
foreach(t IN LISTS trees)
  if(IS_DIRECTORY "${t}")
    set(tree "${t}")
  endif()
endforeach()
if(NOT tree)
  message(FATAL_ERROR "FetchDebianSource: no unpacked ${PACKAGE} tree in ${work}")
endif()

file(REMOVE_RECURSE "${DEST}")
file(RENAME "${tree}" "${DEST}")
file(REMOVE_RECURSE "${work}")
get_filename_component(version "${tree}" NAME)
message(STATUS "Unpacked ${version} into ${DEST}")
