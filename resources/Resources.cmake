# The resource script and what it includes: icons drawn by our own script and the tool bars' and
# the project tree's image strips made from the Tango icon theme, all at build time.
set(RES_OUT ${CMAKE_BINARY_DIR}/resources)
file(MAKE_DIRECTORY ${RES_OUT})
configure_file(${CMAKE_SOURCE_DIR}/resources/version.h.in ${RES_OUT}/version.h)
find_package(Python3 REQUIRED COMPONENTS Interpreter)
add_custom_command(OUTPUT ${RES_OUT}/Tamborel.ico ${RES_OUT}/TamborelSmall.ico
  COMMAND Python3::Interpreter ${CMAKE_SOURCE_DIR}/tools/make_icons.py ${RES_OUT}
  DEPENDS ${CMAKE_SOURCE_DIR}/tools/make_icons.py
  COMMENT "Drawing the icons")
set(TOOLBAR_STRIPS ${RES_OUT}/Toolbar.bmp ${RES_OUT}/ToolbarHot.bmp ${RES_OUT}/ToolbarDisabled.bmp)
add_custom_command(OUTPUT ${TOOLBAR_STRIPS}
  COMMAND Python3::Interpreter ${CMAKE_SOURCE_DIR}/tools/make_toolbar.py ${RES_OUT}
  DEPENDS ${CMAKE_SOURCE_DIR}/tools/make_toolbar.py
  COMMENT "Making the tool bar images")
set(PROJECT_IMAGES ${RES_OUT}/ProjectToolbar.bmp ${RES_OUT}/ProjectToolbarHot.bmp ${RES_OUT}/ProjectTree.bmp)
add_custom_command(OUTPUT ${PROJECT_IMAGES}
  COMMAND Python3::Interpreter ${CMAKE_SOURCE_DIR}/tools/make_project_images.py ${RES_OUT}
  DEPENDS ${CMAKE_SOURCE_DIR}/tools/make_project_images.py ${CMAKE_SOURCE_DIR}/tools/make_toolbar.py
  COMMENT "Making the project pane's images")
add_custom_target(tamborel_resources DEPENDS ${RES_OUT}/Tamborel.ico ${RES_OUT}/TamborelSmall.ico ${TOOLBAR_STRIPS}
  ${PROJECT_IMAGES})
# Each part keeps its own dialogs and menus in <area>/*.rc beside its code; the linker merges them.
set(TAMBOREL_RC ${CMAKE_SOURCE_DIR}/resources/Tamborel.rc)
foreach(area ${PROGRAM_AREAS})
  file(GLOB area_rc CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/${area}/*.rc)
  list(APPEND TAMBOREL_RC ${area_rc})
endforeach()
set(TAMBOREL_RC_GENERATED ${RES_OUT}/Tamborel.ico ${RES_OUT}/TamborelSmall.ico ${TOOLBAR_STRIPS} ${PROJECT_IMAGES})
set_source_files_properties(${TAMBOREL_RC} PROPERTIES
  OBJECT_DEPENDS "${TAMBOREL_RC_GENERATED};${CMAKE_SOURCE_DIR}/resources/resource.h")
set(CMAKE_RC_FLAGS "${CMAKE_RC_FLAGS} -I${RES_OUT} -I${CMAKE_SOURCE_DIR}/resources -I${CMAKE_SOURCE_DIR}")
