# Import libraries whose DLL is loaded at the first call instead of at start-up, made with
# dlltool from the functions the program calls (names as the 32-bit build decorates them).
function(tamborel_delay_library target dll)
  set(names ${ARGN})
  if(CMAKE_SIZEOF_VOID_P EQUAL 8)
    list(TRANSFORM names REPLACE "@[0-9]+$" "")
  endif()
  list(JOIN names "\n" exports)
  set(def ${CMAKE_BINARY_DIR}/${target}.def)
  set(library ${CMAKE_BINARY_DIR}/lib${target}.a)
  file(WRITE ${def} "LIBRARY ${dll}\nEXPORTS\n${exports}\n")
  add_custom_command(OUTPUT ${library}
    COMMAND ${TAMBOREL_TRIPLE}-dlltool -k -d ${def} -y ${library}
    DEPENDS ${def} VERBATIM)
  add_custom_target(${target}_library DEPENDS ${library})
  add_library(${target} STATIC IMPORTED GLOBAL)
  set_target_properties(${target} PROPERTIES IMPORTED_LOCATION ${library})
  add_dependencies(${target} ${target}_library)
endfunction()
