# Cross compilation for 64-bit Windows with Debian's mingw-w64 packages
# (g++-mingw-w64-x86-64). Used for LmvEngine.exe and the libjpeg-turbo it
# links; the rest of the project is built for the host.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR AMD64)

set(LUMAVEIL_MINGW_TRIPLE x86_64-w64-mingw32)
# The win32 thread model needs no winpthread DLL or library: the player has
# one thread.
find_program(CMAKE_C_COMPILER NAMES ${LUMAVEIL_MINGW_TRIPLE}-gcc-win32 ${LUMAVEIL_MINGW_TRIPLE}-gcc REQUIRED)
find_program(CMAKE_CXX_COMPILER NAMES ${LUMAVEIL_MINGW_TRIPLE}-g++-win32 ${LUMAVEIL_MINGW_TRIPLE}-g++ REQUIRED)
find_program(CMAKE_RC_COMPILER NAMES ${LUMAVEIL_MINGW_TRIPLE}-windres REQUIRED)
set(CMAKE_ASM_NASM_COMPILER nasm)

set(CMAKE_FIND_ROOT_PATH /usr/${LUMAVEIL_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
