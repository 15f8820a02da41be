# National-language support over ICU: locale ids and items, code pages,
# collation, the process format settings and number text.
list(APPEND TANKORA_PLATFORM_NLS_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/CodePages.cpp
  ${CMAKE_CURRENT_LIST_DIR}/CodePages.h
  ${CMAKE_CURRENT_LIST_DIR}/CodePageTable.cpp
  ${CMAKE_CURRENT_LIST_DIR}/CodePageTable.h
  ${CMAKE_CURRENT_LIST_DIR}/Collation.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Collation.h
  ${CMAKE_CURRENT_LIST_DIR}/FormatSettings.cpp
  ${CMAKE_CURRENT_LIST_DIR}/FormatSettings.h
  ${CMAKE_CURRENT_LIST_DIR}/GuiText.cpp
  ${CMAKE_CURRENT_LIST_DIR}/GuiText.h
  ${CMAKE_CURRENT_LIST_DIR}/LocaleItems.cpp
  ${CMAKE_CURRENT_LIST_DIR}/LocaleItems.h
  ${CMAKE_CURRENT_LIST_DIR}/Nls.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Nls.h
  ${CMAKE_CURRENT_LIST_DIR}/NumberText.cpp
  ${CMAKE_CURRENT_LIST_DIR}/NumberText.h
  ${CMAKE_CURRENT_LIST_DIR}/WindowsPatterns.cpp
  ${CMAKE_CURRENT_LIST_DIR}/WindowsPatterns.h)
