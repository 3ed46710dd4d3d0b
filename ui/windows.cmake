# The windows: the main window and its handlers, the players dialog, help and About.
configure_file(version_data.h.in ${CMAKE_CURRENT_BINARY_DIR}/generated/version_data.h @ONLY)

add_library(dorvane_ui STATIC
    paint_box.h paint_box.cpp
    random_face.h random_face.cpp
    drawing.h
    main_f.h
    main_f_layout.cpp
    main_f_lifecycle.cpp
    main_f_options.cpp
    main_f_board.cpp
    main_f_panels.cpp
    main_f_turns.cpp
    help_about.h help_about.cpp
    joueurs_f.h joueurs_f.cpp
    automaton_player.h automaton_player.cpp
)
target_include_directories(dorvane_ui PUBLIC ${CMAKE_CURRENT_SOURCE_DIR} PRIVATE ${CMAKE_CURRENT_BINARY_DIR}/generated)
target_link_libraries(dorvane_ui PUBLIC dorvane_images dorvane_ai dorvane_game Qt6::Widgets)
if(TARGET dorvane_settings)
    target_link_libraries(dorvane_ui PUBLIC dorvane_settings)
endif()
