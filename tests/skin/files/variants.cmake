# The skins of this program must be able to lie above 2 GiB.
if(TARGET test_skin_file_address_test)
  target_link_options(test_skin_file_address_test PRIVATE -Wl,--large-address-aware)
endif()

# It compares the temporary folder before and after: run alone, so no other
# program's temporary pictures come or go meanwhile.
if(TARGET test_skin_files_hostile_test)
  set_tests_properties(skin.files.skin_files_hostile_test PROPERTIES RUN_SERIAL TRUE)
endif()
