# The showcase's tests reach its code through its static libraries; the pure
# particle rules need no Windows at all.
if(TARGET test_star_particles_test)
  target_link_libraries(test_star_particles_test PRIVATE showcase_pure)
endif()
foreach(target test_premultiplied_bitmap_dll_test test_showcase_runtime_dll_test test_showcase_window_dll_test)
  if(TARGET ${target})
    target_link_libraries(${target} PRIVATE showcase_program)
  endif()
endforeach()
# The window test clicks with the real pointer: no other program's windows may
# come up on the shared screen meanwhile.
if(TARGET test_showcase_window_dll_test)
  set_tests_properties(examples.panel_showcase.showcase_window_dll_test PROPERTIES RUN_SERIAL TRUE)
endif()
foreach(target test_showcase_pictures_dll_test test_showcase_window_dll_test)
  if(TARGET ${target})
    add_dependencies(${target} showcase_icons)
  endif()
endforeach()
if(TARGET test_showcase_close_load_test)
  add_dependencies(test_showcase_close_load_test panel_showcase)
endif()

# The picture generator runs on the build machine: two runs, equal bytes.
get_property(showcase_generator GLOBAL PROPERTY KELVRA_SHOWCASE_ICON_GENERATOR)
if(showcase_generator)
  add_test(NAME examples.panel_showcase.icon_generator_repeatable
    COMMAND ${CMAKE_COMMAND} -DGENERATOR=${showcase_generator}
            -DWORK=${CMAKE_BINARY_DIR}/icon-generator-check
            -P ${CMAKE_CURRENT_LIST_DIR}/icon_generator_repeatable.cmake)
endif()

# The repaint benchmark drives the program's own window.
if(TARGET bench_showcase_repaint_dll_bench)
  target_link_libraries(bench_showcase_repaint_dll_bench PRIVATE showcase_program)
  add_dependencies(bench_showcase_repaint_dll_bench showcase_icons)
endif()
