# The tool tests call the generator's, the checker's and the plate exporter's libraries and run
# the programs.
if(TARGET test_tools)
  target_link_libraries(test_tools PRIVATE sample_generator data_check plate_export)
  add_dependencies(test_tools drelmiks-sample drelmiks-check drelmiks-plate sample-data)
endif()
