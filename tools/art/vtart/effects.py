"""Animated effects: exhaust smoke, brake dust and the star pick-up.

Each sheet is a grid of equal frames read left to right, top to bottom.
Puffs are built from a seeded scatter of soft blobs, so a regenerated
sheet is identical to the committed one.
"""

import math

from . import palette as P
from .canvas import polygon, radial, rng, set_colour

SMOKE_FRAME = 128
SMOKE_GRID = (4, 4)
DUST_FRAME = 64
DUST_GRID = (8, 2)
STAR_FRAME = 32
STAR_FRAMES = 8


def frame_origins(frame, columns, rows):
    """Top-left corner of every frame in reading order."""
    return [(c * frame, r * frame) for r in range(rows) for c in range(columns)]


# --- puffs -----------------------------------------------------------------

def _blob_layout(name, count, spread_x, spread_y):
    """Seeded blob offsets and sizes (relative to the puff radius)."""
    r = rng(name)
    blobs = [(0.0, 0.0, 0.62)]
    for i in range(count - 1):
        a = 2 * math.pi * i / (count - 1) + r.uniform(-0.3, 0.3)
        d = r.uniform(0.30, 0.45)
        blobs.append((math.cos(a) * d * spread_x, math.sin(a) * d * spread_y, r.uniform(0.38, 0.52)))
    return blobs


def draw_puff(ctx, cx, cy, radius, alpha, blobs, light, shade):
    """A soft cloud: blobs are painted opaque into a group and the group is
    faded as a whole, so overlaps do not show as darker patches."""
    ctx.push_group()
    for bx, by, br in blobs:
        x, y, r = cx + bx * radius, cy + by * radius, br * radius
        # Lit from above: each blob is lighter on top and greyer below.
        ctx.set_source(radial(x, y, 0, r, [(0.0, light), (0.55, P.mix(light, shade, 0.35)),
                                           (1.0, P.with_alpha(shade, 0.0))], fx=x, fy=y - r * 0.35))
        ctx.arc(x, y, r, 0, 2 * math.pi)
        ctx.fill()
    ctx.pop_group_to_source()
    ctx.paint_with_alpha(alpha)


def draw_puff_sheet(ctx, frame, grid, name, grow, fade, light, shade, spread):
    """Frames of one puff growing from `grow[0]` to `grow[1]` of half the
    frame and fading with the curve `fade(t)`."""
    blobs = _blob_layout(name, 8, *spread)
    count = grid[0] * grid[1]
    for i, (ox, oy) in enumerate(frame_origins(frame, *grid)):
        t = i / (count - 1)
        # Ease out: puffs balloon quickly, then drift and thin out.
        size = grow[0] + (grow[1] - grow[0]) * (1 - (1 - t) ** 2)
        ctx.save()
        ctx.rectangle(ox, oy, frame, frame)
        ctx.clip()
        draw_puff(ctx, ox + frame / 2, oy + frame / 2, size * frame / 2, fade(t), blobs, light, shade)
        ctx.restore()


def draw_smoke(ctx):
    draw_puff_sheet(ctx, SMOKE_FRAME, SMOKE_GRID, 'smoke', (0.18, 0.88),
                    lambda t: 0.04 + 0.86 * (1 - t) ** 1.4, P.SMOKE, P.SMOKE_SHADE, (1.0, 0.9))


def draw_dust(ctx):
    # Dust from the tyre spreads sideways more than up.
    draw_puff_sheet(ctx, DUST_FRAME, DUST_GRID, 'dust', (0.22, 0.8),
                    lambda t: 0.04 + 0.91 * (1 - t) ** 1.2, P.DUST, P.DUST_SHADE, (1.25, 0.7))


# --- star pick-up ----------------------------------------------------------

def _star_points(cx, cy, outer, inner, sx):
    """Ten corners of a five-pointed star, point up, squeezed to `sx` wide."""
    pts = []
    for k in range(10):
        a = -math.pi / 2 + k * math.pi / 5
        r = outer if k % 2 == 0 else inner
        pts.append((cx + r * math.cos(a) * sx, cy + r * math.sin(a)))
    return pts


def _draw_star_face(ctx, cx, cy, sx):
    pts = _star_points(cx, cy, 14.2, 6.2, sx)
    # Bevelled arms: each facet is shaded by how much it faces up, with the
    # light straight above, so mirrored (back-facing) frames shade the same
    # and the half-turn loops seamlessly.
    for k in range(0, 10, 2):
        tip = pts[k]
        for side in (pts[k - 1], pts[(k + 1) % 10]):
            mx, my = (tip[0] + side[0]) / 2 - cx, (tip[1] + side[1]) / 2 - cy
            length = math.hypot(mx, my) or 1.0
            up = -my / length
            polygon(ctx, [(cx, cy), tip, side])
            set_colour(ctx, P.mix(P.GOLD_DARK, P.GOLD_LIGHT, 0.4 + 0.55 * up))
            ctx.fill()
    polygon(ctx, pts)
    set_colour(ctx, P.INK)
    ctx.set_line_width(1.3)
    ctx.stroke()


def draw_star_frame(ctx, ox, oy, angle):
    cx, cy = ox + STAR_FRAME / 2, oy + STAR_FRAME / 2
    # Soft glow so the pick-up catches the eye against busy ground.
    ctx.set_source(radial(cx, cy, 0, 16, [(0, P.with_alpha(P.GOLD_LIGHT, 0.55)),
                                          (1, P.with_alpha(P.GOLD_LIGHT, 0.0))]))
    ctx.rectangle(ox, oy, STAR_FRAME, STAR_FRAME)
    ctx.fill()
    sx = math.cos(angle)
    # The star's edge: a dark-gold slab behind the face, shifted to the side
    # it turns towards; it is all that remains when the star is edge-on.
    # Strokes go first and fills on top, so only the slab's outer edge is
    # inked.
    depth = 2.0 * math.sin(angle)
    slab = [_star_points(cx - depth * (k + 1) / 6, cy, 14.2, 6.2, max(abs(sx), 0.02)) for k in range(6)]
    for pts in slab:
        polygon(ctx, pts)
        set_colour(ctx, P.INK)
        ctx.set_line_width(2.4)
        ctx.stroke()
    for pts in slab:
        polygon(ctx, pts)
        set_colour(ctx, P.GOLD_DARK)
        ctx.fill()
    if abs(sx) > 0.12:
        _draw_star_face(ctx, cx, cy, abs(sx))


def draw_star_sheet(ctx):
    # A five-pointed star is mirror-symmetric, so half a turn is a full loop.
    for i in range(STAR_FRAMES):
        draw_star_frame(ctx, i * STAR_FRAME, 0, math.pi * i / STAR_FRAMES)
