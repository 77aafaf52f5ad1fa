#include "metafile_checks.h"

#include "picture/image_metafile.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace metafile_test {

namespace {

// Edges are smoothed; inside an area colours are exact up to rounding.
bool Near(QRgb a, QRgb b, int tolerance)
{
    return std::abs(qRed(a) - qRed(b)) <= tolerance && std::abs(qGreen(a) - qGreen(b)) <= tolerance &&
           std::abs(qBlue(a) - qBlue(b)) <= tolerance;
}

QString Hex(QRgb colour) { return QStringLiteral("#%1").arg(colour & 0xFFFFFF, 6, 16, QLatin1Char('0')); }

} // namespace

TCheck At(int x, int y, QRgb colour) { return {QRect(x, y, 1, 1), colour, false}; }
TCheck Somewhere(QRect area, QRgb colour) { return {area, colour, true}; }

void ExpectRendering(const char* name, const QByteArray& file, QSize size, const std::vector<TCheck>& checks)
{
    SCOPED_TRACE(name);
    const QImage image = picture::metafile::RenderDrawing(file, size);
    ASSERT_FALSE(image.isNull()) << "nothing was drawn";
    ASSERT_EQ(image.size(), size);
    for (const TCheck& check : checks) {
        bool found = false;
        QRgb seen = 0;
        for (int y = check.area.top(); y <= check.area.bottom(); ++y) {
            for (int x = check.area.left(); x <= check.area.right(); ++x) {
                seen = image.pixel(x, y);
                const bool near = Near(seen, check.colour, check.anywhere ? 90 : 6);
                found = found || near;
                if (!check.anywhere && !near)
                    ADD_FAILURE() << "pixel (" << x << ", " << y << ") is " << Hex(seen).toStdString() << ", expected "
                                  << Hex(check.colour).toStdString();
            }
        }
        if (check.anywhere && !found)
            ADD_FAILURE() << "no pixel near " << Hex(check.colour).toStdString() << " in (" << check.area.x() << ", "
                          << check.area.y() << ", " << check.area.width() << " x " << check.area.height() << ")";
    }
}

} // namespace metafile_test
