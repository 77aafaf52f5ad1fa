#pragma once

#include <QString>

#include <span>

// The envelope sizes a layout can be designed for. A size is known by the
// printer's paper code for it, which is also what the layout row stores.
namespace envelopes {

// Width and height in inches, the envelope lying with its long side across
// (B6 is the one exception, kept as stored designs know it). The metric
// sizes are millimetres divided by 25, not 25.4: designs saved on those
// surfaces would lose the objects near the edge on any other surface.
struct TEnvelopeSize {
    int code;
    QString caption;
    double width;
    double height;
};

// #10, what a new layout and an empty table start with.
inline constexpr int kDefaultEnvelopeCode = 20;

// The 16 sizes in the order "Envelope Size" lists them.
std::span<const TEnvelopeSize> EnvelopeSizes();

// The size of a paper code; null when the code is none of the 16.
const TEnvelopeSize* FindEnvelopeSize(int code);

// The size of a paper code, #10 for any other code: a layout row copied from
// elsewhere may hold anything, and a design surface or offsets made from a
// size that does not exist would put the design off the page.
const TEnvelopeSize& EnvelopeSizeOrDefault(int code);

// The code's place in the list; 0 (the first entry) for an unknown code.
int EnvelopeSizeListIndex(int code);

} // namespace envelopes
