# lumaveil_write_target_graph(FILE)
# Writes the project's link graph as a CMake script: TARGETS lists every
# target built here; for each, DIR_<target> is its source directory relative
# to the project and LINKS_<target> what it links (its own link libraries
# and what it passes on to its users), generator expressions reduced to
# target names.
# Imported targets (Qt6::Widgets, JPEG::JPEG ...) appear as names only.
# Call it once every directory has been added (cmake_language DEFER).

function(_lumaveil_collect_targets dir out)
  get_property(targets DIRECTORY ${dir} PROPERTY BUILDSYSTEM_TARGETS)
  get_property(subdirs DIRECTORY ${dir} PROPERTY SUBDIRECTORIES)
  foreach(sub IN LISTS subdirs)
    _lumaveil_collect_targets(${sub} sub_targets)
    list(APPEND targets ${sub_targets})
  endforeach()
  set(${out} ${targets} PARENT_SCOPE)
endfunction()

function(lumaveil_write_target_graph file)
  _lumaveil_collect_targets(${CMAKE_SOURCE_DIR} targets)
  set(text "# Generated at configure time: the project's link graph.\n")
  string(APPEND text "set(TARGETS \"${targets}\")\n")
  foreach(t IN LISTS targets)
    get_target_property(type ${t} TYPE)
    get_target_property(dir ${t} SOURCE_DIR)
    file(RELATIVE_PATH dir ${CMAKE_SOURCE_DIR} ${dir})
    string(APPEND text "set(DIR_${t} \"${dir}\")\n")
    set(links)
    if(NOT type STREQUAL "UTILITY")
      get_target_property(direct ${t} LINK_LIBRARIES)
      get_target_property(passed ${t} INTERFACE_LINK_LIBRARIES)
      foreach(item IN LISTS direct passed)
        # $<LINK_ONLY:x> is how a static library passes on a private link.
        string(REGEX REPLACE "^\\$<LINK_ONLY:(.*)>$" "\\1" item "${item}")
        if(item AND NOT item MATCHES "NOTFOUND$" AND NOT item MATCHES "^\\$<")
          list(APPEND links ${item})
        endif()
      endforeach()
      list(REMOVE_DUPLICATES links)
    endif()
    string(APPEND text "set(LINKS_${t} \"${links}\")\n")
  endforeach()
  file(WRITE ${file} "${text}")
endfunction()
