# Cross-compilation for Windows with mingw-w64, for the processor that the
# including toolchain file names (i686 or x86_64): the posix thread model
# (std::thread and std::mutex, which GoogleTest needs), linked statically so
# that each .exe imports only the system's DLLs.
set(CMAKE_SYSTEM_NAME Windows)
set(CONTROLE_CIBLE_MINGW ${CMAKE_SYSTEM_PROCESSOR}-w64-mingw32)

set(CMAKE_C_COMPILER ${CONTROLE_CIBLE_MINGW}-gcc-posix)
set(CMAKE_CXX_COMPILER ${CONTROLE_CIBLE_MINGW}-g++-posix)
set(CMAKE_RC_COMPILER ${CONTROLE_CIBLE_MINGW}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${CONTROLE_CIBLE_MINGW})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")
