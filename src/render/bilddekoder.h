// Bilddekoder: turns the bytes of an embedded image file (PNG or JPEG) into
// RGBA pixels. The bytes come from drawing files and are treated as hostile:
// any damage, truncation or unsupported variant gives nullopt, never a crash,
// and pictures above the size caps are refused before any pixel memory is
// taken.
#pragma once

#include <cstdint>
#include <optional>
#include <span>

#include "platform/canvas.h"

namespace quarzel {

enum class Bildformat : std::uint8_t { Unbekannt, Png, Jpeg, Svg };

// Longest side and pixel count a picture may have; beyond them nothing is drawn.
inline constexpr int kGroessteBildseite = 20000;
inline constexpr std::int64_t kGroesstePixelzahl = 40'000'000;

// The format by the file's signature (an SVG by its opening "<svg" or XML
// declaration).
Bildformat erkenneBildformat(std::span<const std::uint8_t> datei);

std::optional<Rasterbild> dekodierePng(std::span<const std::uint8_t> datei);
std::optional<Rasterbild> dekodiereJpeg(std::span<const std::uint8_t> datei);
// By the signature; nullopt for other formats.
std::optional<Rasterbild> dekodiereBild(std::span<const std::uint8_t> datei);

}  // namespace quarzel
