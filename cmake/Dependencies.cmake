# Imported targets for everything the game links. All come from Debian's
# packages but the solver, which tools/setup.sh builds into the build folder.
find_package(PkgConfig REQUIRED)
find_package(Threads REQUIRED)
find_package(OpenGL REQUIRED)

set(VANTRAIL_ODE_DIR ${CMAKE_BINARY_DIR}/ode/install CACHE PATH "Patched solver built by tools/setup.sh")
if(NOT EXISTS ${VANTRAIL_ODE_DIR}/lib/libode.a)
  message(FATAL_ERROR "The patched solver is missing in ${VANTRAIL_ODE_DIR}: run tools/setup.sh first")
endif()
add_library(ode::ode STATIC IMPORTED GLOBAL)
set_target_properties(ode::ode PROPERTIES
  IMPORTED_LOCATION ${VANTRAIL_ODE_DIR}/lib/libode.a
  INTERFACE_INCLUDE_DIRECTORIES ${VANTRAIL_ODE_DIR}/include
  INTERFACE_COMPILE_DEFINITIONS dSINGLE
  INTERFACE_LINK_LIBRARIES Threads::Threads)

pkg_check_modules(ALLEGRO REQUIRED IMPORTED_TARGET GLOBAL allegro)
pkg_check_modules(LUA REQUIRED IMPORTED_TARGET GLOBAL lua5.1-c++)

pkg_check_modules(ALLEGROGL REQUIRED IMPORTED_TARGET GLOBAL allegrogl)
pkg_check_modules(LOADPNG REQUIRED IMPORTED_TARGET GLOBAL loadpng)
add_library(deps::guichan INTERFACE IMPORTED GLOBAL)
set_target_properties(deps::guichan PROPERTIES INTERFACE_LINK_LIBRARIES "guichan_allegro;guichan;PkgConfig::ALLEGRO")
add_library(deps::tinyxml INTERFACE IMPORTED GLOBAL)
set_target_properties(deps::tinyxml PROPERTIES
  INTERFACE_LINK_LIBRARIES tinyxml INTERFACE_COMPILE_DEFINITIONS TIXML_USE_STL)
find_program(TOLUA_EXECUTABLE tolua++5.1)
find_library(TOLUA_LIBRARY tolua++5.1)
if(TOLUA_LIBRARY)
  add_library(deps::tolua STATIC IMPORTED GLOBAL)
  set_target_properties(deps::tolua PROPERTIES
    IMPORTED_LOCATION ${TOLUA_LIBRARY} INTERFACE_LINK_LIBRARIES PkgConfig::LUA)
endif()

find_package(GTest REQUIRED)
find_package(benchmark QUIET)
find_program(XVFB_RUN xvfb-run)
