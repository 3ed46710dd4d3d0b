# Speed of the computer player: its move generation and moves, and its searches.
add_executable(bench_ai ${CMAKE_CURRENT_LIST_DIR}/bench_ai.cpp)
target_link_libraries(bench_ai PRIVATE dorvane_ai benchmark::benchmark)
