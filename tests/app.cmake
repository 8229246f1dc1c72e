find_package(Qt6 REQUIRED COMPONENTS Test)

kestrix_add_test(app_window_tests app_test_main.cpp app_window_test.cpp)
target_link_libraries(app_window_tests PRIVATE window Qt6::Test)

kestrix_add_test(app_run_log_tests app_test_main.cpp app_run_log_test.cpp)
target_link_libraries(app_run_log_tests PRIVATE window Qt6::Test)

kestrix_add_test(app_picture_tests app_test_main.cpp app_picture_test.cpp)
target_link_libraries(app_picture_tests PRIVATE window)

# Starts the real program on a virtual X display of its own.
kestrix_add_test(app_start_tests app_start_test.cpp)
target_compile_definitions(app_start_tests PRIVATE KESTRIX_PROGRAM="$<TARGET_FILE:kestrix>")
add_dependencies(app_start_tests kestrix)
