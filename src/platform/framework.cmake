# The component-framework half of tankora_platform: exceptions, streams,
# resources, the stored-layout encoding, components and controls, the
# application object and message boxes.
list(APPEND TANKORA_PLATFORM_FRAMEWORK_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/Exceptions.h ${CMAKE_CURRENT_LIST_DIR}/Exceptions.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Stream.h ${CMAKE_CURRENT_LIST_DIR}/Stream.cpp
  ${CMAKE_CURRENT_LIST_DIR}/MemoryStream.h ${CMAKE_CURRENT_LIST_DIR}/MemoryStream.cpp
  ${CMAKE_CURRENT_LIST_DIR}/FileStream.h ${CMAKE_CURRENT_LIST_DIR}/FileStream.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ResourceStream.h ${CMAKE_CURRENT_LIST_DIR}/ResourceStream.cpp
  ${CMAKE_CURRENT_LIST_DIR}/FileNames.h ${CMAKE_CURRENT_LIST_DIR}/FileNames.cpp
)

include(${CMAKE_CURRENT_LIST_DIR}/../../cmake/TankoraResources.cmake)
