#pragma once

#include <QByteArray>
#include <QImage>
#include <QRect>
#include <QString>

#include <vector>

namespace metafile_test {

constexpr QRgb kRed = 0xFFFF0000;
constexpr QRgb kGreen = 0xFF00FF00;
constexpr QRgb kBlue = 0xFF0000FF;
constexpr QRgb kWhite = 0xFFFFFFFF;
constexpr QRgb kBlack = 0xFF000000;

// What a rendered picture must show in an area: every pixel of that colour
// or, for text and outlines, at least one pixel close to it.
struct TCheck {
    QRect area;
    QRgb colour;
    bool anywhere = false;
};

TCheck At(int x, int y, QRgb colour);
TCheck Somewhere(QRect area, QRgb colour);

// Renders the case at size and checks it; the case's name goes into every
// failure message.
void ExpectRendering(const char* name, const QByteArray& file, QSize size, const std::vector<TCheck>& checks);

} // namespace metafile_test
