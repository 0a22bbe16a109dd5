#!/usr/bin/python3
"""Writes the geometry list of quarzel-testzeichnung as DXF R2000 (y upward,
the sheet's bottom-left corner at the origin) for the output comparison."""
import sys

import ezdxf

HOEHE = 297.0


def main(quelle, ziel):
    dok = ezdxf.new("R2000")
    # ezdxf's default unit is the metre; the sheet is in millimetres.
    dok.units = ezdxf.units.MM
    raum = dok.modelspace()
    with open(quelle) as f:
        for zeile in f:
            t = zeile.split()
            w = [float(v) for v in t[1:]]
            if t[0] == "L":
                raum.add_line((w[0], HOEHE - w[1]), (w[2], HOEHE - w[3]))
            elif t[0] == "K":
                raum.add_circle((w[0], HOEHE - w[1]), w[2])
            elif t[0] == "B":
                raum.add_arc((w[0], HOEHE - w[1]), w[2], w[3], w[4])
            elif t[0] == "P":
                punkte = [(w[i], HOEHE - w[i + 1]) for i in range(0, len(w), 2)]
                raum.add_lwpolyline(punkte)
    # The sheet's corners, so that fitting to the page shows the whole sheet.
    raum.add_point((0, 0))
    raum.add_point((420, HOEHE))
    dok.saveas(ziel)


if __name__ == "__main__":
    main(sys.argv[1], sys.argv[2])
