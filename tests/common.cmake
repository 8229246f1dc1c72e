kestrix_add_test(common_tests text_test.cpp)
target_link_libraries(common_tests PRIVATE common)

kestrix_add_test(url_tests url_parts_test.cpp)
target_link_libraries(url_tests PRIVATE fetch)
