# The thumb drag moves the real pointer: no other test program may put its windows
# on the shared screen meanwhile.
if(TARGET test_page_scroll_thumb_test)
  set_tests_properties(panels.scrolling.page_scroll_thumb_test PROPERTIES RUN_SERIAL TRUE)
endif()
