# The folders are layers, lowest first: engine · app/tables · app/project · app/widgets ·
# app/forms · app/dialogs · app/graphs, app/views · app/export · app/report · app/main, with
# the headless app/run, app/results, app/studies and app/analysis beside app/project. Each
# folder is one library that links only libraries of the folders below it.
#
# A folder's headers are found only through its own library: the library's include root holds a
# single link, named by the folder's path, to that folder. A source file therefore sees its own
# folder and those of the libraries it links, and an include of a higher folder is not found.
# The include root `name` holding a link to `source_folder`; returned in `root_variable`.
function(keldra_folder_root name source_folder root_variable)
  file(RELATIVE_PATH folder ${PROJECT_SOURCE_DIR} ${source_folder})
  set(root ${CMAKE_BINARY_DIR}/include/${name})
  set(link ${root}/${folder})
  if(NOT IS_SYMLINK ${link})
    get_filename_component(parent ${link} DIRECTORY)
    file(MAKE_DIRECTORY ${parent})
    file(CREATE_LINK ${source_folder} ${link} SYMBOLIC)
  endif()
  set(${root_variable} ${root} PARENT_SCOPE)
endfunction()

function(keldra_include_root target)
  keldra_folder_root(${target} ${CMAKE_CURRENT_SOURCE_DIR} root)
  target_include_directories(${target} PUBLIC ${root})
endfunction()

# Tests see the folders of the libraries they link, and the test helpers under tests/.
macro(keldra_test_helpers)
  keldra_folder_root(tests ${PROJECT_SOURCE_DIR}/tests tests_root)
  include_directories(${tests_root})
endmacro()

# A static library of every source of the calling folder but those named in `EXCLUDE`, seeing
# the folders of the libraries in `LINKS`.
function(keldra_folder_library target)
  cmake_parse_arguments(PARSE_ARGV 1 arg "" "" "LINKS;PRIVATE_LINKS;RESOURCES;EXCLUDE")
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  foreach(excluded IN LISTS arg_EXCLUDE)
    list(REMOVE_ITEM sources ${CMAKE_CURRENT_SOURCE_DIR}/${excluded})
  endforeach()
  add_library(${target} STATIC ${sources} ${arg_RESOURCES})
  keldra_include_root(${target})
  target_link_libraries(${target} PUBLIC ${arg_LINKS} PRIVATE ${arg_PRIVATE_LINKS})
endfunction()
