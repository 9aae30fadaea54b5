# SPDX-License-Identifier: GPL-3.0-or-later
# Precompiled Qt headers. Our files are short and nearly every one includes
# Qt: parsing Qt's headers is most of the time a compile takes. Each group of
# targets that uses the same Qt modules shares one precompiled header, made
# once by a small target of its own (kwpch_<group>) and reused by the others;
# they all have the same compile options, which reuse requires.
#
# Every file still includes what it uses, so the build works without them:
# -DKW_PCH=OFF.
option(KW_PCH "Precompile the Qt headers shared by every target" ON)

set(kw_pch_core_headers
  <algorithm> <functional> <memory> <optional> <vector>
  <QByteArray> <QCoreApplication> <QDir> <QFile> <QFileInfo> <QHash> <QImage>
  <QObject> <QPainter> <QPoint> <QRect> <QSize> <QString> <QStringList>
  <QTextStream> <QVector>)
set(kw_pch_widgets_headers ${kw_pch_core_headers}
  <QAction> <QApplication> <QDialog> <QKeyEvent> <QLabel> <QMenu> <QMessageBox>
  <QMouseEvent> <QPixmap> <QPushButton> <QTimer> <QWidget>)
set(kw_pch_test_headers ${kw_pch_core_headers} <QSignalSpy> <QTemporaryDir> <QtTest>)
set(kw_pch_widgettest_headers ${kw_pch_widgets_headers} <QSignalSpy> <QTemporaryDir> <QtTest>)

# The Qt modules of each group: the ones its targets link.
set(kw_pch_core_libs Qt6::Core Qt6::Gui)
set(kw_pch_widgets_libs Qt6::Widgets Qt6::PrintSupport)
set(kw_pch_test_libs Qt6::Gui Qt6::Test)
set(kw_pch_widgettest_libs Qt6::Widgets Qt6::PrintSupport Qt6::Test)

# kw_precompiled(TARGET GROUP): TARGET compiles with GROUP's precompiled
# header (core, widgets, test or widgettest), made on first use.
function(kw_precompiled target group)
  if(NOT KW_PCH)
    return()
  endif()
  set(provider kwpch_${group})
  if(NOT TARGET ${provider})
    add_library(${provider} OBJECT ${PROJECT_SOURCE_DIR}/cmake/precompiled.cpp)
    # Nothing to moc: no file of moc output to compile either.
    set_target_properties(${provider} PROPERTIES AUTOMOC OFF)
    target_link_libraries(${provider} PRIVATE ${kw_pch_${group}_libs})
    target_precompile_headers(${provider} PRIVATE ${kw_pch_${group}_headers})
    # Qt's executables and our layers are position independent; so is the header.
    set_target_properties(${provider} PROPERTIES POSITION_INDEPENDENT_CODE ON)
    # Clang writes the times of the headers into the precompiled one, and
    # CMake writes cmake_pch.hxx anew at every configure: without this, a
    # build folder made again never finds the files compiled with it in
    # ccache.
    if(CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
      target_compile_options(${provider} PRIVATE -Xclang -fno-pch-timestamp)
    endif()
  endif()
  target_precompile_headers(${target} REUSE_FROM ${provider})
endfunction()
