# The skins of this program must be able to lie above 2 GiB.
if(TARGET test_skin_file_address_test)
  target_link_options(test_skin_file_address_test PRIVATE -Wl,--large-address-aware)
endif()
