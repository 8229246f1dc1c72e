find_package(PkgConfig REQUIRED)
pkg_check_modules(KESTRIX_HARVEST_HTTPLIB REQUIRED IMPORTED_TARGET cpp-httplib)

kestrix_add_test(harvest_tests
  harvest_candidate_test.cpp
  harvest_pass_test.cpp)
target_link_libraries(harvest_tests PRIVATE harvest)
