# 32-bit Windows programs: the build for 32-bit Windows (it runs on 64-bit
# Windows too, where the 64-bit build is the one offered).
set(CMAKE_SYSTEM_PROCESSOR i686)
include(${CMAKE_CURRENT_LIST_DIR}/mingw.cmake)
