# Embedding the program's resources as Qt resources ":/<TYPE>/<Name>".
include_guard(GLOBAL)

# tankora_add_resource(<target> <TYPE> <Name> <file>)
# Embeds <file> into <target> as the resource ":/<TYPE>/<Name>".
function(tankora_add_resource target type name file)
  get_filename_component(file "${file}" ABSOLUTE)
  set_source_files_properties("${file}" PROPERTIES QT_RESOURCE_ALIAS "${name}")
  string(MAKE_C_IDENTIFIER "tankora_${type}_${name}" resource)
  qt_add_resources(${target} "${resource}" PREFIX "/${type}" FILES "${file}")
endfunction()

# tankora_add_forms(<target> <form files...>)
# Converts each text form (object Name: TClass ... end) to the binary stored
# layout with formc at build time and embeds it as ":/RCDATA/<TClass>".
function(tankora_add_forms target)
  foreach(form IN LISTS ARGN)
    get_filename_component(form "${form}" ABSOLUTE)
    set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS "${form}")
    file(STRINGS "${form}" header REGEX "^[ \t]*(object|inherited|inline)[ \t]" LIMIT_COUNT 1)
    if(NOT header MATCHES ":[ \t]*([A-Za-z_][A-Za-z0-9_]*)")
      message(FATAL_ERROR "${form}: no 'object Name: TClass' header")
    endif()
    set(class "${CMAKE_MATCH_1}")
    set(binary "${CMAKE_CURRENT_BINARY_DIR}/forms/${class}.bin")
    add_custom_command(OUTPUT "${binary}"
      COMMAND ${CMAKE_COMMAND} -E make_directory "${CMAKE_CURRENT_BINARY_DIR}/forms"
      COMMAND $<TARGET_FILE:formc> "${form}" "${binary}"
      DEPENDS formc "${form}"
      COMMENT "Converting form ${class}"
      VERBATIM)
    tankora_add_resource(${target} RCDATA "${class}" "${binary}")
  endforeach()
endfunction()

# tankora_add_dictionary(<target> <file>)
# Embeds an MLD image as ":/LANGBUNDLE/MlDictionary", the image that a binary
# dictionary with Storage ivsResource reads. A .json file is a description in
# the shape `mldtool build` takes and is built into an image first.
function(tankora_add_dictionary target file)
  get_filename_component(file "${file}" ABSOLUTE)
  if(file MATCHES "\\.json$")
    get_filename_component(stem "${file}" NAME_WE)
    set(image "${CMAKE_CURRENT_BINARY_DIR}/dictionaries/${stem}.mld")
    add_custom_command(OUTPUT "${image}"
      COMMAND ${CMAKE_COMMAND} -E make_directory "${CMAKE_CURRENT_BINARY_DIR}/dictionaries"
      COMMAND $<TARGET_FILE:mldtool> build "${file}" -o "${image}"
      DEPENDS mldtool "${file}"
      COMMENT "Building dictionary ${stem}"
      VERBATIM)
    set(file "${image}")
  endif()
  tankora_add_resource(${target} LANGBUNDLE MlDictionary "${file}")
endfunction()
