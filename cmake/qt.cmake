# The desktop program: the Qt layer (the only code that includes Qt), the
# program itself, the screenshot gallery and the start-up benchmark.
file(GLOB QT_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/src/qt/*.cpp)
add_library(etero_qt STATIC ${QT_SOURCES} ${CMAKE_SOURCE_DIR}/src/qt/etero.qrc)
set_target_properties(etero_qt PROPERTIES AUTOMOC ON AUTORCC ON)
target_link_libraries(etero_qt PUBLIC etero_shell Qt6::Widgets Qt6::Svg Qt6::PrintSupport)
# The model has members named like Qt's keywords (a drawing's slots).
target_compile_definitions(etero_qt PUBLIC QT_NO_KEYWORDS)

add_executable(eterometro ${CMAKE_SOURCE_DIR}/app/main.cpp)
target_link_libraries(eterometro PRIVATE etero_qt etero_calc etero_shell)

add_executable(etero-gallery ${CMAKE_SOURCE_DIR}/tools/etero-gallery.cpp)
target_link_libraries(etero-gallery PRIVATE etero_qt etero_calc etero_shell)

file(GLOB BENCH_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/bench/*.cpp)
add_executable(etero-bench ${BENCH_SOURCES})
target_link_libraries(etero-bench PRIVATE etero_qt etero_calc etero_shell)
