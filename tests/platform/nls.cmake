# Tests of the national-language support half of the platform layer.
list(APPEND TANKORA_PLATFORM_NLS_TESTS
  ${CMAKE_CURRENT_LIST_DIR}/CodePagesTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/CollationTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/FormatSettingsTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/LocaleItemsTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/NlsTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/NumberTextTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/WindowsPatternsTest.cpp)
