"""Track furniture: the finish flag, the boost strip and the sign post.
Drawn like the sprites (inked outlines, light from above), transparent
around their shapes; the boost strip is a tile that repeats sideways.
"""

import math

from . import palette as P
from .canvas import capsule, circle, fill_and_outline, linear, polygon, radial, rounded_rect, set_colour
from .tiling import wrapped

FINISH_SIZE = (64, 128)
BOOST_SIZE = (64, 32)
SIGN_SIZE = (64, 64)

# Finish flag: pole centre line, and the cloth's top-left corner, size and
# chequer grid.
POLE_X = 11
FLAG_ORIGIN = (13, 12)
FLAG_SIZE = (46, 34)
FLAG_GRID = (6, 4)


# --- finish flag -------------------------------------------------------------

def _flag_point(u, v):
    """Point of the waving cloth at (u, v) in 0..1 across and down: the
    wave grows towards the free end, the pole side stays straight."""
    x0, y0 = FLAG_ORIGIN
    w, h = FLAG_SIZE
    wave = 3.2 * u * math.sin(math.pi * (1.7 * u + 0.15))
    return x0 + w * u - 1.5 * u * v, y0 + h * v + wave + 1.5 * u * v


def _flag_fold(u):
    """Light on the cloth from the slope of the wave: faces tilted up are
    lit, those tilted down in shade."""
    return math.cos(math.pi * (1.7 * u + 0.15))


def _cloth_path(ctx, u0, u1, v0, v1, steps=6):
    ctx.new_path()
    edge = [(u0 + (u1 - u0) * i / steps, v0) for i in range(steps + 1)]
    edge += [(u1 + (u0 - u1) * i / steps, v1) for i in range(steps + 1)]
    ctx.move_to(*_flag_point(*edge[0]))
    for u, v in edge[1:]:
        ctx.line_to(*_flag_point(u, v))
    ctx.close_path()


def draw_finish(ctx):
    w, h = FINISH_SIZE
    # Foot plate the pole stands in.
    rounded_rect(ctx, POLE_X - 8, h - 7, 16, 6, 2)
    fill_and_outline(ctx, linear(0, h - 7, 0, h - 1, [(0, P.METAL), (1, P.METAL_DARK)]), P.INK, 1.2)
    capsule(ctx, POLE_X, 10, POLE_X, h - 6, 2.4)
    fill_and_outline(ctx, linear(POLE_X - 2.4, 0, POLE_X + 2.4, 0, [(0, P.METAL_LIGHT), (1, P.METAL_DARK)]), P.INK, 1.3)
    circle(ctx, POLE_X, 8, 4)
    fill_and_outline(ctx, radial(POLE_X, 8, 0, 4, [(0, P.GOLD_LIGHT), (1, P.GOLD_DARK)], fx=POLE_X - 1.3, fy=6.6),
                     P.INK, 1.2)
    cols, rows = FLAG_GRID
    for i in range(cols):
        for j in range(rows):
            _cloth_path(ctx, i / cols, (i + 1) / cols, j / rows, (j + 1) / rows, 4)
            set_colour(ctx, P.INK if (i + j) % 2 else P.HELMET_WHITE)
            ctx.fill()
    # Folds as narrow strips of light and shade over the checks.
    strips = 23
    for k in range(strips):
        u0, u1 = k / strips, (k + 1) / strips
        fold = _flag_fold((u0 + u1) / 2)
        _cloth_path(ctx, u0 - 0.002, u1 + 0.002, 0, 1, 1)
        set_colour(ctx, (1, 1, 1, 0.18 * fold) if fold > 0 else (0, 0, 0, -0.3 * fold))
        ctx.fill()
    _cloth_path(ctx, 0, 1, 0, 1, 24)
    set_colour(ctx, P.INK)
    ctx.set_line_width(1.4)
    ctx.stroke()


# --- boost strip -----------------------------------------------------------

def draw_boost(ctx):
    """A dark strip with a glowing chevron; laid end to end the chevrons
    form a row of arrows pointing the way to go (right; flip for left)."""
    w, h = BOOST_SIZE
    ctx.rectangle(0, 0, w, h)
    ctx.set_source(linear(0, 0, 0, h, [(0, P.ENGINE), (1, P.ENGINE_DARK)]))
    ctx.fill()
    for y, colour in ((1, P.with_alpha(P.METAL_LIGHT, 0.5)), (h - 1, P.INK)):
        ctx.rectangle(0, y - 1, w, 2)
        set_colour(ctx, colour)
        ctx.fill()
    cx, cy = w / 2, h / 2

    def glow():
        ctx.save()
        ctx.translate(cx, cy)
        ctx.scale(1.6, 1)
        circle(ctx, 0, 0, 14)
        ctx.set_source(radial(0, 0, 0, 14, [(0, P.with_alpha(P.HIGHLIGHT, 0.55)), (1, P.with_alpha(P.HIGHLIGHT, 0))]))
        ctx.fill()
        ctx.restore()

    # The glow reaches past the ends, so it is drawn for the neighbours too.
    wrapped(ctx, w, h, glow, wrap_y=False)
    # Two chevrons, the front one brighter: reads as "faster" at a glance.
    for dx, bright in ((-7, 0.0), (7, 1.0)):
        x = cx + dx
        polygon(ctx, [(x - 9, cy - 10), (x - 2, cy - 10), (x + 8, cy), (x - 2, cy + 10), (x - 9, cy + 10), (x + 1, cy)])
        top = P.mix(P.GOLD_DARK, P.GOLD_LIGHT, 0.4 + 0.6 * bright)
        fill_and_outline(ctx, linear(0, cy - 10, 0, cy + 10, [(0, top), (1, P.mix(top, P.GOLD_DARK, 0.7))]),
                         P.INK, 1.3)


# --- sign post -------------------------------------------------------------

def draw_sign(ctx):
    """A wooden board on a post with a white arrow pointing right (the
    game flips it to point left)."""
    w, h = SIGN_SIZE
    ctx.rectangle(w / 2 - 3.5, 30, 7, h - 31)
    fill_and_outline(ctx, linear(w / 2 - 3.5, 0, w / 2 + 3.5, 0, [(0, P.WOOD), (1, P.WOOD_DARK)]), P.INK, 1.3)
    # Shadow of the board on the post.
    ctx.rectangle(w / 2 - 2.8, 38, 5.6, 5)
    set_colour(ctx, P.with_alpha(P.INK, 0.35))
    ctx.fill()
    rounded_rect(ctx, 4, 8, w - 8, 30, 4)
    fill_and_outline(ctx, linear(0, 8, 0, 38, [(0, P.WOOD_LIGHT), (0.5, P.WOOD), (1, P.WOOD_DARK)]), P.INK, 1.6)
    # The board is two planks.
    ctx.new_path()
    ctx.move_to(5, 23)
    ctx.line_to(w - 5, 23)
    set_colour(ctx, P.with_alpha(P.WOOD_DARK, 0.8))
    ctx.set_line_width(1.2)
    ctx.stroke()
    arrow = [(13, 19), (36, 19), (36, 13), (51, 23), (36, 33), (36, 27), (13, 27)]
    polygon(ctx, arrow)
    fill_and_outline(ctx, linear(0, 13, 0, 33, [(0, P.HELMET_WHITE), (1, P.HELMET_SHADE)]), P.INK, 1.3)
    for x in (8, w - 8):
        circle(ctx, x, 23, 1.4)
        set_colour(ctx, P.METAL_DARK)
        ctx.fill()
