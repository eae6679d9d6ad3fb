# The core's tests and the shared fakes, in every build that tests the
# core: the desktop's, and the Windows edition's under Wine.
add_library(zarvel_test_support STATIC ${CMAKE_CURRENT_LIST_DIR}/support/fake_controls.cpp
                                       ${CMAKE_CURRENT_LIST_DIR}/support/controls_script.cpp)
target_include_directories(zarvel_test_support PUBLIC ${CMAKE_CURRENT_LIST_DIR}/support)
target_compile_definitions(zarvel_test_support PUBLIC ZARVEL_TEST_DATA="${CMAKE_CURRENT_LIST_DIR}/data")
target_link_libraries(zarvel_test_support PUBLIC zarvel_core zarvel_replay GTest::gtest)

set(core_test_sources deal_test.cpp reveal_test.cpp handlers_test.cpp tables_test.cpp soak_test.cpp names_test.cpp
                      shared_names_test.cpp controls_contract_test.cpp)
list(TRANSFORM core_test_sources PREPEND ${CMAKE_CURRENT_LIST_DIR}/core/)
add_executable(core_tests ${core_test_sources})
target_link_libraries(core_tests PRIVATE zarvel_test_support GTest::gtest_main)
