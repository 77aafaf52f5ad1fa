#include "envelopes/envelope_sizes.h"

#include <array>

namespace envelopes {

namespace {

const std::array<TEnvelopeSize, 16>& Sizes()
{
    // The captions are the list's texts as users know them, blanks included.
    static const std::array<TEnvelopeSize, 16> sizes{{
        {19, QStringLiteral("Envelope #9 3 7/8 x 8 7/8 inches"), 8.875, 3.875},
        {20, QStringLiteral("Envelope #10 4 1/8 x 9 1/2 inches"), 9.5, 4.125},
        {21, QStringLiteral("Envelope #11 4 1/2 x 10 3/8 inches"), 10.375, 4.5},
        {22, QStringLiteral("Envelope #12 4 3/4 x 11 inches"), 11.0, 4.75},
        {23, QStringLiteral("Envelope #14 5 x 11 1/2 inches"), 11.5, 5.0},
        {27, QStringLiteral("Envelope DL 110 x 220 mm"), 220.0 / 25, 110.0 / 25},
        {28, QStringLiteral("Envelope C5 162 x 229 mm "), 229.0 / 25, 162.0 / 25},
        {30, QStringLiteral("Envelope C4  229 x 324 mm"), 324.0 / 25, 229.0 / 25},
        {31, QStringLiteral("Envelope C6  114 x 162 mm"), 162.0 / 25, 114.0 / 25},
        {32, QStringLiteral("Envelope C65 114 x 229 mm"), 229.0 / 25, 114.0 / 25},
        {33, QStringLiteral("Envelope B4  250 x 353 mm"), 353.0 / 25, 250.0 / 25},
        {34, QStringLiteral("Envelope B5  176 x 250 mm"), 250.0 / 25, 176.0 / 25},
        {35, QStringLiteral("Envelope B6  176 x 125 mm"), 125.0 / 25, 176.0 / 25},
        {36, QStringLiteral("Envelope 110 x 230 mm"), 230.0 / 25, 110.0 / 25},
        {37, QStringLiteral("Envelope Monarch 3 7/8 x 7 1/2 inches"), 7.5, 3.875},
        {38, QStringLiteral("6 3/4 Envelope 3 5/8 x 6 1/2 inches"), 6.5, 3.625},
    }};
    return sizes;
}

} // namespace

std::span<const TEnvelopeSize> EnvelopeSizes() { return Sizes(); }

const TEnvelopeSize* FindEnvelopeSize(int code)
{
    for (const TEnvelopeSize& size : Sizes())
        if (size.code == code)
            return &size;
    return nullptr;
}

const TEnvelopeSize& EnvelopeSizeOrDefault(int code)
{
    const TEnvelopeSize* size = FindEnvelopeSize(code);
    return size ? *size : *FindEnvelopeSize(kDefaultEnvelopeCode);
}

int EnvelopeSizeListIndex(int code)
{
    const TEnvelopeSize* size = FindEnvelopeSize(code);
    return size ? static_cast<int>(size - Sizes().data()) : 0;
}

} // namespace envelopes
