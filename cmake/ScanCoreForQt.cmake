# Fails when a source of the core (anything outside ui/ folders, the GUI program and tests) includes Qt.
file(GLOB_RECURSE sources RELATIVE ${ROOT}
     ${ROOT}/model/*.h ${ROOT}/model/*.cpp ${ROOT}/pbn/*.h ${ROOT}/pbn/*.cpp
     ${ROOT}/solver/*.h ${ROOT}/solver/*.cpp ${ROOT}/tournament/*.h ${ROOT}/tournament/*.cpp
     ${ROOT}/dealanalysis/*.h ${ROOT}/dealanalysis/*.cpp ${ROOT}/entry/*.h ${ROOT}/entry/*.cpp
     ${ROOT}/mail/*.h ${ROOT}/mail/*.cpp ${ROOT}/help/*.h ${ROOT}/help/*.cpp)
set(offenders "")
foreach(src IN LISTS sources)
  if(src MATCHES "/ui/")
    continue()
  endif()
  file(STRINGS ${ROOT}/${src} hits REGEX "^[ \t]*#[ \t]*include[ \t]*[<\"]Q[A-Za-z]+")
  if(hits)
    list(APPEND offenders ${src})
  endif()
endforeach()
if(offenders)
  message(FATAL_ERROR "core sources include Qt headers: ${offenders}")
endif()
message(STATUS "core sources include no Qt header")
