# Warnings for every target of ours, and the optional sanitizer and fuzz builds.
add_compile_options(-Wall -Wextra -Wpedantic)
if(QUILLARY_SANITIZE)
    add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=all)
    add_link_options(-fsanitize=address,undefined)
endif()
# The fuzz build: every library carries libFuzzer's coverage, so that the
# fuzz targets (fuzz/) see into the engine they link.
if(QUILLARY_FUZZ)
    if(NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
        message(FATAL_ERROR "QUILLARY_FUZZ needs clang (CC=clang CXX=clang++)")
    endif()
    add_compile_options(-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=undefined)
    add_link_options(-fsanitize=address,undefined)
endif()
