// Compiled with the usage requirements of one layer: stops the build when that layer could include Qt.
#if __has_include(<QtCore/qglobal.h>) || __has_include(<qglobal.h>) || __has_include(<QObject>) || \
    __has_include(<QWidget>)
#define DRZ_PROBE_SEES_QT 1
#else
#define DRZ_PROBE_SEES_QT 0
#endif

#if DRZ_PROBE_SEES_QT != DRZ_PROBE_EXPECT_QT
#if DRZ_PROBE_EXPECT_QT
#error "the control probe finds no Qt header: the toolkit boundary check would prove nothing"
#else
#error "a layer above platform can include Qt headers: link Qt PRIVATE to drz_platform and keep its headers Qt-free"
#endif
#endif

// The layer this object file stands for, so the object is not empty.
extern const char* const kQtBoundaryLayer;
const char* const kQtBoundaryLayer = DRZ_PROBE_LAYER;
