# Build settings shared by every target of the project.
set(CMAKE_CXX_STANDARD 17)
set(CMAKE_CXX_STANDARD_REQUIRED ON)
set(CMAKE_CXX_EXTENSIONS OFF)

if(WIN32)
  # A bare Windows machine has no MinGW runtime: link it all in.
  add_link_options(-static -static-libgcc -static-libstdc++)
  add_compile_definitions(UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0601 WINVER=0x0601)
else()
  add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
  add_link_options(-fsanitize=address,undefined)
endif()

# Warnings are set per target so that GoogleTest's own sources are left alone.
function(zorvik_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra)
endfunction()

# GoogleTest from Debian's source package, built for this tree.
set(ZORVIK_GTEST_DIR /usr/src/googletest CACHE PATH "GoogleTest sources")
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(gtest_force_shared_crt ON CACHE BOOL "" FORCE)
add_subdirectory(${ZORVIK_GTEST_DIR} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)

# One ctest entry per test executable: every Wine start costs seconds.
# Each run writes a JUnit-style report that ./test sums into its closing line.
function(zorvik_add_gtest target)
  add_test(NAME ${target} COMMAND ${target} --gtest_output=xml:gtest-reports/${target}.xml
           WORKING_DIRECTORY ${CMAKE_BINARY_DIR})
  set_tests_properties(${target} PROPERTIES TIMEOUT 600)
endfunction()
