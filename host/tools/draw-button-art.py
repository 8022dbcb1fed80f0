#!/usr/bin/env python3
"""Draws the pictures of the tool dialogs' picture buttons into install/Buttons/.

Each picture is a symbol followed by the button's word, on the button face colour, as the
dialogs show them in place of a caption. Plain Python with zlib only, like draw-about-art.py:
run it from the repository root. A new button is one line of BUTTONS below.
"""
import os

from pngwrite import png

FACE = (236, 233, 216)
INK = (20, 20, 20)
GREEN = (30, 140, 60)
RED = (200, 30, 30)
BLUE = (30, 80, 190)

# The dialogs make their picture buttons this size (formtools/ButtonArt.h).
WIDTH, HEIGHT = 112, 32

# A 5 by 7 pixel font; rows 7 and 8 are the descenders of g, j, p, q and y.
GLYPHS = {
    "A": [".###.", "#...#", "#...#", "#####", "#...#", "#...#", "#...#"],
    "B": ["####.", "#...#", "#...#", "####.", "#...#", "#...#", "####."],
    "C": [".###.", "#...#", "#....", "#....", "#....", "#...#", ".###."],
    "D": ["####.", "#...#", "#...#", "#...#", "#...#", "#...#", "####."],
    "E": ["#####", "#....", "#....", "####.", "#....", "#....", "#####"],
    "F": ["#####", "#....", "#....", "####.", "#....", "#....", "#...."],
    "G": [".###.", "#...#", "#....", "#.###", "#...#", "#...#", ".####"],
    "H": ["#...#", "#...#", "#...#", "#####", "#...#", "#...#", "#...#"],
    "I": [".###.", "..#..", "..#..", "..#..", "..#..", "..#..", ".###."],
    "J": ["..###", "...#.", "...#.", "...#.", "...#.", "#..#.", ".##.."],
    "K": ["#...#", "#..#.", "#.#..", "##...", "#.#..", "#..#.", "#...#"],
    "L": ["#....", "#....", "#....", "#....", "#....", "#....", "#####"],
    "M": ["#...#", "##.##", "#.#.#", "#.#.#", "#...#", "#...#", "#...#"],
    "N": ["#...#", "#...#", "##..#", "#.#.#", "#..##", "#...#", "#...#"],
    "O": [".###.", "#...#", "#...#", "#...#", "#...#", "#...#", ".###."],
    "P": ["####.", "#...#", "#...#", "####.", "#....", "#....", "#...."],
    "Q": [".###.", "#...#", "#...#", "#...#", "#.#.#", "#..#.", ".##.#"],
    "R": ["####.", "#...#", "#...#", "####.", "#.#..", "#..#.", "#...#"],
    "S": [".####", "#....", "#....", ".###.", "....#", "....#", "####."],
    "T": ["#####", "..#..", "..#..", "..#..", "..#..", "..#..", "..#.."],
    "U": ["#...#", "#...#", "#...#", "#...#", "#...#", "#...#", ".###."],
    "V": ["#...#", "#...#", "#...#", "#...#", "#...#", ".#.#.", "..#.."],
    "W": ["#...#", "#...#", "#...#", "#.#.#", "#.#.#", "#.#.#", ".#.#."],
    "X": ["#...#", "#...#", ".#.#.", "..#..", ".#.#.", "#...#", "#...#"],
    "Y": ["#...#", "#...#", ".#.#.", "..#..", "..#..", "..#..", "..#.."],
    "Z": ["#####", "....#", "...#.", "..#..", ".#...", "#....", "#####"],
    "a": [".....", ".....", ".###.", "....#", ".####", "#...#", ".####"],
    "b": ["#....", "#....", "#.##.", "##..#", "#...#", "#...#", "####."],
    "c": [".....", ".....", ".###.", "#....", "#....", "#...#", ".###."],
    "d": ["....#", "....#", ".##.#", "#..##", "#...#", "#...#", ".####"],
    "e": [".....", ".....", ".###.", "#...#", "#####", "#....", ".###."],
    "f": ["..##.", ".#..#", ".#...", "###..", ".#...", ".#...", ".#..."],
    "g": [".....", ".....", ".####", "#...#", "#...#", "#...#", ".####", "....#", ".###."],
    "h": ["#....", "#....", "#.##.", "##..#", "#...#", "#...#", "#...#"],
    "i": ["..#..", ".....", ".##..", "..#..", "..#..", "..#..", ".###."],
    "j": ["...#.", ".....", "..##.", "...#.", "...#.", "...#.", "...#.", "#..#.", ".##.."],
    "k": ["#....", "#....", "#..#.", "#.#..", "##...", "#.#..", "#..#."],
    "l": [".##..", "..#..", "..#..", "..#..", "..#..", "..#..", ".###."],
    "m": [".....", ".....", "##.#.", "#.#.#", "#.#.#", "#...#", "#...#"],
    "n": [".....", ".....", "#.##.", "##..#", "#...#", "#...#", "#...#"],
    "o": [".....", ".....", ".###.", "#...#", "#...#", "#...#", ".###."],
    "p": [".....", ".....", "####.", "#...#", "#...#", "#...#", "####.", "#....", "#...."],
    "q": [".....", ".....", ".####", "#...#", "#...#", "#...#", ".####", "....#", "....#"],
    "r": [".....", ".....", "#.##.", "##..#", "#....", "#....", "#...."],
    "s": [".....", ".....", ".####", "#....", ".###.", "....#", "####."],
    "t": [".#...", ".#...", "###..", ".#...", ".#...", ".#..#", "..##."],
    "u": [".....", ".....", "#...#", "#...#", "#...#", "#..##", ".##.#"],
    "v": [".....", ".....", "#...#", "#...#", "#...#", ".#.#.", "..#.."],
    "w": [".....", ".....", "#...#", "#...#", "#.#.#", "#.#.#", ".#.#."],
    "x": [".....", ".....", "#...#", ".#.#.", "..#..", ".#.#.", "#...#"],
    "y": [".....", ".....", "#...#", "#...#", "#...#", "#...#", ".####", "....#", ".###."],
    "z": [".....", ".....", "#####", "...#.", "..#..", ".#...", "#####"],
    ".": [".", ".", ".", ".", ".", ".", "#"],
    "-": ["....", "....", "....", "####", "....", "....", "...."],
    " ": ["...", "...", "...", "...", "...", "...", "..."],
}


def tick(x, y):
    return (abs(y - (x + 6)) <= 1.5 and 3 <= x <= 9) or (abs(y - (24 - x)) <= 1.5 and 9 <= x <= 20)


def cross(x, y):
    return 3 <= x <= 20 and 3 <= y <= 20 and (abs(x - y) <= 1.5 or abs(x - (23 - y)) <= 1.5)


def plus(x, y):
    return (9 <= x <= 14 and 3 <= y <= 20) or (3 <= x <= 20 and 9 <= y <= 14)


def minus(x, y):
    return 3 <= x <= 20 and 9 <= y <= 14


def radio(x, y):
    # A radio button, chosen: a ring with a dot in it.
    d2 = (x - 11.5) ** 2 + (y - 11.5) ** 2
    return 7.5 ** 2 <= d2 <= 9.5 ** 2 or d2 <= 4 ** 2


def doc_colors():
    # "Get Colors From Document": a small grid of colours, an arrow pointing left at it from a
    # page; no word.
    pixels = [[FACE] * WIDTH for _ in range(HEIGHT)]
    swatches = [RED, GREEN, BLUE, (240, 200, 30), (140, 40, 160), (30, 160, 170)]
    for i, colour in enumerate(swatches):
        left, top = 14 + 9 * (i % 3), 6 + 11 * (i // 3)
        for y in range(top, top + 8):
            for x in range(left, left + 7):
                pixels[y][x] = colour
    for x in range(48, 66):  # the arrow's shaft and head
        for y in range(14, 18):
            pixels[y][x] = INK
    for d in range(7):
        for y in range(16 - d, 16 + d):
            pixels[y][48 - 7 + d] = INK
    for y in range(4, 28):  # the page with a folded corner and lines of text
        for x in range(74, 96):
            edge = x in (74, 95) or y in (4, 27)
            pixels[y][x] = INK if edge else (255, 255, 255)
    for y in range(9, 25, 4):
        for x in range(78, 92):
            pixels[y][x] = (128, 128, 128)
    return pixels


# file name, symbol, symbol colour, word
BUTTONS = [
    ("remove", tick, GREEN, "Remove"),
    ("cancel", cross, RED, "Cancel..."),
    ("add-item", plus, GREEN, "Add Item"),
    ("delete-item", minus, RED, "Delete Item"),
    ("insert-group", radio, BLUE, "Insert Group"),
    ("save", tick, GREEN, "Save"),
    ("insert", tick, GREEN, "Insert"),
    ("close", cross, RED, "Close"),
    ("insert-now", plus, GREEN, "Insert Now"),
    ("okay", tick, GREEN, "Okay"),
]


def picture(symbol, colour, word):
    pixels = [[FACE] * WIDTH for _ in range(HEIGHT)]
    # The symbol in a 24 pixel square at the left, the word after it, centred on the height.
    for y in range(24):
        for x in range(24):
            if symbol(x, y):
                pixels[4 + y][4 + x] = colour
    left, top = 32, (HEIGHT - 7) // 2
    for letter in word:
        glyph = GLYPHS[letter]
        for row, line in enumerate(glyph):
            for column, dot in enumerate(line):
                if dot == "#":
                    pixels[top + row][left + column] = INK
        left += len(glyph[0]) + 1
    assert left <= WIDTH, word + " does not fit its button"
    return pixels


def main():
    folder = os.path.join("install", "Buttons")
    os.makedirs(folder, exist_ok=True)
    for name, symbol, colour, word in BUTTONS:
        pixels = picture(symbol, colour, word)
        png(os.path.join(folder, name + ".png"), WIDTH, HEIGHT, lambda x, y: pixels[y][x])
    pixels = doc_colors()
    png(os.path.join(folder, "doc-colors.png"), WIDTH, HEIGHT, lambda x, y: pixels[y][x])


if __name__ == "__main__":
    main()
