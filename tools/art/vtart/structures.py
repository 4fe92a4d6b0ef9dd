"""Built level textures: wooden planks, riveted steel plate and concrete.
All are 128 x 128 and repeat both ways (see tiling.py).

Boards and plates start at the tile's top-left corner, so a block or a
line as thick as one board shows a whole board with its edges. Each
board or plate is framed by a dark line of its own on every side: two
neighbours make a two-pixel gap, and where two copies of the tile meet
the gap is the same as anywhere inside.
"""

import math

from . import palette as P
from .canvas import circle, radial, rng, set_colour
from .tiling import TILE, paint_pixels, periodic_noise, scatter, wrapped

PLANK = 32
# Butt joints of each plank row (x), staggered like a real deck. A row
# with one joint is a single board that wraps round the tile.
PLANK_JOINTS = ((22, 86), (54,), (10, 74), (38, 106))
PANEL = 64
RIVET_INSET = 7


def _wrapped_at(ctx, points, draw_one):
    """Draw one small detail at each point, for the tile and its
    neighbours, so details on an edge come back on the other side."""
    def draw():
        for x, y in points:
            draw_one(ctx, x, y)

    wrapped(ctx, TILE, TILE, draw)


# --- wood ------------------------------------------------------------------

def draw_wood(ctx):
    grain = periodic_noise(TILE, TILE, 4, 'wood-grain', octaves=2, stretch=4)
    r = rng('wood-tones')
    tones = [[r.uniform(-0.5, 0.5) for _ in joints] for joints in PLANK_JOINTS]
    phases = [r.uniform(0, 2 * math.pi) for _ in PLANK_JOINTS]

    def shade(x, y):
        row, v = y // PLANK, y % PLANK
        joints = PLANK_JOINTS[row]
        board = sum(1 for j in joints if x >= j) % len(joints)
        # Grain: wavy lines along the board, whole waves across the tile.
        line = v + 3.0 * math.sin(2 * math.pi * 2 * x / TILE + phases[row]) + 9.0 * grain[y][x]
        streak = abs(math.sin(math.pi * line / 5.5)) ** 6
        t = 0.55 + 0.2 * tones[row][board] - 0.25 * streak
        colour = P.ramp(P.WOOD_DARK, P.WOOD, P.WOOD_LIGHT, t, 0.55)
        # Rounded board edges: lit top, shaded bottom, dark gap round it.
        if v == 0 or v == PLANK - 1:
            return P.mix(P.WOOD_DARK, P.INK, 0.55)
        if v < 3:
            colour = P.mix(colour, P.WOOD_LIGHT, 0.6)
        elif v >= PLANK - 4:
            colour = P.mix(colour, P.WOOD_DARK, 0.5 + 0.15 * (v - PLANK + 4))
        for j in joints:
            if x == j:
                colour = P.mix(P.WOOD_DARK, P.INK, 0.55)
            elif x == j - 1:
                colour = P.mix(colour, P.WOOD_DARK, 0.5)
            elif x == j + 1:
                colour = P.mix(colour, P.WOOD_LIGHT, 0.45)
        return colour

    paint_pixels(ctx, TILE, TILE, shade)
    nails = [(j + dx, row * PLANK + dy) for row, joints in enumerate(PLANK_JOINTS)
             for j in joints for dx in (-5, 6) for dy in (9, 21)]
    _wrapped_at(ctx, nails, nail)
    _knots(ctx)


def nail(ctx, x, y):
    circle(ctx, x, y, 1.7)
    ctx.set_source(radial(x, y, 0, 1.7, [(0, P.METAL_LIGHT), (1, P.METAL_DARK)], fx=x - 0.6, fy=y - 0.6))
    ctx.fill_preserve()
    set_colour(ctx, P.with_alpha(P.INK, 0.7))
    ctx.set_line_width(0.7)
    ctx.stroke()


def _knots(ctx):
    """A couple of knots: dark eyes with a ring, kept clear of joints."""
    knots = ((100, 48, 4.5), (70, 112, 3.5))

    def draw():
        for x, y, size in knots:
            for radius, colour in ((size * 1.6, P.with_alpha(P.WOOD_DARK, 0.45)), (size, P.WOOD_DARK)):
                ctx.save()
                ctx.translate(x, y)
                ctx.scale(1.8, 1)
                circle(ctx, 0, 0, radius)
                ctx.restore()
                set_colour(ctx, colour)
                ctx.fill()

    wrapped(ctx, TILE, TILE, draw)


# --- riveted steel -----------------------------------------------------------

def draw_metal(ctx):
    """Four bolted plates per tile with bevelled edges, brushed streaks
    and a soft diagonal sheen."""
    brushed = periodic_noise(TILE, TILE, 16, 'metal-brush', octaves=2, stretch=8)

    def shade(x, y):
        u, v = x % PANEL, y % PANEL
        # The sheen runs along x + y, which repeats with the tile.
        sheen = max(0.0, math.cos(2 * math.pi * (x + y) / TILE)) ** 4
        t = 0.45 + 0.2 * (brushed[y][x] - 0.5) + 0.12 * sheen
        colour = P.ramp(P.STEEL_DARK, P.STEEL, P.STEEL_LIGHT, t, 0.45)
        if min(u, v) == 0 or max(u, v) == PANEL - 1:
            return P.mix(P.STEEL_DARK, P.INK, 0.5)
        if min(u, v) <= 2:
            return P.mix(colour, P.STEEL_LIGHT, 0.6)
        if max(u, v) >= PANEL - 3:
            return P.mix(colour, P.STEEL_DARK, 0.6)
        return colour

    paint_pixels(ctx, TILE, TILE, shade)
    along = (RIVET_INSET, PANEL // 2, PANEL - RIVET_INSET)
    # Eight rivets round each plate: its corners and the middles of its sides.
    rivets = [(px + a, py + b) for px in (0, PANEL) for py in (0, PANEL) for a in along for b in along
              if (a, b) != (PANEL // 2, PANEL // 2)]
    _wrapped_at(ctx, rivets, _rivet)


def _rivet(ctx, x, y):
    circle(ctx, x + 0.8, y + 1.0, 3.0)
    set_colour(ctx, P.with_alpha(P.INK, 0.35))
    ctx.fill()
    circle(ctx, x, y, 2.8)
    ctx.set_source(radial(x, y, 0, 2.8, [(0, P.METAL_LIGHT), (0.6, P.STEEL), (1, P.STEEL_DARK)],
                          fx=x - 1.0, fy=y - 1.1))
    ctx.fill_preserve()
    set_colour(ctx, P.with_alpha(P.INK, 0.7))
    ctx.set_line_width(0.8)
    ctx.stroke()


# --- concrete --------------------------------------------------------------

def draw_concrete(ctx):
    """Cast wall: mottled grey, one formwork seam each way, tie holes,
    small air pits and a hairline crack."""
    mottle = periodic_noise(TILE, TILE, 4, 'concrete-mottle', octaves=4)

    def shade(x, y):
        t = 0.5 + 0.45 * (mottle[y][x] - 0.5)
        colour = P.ramp(P.CONCRETE_DARK, P.CONCRETE, P.CONCRETE_LIGHT, t)
        if x == TILE // 2 or y == TILE // 2:
            return P.mix(P.CONCRETE_DARK, P.INK, 0.3)
        if x == TILE // 2 + 1 or y == TILE // 2 + 1:
            return P.mix(colour, P.CONCRETE_LIGHT, 0.7)
        return colour

    paint_pixels(ctx, TILE, TILE, shade)
    r = rng('concrete-pits')
    pits = [(x, y, r.uniform(0.6, 1.3)) for x, y in scatter(TILE, TILE, 36, 'concrete-pits', 9)]
    ties = [(x, y) for x in (32, 96) for y in (32, 96)]

    def draw():
        for x, y, radius in pits:
            _hole(ctx, x, y, radius, 0.45)
        for x, y in ties:
            _hole(ctx, x, y, 3.2, 0.85)
        ctx.new_path()
        for x, y in ((70, 70), (76, 80), (74, 92), (82, 104), (80, 112)):
            ctx.line_to(x, y)
        set_colour(ctx, P.with_alpha(P.CONCRETE_DARK, 0.8))
        ctx.set_line_width(0.9)
        ctx.stroke()

    wrapped(ctx, TILE, TILE, draw)


def _hole(ctx, x, y, radius, depth):
    """A round pit: dark inside, its lower lip catching the light."""
    circle(ctx, x, y + radius * 0.3, radius)
    set_colour(ctx, P.with_alpha(P.CONCRETE_LIGHT, 0.9))
    ctx.fill()
    circle(ctx, x, y, radius)
    set_colour(ctx, P.with_alpha(P.mix(P.CONCRETE_DARK, P.INK, 0.5), depth))
    ctx.fill()
