# The core's tests a second time, compiled by em++ and run under node: the browser runs the same
# rules, so they must pass there as well as natively. core/ is configured alone with emscripten's
# toolchain in <build>/core-wasm and its core_tests is built there with the rest of the game
# (target core_tests_wasm); ctest runs it as the test core_tests_wasm, label "core".
#
# Needs em++ and node: `apt-get install emscripten` (tools/install-deps.sh --test installs it).
# Debian's em++ runs its JavaScript optimiser under node and looks for Debian's node modules
# (acorn) in /usr/share/nodejs, which only Debian's own node searches by itself: the build is
# given NODE_PATH, so another node (such as one from nodesource) works as well.
option(MORVANE_WASM_TESTS "Also build the core's tests with em++ and run them under node" OFF)
if(NOT MORVANE_WASM_TESTS OR NOT BUILD_TESTING)
    return()
endif()

find_program(MORVANE_EMXX em++)
find_program(MORVANE_NODE node)
if(NOT MORVANE_EMXX OR NOT MORVANE_NODE)
    message(FATAL_ERROR
        "MORVANE_WASM_TESTS is ON but em++ or node is missing (em++: ${MORVANE_EMXX}, node: "
        "${MORVANE_NODE}). Install them with `bash tools/install-deps.sh --test` (Debian's "
        "emscripten package), or configure with -DMORVANE_WASM_TESTS=OFF to build without the "
        "core's WebAssembly tests.")
endif()

# The toolchain file of the emscripten that em++ belongs to: /usr/bin/em++ leads to
# /usr/share/emscripten, an emsdk's em++ sits in its emscripten folder.
get_filename_component(morvane_emscripten_root "${MORVANE_EMXX}" REALPATH)
get_filename_component(morvane_emscripten_root "${morvane_emscripten_root}" DIRECTORY)
find_file(MORVANE_EMSCRIPTEN_TOOLCHAIN Emscripten.cmake
    PATHS "${morvane_emscripten_root}/cmake/Modules/Platform"
          /usr/share/emscripten/cmake/Modules/Platform
    NO_DEFAULT_PATH NO_CMAKE_FIND_ROOT_PATH)
if(NOT MORVANE_EMSCRIPTEN_TOOLCHAIN)
    message(FATAL_ERROR "Emscripten.cmake not found beside ${MORVANE_EMXX}: set "
                        "MORVANE_EMSCRIPTEN_TOOLCHAIN to emscripten's CMake toolchain file.")
endif()

set(morvane_node_path /usr/share/nodejs)
if(DEFINED ENV{NODE_PATH} AND NOT "$ENV{NODE_PATH}" STREQUAL "")
    string(APPEND morvane_node_path ":$ENV{NODE_PATH}")
endif()
set(morvane_wasm_env ${CMAKE_COMMAND} -E env "NODE_PATH=${morvane_node_path}")
set(morvane_wasm_dir ${CMAKE_BINARY_DIR}/core-wasm)

include(ExternalProject)
ExternalProject_Add(core_tests_wasm
    SOURCE_DIR ${PROJECT_SOURCE_DIR}/core
    BINARY_DIR ${morvane_wasm_dir}
    PREFIX ${CMAKE_BINARY_DIR}/core-wasm-steps
    CONFIGURE_COMMAND ${morvane_wasm_env} ${CMAKE_COMMAND} -S <SOURCE_DIR> -B <BINARY_DIR>
        -G ${CMAKE_GENERATOR}
        -DCMAKE_TOOLCHAIN_FILE=${MORVANE_EMSCRIPTEN_TOOLCHAIN}
        -DCMAKE_CROSSCOMPILING_EMULATOR=${MORVANE_NODE}
        # -O2, emscripten's advice for a release build (CMake's Release would be -O3).
        -DCMAKE_BUILD_TYPE=Release "-DCMAKE_CXX_FLAGS_RELEASE=-O2 -DNDEBUG"
        -DBUILD_TESTING=ON
        -DMORVANE_WARNINGS_AS_ERRORS=${MORVANE_WARNINGS_AS_ERRORS}
    # Two jobs: the machines that run the test command have two cores.
    BUILD_COMMAND ${morvane_wasm_env} ${CMAKE_COMMAND} --build <BINARY_DIR> --target core_tests
        --parallel 2
    INSTALL_COMMAND ""
    # The sub-build is asked every time (a no-op when nothing changed), so that an edit in core/
    # never leaves a stale core_tests.js behind; it reconfigures itself when core/'s CMake changes.
    BUILD_ALWAYS ON
    CONFIGURE_HANDLED_BY_BUILD ON
)

add_test(NAME core_tests_wasm COMMAND ${MORVANE_NODE} ${morvane_wasm_dir}/tests/core_tests.js
         WORKING_DIRECTORY ${morvane_wasm_dir}/tests)
set_tests_properties(core_tests_wasm PROPERTIES LABELS core TIMEOUT 300)
