# Checks the project's link graph (cmake -DGRAPH=file -P this script):
#  - no cycle among the project's own targets;
#  - the targets of the base types, the imaging core, the model and the
#    player core link no Qt, directly or through anything they link;
#  - the player's targets link nothing of the library (talvik/) or of the
#    maker (maker/);
#  - the base types (talvik/base) link no target of the project;
#  - the imaging core (talvik/imaging) reaches nothing of the utilities
#    (talvik/util: settings, files, commands) or of the maker, and the
#    utilities reach nothing of the imaging core.
# Targets are told apart by their source directory, so a renamed or new
# target of those directories is checked too.
# Prints every breach and fails when there is one.
cmake_minimum_required(VERSION 3.25)
if(NOT GRAPH)
  message(FATAL_ERROR "GRAPH=<file written by lumaveil_write_target_graph> is required")
endif()
include(${GRAPH})

set(breaches 0)
macro(breach text)
  message(SEND_ERROR "${text}")
  math(EXPR breaches "${breaches} + 1")
endmacro()

# Everything target t reaches through its links, depth first; a project
# target met again on the current path is a cycle.
function(reach t path out)
  set(found)
  foreach(dep IN LISTS LINKS_${t})
    if(dep IN_LIST path)
      list(JOIN path " -> " shown)
      message(SEND_ERROR "cycle: ${shown} -> ${dep}")
      set(cycle_found 1 PARENT_SCOPE)
      continue()
    endif()
    list(APPEND found ${dep})
    if(dep IN_LIST TARGETS)
      set(sub_path ${path} ${dep})
      reach(${dep} "${sub_path}" sub)
      if(cycle_found)
        set(cycle_found 1 PARENT_SCOPE)
      endif()
      list(APPEND found ${sub})
    endif()
  endforeach()
  list(REMOVE_DUPLICATES found)
  set(${out} "${found}" PARENT_SCOPE)
endfunction()

# A target of directories `from` reaches no project target of directories
# `to` (`what` names the kind in the report). Uses t and reached of the loop.
macro(forbid what from to)
  if(DIR_${t} MATCHES "${from}")
    foreach(dep IN LISTS reached)
      if(dep IN_LIST TARGETS AND DIR_${dep} MATCHES "${to}")
        breach("${what} target ${t} links ${dep} (${DIR_${dep}})")
      endif()
    endforeach()
  endif()
endmacro()

set(no_qt_dirs "^(talvik/base|talvik/imaging|maker/model|player/core)(/|$)")
set(player_dirs "^player(/|$)")
set(library_or_maker_dirs "^(talvik|maker)(/|$)")
set(base_dirs "^talvik/base(/|$)")
set(imaging_dirs "^talvik/imaging(/|$)")
set(util_or_maker_dirs "^(talvik/util|maker)(/|$)")
set(util_dirs "^talvik/util(/|$)")

foreach(t IN LISTS TARGETS)
  set(cycle_found 0)
  reach(${t} "${t}" reached)
  if(cycle_found)
    math(EXPR breaches "${breaches} + 1")
  endif()
  if(DIR_${t} MATCHES "${no_qt_dirs}")
    foreach(dep IN LISTS reached)
      if(dep MATCHES "(^|[/:])(lib)?Qt[0-9]*(::|Core|Gui|Widgets)")
        breach("${t} links Qt (${dep})")
      endif()
    endforeach()
  endif()
  if(DIR_${t} MATCHES "${base_dirs}")
    foreach(dep IN LISTS LINKS_${t})
      if(dep IN_LIST TARGETS)
        breach("${t} links ${dep}: the base types link nothing of the project")
      endif()
    endforeach()
  endif()
  forbid(imaging "${imaging_dirs}" "${util_or_maker_dirs}")
  forbid(util "${util_dirs}" "${imaging_dirs}")
  forbid(player "${player_dirs}" "${library_or_maker_dirs}")
endforeach()

# Each checked directory must hold a target: a moved directory would
# otherwise pass unchecked.
foreach(dir talvik/base talvik/imaging talvik/util maker/model player/core)
  set(held 0)
  foreach(t IN LISTS TARGETS)
    if(DIR_${t} STREQUAL dir)
      set(held 1)
    endif()
  endforeach()
  if(NOT held)
    breach("no target is built from ${dir}")
  endif()
endforeach()

if(breaches)
  message(FATAL_ERROR "${breaches} breach(es) of the target graph")
endif()
list(LENGTH TARGETS count)
message(STATUS "target graph: ${count} targets, no cycle, rules kept")
