#pragma once

#include "design/model/graphic_control.h"

#include <QByteArray>
#include <QString>

#include <initializer_list>
#include <memory>
#include <vector>

namespace design {
class TGDesignOwner;
class TGSurfaceObjects;
} // namespace design

namespace design_test {

// Builds expected design file bytes piece by piece: raw bytes, short
// strings (length byte + text) and little-endian integers.
class Bytes {
public:
    Bytes& operator()(std::initializer_list<int> bytes);
    Bytes& Short(const char* text);
    Bytes& Raw(const QByteArray& bytes);
    Bytes& Le32(std::int32_t value);
    operator QByteArray() const { return bytes_; }
    const QByteArray& Data() const { return bytes_; }

private:
    QByteArray bytes_;
};

// Small stand-ins for the three picture formats: enough header to be
// recognised, and recognisable bytes after it.
QByteArray SampleBitmapFile();
QByteArray SampleEnhancedMetafile();
QByteArray SampleIconFile();

// One object of every class, each with every persisted property set away
// from its persistence default (where the class's rules allow it), plus
// images holding each kind of picture.
void AddEveryClass(design::TGDesignOwner& owner, design::TGSurfaceObjects& surface);

// Encodes the objects of the surface; the test fails when that fails.
QByteArray Encode(const design::TGSurfaceObjects& surface);

} // namespace design_test
