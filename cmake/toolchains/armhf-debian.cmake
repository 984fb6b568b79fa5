# Cross-building for the panel's own architecture (32-bit ARM, hard float) with Debian's
# cross compilers and the armhf Qt packages installed through multiarch:
#   dpkg --add-architecture armhf
#   apt-get install crossbuild-essential-armhf qtbase5-dev:armhf libqt5test5:armhf qemu-user-static
#   cmake -S . -B build-armhf -DCMAKE_TOOLCHAIN_FILE=cmake/toolchains/armhf-debian.cmake
# Qt's host tools (moc, rcc, uic) stay the build machine's own; the libraries and their CMake
# packages come from /usr/lib/arm-linux-gnueabihf. Test executables run under qemu-arm-static
# through CMAKE_CROSSCOMPILING_EMULATOR, so ctest works unchanged.
set(CMAKE_SYSTEM_NAME Linux)
set(CMAKE_SYSTEM_PROCESSOR arm)
set(CMAKE_LIBRARY_ARCHITECTURE arm-linux-gnueabihf)

set(CMAKE_C_COMPILER arm-linux-gnueabihf-gcc)
set(CMAKE_CXX_COMPILER arm-linux-gnueabihf-g++)

# Packages are searched in the armhf multiarch folders only; programs (moc, rcc) on the host.
set(CMAKE_FIND_ROOT_PATH /usr/lib/arm-linux-gnueabihf /usr/arm-linux-gnueabihf)
list(APPEND CMAKE_PREFIX_PATH /usr/lib/arm-linux-gnueabihf/cmake)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY BOTH)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE BOTH)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE BOTH)

find_program(VIREO_QEMU_ARM NAMES qemu-arm-static qemu-arm)
if(VIREO_QEMU_ARM)
    # No -L: the armhf libc installed through multiarch is the one the armhf Qt was built for;
    # mixing in the cross toolchain's copy crashes at the first widget.
    set(CMAKE_CROSSCOMPILING_EMULATOR ${VIREO_QEMU_ARM})
endif()

# GCC notes on every call that passes a std::initializer_list by value that its ABI changed in
# GCC 7.1; everything here is built by one compiler, so the note says nothing.
set(CMAKE_CXX_FLAGS_INIT "-Wno-psabi")
