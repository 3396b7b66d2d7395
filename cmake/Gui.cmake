# The Qt side: drawing toolkit, painted screens and the program itself.

# Drawing toolkit: canvas, palette, fonts, artwork, primitives and graphs.
xgorvo_sources(DRAW_SOURCES src/draw)
file(GLOB DRAW_RESOURCES CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/assets/*.qrc)
if(NOT DRAW_SOURCES)
    return()
endif()
add_library(xgorvo_draw STATIC ${DRAW_SOURCES} ${DRAW_RESOURCES})
target_link_libraries(xgorvo_draw PUBLIC xgorvo_core Qt6::Gui)
xgorvo_warnings(xgorvo_draw)

# Painted screens: editor surface, effects, drums, QS300 editor, playing aids.
xgorvo_sources(SCREEN_SOURCES src/editor src/effects src/drums src/qs300 src/aids)
if(SCREEN_SOURCES)
    add_library(xgorvo_screens STATIC ${SCREEN_SOURCES})
    target_link_libraries(xgorvo_screens PUBLIC xgorvo_draw Qt6::Widgets)
    xgorvo_warnings(xgorvo_screens)
endif()

# The application shell and the program.
xgorvo_sources(APP_SOURCES src/app)
if(APP_SOURCES)
    list(FILTER APP_SOURCES EXCLUDE REGEX ".*/main\\.cpp$")
    add_library(xgorvo_app STATIC ${APP_SOURCES})
    target_link_libraries(xgorvo_app PUBLIC xgorvo_screens xgorvo_rtmidi Qt6::Widgets)
    xgorvo_warnings(xgorvo_app)
    add_executable(xg-orvo src/app/main.cpp)
    target_link_libraries(xg-orvo PRIVATE xgorvo_app)
    xgorvo_warnings(xg-orvo)
    install(TARGETS xg-orvo)
endif()

if(EXISTS ${PROJECT_SOURCE_DIR}/tools/gallery/CMakeLists.txt)
    add_subdirectory(tools/gallery)
endif()
