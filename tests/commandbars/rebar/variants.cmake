# Programs that move the real pointer: no other test program may put its windows
# on the shared screen meanwhile.
if(TARGET test_rebar_library_load_test)
  set_tests_properties(commandbars.rebar.rebar_library_load_test PROPERTIES RUN_SERIAL TRUE)
endif()
