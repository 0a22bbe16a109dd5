#!/usr/bin/python3
"""Writes the small DXF files of tests/exchange: every converted entity, in an
R12 and an R2018 file, one binary file, and umlauts in three encodings."""
import os

import ezdxf

HIER = os.path.dirname(os.path.abspath(__file__))


def zeichnen(dok):
    dok.layers.add("Wände", color=1, linetype="DASHED")
    dok.appids.new("QUARZEL")
    raum = dok.modelspace()
    linie = raum.add_line((1, 2), (3, 4), dxfattribs={"layer": "Wände"})
    linie.set_xdata("QUARZEL", [(1070, 3), (1070, 5)])
    raum.add_point((5, 6))
    raum.add_circle((7, 8), 9, dxfattribs={"color": 3, "extrusion": (0, 0, -1)})
    raum.add_arc((10, 11), 12, 30, 120)
    raum.add_text("Größe %%d", dxfattribs={"height": 2.5, "rotation": 45, "insert": (13, 14)})
    raum.add_polyline2d([(0, 0), (10, 0), (10, 10)], close=True)
    blk = dok.blocks.new("Tür", base_point=(1, 1))
    blk.add_line((0, 0), (1, 0))
    blk.add_attdef("NR", (0.5, 0.5), "1", dxfattribs={"prompt": "Nummer?", "height": 0.25, "flags": 1})
    ref = raum.add_blockref("Tür", (20, 30), dxfattribs={"xscale": 2, "yscale": 3, "rotation": 90})
    ref.add_attrib("NR", "12", (21, 31))
    raum.add_solid([(0, 0), (1, 0), (0, 1), (1, 1)])
    raum.add_3dface([(0, 0, 0), (2, 0, 0), (2, 2, 0)])
    dok.layout("Layout1").add_line((0, 0), (100, 0))
    if dok.dxfversion > "AC1009":
        raum.add_ellipse((40, 50), major_axis=(6, 0), ratio=0.5, start_param=0, end_param=3.14159)
        raum.add_lwpolyline([(0, 0, 0, 0, 0.5), (5, 0, 0, 0, 0), (5, 5, 0, 0, 0)], close=True)
        raum.add_mtext("Größe\\P{\\H2;zwei} \\S1/2; %%c5", dxfattribs={"insert": (60, 70), "char_height": 3,
                                                                    "width": 40, "attachment_point": 5})
        raum.add_rational_spline([(0, 0), (10, 10), (20, 0), (30, 10)], [1, 2, 2, 1], degree=3)
        schraffur = raum.add_hatch(color=2)
        schraffur.paths.add_polyline_path([(0, 0, 0.5), (10, 0), (10, 10)], is_closed=True)
        rand = schraffur.paths.add_edge_path()
        rand.add_line((0, 0), (10, 0))
        rand.add_arc((10, 5), 5, -90, 90)
        rand.add_ellipse((5, 10), (5, 0), 0.4, 0, 180)
        muster = raum.add_hatch()
        muster.set_pattern_fill("ANSI31", scale=2, angle=15)
        rand = muster.paths.add_edge_path()
        rand.add_line((0, 0), (10, 0))
        rand.add_spline(control_points=[(10, 0), (20, 5), (10, 10)], knot_values=[0, 0, 0, 1, 1, 1], degree=2)
        rand.add_line((10, 10), (0, 0))
        raum.add_linear_dim(base=(0, 5), p1=(0, 0), p2=(10, 0)).render()
        raum.add_leader([(0, 0), (5, 5), (10, 5)])
        dok.layout("Layout1").add_viewport(center=(100, 80), size=(50, 40), view_center_point=(5, 6),
                                           view_height=20)


for version, name in (("R12", "r12"), ("R2018", "r2018"), ("R2000", "r2000")):
    dok = ezdxf.new(version)
    zeichnen(dok)
    dok.saveas(os.path.join(HIER, name + ".dxf"), encoding="cp1252" if version != "R2018" else "utf-8")
dok = ezdxf.new("R2018")
zeichnen(dok)
dok.saveas(os.path.join(HIER, "r2018_binaer.dxf"), fmt="bin")
dok = ezdxf.new("R2000")
dok.encoding = "cp1250"
dok.modelspace().add_text("Łódź")
dok.saveas(os.path.join(HIER, "r2000_1250.dxf"))


def r12_binaer(quelle, ziel):
    """The binary form of R12 and older, which ezdxf does not write: one byte
    per group code, 255 before a two-byte code."""
    import struct
    zeilen = open(quelle, encoding="cp1252").read().split("\n")
    aus = bytearray(b"AutoCAD Binary DXF\r\n\x1a\x00")
    for i in range(0, len(zeilen) - 1, 2):
        code, wert = int(zeilen[i]), zeilen[i + 1]
        aus += bytes([code]) if code < 255 else b"\xff" + struct.pack("<h", code)
        if 10 <= code <= 59 or 210 <= code <= 239 or 1010 <= code <= 1059:
            aus += struct.pack("<d", float(wert))
        elif 60 <= code <= 79 or 1060 <= code <= 1070:
            aus += struct.pack("<h", int(wert))
        else:
            aus += wert.encode("cp1252") + b"\x00"
    open(ziel, "wb").write(aus)


r12_binaer(os.path.join(HIER, "r12.dxf"), os.path.join(HIER, "r12_binaer.dxf"))
