#!/usr/bin/env python3
"""Writes the seed corpora of the two bitmap fuzz targets (fuzz/corpus/bmp_decode and
fuzz/corpus/dib_load): small valid files of every bit depth the readers take, both row
orders, the larger info headers, a colour table shorter than the bit count allows, a
gap before the pixels, and the program's own logos. Run from the repository root."""
import os
import shutil
import struct


def bmp(width, height, bits, info_size=40, colors_used=0, gap=0, file_size=None):
    n_colors = (colors_used or (1 << bits)) if bits <= 8 else 0
    row = (width * bits + 31) // 32 * 4
    pixels = bytearray()
    for y in range(abs(height)):
        r = bytearray(row)
        for i in range(row):
            r[i] = (i * 37 + y * 11) & 0xFF
        pixels += r
    table = b''.join(struct.pack('<BBBB', (i * 40) & 255, (i * 90) & 255, (i * 15) & 255, 0)
                     for i in range(n_colors))
    info = struct.pack('<IiiHHIIiiII', info_size, width, height, 1, bits, 0, len(pixels),
                       2835, 2835, colors_used, 0)
    info += bytes(info_size - 40)
    offset = 14 + info_size + len(table) + gap
    total = offset + len(pixels)
    header = struct.pack('<2sIHHI', b'BM', total if file_size is None else file_size, 0, 0, offset)
    return header + info + table + bytes(gap) + pixels


def main():
    seeds = {
        'bits1.bmp': bmp(10, 3, 1),
        'bits4.bmp': bmp(5, 3, 4),
        'bits8.bmp': bmp(7, 2, 8),
        'bits8_short_table.bmp': bmp(4, 2, 8, colors_used=3),
        'bits16.bmp': bmp(3, 3, 16),
        'bits24.bmp': bmp(10, 2, 24),
        'bits24_top_down.bmp': bmp(3, -3, 24),
        'bits32.bmp': bmp(2, 2, 32),
        'bits24_v5_header.bmp': bmp(3, 2, 24, info_size=124),
        'bits24_gap.bmp': bmp(3, 2, 24, gap=16),
        'bits24_size_short.bmp': bmp(3, 2, 24, file_size=60),
    }
    for target in ('bmp_decode', 'dib_load'):
        folder = os.path.join('fuzz', 'corpus', target)
        os.makedirs(folder, exist_ok=True)
        for name, data in seeds.items():
            with open(os.path.join(folder, name), 'wb') as f:
                f.write(data)
        for logo in ('135.bmp', '138.bmp'):
            shutil.copy(os.path.join('res', 'bitmaps', logo), os.path.join(folder, 'logo_' + logo))


if __name__ == '__main__':
    main()
