# One library a folder, each linking only the folders below it. A library shows its own
# folder's headers to what links it, and nothing else: the source tree itself is on no include
# path, so an include of a folder that is not linked below does not build.
# Used by the program's build and by the fuzz build, which builds the lowest layers alone.
set(STRUMIX_SOURCE_DIR ${CMAKE_CURRENT_LIST_DIR}/..)
cmake_path(NORMAL_PATH STRUMIX_SOURCE_DIR)

if(NOT TARGET strumix_warnings)
    # Our own code compiles without a warning; Qt's headers are system headers.
    add_library(strumix_warnings INTERFACE)
    target_compile_options(strumix_warnings INTERFACE -Wall -Wextra -Wpedantic -Wshadow
                           $<$<BOOL:${STRUMIX_WERROR}>:-Werror>)
endif()

function(strumix_layer folder)
    set(target strumix_${folder})
    add_library(${target} STATIC)
    set(root ${CMAKE_BINARY_DIR}/layers/${folder})
    file(MAKE_DIRECTORY ${root})
    file(CREATE_LINK ${STRUMIX_SOURCE_DIR}/${folder} ${root}/${folder} SYMBOLIC)
    target_include_directories(${target} PUBLIC ${root})
    target_link_libraries(${target} PRIVATE strumix_warnings)
endfunction()
