# arm64 Debian, cross-built on amd64 Debian from its multiarch packages
# (scripts/install-deps arm64): g++-aarch64-linux-gnu, and qt6-base-dev:arm64
# beside this machine's Qt, whose moc and rcc run natively. What the build
# runs of its own, the tests among them, runs under qemu-user.
set(CMAKE_SYSTEM_NAME Linux)
set(CMAKE_SYSTEM_PROCESSOR aarch64)
set(CMAKE_LIBRARY_ARCHITECTURE aarch64-linux-gnu)
set(CMAKE_C_COMPILER aarch64-linux-gnu-gcc)
set(CMAKE_CXX_COMPILER aarch64-linux-gnu-g++)
set(CMAKE_CROSSCOMPILING_EMULATOR qemu-aarch64-static)
set(QT_HOST_PATH /usr)
