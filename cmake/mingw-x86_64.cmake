# 64-bit Windows programs, built from the same sources: their tests run under
# 64-bit Wine, which every machine runs natively.
set(CMAKE_SYSTEM_PROCESSOR x86_64)
include(${CMAKE_CURRENT_LIST_DIR}/mingw.cmake)
