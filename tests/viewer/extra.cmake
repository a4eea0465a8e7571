# The whole-run test tours a copy of the sample data set, so it is built first.
if(TARGET sample-data)
  add_dependencies(test_viewer sample-data)
endif()
