kv7_add_test(ui_window_tests LABELS "ui"
  SOURCES TMainTest.cpp TMainLayoutTest.cpp TErrMapTest.cpp
  LIBS kv7_ui kv7_link Qt6::Test)
kv7_add_test(ui_logo_tests LABELS "ui"
  SOURCES JpegImageTest.cpp
  LIBS kv7_ui Qt6::Test JPEG::JPEG)
