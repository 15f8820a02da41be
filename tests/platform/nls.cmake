# Tests of the national-language support half of the platform layer.
list(APPEND TANKORA_PLATFORM_NLS_TESTS
  ${CMAKE_CURRENT_LIST_DIR}/CodePagesTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/CollationTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/FormatSettingsTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/LocaleItemsTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/NlsTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/NumberTextTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/WindowsPatternsTest.cpp)

# The locale tool: prints the items of a locale, refuses an unknown one.
if(TARGET localeinfo)
  add_test(NAME localeinfo.PrintsTheItemsOfALocaleId COMMAND localeinfo 0x0407)
  set_tests_properties(localeinfo.PrintsTheItemsOfALocaleId PROPERTIES
    PASS_REGULAR_EXPRESSION "ShortDateFormat: +dd\\.MM\\.yyyy")
  add_test(NAME localeinfo.AcceptsALocaleName COMMAND localeinfo ja_JP)
  set_tests_properties(localeinfo.AcceptsALocaleName PROPERTIES
    PASS_REGULAR_EXPRESSION "DefaultAnsiCodePage: +932")
  add_test(NAME localeinfo.RefusesAnUnknownLocaleId COMMAND localeinfo 0x9999)
  set_tests_properties(localeinfo.RefusesAnUnknownLocaleId PROPERTIES WILL_FAIL TRUE)
endif()
