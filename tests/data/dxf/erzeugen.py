#!/usr/bin/python3
"""Writes the small DXF files of tests/exchange: every converted entity, in an
R12 and an R2018 file, one binary file, and umlauts in both encodings."""
import os

import ezdxf

HIER = os.path.dirname(os.path.abspath(__file__))


def zeichnen(dok):
    dok.layers.add("Wände", color=1, linetype="DASHED")
    raum = dok.modelspace()
    raum.add_line((1, 2), (3, 4), dxfattribs={"layer": "Wände"})
    raum.add_point((5, 6))
    raum.add_circle((7, 8), 9, dxfattribs={"color": 3})
    raum.add_arc((10, 11), 12, 30, 120)
    raum.add_text("Größe", dxfattribs={"height": 2.5, "rotation": 45, "insert": (13, 14)})
    raum.add_polyline2d([(0, 0), (10, 0), (10, 10)], close=True)
    blk = dok.blocks.new("Tür", base_point=(1, 1))
    blk.add_line((0, 0), (1, 0))
    raum.add_blockref("Tür", (20, 30), dxfattribs={"xscale": 2, "yscale": 3, "rotation": 90})
    if dok.dxfversion > "AC1009":
        raum.add_ellipse((40, 50), major_axis=(6, 0), ratio=0.5, start_param=0, end_param=3.14159)
        raum.add_lwpolyline([(0, 0, 0, 0, 0.5), (5, 0, 0, 0, 0), (5, 5, 0, 0, 0)], close=True)
        raum.add_mtext("unbekannt")


for version, name in (("R12", "r12"), ("R2018", "r2018"), ("R2000", "r2000")):
    dok = ezdxf.new(version)
    zeichnen(dok)
    dok.saveas(os.path.join(HIER, name + ".dxf"), encoding="cp1252" if version != "R2018" else "utf-8")
dok = ezdxf.new("R2018")
zeichnen(dok)
dok.saveas(os.path.join(HIER, "r2018_binaer.dxf"), fmt="bin")
