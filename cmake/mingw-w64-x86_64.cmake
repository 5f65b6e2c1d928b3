# Cross-compile for 64-bit Windows with Debian's MinGW-w64 (posix thread model,
# needed for std::thread / std::mutex) and run the results under Wine.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(_vantrel_triple x86_64-w64-mingw32)
set(CMAKE_C_COMPILER   ${_vantrel_triple}-gcc-posix)
set(CMAKE_CXX_COMPILER ${_vantrel_triple}-g++-posix)
set(CMAKE_RC_COMPILER  ${_vantrel_triple}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${_vantrel_triple})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Static runtime: otherwise the exe needs libstdc++-6.dll/libgcc_s_seh-1.dll,
# and under Wine with WINEDEBUG=-all it silently exits with code 53.
set(CMAKE_EXE_LINKER_FLAGS_INIT    "-static -static-libgcc -static-libstdc++")
set(CMAKE_SHARED_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
set(CMAKE_MODULE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")

# ctest and gtest discovery run every test binary through this wrapper.
set(CMAKE_CROSSCOMPILING_EMULATOR "${CMAKE_CURRENT_LIST_DIR}/wine-run.sh")
