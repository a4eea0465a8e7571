# The fault tests run the whole program on copies of the sample data set.
if(TARGET sample-data)
  add_dependencies(test_faults sample-data)
endif()

# They check pictures with the viewer tests' helpers.
target_sources(test_faults PRIVATE ${PROJECT_SOURCE_DIR}/tests/viewer/viewer_fixture.cpp
                                   ${PROJECT_SOURCE_DIR}/tests/viewer/records.cpp)

# The export tool against the real window under a virtual X server; it reuses the window
# probe's driver, and skips itself without Xvfb, xdotool or python3-xlib.
add_dependencies(test_faults drelmiks drelmiks-plate)
if(NOT WINDOW_PROBE_PYTHON)
  find_program(WINDOW_PROBE_PYTHON python3)
endif()
add_test(NAME RealWindow.ExportedFirstPlateEqualsTheViewersWindowUnderXvfb
  COMMAND ${WINDOW_PROBE_PYTHON} ${CMAKE_CURRENT_LIST_DIR}/real_window_plate.py
          $<TARGET_FILE:drelmiks> $<TARGET_FILE:drelmiks-plate> ${CMAKE_BINARY_DIR}/data
          ${CMAKE_BINARY_DIR}/test-output)
set_tests_properties(RealWindow.ExportedFirstPlateEqualsTheViewersWindowUnderXvfb
  PROPERTIES SKIP_RETURN_CODE 77 TIMEOUT 120)
