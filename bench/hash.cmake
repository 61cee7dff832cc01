# The checksum peers: zlib and ISA-L (which has no CMake package of its own).
find_package(ZLIB REQUIRED)
find_library(ISAL_LIBRARY NAMES isal REQUIRED)
target_link_libraries(bench_hash PRIVATE ZLIB::ZLIB ${ISAL_LIBRARY})
