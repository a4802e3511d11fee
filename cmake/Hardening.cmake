# The flags Debian's dpkg-buildflags gives for its hardening features, for every target.
# On Windows the linker already marks the program for ASLR (dynamic base, high-entropy
# addresses) and DEP; there the stack protector and the fortified functions are added,
# from MinGW's own libssp, linked in statically.
#
# Programs are position-independent (PIE) as Debian's compiler makes them by default. Qt
# wants the code that uses it built with -fPIC, which its targets add; asking CMake for PIE
# would put -fPIE after it, and Qt's signal lookups then crash at start-up.
add_compile_options(-fstack-protector-strong)
add_link_options(-fstack-protector-strong)
# Fortified functions need the optimiser; a Debug build has none.
add_compile_definitions($<$<NOT:$<CONFIG:Debug>>:_FORTIFY_SOURCE=2>)

if(NOT WIN32)
  add_compile_options(-fstack-clash-protection)
  # Full RELRO: the relocations are read-only once resolved, all at start-up.
  add_link_options(-Wl,-z,relro -Wl,-z,now)
endif()
if(CMAKE_SYSTEM_PROCESSOR MATCHES "^(x86_64|AMD64|i.86)$" AND NOT WIN32)
  # Indirect branches land only on marked targets, where the processor enforces it.
  add_compile_options(-fcf-protection)
endif()
