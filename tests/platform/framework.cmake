# Tests of the component-framework half of tankora_platform.
list(APPEND TANKORA_PLATFORM_FRAMEWORK_TESTS
  ${CMAKE_CURRENT_LIST_DIR}/StreamTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ComponentTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ControlsTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ValueEncodingTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/FormTextTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/StoredLayoutTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/MessageBoxesTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ListControlsTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/PictureTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/StringsTest.cpp
)

# Resources of the tests, embedded once the test binary exists.
cmake_language(DEFER CALL tankora_add_resource tankora_platform_tests
  RCDATA TestBytes ${CMAKE_CURRENT_LIST_DIR}/data/resource-bytes.bin)
cmake_language(DEFER CALL tankora_add_resource tankora_platform_tests
  PICTURE Probe ${CMAKE_CURRENT_LIST_DIR}/data/probe.svg)
cmake_language(DEFER CALL tankora_add_forms tankora_platform_tests
  ${CMAKE_CURRENT_LIST_DIR}/data/TestForm.form)

# The application object must be the process's QApplication, so its tests
# run in a binary of their own with their own main().
add_executable(tankora_application_tests ${CMAKE_CURRENT_LIST_DIR}/ApplicationTest.cpp)
target_link_libraries(tankora_application_tests PRIVATE tankora::platform GTest::gtest Qt6::Test)
tankora_add_test(tankora_application_tests)
tankora_add_forms(tankora_application_tests ${CMAKE_CURRENT_LIST_DIR}/data/AppForm.form)
