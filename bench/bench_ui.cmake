if(DORVANE_BUILD_UI)
    add_executable(bench_paint bench_paint.cpp)
    target_link_libraries(bench_paint PRIVATE dorvane_ui benchmark::benchmark)
endif()
