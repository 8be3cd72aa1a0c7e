# The minimal host: the eight host functions and the platform seam, answering
# from a fixed table. Included by the benchmarks and the hardening tests.
# An object library, so its definitions always reach the link whatever the
# order of static libraries; never link it together with thornbrake_sim,
# which defines the same functions.
include_guard(GLOBAL)

set(minimal_host_dir ${CMAKE_CURRENT_LIST_DIR})
add_library(thornbrake_minimal_host OBJECT
    ${minimal_host_dir}/minimal_host.cpp
    ${minimal_host_dir}/minimal_platform.cpp
    ${minimal_host_dir}/host_call_replay.cpp
    ${minimal_host_dir}/pass_fixtures.cpp
)
target_include_directories(thornbrake_minimal_host PUBLIC ${PROJECT_SOURCE_DIR})
target_link_libraries(thornbrake_minimal_host PUBLIC thornbrake_plugin)
