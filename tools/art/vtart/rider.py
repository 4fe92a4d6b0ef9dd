"""The rider: white helmet, blue suit, dark boots and a yellow scarf.

Each piece is its own image that the game turns with a physics body. Pieces
that the game never flips are shaded symmetrically about their long axis,
so they look right at any angle the ragdoll takes.
"""

import math

from . import palette as P
from .canvas import (capsule, circle, fill_and_outline, linear, radial,
                     rounded_rect, set_colour, smooth_polygon)

HEAD_SIZE = (40, 40)
BODY_SIZE = (60, 20)
LIMB_SIZE = (30, 6)
FOOT_SIZE = (30, 8)
SCARF_SIZE = (10, 4)
# The piece at the head reaches on to the helmet: the game hangs the strands
# 12 to 18 px behind the helmet's rim, each piece 1 pointing at the head.
# The image turns about its centre, where the piece's own 10 x 4 body lies;
# towards +x the root runs 17 px, to the rim (the scarf is drawn over the
# helmet, so it must not reach further in).
SCARF_ROOT_SIZE = (36, 8)
SCARF_ROOT_REACH = 17


def _across(y0, y1, light, mid, dark):
    """Shading across a piece lying along x: dark rims, lit centre line.
    Symmetric top to bottom, so it never looks upside down."""
    return linear(0, y0, 0, y1, [(0.0, dark), (0.3, mid), (0.5, light), (0.7, mid), (1.0, dark)])


# --- head ------------------------------------------------------------------

def draw_head(ctx):
    """Helmeted head filling a 40 x 40 circle, visor towards +x."""
    cx, cy, r = 20.0, 20.0, 18.8
    circle(ctx, cx, cy, r)
    fill_and_outline(ctx, radial(cx, cy, 0, r, [(0, P.HELMET_WHITE), (0.7, P.HELMET_WHITE),
                                                (1, P.HELMET_SHADE)], fx=16, fy=14), P.INK, 1.8)
    ctx.save()
    circle(ctx, cx, cy, r - 0.9)
    ctx.clip()
    _helmet_stripe(ctx)
    _helmet_visor(ctx)
    _helmet_peak(ctx)
    ctx.restore()


def _helmet_stripe(ctx):
    # A blue racing band over the shell from the back of the neck to the
    # peak, matching the suit.
    ctx.new_path()
    ctx.arc(20, 20, 13.5, math.radians(150), math.radians(290))
    set_colour(ctx, P.SUIT_BLUE)
    ctx.set_line_width(5.0)
    ctx.set_line_cap(0)
    ctx.stroke()
    ctx.new_path()
    ctx.arc(20, 20, 13.5, math.radians(150), math.radians(290))
    set_colour(ctx, P.with_alpha(P.SUIT_BLUE_LIGHT, 0.8))
    ctx.set_line_width(1.2)
    ctx.stroke()


def _helmet_visor(ctx):
    # Goggle window on the front, with a chin bar below it.
    smooth_polygon(ctx, [(23, 14.5), (36, 12.5), (40, 16), (40, 25), (35, 26.5), (24, 24.5)], tension=0.3)
    fill_and_outline(ctx, linear(0, 12, 0, 27, [(0, P.mix(P.VISOR, P.VISOR_SHINE, 0.35)), (1, P.VISOR)]),
                     P.INK, 1.4)
    ctx.new_path()
    ctx.move_to(27, 16.5)
    ctx.line_to(35, 15.2)
    ctx.set_source_rgba(*P.with_alpha(P.VISOR_SHINE, 0.9))
    ctx.set_line_width(1.6)
    ctx.stroke()
    # Chin bar vent.
    rounded_rect(ctx, 29, 29, 6, 3, 1.4)
    fill_and_outline(ctx, P.SUIT_BLUE, P.INK, 1.0)


def _helmet_peak(ctx):
    smooth_polygon(ctx, [(19, 3.5), (30, 5.5), (41, 9.5), (40, 12.5), (29, 10.5), (20, 8)], tension=0.3)
    fill_and_outline(ctx, linear(0, 3, 0, 13, [(0, P.SUIT_BLUE_LIGHT), (1, P.SUIT_BLUE_DARK)]), P.INK, 1.3)


# --- torso and limbs -------------------------------------------------------

def draw_body(ctx):
    """Torso along x: hips at the -x end, neck at +x; symmetric top/bottom."""
    # Torso shape: slightly fuller at the chest than at the hips.
    smooth_polygon(ctx, [(2, 10), (6, 3.2), (30, 2.2), (52, 1.6), (58.5, 5), (59, 10),
                         (58.5, 15), (52, 18.4), (30, 17.8), (6, 16.8)], tension=0.35)
    fill_and_outline(ctx, _across(1.5, 18.5, P.SUIT_BLUE_LIGHT, P.SUIT_BLUE, P.SUIT_BLUE_DARK), P.INK, 1.5)
    # White racing stripe down the middle of the suit.
    rounded_rect(ctx, 9, 8.4, 44, 3.2, 1.6)
    set_colour(ctx, P.with_alpha(P.HELMET_WHITE, 0.95))
    ctx.fill()
    # Belt across the hips.
    rounded_rect(ctx, 8.5, 2.8, 3.2, 14.4, 1.2)
    fill_and_outline(ctx, P.SUIT_BLUE_DARK, None)
    # Yellow scarf knot at the collar, where the scarf pieces start.
    smooth_polygon(ctx, [(53, 6), (58.3, 7.5), (58.3, 12.5), (53, 14), (51.5, 10)], tension=0.3)
    fill_and_outline(ctx, _across(5.5, 14.5, P.mix(P.SCARF, (1, 1, 1), 0.3), P.SCARF, P.SCARF_DARK),
                     P.INK, 1.0)


def draw_limb(ctx):
    """Thigh or arm piece: the -x end sits nearer the body, so it is a bit
    thicker; shaded about its long axis."""
    capsule(ctx, 3.3, 3.0, 26.8, 3.0, 2.4, 2.15)
    fill_and_outline(ctx, _across(0.3, 5.7, P.SUIT_BLUE_LIGHT, P.SUIT_BLUE, P.SUIT_BLUE_DARK), P.INK, 1.0)


def draw_foot(ctx):
    """Shin from the knee (+x) down to a boot at -x; the toe points to +y."""
    capsule(ctx, 12.0, 2.8, 27.3, 2.8, 2.3, 2.2)
    fill_and_outline(ctx, _across(0.4, 5.2, P.SUIT_BLUE_LIGHT, P.SUIT_BLUE, P.SUIT_BLUE_DARK), P.INK, 1.0)
    # Boot: a shaft up the shin, then the foot bent towards +y with a
    # rounded toe, so the ankle reads even at this size.
    smooth_polygon(ctx, [(2.2, 0.6), (14.6, 0.5), (15.3, 2.8), (14.6, 5.0), (9.5, 5.2),
                         (8.0, 7.4), (2.4, 7.5), (0.7, 6.0), (0.7, 2.0)], tension=0.2)
    fill_and_outline(ctx, linear(0, 0.5, 0, 7.5, [(0, P.BOOT_LIGHT), (0.45, P.BOOT), (1, P.INK)]), P.INK, 1.0)
    # Buckle straps.
    for x in (9.0, 12.2):
        ctx.new_path()
        ctx.move_to(x, 1.4)
        ctx.line_to(x, 4.4)
        set_colour(ctx, P.METAL)
        ctx.set_line_width(1.0)
        ctx.stroke()
    # Thick sole along the bottom of the foot.
    ctx.new_path()
    ctx.move_to(1.3, 2.0)
    ctx.line_to(1.3, 6.2)
    set_colour(ctx, P.INK)
    ctx.set_line_width(1.6)
    ctx.stroke()


# --- scarf -----------------------------------------------------------------

def draw_scarf_piece(ctx, index):
    """Piece `index` (0 at the head, 3 at the free end) of the scarf strand.

    The pieces narrow towards the free end, and the last one is frayed so
    the strand reads as cloth streaming in the wind.
    """
    half = (1.9, 1.75, 1.55, 1.4)[index]
    tip = index == 3
    x1 = 7.5 if tip else 9.6
    _scarf_band(ctx, 0.2, x1, 2, half)
    if tip:
        for y, length in ((1.0, 2.3), (2.0, 2.0), (3.0, 2.4)):
            ctx.new_path()
            ctx.move_to(7.2, y)
            ctx.line_to(7.2 + length, y)
            set_colour(ctx, P.SCARF)
            ctx.set_line_width(0.8)
            ctx.stroke()


def draw_scarf_root(ctx):
    """The piece at the head with its root running on to the helmet."""
    cx, cy = SCARF_ROOT_SIZE[0] / 2, SCARF_ROOT_SIZE[1] / 2
    _scarf_band(ctx, cx - 4.8, 4.8 + SCARF_ROOT_REACH, cy, 1.9)


def _scarf_band(ctx, x, length, cy, half):
    rounded_rect(ctx, x, cy - half, length, 2 * half, half * 0.8)
    fill_and_outline(ctx, _across(cy - half, cy + half, P.mix(P.SCARF, (1, 1, 1), 0.35), P.SCARF, P.SCARF_DARK),
                     P.with_alpha(P.SCARF_DARK, 0.9), 0.6)
