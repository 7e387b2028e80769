# Compiler settings shared by every target of both builds.

# Warnings are errors everywhere.
add_compile_options(-Wall -Wextra -Wpedantic -Werror)

# Floating point must round exactly like IEEE double on both builds, or the
# animation changes: no fused multiply-add, ever.
add_compile_options(-ffp-contract=off)

if(WIN32)
  # 32-bit Windows from the Windows 95 and NT 4 era on: Pentium Pro (i686)
  # instruction set, x87 floating point. The engine itself puts the x87 unit
  # into 53-bit precision before its floating-point work, which makes x87
  # arithmetic round exactly like the host's SSE2 doubles.
  add_compile_options(-march=i686 -mtune=generic)
  add_compile_definitions(WIN32_LEAN_AND_MEAN _WIN32_WINNT=0x0400 WINVER=0x0400)
  # One self-contained file per program: no compiler runtime DLLs.
  add_link_options(-static -static-libgcc -static-libstdc++)
  # Small programs: every function and datum in a section of its own, the
  # unused ones dropped at link time, no symbols in the shipped files.
  add_compile_options(-ffunction-sections -fdata-sections)
  add_link_options(-Wl,--gc-sections -s)
  # Headers that the Windows 95 and NT 4 loaders accept: operating system and
  # subsystem version 4.0 (the subsystem itself comes from WIN32 executables).
  add_link_options(-Wl,--major-os-version,4,--minor-os-version,0
                   -Wl,--major-subsystem-version,4,--minor-subsystem-version,0)
  set(TARNOVELLE_WIN32 ON)
  # The rest is settled once every room has made its targets.
  cmake_language(DEFER CALL tarnovelle_finish_win32_programs)
else()
  # Host tests and tools run with AddressSanitizer and UndefinedBehaviorSanitizer;
  # only the benchmarks link the unchecked (_plain) libraries.
  set(TARNOVELLE_SANITIZE_FLAGS -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
endif()

# Host targets that are checked by the sanitizers.
function(tarnovelle_sanitized target)
  if(NOT WIN32)
    target_compile_options(${target} PRIVATE ${TARNOVELLE_SANITIZE_FLAGS})
    target_link_options(${target} PRIVATE ${TARNOVELLE_SANITIZE_FLAGS})
  endif()
endfunction()

# A library of portable code. On the host it is built twice: NAME with the
# sanitizers (linked by the tests and the host tools) and NAME_plain without
# them (linked by the benchmarks, which measure the code as shipped).
function(tarnovelle_portable_library name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LINK" ${ARGN})
  add_library(${name} STATIC ${ARG_SOURCES})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR})
  target_link_libraries(${name} PUBLIC ${ARG_LINK})
  if(NOT WIN32)
    # Whoever links the checked library is checked too.
    target_compile_options(${name} PUBLIC ${TARNOVELLE_SANITIZE_FLAGS})
    target_link_options(${name} PUBLIC ${TARNOVELLE_SANITIZE_FLAGS})
    add_library(${name}_plain STATIC ${ARG_SOURCES})
    target_include_directories(${name}_plain PUBLIC ${PROJECT_SOURCE_DIR})
    set(plain_links)
    foreach(lib ${ARG_LINK})
      list(APPEND plain_links ${lib}_plain)
    endforeach()
    target_link_libraries(${name}_plain PUBLIC ${plain_links})
  endif()
endfunction()

# The shipped programs' code (the rooms below) without C++ exceptions: nothing
# in it throws, and their unwind tables alone were 14 KB of the saver. The one
# exception is the display device's constructor, which throws and catches its
# own step code; it keeps exceptions and its unwind table. Every GUI program
# of these rooms (Tarnovelle.scr, TarnovelleSetup.exe) links the stand-ins of
# saver/shell/runtime_*.cpp for parts of the compiler's runtime. Test programs
# live elsewhere and keep the compiler's defaults.
set(TARNOVELLE_PROGRAM_ROOMS saver/engine saver/display saver/settings saver/music
    saver/resources saver/shell setup)
set(TARNOVELLE_THROWING_SOURCES saver/display/screen_device.cpp)

function(tarnovelle_finish_win32_programs)
  if(NOT TARGET tarnovelle_win32_runtime)
    message(FATAL_ERROR "saver/shell must define tarnovelle_win32_runtime")
  endif()
  foreach(room ${TARNOVELLE_PROGRAM_ROOMS})
    if(NOT EXISTS ${PROJECT_SOURCE_DIR}/${room}/CMakeLists.txt)
      continue()
    endif()
    get_property(targets DIRECTORY ${PROJECT_SOURCE_DIR}/${room} PROPERTY BUILDSYSTEM_TARGETS)
    foreach(target ${targets})
      get_target_property(type ${target} TYPE)
      if(NOT type MATCHES "^(STATIC_LIBRARY|OBJECT_LIBRARY|EXECUTABLE)$")
        continue()
      endif()
      target_compile_options(${target} PRIVATE
        $<$<COMPILE_LANGUAGE:CXX>:-fno-exceptions>
        $<$<COMPILE_LANGUAGE:C,CXX>:-fno-asynchronous-unwind-tables>)
      get_target_property(gui ${target} WIN32_EXECUTABLE)
      if(type STREQUAL EXECUTABLE AND gui)
        target_link_libraries(${target} PRIVATE tarnovelle_win32_runtime)
      endif()
    endforeach()
  endforeach()
  foreach(source ${TARNOVELLE_THROWING_SOURCES})
    if(NOT EXISTS ${PROJECT_SOURCE_DIR}/${source})
      message(FATAL_ERROR "${source} is listed as throwing but does not exist")
    endif()
    get_filename_component(room ${PROJECT_SOURCE_DIR}/${source} DIRECTORY)
    set_property(SOURCE ${PROJECT_SOURCE_DIR}/${source} DIRECTORY ${room} APPEND
      PROPERTY COMPILE_OPTIONS -fexceptions -fasynchronous-unwind-tables)
  endforeach()
endfunction()
