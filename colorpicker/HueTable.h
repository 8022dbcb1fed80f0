#pragma once

#include <cstdint>

namespace zirirur {

// One of the named hues that the Normal main grid shows, in grid order.
struct NamedHue {
    const char* Name;
    std::int32_t Hue;
};

// The 31 named hues, index = cell index in the Normal main grid ("Fuschia" is spelled so).
constexpr NamedHue HueTable[] = {
    {"Red", 0},        {"Copper", 12},     {"Orange", 20},   {"Bronze", 25},     {"Gold", 30},
    {"Topaz", 35},     {"Tourmaline", 37}, {"Yellow", 40},   {"Turquoise", 110}, {"Jade", 100},
    {"Beryl", 90},     {"Green", 80},      {"Emerald", 70},  {"Lime", 60},       {"Lemon", 50},
    {"Citrine", 45},   {"Cyan", 120},      {"Aqua", 125},    {"Teal", 130},      {"Azure", 140},
    {"Sapphire", 150}, {"Blue", 160},      {"Indigo", 170},  {"Lavender", 180},  {"Crimson", 230},
    {"Pink", 220},     {"Fuschia", 210},   {"Magenta", 200}, {"Cobalt", 195},    {"Violet", 190},
    {"Amethyst", 185},
};

} // namespace zirirur
