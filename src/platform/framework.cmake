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
  ${CMAKE_CURRENT_LIST_DIR}/FrameworkText.h ${CMAKE_CURRENT_LIST_DIR}/FrameworkText.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Persistent.h ${CMAKE_CURRENT_LIST_DIR}/Persistent.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Component.h ${CMAKE_CURRENT_LIST_DIR}/Component.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ComponentRegistry.h ${CMAKE_CURRENT_LIST_DIR}/ComponentRegistry.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ControlTypes.h
  ${CMAKE_CURRENT_LIST_DIR}/Colors.h ${CMAKE_CURRENT_LIST_DIR}/Colors.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Font.h ${CMAKE_CURRENT_LIST_DIR}/Font.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Control.h ${CMAKE_CURRENT_LIST_DIR}/Control.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Strings.h ${CMAKE_CURRENT_LIST_DIR}/Strings.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Filer.h
  ${CMAKE_CURRENT_LIST_DIR}/Reader.h ${CMAKE_CURRENT_LIST_DIR}/Reader.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Writer.h ${CMAKE_CURRENT_LIST_DIR}/Writer.cpp
  ${CMAKE_CURRENT_LIST_DIR}/FormText.h ${CMAKE_CURRENT_LIST_DIR}/FormText.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Collection.h ${CMAKE_CURRENT_LIST_DIR}/Collection.cpp
  ${CMAKE_CURRENT_LIST_DIR}/FormReader.h ${CMAKE_CURRENT_LIST_DIR}/FormReader.cpp
  ${CMAKE_CURRENT_LIST_DIR}/FormWriter.h ${CMAKE_CURRENT_LIST_DIR}/FormWriter.cpp
  ${CMAKE_CURRENT_LIST_DIR}/MessageBoxes.h ${CMAKE_CURRENT_LIST_DIR}/MessageBoxes.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ExceptionHandler.h ${CMAKE_CURRENT_LIST_DIR}/ExceptionHandler.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Application.h ${CMAKE_CURRENT_LIST_DIR}/Application.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Picture.h ${CMAKE_CURRENT_LIST_DIR}/Picture.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Label.h ${CMAKE_CURRENT_LIST_DIR}/Label.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Edit.h ${CMAKE_CURRENT_LIST_DIR}/Edit.cpp
  ${CMAKE_CURRENT_LIST_DIR}/EtchedFrame.h ${CMAKE_CURRENT_LIST_DIR}/EtchedFrame.cpp
  ${CMAKE_CURRENT_LIST_DIR}/GroupBox.h ${CMAKE_CURRENT_LIST_DIR}/GroupBox.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Panel.h ${CMAKE_CURRENT_LIST_DIR}/Panel.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Image.h ${CMAKE_CURRENT_LIST_DIR}/Image.cpp
  ${CMAKE_CURRENT_LIST_DIR}/BitBtn.h ${CMAKE_CURRENT_LIST_DIR}/BitBtn.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ComboBox.h ${CMAKE_CURRENT_LIST_DIR}/ComboBox.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Forms.h ${CMAKE_CURRENT_LIST_DIR}/Forms.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Memo.h ${CMAKE_CURRENT_LIST_DIR}/Memo.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ListBox.h ${CMAKE_CURRENT_LIST_DIR}/ListBox.cpp
  ${CMAKE_CURRENT_LIST_DIR}/RadioButton.h ${CMAKE_CURRENT_LIST_DIR}/RadioButton.cpp
  ${CMAKE_CURRENT_LIST_DIR}/StatusBar.h ${CMAKE_CURRENT_LIST_DIR}/StatusBar.cpp
)

include(${CMAKE_CURRENT_LIST_DIR}/../../cmake/TankoraResources.cmake)
