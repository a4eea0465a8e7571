# The whole-run tests copy the sample data set, so it is built first.
if(TARGET sample-data)
  add_dependencies(test_shell sample-data)
endif()
