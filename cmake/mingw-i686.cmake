# 32-bit Windows programs: the build that users install (it runs on 32- and
# 64-bit Windows alike).
set(CMAKE_SYSTEM_PROCESSOR i686)
include(${CMAKE_CURRENT_LIST_DIR}/mingw.cmake)
