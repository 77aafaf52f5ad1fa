#pragma once

#include <QByteArray>

#include <cstdint>
#include <optional>

namespace design {

// $00BBGGRR for an explicit colour, $800000nn for a system colour index,
// kept as the signed 32-bit value that design files store.
using TColor = std::int32_t;

constexpr TColor ColorValue(std::uint32_t bits) { return static_cast<TColor>(bits); }

inline constexpr TColor clBlack = ColorValue(0x00000000);
inline constexpr TColor clGray = ColorValue(0x00808080);
inline constexpr TColor clAqua = ColorValue(0x00FFFF00);
inline constexpr TColor clWhite = ColorValue(0x00FFFFFF);
inline constexpr TColor clWindowText = ColorValue(0x80000008);
inline constexpr TColor clNone = ColorValue(0x1FFFFFFF);

// The colour's name when it is one of the named colours ("clBlack").
std::optional<QByteArray> ColorName(TColor color);
// The value of a colour name, matched without regard to letter case.
std::optional<TColor> ColorFromName(const QByteArray& name);

} // namespace design
