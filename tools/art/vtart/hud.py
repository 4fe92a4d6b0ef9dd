"""In-game dials, countdown digits, the mouse pointer and small GUI pieces."""

import math

import cairo

from . import palette as P
from .canvas import capsule, circle, fill_and_outline, linear, polygon, radial, rounded_rect, set_colour

SPEEDMETER_SIZE = (128, 64)
SPEED_PIVOT = (64, 0)
NEEDLE_SIZE = (64, 8)
# The needle is shared with the rotation dial (radius 32), so it stays short;
# the speed dial's tick ring is brought in to meet its tip.
NEEDLE_LENGTH = 31
SPEED_TICKS_OUTER = 36.0
SPEED_FACE = 42.0
SPEED_BEZEL = 45.5
# As speed rises the needle swings down from lying along the top edge to the
# left (rest) to lying along it to the right (top speed): the ticks span that
# whole visible half.
SPEED_TICK_END = math.radians(2)
ROTATIONMETER_SIZE = 64
SEGMENT_SIZE = 32
DIGIT_SIZE = (28, 40)
# The rotation dial's lit track: ring radii and the gap at each quarter.
TRACK_INNER, TRACK_OUTER = 17.5, 27.0
TRACK_GAP = math.radians(5)


def _ticks(ctx, cx, cy, radius, angles, long_every, cased=False):
    """Tick marks; cased ticks get a dark rim so they also read on chrome."""
    for i, a in enumerate(angles):
        major = i % long_every == 0
        r0 = radius - (8.5 if major else 5.0)
        width = 2.0 if major else 1.2
        colour = P.HELMET_WHITE if major else P.with_alpha(P.HELMET_WHITE, 0.7)
        for line_colour, line_width in ([(P.INK, width + 1.6)] if cased else []) + [(colour, width)]:
            ctx.new_path()
            ctx.move_to(cx + r0 * math.cos(a), cy + r0 * math.sin(a))
            ctx.line_to(cx + radius * math.cos(a), cy + radius * math.sin(a))
            set_colour(ctx, line_colour)
            ctx.set_line_width(line_width)
            ctx.stroke()


def _dial_face(ctx, cx, cy, r, start, end):
    """Face and chrome bezel of a dial sector from angle start to end."""
    ctx.new_path()
    ctx.move_to(cx, cy)
    ctx.arc(cx, cy, r, start, end)
    ctx.close_path()
    ctx.set_source(linear(0, cy - r, 0, cy + r, [(0, P.METAL_LIGHT), (1, P.METAL_DARK)]))
    ctx.fill()
    ctx.new_path()
    ctx.move_to(cx, cy)
    ctx.arc(cx, cy, r - 3.2, start, end)
    ctx.close_path()
    ctx.set_source(radial(cx, cy, 0, r, [(0, P.DIAL_FACE_LIGHT), (1, P.DIAL_FACE)]))
    ctx.fill()
    ctx.new_path()
    ctx.arc(cx, cy, r - 0.7, start, end)
    set_colour(ctx, P.INK)
    ctx.set_line_width(1.4)
    ctx.stroke()


# --- speed dial ------------------------------------------------------------

def draw_speedmeter(ctx):
    """Half-disc hanging from the top edge; its centre is the needle pivot."""
    cx, cy = SPEED_PIVOT
    _dial_face(ctx, cx, cy, SPEED_BEZEL, 0, math.pi)
    # The game shows only this half, hung from the screen's top edge: a
    # chrome bar along that edge closes the half-disc into a whole dial.
    _top_bar(ctx, SPEEDMETER_SIZE[0], 4.0)
    # A band just outside the ticks warms up towards the top end on the right.
    rest = math.pi - SPEED_TICK_END
    for start, end, colour, width in ((0.3 * math.pi, rest, P.with_alpha(P.HIGHLIGHT, 0.6), 2.0),
                                      (SPEED_TICK_END, 0.3 * math.pi, P.with_alpha(P.NEEDLE, 0.95), 3.0)):
        ctx.new_path()
        ctx.arc(cx, cy, SPEED_TICKS_OUTER + 2.5, start, end)
        set_colour(ctx, colour)
        ctx.set_line_width(width)
        ctx.stroke()
    step = (rest - SPEED_TICK_END) / 12
    _ticks(ctx, cx, cy, SPEED_TICKS_OUTER, [SPEED_TICK_END + step * i for i in range(13)], 3, cased=True)
    # Pivot boss under the needle.
    ctx.new_path()
    ctx.arc(cx, cy, 6.0, 0, math.pi)
    ctx.close_path()
    fill_and_outline(ctx, radial(cx, cy, 0, 6, [(0, P.METAL), (1, P.METAL_DARK)]), P.INK, 1.2)


def _top_bar(ctx, width, depth):
    """A chrome bar along the top edge, its lower corners rounded."""
    rounded_rect(ctx, 0.5, -depth, width - 1, 2 * depth, depth * 0.8)
    ctx.set_source(linear(0, 0, 0, depth, [(0, P.METAL_LIGHT), (1, P.METAL_DARK)]))
    ctx.fill_preserve()
    set_colour(ctx, P.INK)
    ctx.set_line_width(1.4)
    ctx.stroke()


def draw_needle(ctx):
    """Needle pointing to -x, turning about the image centre. At rest it lies
    along the speed dial's top edge with half its width in sight, so the blade
    keeps its width almost to the tip."""
    cx, cy = NEEDLE_SIZE[0] / 2, NEEDLE_SIZE[1] / 2
    tip = cx - NEEDLE_LENGTH
    polygon(ctx, [(tip, cy), (tip + 6, cy - 2.4), (cx + 5, cy - 2.4), (cx + 5, cy + 2.4), (tip + 6, cy + 2.4)])
    fill_and_outline(ctx, linear(0, cy - 2.5, 0, cy + 2.5, [(0, P.mix(P.NEEDLE, (1, 1, 1), 0.3)),
                                                            (1, P.mix(P.NEEDLE, (0, 0, 0), 0.25))]),
                     P.INK, 1.0)
    circle(ctx, cx, cy, 3.3)
    fill_and_outline(ctx, radial(cx, cy, 0, 3.3, [(0, P.METAL_LIGHT), (1, P.METAL_DARK)]), P.INK, 1.0)


# --- rotation dial ---------------------------------------------------------

def _track_quadrant(ctx, cx, cy, start):
    """Annular slot of the quarter starting at angle `start`."""
    a0, a1 = start + TRACK_GAP, start + math.pi / 2 - TRACK_GAP
    ctx.new_path()
    ctx.arc(cx, cy, TRACK_OUTER, a0, a1)
    ctx.arc_negative(cx, cy, TRACK_INNER, a1, a0)
    ctx.close_path()


def draw_rotationmeter(ctx):
    c = ROTATIONMETER_SIZE / 2
    _dial_face(ctx, c, c, 31.8, 0, 2 * math.pi)
    for q in range(4):
        _track_quadrant(ctx, c, c, q * math.pi / 2)
        fill_and_outline(ctx, P.mix(P.DIAL_FACE, (0, 0, 0), 0.35), P.with_alpha(P.METAL, 0.5), 1.0)
    _ticks(ctx, c, c, 15.5, [q * math.pi / 4 for q in range(8)], 2)
    circle(ctx, c, c, 5.0)
    fill_and_outline(ctx, radial(c, c, 0, 5, [(0, P.METAL), (1, P.METAL_DARK)]), P.INK, 1.2)


def draw_rotation_segment(ctx):
    """The dial's top-left slot lit up; the dial centre is this image's
    bottom-right corner, so mirrored copies light the other quarters."""
    c = SEGMENT_SIZE
    _track_quadrant(ctx, c, c, math.pi)
    fill_and_outline(ctx, radial(c, c, TRACK_INNER, TRACK_OUTER,
                                 [(0, P.mix(P.HIGHLIGHT, (1, 1, 1), 0.55)), (0.5, P.HIGHLIGHT),
                                  (1, P.mix(P.HIGHLIGHT, P.NEEDLE, 0.5))]),
                     P.mix(P.HIGHLIGHT, (1, 1, 1), 0.6), 1.0)


# --- countdown digits ------------------------------------------------------

def draw_digit(ctx, digit, scale, baseline):
    """One big gold numeral centred in a 28 x 40 cell.

    All digits share one scale and baseline so a row of them lines up.
    """
    text = str(digit)
    ctx.select_font_face('DejaVu Sans', cairo.FONT_SLANT_NORMAL, cairo.FONT_WEIGHT_BOLD)
    ctx.set_font_size(scale)
    xb, _, w, _, _, _ = ctx.text_extents(text)
    x = (DIGIT_SIZE[0] - w) / 2 - xb
    ctx.new_path()
    ctx.move_to(x, baseline)
    ctx.text_path(text)
    path = ctx.copy_path()
    # Thick dark outline outside, gold face with a bright top inside.
    set_colour(ctx, P.INK)
    ctx.set_line_width(4.0)
    ctx.stroke()
    ctx.append_path(path)
    ctx.set_source(linear(0, baseline - scale * 0.73, 0, baseline,
                          [(0, P.GOLD_LIGHT), (0.45, P.GOLD), (1, P.GOLD_DARK)]))
    ctx.fill()


def digit_font_size(ctx):
    """Largest font size at which every digit, with its outline, fits the
    cell with a pixel to spare."""
    ctx.select_font_face('DejaVu Sans', cairo.FONT_SLANT_NORMAL, cairo.FONT_WEIGHT_BOLD)
    ctx.set_font_size(100)
    widest = max(ctx.text_extents(str(d))[2] for d in range(10))
    tallest = max(ctx.text_extents(str(d))[3] for d in range(10))
    room_w, room_h = DIGIT_SIZE[0] - 6, DIGIT_SIZE[1] - 6
    return 100 * min(room_w / widest, room_h / tallest)


def draw_digit_image(ctx, digit):
    size = digit_font_size(ctx)
    ctx.set_font_size(size)
    extents = [ctx.text_extents(str(d)) for d in range(10)]
    tall = max(e.height for e in extents)
    below = max(e.height + e.y_bearing for e in extents)
    # Centre the digits' common ink height vertically.
    baseline = (DIGIT_SIZE[1] - tall) / 2 + tall - below
    draw_digit(ctx, digit, size, baseline)


# --- small GUI pieces ------------------------------------------------------

def draw_cursor(ctx):
    """Arrow pointer with its tip on pixel (0, 0), the hot spot."""
    pts = [(0.8, 0.8), (0.8, 20.5), (5.6, 16.2), (9.4, 24.6), (13.0, 23.0),
           (9.3, 14.8), (15.6, 14.6)]
    polygon(ctx, pts)
    fill_and_outline(ctx, linear(0, 0, 12, 22, [(0, P.BIKE_RED_LIGHT), (0.5, P.BIKE_RED),
                                                (1, P.BIKE_RED_DARK)]), P.INK, 1.5)
    # White inner rim keeps the arrow visible on the red bike and dark dials.
    ctx.new_path()
    ctx.move_to(2.6, 4.5)
    ctx.line_to(2.6, 16.5)
    ctx.set_source_rgba(1, 1, 1, 0.85)
    ctx.set_line_width(1.2)
    ctx.stroke()


def draw_objective(ctx):
    """A chequered flag on a pole: one goal of the level."""
    capsule(ctx, 6.5, 4.0, 6.5, 29.5, 1.6)
    fill_and_outline(ctx, linear(4, 0, 9, 0, [(0, P.METAL_LIGHT), (1, P.METAL_DARK)]), P.INK, 1.2)
    circle(ctx, 6.5, 3.5, 2.4)
    fill_and_outline(ctx, P.GOLD, P.INK, 1.1)

    def flag_path():
        ctx.new_path()
        ctx.move_to(8, 6)
        ctx.curve_to(14, 3, 20, 9, 29, 5.5)
        ctx.line_to(29, 19.5)
        ctx.curve_to(20, 23, 14, 17, 8, 20)
        ctx.close_path()

    flag_path()
    set_colour(ctx, P.HELMET_WHITE)
    ctx.fill()
    # Checks: clip to the waving cloth and paint alternate squares.
    ctx.save()
    flag_path()
    ctx.clip()
    for row in range(5):
        for col in range(6):
            if (row + col) % 2:
                ctx.rectangle(8 + col * 3.6, 3 + row * 3.6, 3.6, 3.6)
    set_colour(ctx, P.INK)
    ctx.fill()
    # Soft folds: a shade across the troughs of the wave.
    ctx.set_source(linear(8, 0, 29, 0, [(0, (0, 0, 0, 0.0)), (0.3, (0, 0, 0, 0.25)),
                                        (0.6, (1, 1, 1, 0.15)), (1, (0, 0, 0, 0.2))]))
    ctx.paint()
    ctx.restore()
    flag_path()
    set_colour(ctx, P.INK)
    ctx.set_line_width(1.3)
    ctx.stroke()


def draw_separator(ctx, width=680):
    """Thin gold rule with a shadow line, fading out at both ends."""
    fade = linear(0, 0, width, 0, [(0, (1, 1, 1, 0)), (0.08, (1, 1, 1, 1)),
                                   (0.92, (1, 1, 1, 1)), (1, (1, 1, 1, 0))])
    ctx.push_group()
    ctx.rectangle(0, 0, width, 1)
    ctx.set_source_rgba(1, 1, 1, 0.45)
    ctx.fill()
    ctx.rectangle(0, 1, width, 2)
    set_colour(ctx, P.GOLD)
    ctx.fill()
    ctx.rectangle(0, 3, width, 1)
    ctx.set_source_rgba(0, 0, 0, 0.45)
    ctx.fill()
    ctx.pop_group_to_source()
    ctx.mask(fade)
