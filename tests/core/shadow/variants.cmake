# The click-through check moves the real pointer over a window it raised.
if(TEST core.shadow.drop_shadow_test)
  set_tests_properties(core.shadow.drop_shadow_test PROPERTIES RUN_SERIAL TRUE)
endif()
