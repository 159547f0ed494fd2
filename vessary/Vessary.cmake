# library\Vessary.dll: Scintilla and the Lexilla lexers the program uses, our own lexers, and the
# message layer that gives the program its lexer-by-number interface.
file(GLOB SCINTILLA_SOURCES ${SCINTILLA_DIR}/src/*.cxx)
list(APPEND SCINTILLA_SOURCES
  ${SCINTILLA_DIR}/win32/PlatWin.cxx ${SCINTILLA_DIR}/win32/ScintillaWin.cxx
  ${SCINTILLA_DIR}/win32/HanjaDic.cxx)
file(GLOB LEXLIB_SOURCES ${LEXILLA_DIR}/lexlib/*.cxx)
set(LEXILLA_LEXERS LexNull LexPython LexCPP LexHTML LexPerl LexSQL LexVB LexProps LexPascal
    LexRuby LexFortran LexCSS LexSmalltalk)
list(TRANSFORM LEXILLA_LEXERS PREPEND ${LEXILLA_DIR}/lexers/)
list(TRANSFORM LEXILLA_LEXERS APPEND .cxx)
file(GLOB VESSARY_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/vessary/*.cxx)

add_library(Vessary SHARED ${SCINTILLA_SOURCES} ${LEXLIB_SOURCES} ${LEXILLA_LEXERS}
  ${VESSARY_SOURCES})
set_target_properties(Vessary PROPERTIES PREFIX "" OUTPUT_NAME Vessary
  RUNTIME_OUTPUT_DIRECTORY ${DIST}/library)
target_include_directories(Vessary PRIVATE
  ${SCINTILLA_DIR}/include ${SCINTILLA_DIR}/src ${SCINTILLA_DIR}/win32
  ${LEXILLA_DIR}/include ${LEXILLA_DIR}/lexlib)
target_compile_definitions(Vessary PRIVATE SCI_LEXER UNICODE _UNICODE)
target_compile_options(Vessary PRIVATE -O2)
target_link_libraries(Vessary PRIVATE gdi32 user32 imm32 ole32 oleaut32 uuid msimg32 shell32)
# Scintilla's drop target registration goes through the layer, which lets files through too.
set_source_files_properties(${SCINTILLA_DIR}/win32/ScintillaWin.cxx PROPERTIES
  COMPILE_OPTIONS "-include;${CMAKE_SOURCE_DIR}/vessary/ScintillaDropHook.h")
