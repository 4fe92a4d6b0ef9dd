"""Scenery pieces that stand alone in a track: the castle wall behind Sunset
Dash, the quarry's boulders and the far wall of Rope Gorge.

- `castlewall.png` (384 x 232) is a stretch of curtain wall with its
  battlements, its foot left rough: the level sets it behind the meadow's
  turf, which hides the foot.
- `boulder.png` (28 x 28) fills the game's boulder circle, radius 14; the
  game turns it with the stone, so its shading comes from straight above
  only through its rim light.
- `gorgewall.png` repeats both ways like the other level textures: the
  rock of the gorge's far side, hazed pale blue by the distance.
- `cavemouth.png` (128 x 640) is the rim of Glow Cave's mouth: a column of
  cave rock with jagged edges, the day beyond its right one, so the cave
  does not end in a straight cut where its sky meets the day's.
"""

import math

import cairo

from . import palette as P
from . import terrain
from .canvas import circle, fill_and_outline, linear, new_canvas, radial, rng, rounded_rect, set_colour, smooth_polygon
from .tiling import TILE

CASTLE_WALL = (384, 232)
BOULDER = 28
CAVE_MOUTH = (128, 640)
# Where the wall's masonry starts under the battlements, and the course height.
_MERLON_H = 24
_COURSE = 26


def _ashlar(ctx, x0, y0, x1, y1, seed, light, dark):
    """Dressed stone in courses, each stone its own shade, mortar between."""
    r = rng(seed)
    set_colour(ctx, P.mix(dark, P.INK, 0.35))
    ctx.rectangle(x0, y0, x1 - x0, y1 - y0)
    ctx.fill()
    y, row = y0, 0
    while y < y1:
        x = x0 - (row % 2) * 22
        while x < x1:
            w = r.uniform(34, 58)
            sx0, sx1 = max(x, x0) + 1, min(x + w, x1) - 1
            if sx1 - sx0 > 3:
                shade = r.uniform(0.0, 1.0)
                rounded_rect(ctx, sx0, y + 1, sx1 - sx0, _COURSE - 2, 2.5)
                ctx.set_source(linear(0, y, 0, y + _COURSE, [(0, P.mix(light, dark, 0.15 + 0.3 * shade)),
                                                              (1, P.mix(light, dark, 0.45 + 0.3 * shade))]))
                ctx.fill()
            x += w
        y += _COURSE
        row += 1


def _battlements(ctx, w, h, merlon=32, gap=24):
    """Outline of a wall whose top is cut into merlons and embrasures."""
    ctx.new_path()
    ctx.move_to(0, h)
    ctx.line_to(0, 0)
    x = 0
    while x < w:
        right = min(x + merlon, w)
        ctx.line_to(right, 0)
        if right < w:
            ctx.line_to(right, _MERLON_H)
            ctx.line_to(min(right + gap, w), _MERLON_H)
            ctx.line_to(min(right + gap, w), 0)
        x = right + gap
    ctx.line_to(w, h)


def draw_castle_wall(ctx, w=CASTLE_WALL[0], h=CASTLE_WALL[1]):
    light, dark = P.mix(P.ROCK_LIGHT, P.DUSK_HORIZON, 0.25), P.mix(P.ROCK_DARK, P.DUSK_HILL, 0.3)
    ctx.save()
    _battlements(ctx, w, h)
    ctx.clip()
    _ashlar(ctx, 0, 0, w, h, 'castle-wall', light, dark)
    # Evening light from the left, the foot in the shade of the meadow.
    ctx.set_source(linear(0, 0, w, 0, [(0, (1, 0.85, 0.6, 0.12)), (1, (0.2, 0.1, 0.3, 0.18))]))
    ctx.paint()
    ctx.set_source(linear(0, h - 60, 0, h, [(0, (0, 0, 0, 0)), (1, (0.1, 0.08, 0.1, 0.45))]))
    ctx.paint()
    ctx.restore()
    _battlements(ctx, w, h)
    set_colour(ctx, P.INK)
    ctx.set_line_width(2.0)
    ctx.stroke()


def draw_boulder(ctx, size=BOULDER):
    """A rounded lump of quarry stone filling the circle."""
    c = size / 2
    r = rng('boulder')
    points = []
    for i in range(11):
        a = 2 * math.pi * i / 11
        rad = c - 1.2 - r.uniform(0, 1.6)
        points.append((c + rad * math.cos(a), c + rad * math.sin(a)))
    smooth_polygon(ctx, points, tension=0.35)
    fill_and_outline(ctx, radial(c - 3, c - 4, 1, c + 2, [(0, P.ROCK_LIGHT), (0.55, P.ROCK), (1, P.ROCK_DARK)]),
                     P.INK, 1.4)
    # Flecks and a crack, so it reads as stone and shows it rolling.
    for _ in range(7):
        a, d = r.uniform(0, 2 * math.pi), r.uniform(0, c - 5)
        circle(ctx, c + d * math.cos(a), c + d * math.sin(a), r.uniform(0.6, 1.2))
        set_colour(ctx, P.with_alpha(P.ROCK_DARK, 0.8))
        ctx.fill()
    ctx.new_path()
    ctx.move_to(c - 6, c - 2)
    ctx.line_to(c - 1, c + 1)
    ctx.line_to(c + 2, c + 6)
    set_colour(ctx, P.with_alpha(P.INK, 0.7))
    ctx.set_line_width(1.0)
    ctx.stroke()


def draw_gorge_wall(ctx):
    """The level's rock, hazed pale blue by the distance: the gorge's far side."""
    terrain.draw_rock(ctx)
    ctx.rectangle(0, 0, TILE, TILE)
    set_colour(ctx, (0.55, 0.68, 0.84, 0.5))
    ctx.fill()


def draw_cave_mouth(ctx, h=CAVE_MOUTH[1]):
    """A column of cave rock broken off along jagged edges, the day's side
    more broken than the cave's, darkened into its edges and lit faintly on
    them."""
    tile, tile_ctx = new_canvas(TILE, TILE)
    terrain.draw_cave_rock(tile_ctx)
    rock = cairo.SurfacePattern(tile)
    rock.set_extend(cairo.EXTEND_REPEAT)
    r = rng('cave-mouth')
    def jagged(low, high, start, swing):
        points, y, x = [], -40.0, start
        while y < h + 64:
            x = min(high, max(low, x + r.uniform(-swing, swing)))
            points.append((x, y))
            y += r.uniform(18, 64)
        return points

    outer = jagged(48.0, 110.0, 80.0, 30.0)
    inner = jagged(4.0, 28.0, 16.0, 14.0)
    outline = outer + inner[::-1]

    def trace():
        ctx.new_path()
        smooth_polygon(ctx, outline, tension=0.35)

    trace()
    ctx.set_source(rock)
    ctx.fill()
    ctx.save()
    trace()
    ctx.clip()
    trace()
    ctx.set_line_width(22)
    set_colour(ctx, P.with_alpha(P.CAVE_ROCK_DARK, 0.55))
    ctx.stroke()
    ctx.restore()
    trace()
    ctx.set_line_width(3)
    set_colour(ctx, P.with_alpha(P.mix(P.CAVE_ROCK_LIGHT, (1, 1, 1), 0.4), 0.5))
    ctx.stroke()
    trace()
    ctx.set_line_width(1.5)
    set_colour(ctx, P.INK)
    ctx.stroke()


def scenery_images():
    """(file name, size, draw function) for every piece."""
    return [('castlewall.png', CASTLE_WALL, draw_castle_wall),
            ('boulder.png', (BOULDER, BOULDER), draw_boulder),
            ('gorgewall.png', (TILE, TILE), draw_gorge_wall),
            ('cavemouth.png', CAVE_MOUTH, draw_cave_mouth)]
