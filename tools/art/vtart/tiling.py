"""Helpers for textures that repeat: the game lays level textures edge to
edge across blocks and along lines, so a tile's left edge must continue
its right edge and its top edge its bottom.

Two ways keep a tile seamless here. Drawn details (pebbles, rivets, blades)
are painted once for every neighbouring copy of the tile, so whatever
sticks out over one edge comes back in at the other. Per-pixel fields
(mottling, stones) are computed with wrapped coordinates, so they are
periodic by construction.
"""

import math
import sys

import cairo

from .canvas import rng

# Side of every level texture: a power of two, so older cards without
# non-power-of-two textures can repeat it too.
TILE = 128


def wrapped(ctx, width, height, draw, wrap_x=True, wrap_y=True):
    """Call draw() once for the tile and once for each neighbour copy,
    shifted by a whole tile. The neighbours are visited in a fixed order,
    so where two details overlap across an edge the same one is on top on
    both sides."""
    xs = (-width, 0, width) if wrap_x else (0,)
    ys = (-height, 0, height) if wrap_y else (0,)
    for ox in xs:
        for oy in ys:
            ctx.save()
            ctx.translate(ox, oy)
            draw()
            ctx.restore()


def wrap_delta(d, period):
    """Shortest signed distance on a circle of the given length."""
    return (d + period / 2) % period - period / 2


def periodic_noise(width, height, cells, seed, octaves=3, stretch=1.0):
    """A smooth random field in 0..1 that repeats every width x height.

    Value noise on a lattice of `cells` points across the tile (doubling
    with each octave); the lattice wraps around, so the field does too.
    `stretch` > 1 makes the lattice coarser across than down, for grain
    and brushed streaks that run sideways.
    """
    r = rng(seed)
    field = [[0.0] * width for _ in range(height)]
    amplitude, total = 1.0, 0.0
    for octave in range(octaves):
        ny = cells * 2 ** octave
        nx = max(1, int(ny / stretch))
        lattice = [[r.random() for _ in range(nx)] for _ in range(ny)]
        for y in range(height):
            v = y * ny / height
            j = int(v)
            fy = _smooth(v - j)
            row0, row1 = lattice[j % ny], lattice[(j + 1) % ny]
            out = field[y]
            for x in range(width):
                u = x * nx / width
                i = int(u)
                fx = _smooth(u - i)
                a = row0[i % nx] + (row0[(i + 1) % nx] - row0[i % nx]) * fx
                b = row1[i % nx] + (row1[(i + 1) % nx] - row1[i % nx]) * fx
                out[x] += amplitude * (a + (b - a) * fy)
        total += amplitude
        amplitude *= 0.5
    return [[v / total for v in row] for row in field]


def _smooth(t):
    return t * t * (3 - 2 * t)


def scatter(width, height, count, seed, min_gap):
    """Up to `count` seeded points spread over the tile, no two closer than
    min_gap measured across the wrapped edges (dart throwing: an even,
    natural-looking spread for stones and rivets). The points come from a
    stream of their own, so a caller can take sizes and colours from
    rng(seed) without them following the positions."""
    r = rng(seed + '-spread')
    points = []
    for _ in range(count * 30):
        if len(points) == count:
            break
        x, y = r.uniform(0, width), r.uniform(0, height)
        if all(math.hypot(wrap_delta(x - px, width), wrap_delta(y - py, height)) >= min_gap
               for px, py in points):
            points.append((x, y))
    return points


def nearest_cells(width, height, seeds, x, y):
    """Distance to the nearest and second-nearest seed, and the offset of
    the pixel from its nearest seed, with wrapped distances: the stone
    pattern of a tile repeats seamlessly."""
    best, second, offset, index = 1e9, 1e9, (0.0, 0.0), 0
    for i, (sx, sy, squash) in enumerate(seeds):
        dx = wrap_delta(x - sx, width)
        dy = wrap_delta(y - sy, height) * squash
        d = math.hypot(dx, dy)
        if d < best:
            best, second, offset, index = d, best, (dx, dy), i
        elif d < second:
            second = d
    return best, second, offset, index


def paint_pixels(ctx, width, height, shade):
    """Paint an opaque or translucent picture computed pixel by pixel:
    shade(x, y) returns (r, g, b, a) floats in 0..1."""
    stride = cairo.ImageSurface.format_stride_for_width(cairo.FORMAT_ARGB32, width)
    data = bytearray(stride * height)
    little = sys.byteorder == 'little'
    for y in range(height):
        row = y * stride
        for x in range(width):
            r, g, b, a = (min(1.0, max(0.0, c)) for c in shade(x, y))
            # cairo wants premultiplied native-endian words.
            px = (int(b * a * 255 + 0.5), int(g * a * 255 + 0.5), int(r * a * 255 + 0.5), int(a * 255 + 0.5))
            data[row + 4 * x:row + 4 * x + 4] = bytes(px if little else px[::-1])
    surface = cairo.ImageSurface.create_for_data(data, cairo.FORMAT_ARGB32, width, height, stride)
    ctx.save()
    ctx.set_source_surface(surface, 0, 0)
    ctx.paint()
    ctx.restore()
    surface.finish()
