# cmake -DFC_MATCH=<fc-match> -DDEST=<dir> -P polices_page.cmake
#
# Copies into <dir> the faces fontconfig chooses for the families of the
# text overlay (talvik/imaging/text/police.h) in the four weights and
# slants, and for its default family, which stands for any family not
# named ("*"), and writes <dir>/polices.txt: one line per face,
#   family <TAB> bold 0|1 <TAB> italic 0|1 <TAB> file name
# A style the family lacks (fontconfig then answers with another face of
# the family) is left out: the browser's chooser takes the closest one and
# emboldens or slants it, as the desktop does.
cmake_minimum_required(VERSION 3.25)

set(familles "Liberation Sans" "Liberation Serif" "Liberation Mono" "Comic Neue" "sans-serif")
file(MAKE_DIRECTORY "${DEST}")
set(table "")
foreach(famille IN LISTS familles)
  foreach(style "0;0" "1;0" "0;1" "1;1")
    list(GET style 0 gras)
    list(GET style 1 italique)
    set(demande "${famille}")
    if(gras)
      string(APPEND demande ":bold")
    endif()
    if(italique)
      string(APPEND demande ":italic")
    endif()
    execute_process(COMMAND ${FC_MATCH} -f "%{file}|%{weight}|%{slant}" "${demande}"
                    OUTPUT_VARIABLE reponse RESULT_VARIABLE rc)
    if(NOT rc EQUAL 0 OR reponse STREQUAL "")
      continue()
    endif()
    string(REPLACE "|" ";" reponse "${reponse}")
    list(GET reponse 0 fichier)
    list(GET reponse 1 poids)
    list(GET reponse 2 pente)
    # The face's own style, in fontconfig's scale (bold 200, italic 100).
    set(estGras 0)
    if(poids GREATER_EQUAL 180)
      set(estGras 1)
    endif()
    set(estItalique 0)
    if(pente GREATER 0)
      set(estItalique 1)
    endif()
    if(NOT estGras EQUAL gras OR NOT estItalique EQUAL italique)
      continue()
    endif()
    get_filename_component(nom "${fichier}" NAME)
    file(COPY "${fichier}" DESTINATION "${DEST}")
    set(nomFamille "${famille}")
    if(famille STREQUAL "sans-serif")
      set(nomFamille "*")
    endif()
    string(APPEND table "${nomFamille}\t${gras}\t${italique}\t${nom}\n")
  endforeach()
endforeach()
file(WRITE "${DEST}/polices.txt" "${table}")
