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
  set(TARNOVELLE_WIN32 ON)
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
  endif()
  if(NOT WIN32)
    add_library(${name}_plain STATIC ${ARG_SOURCES})
    target_include_directories(${name}_plain PUBLIC ${PROJECT_SOURCE_DIR})
    set(plain_links)
    foreach(lib ${ARG_LINK})
      list(APPEND plain_links ${lib}_plain)
    endforeach()
    target_link_libraries(${name}_plain PUBLIC ${plain_links})
  endif()
endfunction()
