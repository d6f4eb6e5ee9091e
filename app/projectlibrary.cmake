# The project library: the project, its files, the data tables and the
# evaluator. No widgets, so every behaviour is tested headless; the fuzz build
# takes it on its own.
find_package(Qt6 6.4 REQUIRED COMPONENTS Core)
file(GLOB project_sources CONFIGURE_DEPENDS
  ${CMAKE_CURRENT_LIST_DIR}/project/*.cpp
  ${CMAKE_CURRENT_LIST_DIR}/tables/*.cpp)
add_library(KeldraProject STATIC ${project_sources})
set_target_properties(KeldraProject PROPERTIES AUTOMOC ON)
target_include_directories(KeldraProject PUBLIC ${PROJECT_SOURCE_DIR})
target_link_libraries(KeldraProject PUBLIC Qt6::Core KeldraVersion)
