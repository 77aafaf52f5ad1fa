# Precompiled headers. Most of a file's compile time goes into reading the
# same standard, Qt and GoogleTest headers again; a target that links one of
# these interface targets compiles them once and reuses the result for each
# of its files. Link them PRIVATE so that they stay with the target.
# A target of one or two files gains nothing and should not use them.

add_library(quorvel_pch_std INTERFACE)
target_precompile_headers(quorvel_pch_std INTERFACE
  <algorithm> <array> <cstdint> <functional> <map> <memory> <optional>
  <string> <string_view> <vector>)

# Qt Core and Gui, for the libraries without widgets.
add_library(quorvel_pch_qt INTERFACE)
target_link_libraries(quorvel_pch_qt INTERFACE quorvel_pch_std)
target_precompile_headers(quorvel_pch_qt INTERFACE
  <QByteArray> <QByteArrayView> <QDir> <QFile> <QFileInfo> <QFont> <QImage>
  <QList> <QPainter> <QString> <QStringList>)

# The widgets most windows use.
add_library(quorvel_pch_widgets INTERFACE)
target_link_libraries(quorvel_pch_widgets INTERFACE quorvel_pch_qt)
target_precompile_headers(quorvel_pch_widgets INTERFACE
  <QApplication> <QCheckBox> <QDialog> <QHBoxLayout> <QLabel> <QLineEdit>
  <QPushButton> <QVBoxLayout> <QWidget>)

add_library(quorvel_pch_gtest INTERFACE)
target_precompile_headers(quorvel_pch_gtest INTERFACE <gtest/gtest.h>)

# quorvel_precompile(target std|qt|widgets [GTEST])
function(quorvel_precompile target set)
  if(NOT QUORVEL_PRECOMPILE)
    return()
  endif()
  cmake_parse_arguments(ARG "GTEST" "" "" ${ARGN})
  target_link_libraries(${target} PRIVATE quorvel_pch_${set})
  if(ARG_GTEST)
    target_link_libraries(${target} PRIVATE quorvel_pch_gtest)
  endif()
endfunction()
