#!/usr/bin/env python3
"""Writes src/model/CatalogueData.cpp, the compiled-in projector catalogue.

Each model below becomes three main-table rows and three lens-table rows
(aspect codes 0 = 4:3, 1 = 16:9, 2 = 2.35:1). The throw ratios of the 4:3 and
2.35:1 rows are derived here from the 16:9 pair by panel shape and written out
as plain literals, so the C++ file holds only explicit values.

The script checks the lens geometry of every row before writing: the panel must
fit in the lens image circle with room to spare in both directions, and the
shift angles must stay in a realistic range.

Usage: tools/gen_catalogue.py [output path]
"""
import math
import sys

PANELS_16X9 = {(1920, 1080), (1280, 720), (1024, 576)}
PANELS_4X3 = {(1400, 1050), (1024, 768), (800, 600)}
PANEL_WIDE = (848, 480)
PITCHES = {10.8, 13.68, 13.8, 17.0}
PICTURES = [149, 151, 152, 153, 154, 155, 156, 160, 168, 169, 173, 176, 182, 193]

# name, class, panel, pitch, lumens, 16:9 throw wide/tele, shift caps,
# lens radius, 4:3-row lens radius (None = same), H offsets, V offsets,
# picture id, explicit throw pairs (4:3, 2.35:1) or None to derive them.
MODELS = [
    ("Kelda W1", "3Chip", (1920, 1080), 10.8, 2000, (1.37, 1.66), 1,
     15.58, None, (0, 0), (-0.61, 5.8), 149, ((1.827, 2.207), (1.028, 1.245))),
    ("Kelda W2", "3Chip", (1920, 1080), 10.8, 2500, (1.52, 2.28), 1,
     15.9, None, (0, 0), (-0.96, 4.2), 149, None),
    ("Kelda W3", "3Chip", (1920, 1080), 10.8, 3000, (1.8, 2.43), 3,
     16.4, None, (1.2, 1.2), (0, 3.1), 151, None),
    ("Kelda WT", "3Chip", (1920, 1080), 10.8, 3500, (0.8, 0.8), 0,
     13.5, None, (0, 0), (0, 0), 151, None),
    ("Orne SX", "SXGA", (1400, 1050), 13.68, 1500, (1.66, 2.24), 1,
     12.82, None, (0, 0), (0, 0), 152, ((1.66, 2.24), (1.245, 1.68))),
    ("Orne SA", "SXGA", (1400, 1050), 13.68, 2200, (1.5, 2.0), 1,
     13.3, 13.1, (0, 0), (-0.4, 0.9), 152, None),
    ("Orne XG", "SXGA", (1024, 768), 17.0, 1800, (1.7, 2.3), 3,
     12.9, None, (0.6, 0.6), (0, 1.1), 153, None),
    ("Pavo QA", "3Chip", (1920, 1080), 10.8, 2800, (0.67, 0.67), 0,
     13.2, None, (0, 0), (0, 0), 154, ((0.893, 0.893), (0.502, 0.502))),
    ("Pavo QB", "3Chip", (1920, 1080), 10.8, 2800, (1.13, 1.5), 1,
     15.2, 15.0, (0, 0), (-0.3, 3.2), 154, None),
    ("Pavo QC", "3Chip", (1920, 1080), 10.8, 2800, (1.39, 1.87), 3,
     16.9, None, (3.5, 3.5), (0, 3.8), 155, ((1.853, 2.493), (1.042, 1.402))),
    ("Pavo QD", "3Chip", (1920, 1080), 10.8, 4000, (2.2, 3.3), 3,
     16.6, None, (2.9, 2.9), (0, 3.5), 155, None),
    ("Vela X1", "HD2", (1280, 720), 13.8, 1200, (1.4, 1.7), 1,
     11.9, None, (0, 0), (0, 2.0), 156, None),
    ("Vela  X2", "HD2", (1280, 720), 13.8, 1500, (1.4, 1.7), 1,
     12.2, 12.0, (0, 0), (-0.5, 2.4), 156, None),
    ("Vela  X2L", "HD2", (1280, 720), 13.8, 1500, (1.9, 2.6), 3,
     12.8, None, (1.4, 1.4), (0, 2.8), 156, None),
    ("Tirra 200", "ED2", (1024, 576), 13.68, 600, (1.2, 1.45), 1,
     10.05, None, (0, 0), (0, 1.7), 160, None),
    ("Tirra 300", "ED2", (1024, 576), 13.68, 900, (1.2, 1.45), 1,
     10.3, None, (0, 0), (0, 1.9), 160, None),
    ("Tirra 350L", "ED2", (1024, 576), 13.8, 1100, (1.6, 2.1), 1,
     10.6, None, (0, 0), (-0.2, 2.0), 160, None),
    ("Fenwa E1", "Compact", (848, 480), 17.0, 700, (1.18, 1.42), 1,
     10.4, None, (0, 0), (0, 1.5), 168, None),
    ("Fenwa E2", "Compact", (848, 480), 17.0, 850, (1.18, 1.42), 1,
     10.6, None, (0, 0), (0, 1.6), 168, None),
    ("Fenwa E5", "Compact", (848, 480), 17.0, 1000, (1.5, 1.8), 1,
     10.8, 10.6, (0, 0), (0, 1.7), 168, None),
    ("Ladro HD", "HD2", (1280, 720), 13.8, 1700, (1.3, 1.56), 1,
     12.0, None, (0, 0), (0, 2.1), 169, None),
    ("Ladro HD+", "HD2", (1280, 720), 13.8, 2100, (1.3, 1.56), 1,
     12.1, None, (0, 0), (0, 2.2), 169, None),
    ("Quenda 7", "SXGA", (1400, 1050), 13.68, 2600, (1.7, 2.2), 1,
     13.4, None, (0, 0), (0, 0.6), 173, None),
    ("Quenda 9", "SXGA", (1400, 1050), 13.68, 3200, (1.7, 2.2), 3,
     14.2, None, (0.5, 0.5), (0, 1.6), 173, None),
    ("Sarnel C1", "Venue", (1400, 1050), 13.68, 3600, (2.0, 3.0), 1,
     13.6, None, (0, 0), (0, 0.8), 176, None),
    ("Sarnel C2", "Venue", (1920, 1080), 10.8, 3800, (2.4, 3.6), 3,
     16.2, None, (2.2, 2.2), (0, 3.0), 176, None),
    ("Dovra 10", "ED2", (1024, 768), 13.8, 1000, (1.25, 1.5), 1,
     10.8, None, (0, 0), (0, 1.2), 182, None),
    ("Dovra 12", "ED2", (1024, 768), 13.8, 1200, (1.25, 1.5), 1,
     11.0, None, (0, 0), (0, 1.3), 182, None),
    ("Dovra 12W", "ED2", (1024, 768), 13.8, 1200, (0.9, 1.1), 1,
     11.2, 11.0, (0, 0), (0.4, 1.4), 182, None),
    ("Halbe M4", "SXGA", (1024, 768), 17.0, 1400, (1.6, 2.0), 1,
     12.6, None, (0, 0), (0, 1.0), 193, None),
    ("Halbe M6", "SXGA", (1024, 768), 17.0, 1600, (1.6, 2.0), 1,
     12.7, None, (0, 0), (0, 1.1), 193, None),
    ("Ismer LX", "3Chip", (1920, 1080), 10.8, 2200, (1.5, 1.8), 1,
     15.3, None, (0, 0), (0, 3.6), 149, None),
    ("Ismer LX2", "3Chip", (1920, 1080), 10.8, 2400, (1.5, 1.8), 3,
     16.0, None, (1.8, 1.8), (0, 3.3), 151, None),
    ("Morvik 5", "HD2", (1280, 720), 13.8, 1300, (1.6, 1.9), 1,
     12.3, 12.1, (0, 0), (0, 2.3), 152, None),
    ("Morvik 8", "HD2", (1280, 720), 13.8, 1900, (1.6, 1.9), 3,
     12.4, None, (1.0, 1.0), (0, 2.4), 153, None),
    ("Brumo S", "Compact", (800, 600), 17.0, 650, (1.3, 1.6), 1,
     10.5, None, (0, 0), (0, 1.0), 154, None),
    ("Brumo SW", "Compact", (800, 600), 17.0, 800, (1.0, 1.2), 1,
     10.7, None, (0, 0), (0, 1.1), 154, None),
    ("Nyssa  A", "Venue", (1400, 1050), 13.68, 3000, (1.5, 2.1), 1,
     13.5, None, (0, 0), (0, 0.7), 155, None),
    ("Nyssa  B", "Venue", (1400, 1050), 13.68, 3400, (1.9, 2.7), 3,
     14.4, 14.2, (0.6, 0.6), (0, 1.5), 156, None),
    ("Otrel 1", "ED2", (800, 600), 13.8, 900, (1.9, 2.3), 1,
     10.2, None, (0, 0), (0, 1.3), 160, None),
    ("Otrel 2", "ED2", (800, 600), 13.8, 1100, (1.9, 2.3), 1,
     10.3, None, (0, 0), (0, 1.4), 168, None),
    ("Pelm XT", "Venue", (1920, 1080), 10.8, 3600, (1.8, 2.6), 1,
     15.6, None, (0, 0), (0, 3.9), 169, None),
    ("Pelm XTW", "Venue", (1920, 1080), 10.8, 3600, (0.78, 0.78), 1,
     14.3, None, (0, 0), (1.0, 3.0), 173, None),
    ("Zandor 40", "ED2", (1024, 576), 13.68, 1400, (1.1, 1.1), 0,
     10.1, None, (0, 0), (0, 0), 176, None),
    ("Zandor 60", "ED2", (1024, 576), 13.8, 1600, (1.5, 1.9), 1,
     10.9, None, (0, 0), (0, 1.8), 182, None),
    ("Wexa  3", "Compact", (848, 480), 17.0, 750, (1.0, 1.0), 0,
     10.5, None, (0, 0), (0, 0), 193, None),
]


def throw_pairs(panel, t169, explicit):
    """Throw pairs for the aspect codes 0, 1, 2."""
    if explicit is not None:
        return [explicit[0], t169, explicit[1]]
    if panel in PANELS_16X9:
        f43 = 4.0 / 3.0
    elif panel in PANELS_4X3:
        f43 = 1.0
    else:
        f43 = 1.06
    t43 = tuple(round(t * f43, 3) for t in t169)
    t235 = tuple(round(t * 0.75, 3) for t in t169)
    return [t43, t169, t235]


def shift_angles(panel, pitch, throw, radius, h, v):
    pw = panel[0] * pitch * 0.001
    ph = panel[1] * pitch * 0.001
    kv = math.sqrt(4 * radius * radius - pw * pw)
    kh = math.sqrt(4 * radius * radius - ph * ph)
    assert kv > ph and kh > pw, "panel does not fit the image circle"
    fw = pw * throw[0]
    vert = [math.degrees(math.atan(((kv - ph) * 0.5 - o) / fw)) for o in (v[1], v[0])]
    horz = [math.degrees(math.atan(((kh - pw) * 0.5 - o) / fw)) for o in h]
    return vert, horz


def check():
    names = [m[0] for m in MODELS]
    assert len(MODELS) == 46 and len(set(names)) == 46
    assert all(len(n) <= 13 for n in names)
    caps = [m[6] for m in MODELS]
    assert (caps.count(0), caps.count(1), caps.count(3)) == (4, 32, 10)
    assert sorted(set(m[11] for m in MODELS)) == PICTURES
    assert sum(1 for m in MODELS if m[8] is not None) == 7
    radii = [r for m in MODELS for r in (m[7], m[8]) if r is not None]
    assert min(radii) == 10.05 and max(radii) == 16.9
    lumens = [m[4] for m in MODELS]
    assert min(lumens) == 600 and max(lumens) == 4000
    for m in MODELS:
        name, cls, panel, pitch, lumens, t169, caps, radius, r43, h, v, pic, explicit = m
        assert panel in PANELS_16X9 | PANELS_4X3 | {PANEL_WIDE}, name
        assert pitch in PITCHES, name
        for code, throw in enumerate(throw_pairs(panel, t169, explicit)):
            r = r43 if (code == 0 and r43 is not None) else radius
            vert, horz = shift_angles(panel, pitch, throw, r, h, v)
            # Kelda W1 has the offset that eats the whole room on one side;
            # the short 2.35:1 throws give the largest angles.
            low = -0.5 if name == "Kelda W1" else 1.0
            assert all(low <= a <= 20.0 for a in vert), (name, code, vert)
            if caps & 2:
                assert all(1.0 <= a <= 20.0 for a in horz), (name, code, horz)


def flt(x):
    text = repr(float(x))
    return text + "f"


def cstr(s):
    return '"' + s.replace("\\", "\\\\").replace('"', '\\"') + '"'


ASPECTS = ["kAspect4x3", "kAspect16x9", "kAspect235"]


def emit(out):
    main_rows = []
    lens_rows = []
    for m in MODELS:
        name, cls, panel, pitch, lumens, t169, caps, radius, r43, h, v, pic, explicit = m
        for code, throw in enumerate(throw_pairs(panel, t169, explicit)):
            listed = 1 if code == 1 else 0
            main_rows.append(
                "    {%s, %d, %d, %s, %s, %s, 2.0f, 8.0f, %s, 0, %d, %d, %d, %s, %d, %s},"
                % (cstr(name), listed, code, cstr(cls), flt(throw[0]), flt(throw[1]),
                   ASPECTS[code], pic, panel[0], panel[1], flt(pitch), caps, flt(lumens)))
            r = r43 if (code == 0 and r43 is not None) else radius
            lens_rows.append(
                '    {%s, %d, "PJFrontStdLens", %s, 0.0f, 0.0f, %s, %s, %s, %s},'
                % (cstr(name), code, flt(r), flt(h[0]), flt(h[1]), flt(v[0]), flt(v[1])))
    with open(out, "w", encoding="ascii") as f:
        f.write("// The compiled-in projector catalogue: 46 models, three rows each.\n")
        f.write("//\n")
        f.write("// Generated by tools/gen_catalogue.py; edit the model list there and\n")
        f.write("// run it again rather than editing this file. Main rows: name, listed,\n")
        f.write("// aspect code, class, throw wide/tele, distance limits, aspect value,\n")
        f.write("// unit placeholder, picture id, panel pixels, pitch (um), shift caps,\n")
        f.write("// lumens. Lens rows: name, aspect code, lens kind, radius (mm), two\n")
        f.write("// reserved values, H offsets 1/2 and V offsets 1/2 (mm).\n")
        f.write("// Used through GetCatalogue() by CTarsioModel and the model list.\n")
        f.write('#include "model/CatalogueTable.h"\n\n')
        f.write("namespace\n{\n\n")
        f.write("// One row per line reads best; the formatter leaves the table alone.\n")
        f.write("// clang-format off\n")
        f.write("constinit const SCatalogue s_catalogue = {\n")
        f.write("  {\n")
        f.write("\n".join(main_rows) + "\n")
        f.write("  },\n  {\n")
        f.write("\n".join(lens_rows) + "\n")
        f.write("  }};\n")
        f.write("// clang-format on\n\n")
        f.write("} // namespace\n\n")
        f.write("const SCatalogue& GetCatalogue()\n{\n    return s_catalogue;\n}\n")


if __name__ == "__main__":
    check()
    emit(sys.argv[1] if len(sys.argv) > 1 else "src/model/CatalogueData.cpp")
