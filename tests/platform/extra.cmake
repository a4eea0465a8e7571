# The platform tests also cover the SDL key mapping and the real window on SDL's offscreen driver.
target_link_libraries(test_platform PRIVATE platform_sdl)

# The real window, proven under a virtual X server: a probe program on the same platform layer,
# driven by a script that types into it and compares its window with the headless picture.
add_executable(window_probe ${CMAKE_CURRENT_LIST_DIR}/window_probe/window_probe.cpp)
target_link_libraries(window_probe PRIVATE platform_sdl)

# The driver needs python3-xlib, which may belong to the system's python3 rather than the first
# one on the PATH; without it the test skips itself.
set(WINDOW_PROBE_PYTHON "")
find_program(PATH_PYTHON3 python3)
foreach(candidate /usr/bin/python3 ${PATH_PYTHON3})
  if(NOT WINDOW_PROBE_PYTHON AND EXISTS ${candidate})
    execute_process(COMMAND ${candidate} -c "import Xlib" RESULT_VARIABLE has_xlib OUTPUT_QUIET ERROR_QUIET)
    if(has_xlib EQUAL 0)
      set(WINDOW_PROBE_PYTHON ${candidate})
    endif()
  endif()
endforeach()
if(NOT WINDOW_PROBE_PYTHON)
  set(WINDOW_PROBE_PYTHON ${PATH_PYTHON3})
endif()

add_test(NAME RealWindow.MatchesHeadlessPictureUnderXvfb
  COMMAND ${WINDOW_PROBE_PYTHON} ${CMAKE_CURRENT_LIST_DIR}/window_probe/run_window_probe.py
          $<TARGET_FILE:window_probe> ${CMAKE_BINARY_DIR}/test-output)
set_tests_properties(RealWindow.MatchesHeadlessPictureUnderXvfb PROPERTIES SKIP_RETURN_CODE 77 TIMEOUT 180)
