# SQLite's amalgamation, which scripts/fetch-sqlite puts into the build folder, and our layer
# over it (src/browsers/sqlite/). The amalgamation is built once per tree, optimised even in
# Debug and without our warnings or sanitizers: it is not our code, the bench times it, and an
# instrumented build of its 250,000 lines would slow every test run.
set(VELLOX_SQLITE_DIR ${CMAKE_SOURCE_DIR}/build/third_party/sqlite3 CACHE PATH "folder holding sqlite3.c and sqlite3.h")
if(NOT EXISTS ${VELLOX_SQLITE_DIR}/sqlite3.c)
  message(FATAL_ERROR "No sqlite3.c in ${VELLOX_SQLITE_DIR}: run scripts/fetch-sqlite ${VELLOX_SQLITE_DIR}")
endif()

add_library(sqlite3 STATIC ${VELLOX_SQLITE_DIR}/sqlite3.c)
set_property(TARGET sqlite3 PROPERTY COMPILE_OPTIONS -O2 -g0)
target_compile_definitions(sqlite3 PRIVATE
  SQLITE_DQS=0                  # a double-quoted word is a name, never a string
  SQLITE_THREADSAFE=1           # the cleaning runs on a worker thread
  SQLITE_DEFAULT_MEMSTATUS=0
  SQLITE_OMIT_DEPRECATED
  SQLITE_OMIT_LOAD_EXTENSION)   # no code is ever loaded from a database's folder
target_include_directories(sqlite3 SYSTEM INTERFACE ${VELLOX_SQLITE_DIR})
if(NOT WIN32)
  find_package(Threads REQUIRED)
  target_link_libraries(sqlite3 INTERFACE Threads::Threads m)
endif()

file(GLOB SQLITE_LAYER CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/src/browsers/sqlite/*.cpp)
add_library(vellox_sqlite STATIC ${SQLITE_LAYER})
target_include_directories(vellox_sqlite PUBLIC ${CMAKE_SOURCE_DIR}/src)
target_link_libraries(vellox_sqlite PRIVATE sqlite3)
