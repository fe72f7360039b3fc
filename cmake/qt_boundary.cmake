# The toolkit boundary, checked in every build with tests: each layer above platform compiles one probe with exactly the
# include paths and definitions its own sources get, and the probe stops the build if a Qt header can be found
# there. A control probe that does link Qt must find one, so the check cannot pass by looking in the wrong place.
set(DRZ_QT_PROBE ${CMAKE_SOURCE_DIR}/cmake/qt_boundary_probe.cpp)

foreach(layer display input output game)
  add_library(drz_qt_boundary_${layer} OBJECT ${DRZ_QT_PROBE})
  target_link_libraries(drz_qt_boundary_${layer} PRIVATE drz_${layer})
  target_compile_definitions(drz_qt_boundary_${layer} PRIVATE DRZ_PROBE_LAYER="${layer}" DRZ_PROBE_EXPECT_QT=0)
endforeach()

add_library(drz_qt_boundary_control OBJECT ${DRZ_QT_PROBE})
target_link_libraries(drz_qt_boundary_control PRIVATE Qt6::Core)
target_compile_definitions(drz_qt_boundary_control PRIVATE DRZ_PROBE_LAYER="control" DRZ_PROBE_EXPECT_QT=1)
