#!/usr/bin/env python3
"""Draws the dialogs' artwork: the background picture (628x422) and the
acquirer's logo (68x25). Plain Python, no imaging library: run it from this
directory to regenerate fundo.png and logo.png."""
import math
import struct
import zlib


def png(nome, largura, altura, pixel):
    linhas = bytearray()
    for y in range(altura):
        linhas.append(0)
        for x in range(largura):
            linhas.extend(pixel(x, y))

    def bloco(tipo, dados):
        c = tipo + dados
        return struct.pack(">I", len(dados)) + c + struct.pack(">I", zlib.crc32(c) & 0xFFFFFFFF)

    with open(nome, "wb") as f:
        f.write(b"\x89PNG\r\n\x1a\n")
        f.write(bloco(b"IHDR", struct.pack(">IIBBBBB", largura, altura, 8, 2, 0, 0, 0)))
        f.write(bloco(b"IDAT", zlib.compress(bytes(linhas), 9)))
        f.write(bloco(b"IEND", b""))


def mistura(a, b, t):
    t = max(0.0, min(1.0, t))
    return tuple(int(round(a[i] + (b[i] - a[i]) * t)) for i in range(3))


AZUL = (0x12, 0x2A, 0x6B)
CEU = (0xDD, 0xE8, 0xF6)
BRANCO = (0xFA, 0xFC, 0xFF)
LARANJA = (0xF2, 0x8C, 0x1E)


def fundo(x, y):
    # Pale vertical gradient, a dark band under the title and a thin orange
    # rule above the message line; soft waves in the lower right corner.
    if y < 4:
        return AZUL
    if 60 <= y < 63:
        return AZUL
    if 63 <= y < 65:
        return LARANJA
    if 382 <= y < 384:
        return LARANJA
    if y >= 384:
        return mistura(CEU, (0xC8, 0xD6, 0xEC), (y - 384) / 38)
    c = mistura(BRANCO, CEU, y / 422)
    onda = math.sin((x + 2 * y) / 38.0) * math.sin(y / 55.0)
    if x > 330 and onda > 0.55:
        c = mistura(c, (0xC4, 0xD4, 0xEE), (x - 330) / 600)
    return c


def logo(x, y):
    # A rounded dark-blue plate with three rising orange bars.
    cx, cy = min(x, 67 - x), min(y, 24 - y)
    if cx < 3 and cy < 3 and (3 - cx) ** 2 + (3 - cy) ** 2 > 10:
        return BRANCO
    base = AZUL
    for i, (x0, h) in enumerate(((8, 7), (17, 11), (26, 15))):
        if x0 <= x < x0 + 6 and 20 - h <= y < 20:
            return mistura(LARANJA, (0xFF, 0xC0, 0x5A), i / 2)
    if 38 <= x < 62 and y in (9, 10, 14, 15):
        return (0xE6, 0xEC, 0xF7)
    return base


if __name__ == "__main__":
    png("fundo.png", 628, 422, fundo)
    png("logo.png", 68, 25, logo)
