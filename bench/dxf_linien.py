#!/usr/bin/python3
"""Writes a DXF R2000 file of N lines (default 1,000,000) for bench_dxfleser."""
import random
import sys

import ezdxf


def main(ziel, anzahl):
    random.seed(1)
    dok = ezdxf.new("R2000")
    raum = dok.modelspace()
    for _ in range(anzahl):
        x, y = random.uniform(0, 1000), random.uniform(0, 1000)
        raum.add_line((x, y), (x + random.uniform(-50, 50), y + random.uniform(-50, 50)))
    dok.saveas(ziel)


if __name__ == "__main__":
    main(sys.argv[1], int(sys.argv[2]) if len(sys.argv) > 2 else 1_000_000)
