# The simulator's own tests: its models without any line, and an independent
# client against the running kv7-sim on its pseudo-terminals.
kv7_add_test(sim_model_test LABELS "sim;nogui"
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/BoardModelTest.cpp ${CMAKE_CURRENT_LIST_DIR}/ControllerLineTest.cpp
          ${CMAKE_CURRENT_LIST_DIR}/RejectModelTest.cpp
  LIBS kv7_sim_model)

kv7_add_test(sim_process_test LABELS "sim;nogui"
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/SimProcessTest.cpp
  LIBS kv7_store)
target_compile_definitions(sim_process_test PRIVATE KV7_SIM_BINARY="$<TARGET_FILE:kv7-sim>")
add_dependencies(sim_process_test kv7-sim)
