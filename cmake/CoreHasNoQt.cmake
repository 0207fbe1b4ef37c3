# The core must build and run headless: refuse any Qt library among its link dependencies,
# and add a test that no core source includes a Qt header.
function(plio_check_core_has_no_qt target)
  foreach(prop LINK_LIBRARIES INTERFACE_LINK_LIBRARIES)
    get_target_property(libs ${target} ${prop})
    if(libs)
      foreach(lib IN LISTS libs)
        if(lib MATCHES "Qt[0-9]*::|Qt[0-9]*(Core|Gui|Widgets)")
          message(FATAL_ERROR "${target} must not link Qt (found ${lib})")
        endif()
      endforeach()
    endif()
  endforeach()
  add_test(NAME core_includes_no_qt
           COMMAND ${CMAKE_COMMAND} -DROOT=${CMAKE_SOURCE_DIR} -P ${CMAKE_SOURCE_DIR}/cmake/ScanCoreForQt.cmake)
endfunction()
