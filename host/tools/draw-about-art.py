#!/usr/bin/env python3
"""Draws the About box artwork (small PNG files) into install/About/.

Plain Python with zlib only, so anyone can redraw the pictures: run it from the repository root.
"""
import os

from pngwrite import png


def blend(a, b, t):
    return tuple(int(round(a[i] + (b[i] - a[i]) * t)) for i in range(3))


def logo(x, y):
    # A "Z" in white on a round badge that runs from teal to deep blue.
    size = 64
    cx = cy = (size - 1) / 2
    if (x - cx) ** 2 + (y - cy) ** 2 > 30.5 ** 2:
        return (236, 233, 216)
    in_z = (14 <= y <= 21 and 16 <= x <= 47) or (42 <= y <= 49 and 16 <= x <= 47) or (
        21 < y < 42 and abs((47 - (y - 21) * 31 / 21) - x) <= 4)
    if in_z:
        return (255, 255, 255)
    return blend((0, 150, 160), (20, 40, 130), (x + y) / (2 * size))


def banner(x, y):
    # Stripes of the colours the colour picker offers, fading into the dialog's face colour.
    hues = [(220, 40, 40), (240, 160, 20), (230, 220, 40), (60, 170, 60), (30, 120, 210), (120, 60, 180)]
    band = hues[min(x // 32, len(hues) - 1)]
    return blend(band, (236, 233, 216), y / 15)


def close(x, y):
    # A green tick on the button face.
    on_tick = (abs(y - (x + 6)) <= 1 and 4 <= x <= 9) or (abs(y - (25 - x)) <= 1 and 9 <= x <= 19)
    return (30, 140, 60) if on_tick else (236, 233, 216)


def main():
    folder = os.path.join("install", "About")
    os.makedirs(folder, exist_ok=True)
    png(os.path.join(folder, "logo.png"), 64, 64, logo)
    png(os.path.join(folder, "banner.png"), 192, 16, banner)
    png(os.path.join(folder, "close.png"), 24, 24, close)


if __name__ == "__main__":
    main()
