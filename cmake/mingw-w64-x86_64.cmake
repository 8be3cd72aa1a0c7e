# Cross-compiling for 64-bit Windows with Debian's mingw-w64 (posix threads).
#
# Everything built with this toolchain has to run where no mingw runtime DLL
# exists: inside the game, and in a fresh Wine prefix. So libgcc, libstdc++
# and winpthread are linked statically, and a program imports only from
# Windows' own DLLs and the C runtime.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(THORNBRAKE_MINGW_TRIPLET x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${THORNBRAKE_MINGW_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${THORNBRAKE_MINGW_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER ${THORNBRAKE_MINGW_TRIPLET}-windres)
set(CMAKE_DLLTOOL ${THORNBRAKE_MINGW_TRIPLET}-dlltool)
set(CMAKE_OBJDUMP ${THORNBRAKE_MINGW_TRIPLET}-objdump)

# Libraries and headers come from the mingw sysroot only; build tools from the host.
set(CMAKE_FIND_ROOT_PATH /usr/${THORNBRAKE_MINGW_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")
set(CMAKE_SHARED_LINKER_FLAGS_INIT "-static")
set(CMAKE_MODULE_LINKER_FLAGS_INIT "-static")

