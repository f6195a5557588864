#pragma once
// A colour for the asset toolkit: written as 0xRRGGBB like the program's own colours, with
// an optional alpha (255 = opaque), so a plain 0xFF0000 is opaque red and never transparent.

#include <cstdint>

struct AssetColour
{
	std::uint8_t r = 0;
	std::uint8_t g = 0;
	std::uint8_t b = 0;
	std::uint8_t a = 255;

	AssetColour() = default;
	AssetColour(std::uint32_t rrggbb, std::uint8_t alpha = 255)
		: r(static_cast<std::uint8_t>(rrggbb >> 16)), g(static_cast<std::uint8_t>(rrggbb >> 8)),
		  b(static_cast<std::uint8_t>(rrggbb)), a(alpha)
	{
	}
	static AssetColour fromBytes(int red, int green, int blue, int alpha = 255)
	{
		AssetColour colour;
		colour.r = clampByte(red);
		colour.g = clampByte(green);
		colour.b = clampByte(blue);
		colour.a = clampByte(alpha);
		return colour;
	}

	std::uint32_t rgb() const { return (std::uint32_t(r) << 16) | (std::uint32_t(g) << 8) | b; }
	AssetColour withAlpha(int alpha) const { return fromBytes(r, g, b, alpha); }

	// Straight interpolation, t = 0 gives from and t = 1 gives to (alpha included).
	static AssetColour mix(AssetColour from, AssetColour to, double t)
	{
		auto channel = [t](int x, int y) { return static_cast<int>(x + (y - x) * t + 0.5); };
		return fromBytes(channel(from.r, to.r), channel(from.g, to.g), channel(from.b, to.b), channel(from.a, to.a));
	}
	// Lighter for factor > 1, darker for factor < 1; alpha kept.
	AssetColour scaled(double factor) const
	{
		auto channel = [factor](int x) { return static_cast<int>(x * factor + 0.5); };
		return fromBytes(channel(r), channel(g), channel(b), a);
	}

	bool operator==(const AssetColour& other) const
	{
		return r == other.r && g == other.g && b == other.b && a == other.a;
	}
	bool operator!=(const AssetColour& other) const { return !(*this == other); }

private:
	static std::uint8_t clampByte(int value)
	{
		return static_cast<std::uint8_t>(value < 0 ? 0 : (value > 255 ? 255 : value));
	}
};
