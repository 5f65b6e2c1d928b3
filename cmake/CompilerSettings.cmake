# Project-wide compiler settings. Included once from the root CMakeLists.txt.

set(VANTREL_SANITIZE "" CACHE STRING
    "Sanitizers for native builds: empty, address,undefined or thread")
set_property(CACHE VANTREL_SANITIZE PROPERTY STRINGS "" "address,undefined" "thread")

if(VANTREL_SANITIZE)
  if(NOT VANTREL_SANITIZE MATCHES "^(address,undefined|address|undefined|thread)$")
    message(FATAL_ERROR "VANTREL_SANITIZE='${VANTREL_SANITIZE}': use address,undefined or thread")
  endif()
  if(MSVC OR WIN32)
    # MinGW has no sanitizer runtimes; failing here beats a confusing link error.
    message(FATAL_ERROR "VANTREL_SANITIZE is for native GCC/Clang builds only")
  endif()
  # Global (not per target) so googletest and every test binary share one
  # instrumented runtime; mixing instrumented and plain code hides TSan races.
  add_compile_options(-fsanitize=${VANTREL_SANITIZE} -fno-omit-frame-pointer
                      -fno-sanitize-recover=all)
  add_link_options(-fsanitize=${VANTREL_SANITIZE})
endif()

# vantrel_defaults(<target>)
# Warnings, source/execution character sets and Windows API macros for one of
# our own targets. Call it on every library, executable and test we build.
function(vantrel_defaults target)
  get_target_property(_type ${target} TYPE)
  if(_type STREQUAL "INTERFACE_LIBRARY")
    set(_priv INTERFACE)
    set(_pub INTERFACE)
  else()
    set(_priv PRIVATE)
    set(_pub PUBLIC)
  endif()

  if(MSVC)
    target_compile_options(${target} ${_priv} /W4)
    # Sources are UTF-8; narrow literals must be GBK (code page 936) at run
    # time because the program talks to the ANSI (A) Windows API.
    # PUBLIC: a consumer compiling our headers must see the same bytes.
    target_compile_options(${target} ${_pub} /source-charset:utf-8 /execution-charset:.936)
  else()
    target_compile_options(${target} ${_priv}
      -Wall -Wextra -Wshadow -Wformat=2 -Wimplicit-fallthrough)
    target_compile_options(${target} ${_pub} -finput-charset=UTF-8 -fexec-charset=GBK)
  endif()

  if(WIN32)
    # PUBLIC: headers differ with these, so every consumer must agree.
    target_compile_definitions(${target} ${_pub}
      NOMINMAX WIN32_LEAN_AND_MEAN _WIN32_WINNT=0x0601)
  endif()
endfunction()
