# The tests, the benchmarks and the desktop tests need more than the program does. Each is
# built when what it needs is found, and otherwise left out with one message, so a machine
# with only the program's dependencies still configures and builds. Setting the switch
# (-DBUILD_TESTING=ON, ...) insists on the part: a missing dependency then stops the
# configuration, which is what CI wants. OFF leaves the part out.

# quillmark_optional_part(<switch> <what> [<missing dependency> ...])
# Sets <switch> for this configuration: ON when nothing is missing, unless the user set it.
function(quillmark_optional_part switch what)
  set(missing ${ARGN})
  list(JOIN missing ", " missing_text)
  if(DEFINED ${switch})
    if(${switch} AND missing)
      message(FATAL_ERROR "${switch} is ON, but missing: ${missing_text}")
    endif()
  elseif(missing)
    message(STATUS "${what} are not built; missing: ${missing_text}")
    set(${switch} OFF PARENT_SCOPE)
  else()
    set(${switch} ON PARENT_SCOPE)
  endif()
endfunction()

# The tests. Under another project, its BUILD_TESTING is not ours to follow.
if(NOT DEFINED BUILD_TESTING OR NOT PROJECT_IS_TOP_LEVEL)
  if(DEFINED QUILLMARK_BUILD_TESTS)
    set(BUILD_TESTING ${QUILLMARK_BUILD_TESTS}) # the older name of the switch
  elseif(NOT PROJECT_IS_TOP_LEVEL)
    set(BUILD_TESTING OFF)
  endif()
endif()
set(quillmark_missing)
find_package(GTest QUIET)
find_package(Qt6 QUIET COMPONENTS Test)
if(NOT GTest_FOUND)
  list(APPEND quillmark_missing "GoogleTest (libgtest-dev)")
endif()
if(NOT Qt6Test_FOUND)
  list(APPEND quillmark_missing "Qt 6 Test (qt6-base-dev)")
endif()
quillmark_optional_part(BUILD_TESTING "Tests" ${quillmark_missing})

# The desktop tests run the program on a private X server (Xvfb) and act on it through
# other X clients; they are part of the tests and need the window. What they need is looked
# for even when they cannot be built, so every switch of the command line is used.
set(quillmark_missing)
find_package(X11 QUIET)
if(NOT X11_FOUND)
  list(APPEND quillmark_missing "X11 headers (libx11-dev)")
endif()
foreach(program Xvfb xclip xdotool)
  find_program(QUILLMARK_${program}_PROGRAM ${program})
  if(NOT QUILLMARK_${program}_PROGRAM)
    string(TOLOWER ${program} package)
    list(APPEND quillmark_missing "${program} (${package})")
  endif()
endforeach()
if(BUILD_TESTING AND QUILLMARK_BUILD_APP)
  quillmark_optional_part(QUILLMARK_BUILD_DESKTOP_TESTS "Desktop tests" ${quillmark_missing})
else()
  set(QUILLMARK_BUILD_DESKTOP_TESTS OFF)
endif()

# The benchmarks drive the window as well.
set(quillmark_missing)
find_package(benchmark QUIET)
if(NOT benchmark_FOUND)
  list(APPEND quillmark_missing "Google Benchmark (libbenchmark-dev)")
endif()
if(QUILLMARK_BUILD_APP)
  quillmark_optional_part(QUILLMARK_BUILD_BENCH "Benchmarks" ${quillmark_missing})
else()
  set(QUILLMARK_BUILD_BENCH OFF)
endif()
