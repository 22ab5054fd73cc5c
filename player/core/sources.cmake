# Source files of the portable player core, shared by the Linux build and
# the mingw-w64 build of LmvEngine.exe. Keep the list plain: no globbing.
set(LMVENGINE_CORE_DIR ${CMAKE_CURRENT_LIST_DIR})
set(LMVENGINE_CORE_SOURCES
  ${LMVENGINE_CORE_DIR}/command_line.cpp
  ${LMVENGINE_CORE_DIR}/effects.cpp
  ${LMVENGINE_CORE_DIR}/frame_compositor.cpp
  ${LMVENGINE_CORE_DIR}/geometry.cpp
  ${LMVENGINE_CORE_DIR}/jpeg_decoder.cpp
  ${LMVENGINE_CORE_DIR}/motion.cpp
  ${LMVENGINE_CORE_DIR}/options_block.cpp
  ${LMVENGINE_CORE_DIR}/device_rows.cpp
  ${LMVENGINE_CORE_DIR}/package_format.cpp
  ${LMVENGINE_CORE_DIR}/package_reader.cpp
  ${LMVENGINE_CORE_DIR}/pixel_rows.cpp
  ${LMVENGINE_CORE_DIR}/pixel_rows_avx2.cpp
  ${LMVENGINE_CORE_DIR}/player.cpp
  ${LMVENGINE_CORE_DIR}/player_words.cpp
  ${LMVENGINE_CORE_DIR}/random.cpp
  ${LMVENGINE_CORE_DIR}/size_text.cpp
  ${LMVENGINE_CORE_DIR}/soft_raster.cpp
  ${LMVENGINE_CORE_DIR}/virtual_display.cpp
)
# The package writer (lmv_package): no libjpeg.
set(LMV_PACKAGE_SOURCES
  ${LMVENGINE_CORE_DIR}/package_format.cpp
  ${LMVENGINE_CORE_DIR}/options_block.cpp
  ${LMVENGINE_CORE_DIR}/package_writer.cpp
  ${LMVENGINE_CORE_DIR}/size_text.cpp
)
# The web player computes the same frame arithmetic in JavaScript doubles:
# no fused multiply-add may round it differently.
set_source_files_properties(${LMVENGINE_CORE_DIR}/motion.cpp
  PROPERTIES COMPILE_OPTIONS -ffp-contract=off)
# The frame compositor and its row loops run for every pixel of every frame of the moving
# effects: fully optimised (its rows vectorise).
set_source_files_properties(${LMVENGINE_CORE_DIR}/frame_compositor.cpp
  ${LMVENGINE_CORE_DIR}/pixel_rows.cpp ${LMVENGINE_CORE_DIR}/pixel_rows_avx2.cpp
  PROPERTIES COMPILE_OPTIONS -O3)
