# The tool tests call the generator's and the checker's libraries and run both programs.
if(TARGET test_tools)
  target_link_libraries(test_tools PRIVATE sample_generator data_check)
  add_dependencies(test_tools drelmiks-sample drelmiks-check sample-data)
endif()
