#pragma once

#include <cstdint>

namespace ui {

// The platform's system colours that the console uses, by their system index.
enum class SystemColor : std::int32_t { ButtonFace = 15, GreyText = 17, ButtonText = 18 };

// A colour as the set-up file stores it: an RGB value in 0x00BBGGRR order, or a system
// colour (the high bit set, the system index below). The signed 32-bit value round-trips
// bit for bit, and logic compares colours by value, never through a Qt palette.
class Color {
  public:
    constexpr Color() = default;
    static constexpr Color rgb(int red, int green, int blue) {
        return Color(
            static_cast<std::int32_t>((blue & 0xFF) << 16 | (green & 0xFF) << 8 | (red & 0xFF)));
    }
    static constexpr Color system(SystemColor c) {
        return Color(static_cast<std::int32_t>(0x80000000u | static_cast<std::uint32_t>(c)));
    }
    static constexpr Color fromInt(std::int32_t value) { return Color(value); }

    constexpr std::int32_t toInt() const { return value_; }
    constexpr bool isSystem() const { return value_ < 0; }
    constexpr int red() const { return value_ & 0xFF; }
    constexpr int green() const { return (value_ >> 8) & 0xFF; }
    constexpr int blue() const { return (value_ >> 16) & 0xFF; }

    constexpr bool operator==(const Color&) const = default;

  private:
    constexpr explicit Color(std::int32_t value) : value_(value) {}
    std::int32_t value_ = 0;
};

// The marks and colours that carry meaning on the boards.
namespace colors {
inline constexpr Color buttonFace = Color::system(SystemColor::ButtonFace);
inline constexpr Color buttonText = Color::system(SystemColor::ButtonText);
inline constexpr Color greyText = Color::system(SystemColor::GreyText);
inline constexpr Color orange = Color::rgb(255, 128, 0);
inline constexpr Color yellow = Color::rgb(255, 255, 0);
inline constexpr Color green = Color::rgb(0, 255, 0);
inline constexpr Color red = Color::rgb(255, 0, 0);
inline constexpr Color blue = Color::rgb(0, 0, 255);
inline constexpr Color white = Color::rgb(255, 255, 255);
inline constexpr Color black = Color::rgb(0, 0, 0);
inline constexpr Color darkRed = Color::rgb(192, 0, 0);
}  // namespace colors

}  // namespace ui
