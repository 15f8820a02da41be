# Tests of the national-language support half of the platform layer.
list(APPEND TANKORA_PLATFORM_NLS_TESTS
  ${CMAKE_CURRENT_LIST_DIR}/NumberTextTest.cpp)
