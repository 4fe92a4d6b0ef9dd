"""The red trail bike: its wheel and its wheel-less body.

Both are drawn in their own image coordinates so the scenery can reuse them
under a transform. The wheel turns in game, so its shading is kept radially
symmetric: a baked highlight would spin with it and look wrong.
"""

import math

from . import palette as P
from .canvas import (capsule, circle, fill_and_outline, highlight_stroke, linear,
                     polygon, radial, rounded_rect, set_colour, smooth_polygon)

WHEEL_SIZE = 60
WHEEL_RADIUS = 30

# moto.png layout, in image pixels. The game places the image by its centre
# and attaches the physics bodies at these points.
MOTO_SIZE = (200, 100)
REAR_AXLE = (52, 78)
FRONT_AXLE = (152, 78)
EXHAUST_TIP = (37, 33)
GRIP = (118, 16)
FOOT_PEG = (92, 78)


# --- wheel -----------------------------------------------------------------

def draw_wheel(ctx, cx=30.0, cy=30.0):
    """A knobbly off-road wheel of radius 30 centred on (cx, cy)."""
    ctx.save()
    ctx.translate(cx, cy)
    _draw_tyre(ctx)
    _draw_rim(ctx)
    _draw_spokes(ctx)
    _draw_brake_disc(ctx)
    _draw_hub(ctx)
    ctx.restore()


def _draw_tyre(ctx):
    # Knobs first so the carcass covers their inner ends.
    knobs = 24
    for i in range(knobs):
        a = 2 * math.pi * i / knobs
        ctx.save()
        ctx.rotate(a)
        rounded_rect(ctx, 25.0, -2.1, 4.6, 4.2, 1.4)
        set_colour(ctx, P.RUBBER)
        ctx.fill()
        ctx.restore()
    circle(ctx, 0, 0, 27.0)
    ctx.arc_negative(0, 0, 19.0, 2 * math.pi, 0)
    ctx.set_source(radial(0, 0, 19.0, 27.0, [(0.0, P.RUBBER_LIGHT), (0.55, P.RUBBER),
                                             (1.0, P.mix(P.RUBBER, (0, 0, 0), 0.3))]))
    ctx.fill()
    # A faint groove on the sidewall keeps the tyre from reading as a flat disc.
    circle(ctx, 0, 0, 24.3)
    ctx.set_source_rgba(1, 1, 1, 0.10)
    ctx.set_line_width(0.8)
    ctx.stroke()


def _draw_rim(ctx):
    circle(ctx, 0, 0, 21.2)
    ctx.arc_negative(0, 0, 18.3, 2 * math.pi, 0)
    ctx.set_source(radial(0, 0, 18.3, 21.2, [(0.0, P.METAL_DARK), (0.45, P.METAL_LIGHT),
                                             (1.0, P.METAL)]))
    ctx.fill()
    circle(ctx, 0, 0, 18.3)
    set_colour(ctx, P.with_alpha(P.INK, 0.6))
    ctx.set_line_width(0.8)
    ctx.stroke()


def _draw_spokes(ctx):
    # Laced spokes leave the hub at a slant, alternately forwards and back,
    # like a real wheel; the gaps stay transparent so the scenery shows
    # through and the rotation is easy to follow.
    spokes = 12
    for i in range(spokes):
        a = 2 * math.pi * i / spokes
        lean = 0.35 if i % 2 else -0.35
        x0, y0 = 5.0 * math.cos(a), 5.0 * math.sin(a)
        x1, y1 = 18.6 * math.cos(a + lean), 18.6 * math.sin(a + lean)
        for width, colour in ((2.2, P.with_alpha(P.INK, 0.75)), (1.1, P.METAL_LIGHT)):
            ctx.new_path()
            ctx.move_to(x0, y0)
            ctx.line_to(x1, y1)
            set_colour(ctx, colour)
            ctx.set_line_width(width)
            ctx.stroke()


def _draw_brake_disc(ctx):
    circle(ctx, 0, 0, 10.5)
    fill_and_outline(ctx, radial(0, 0, 5, 10.5, [(0, P.METAL_DARK), (0.7, P.METAL), (1, P.METAL_LIGHT)]),
                     P.INK, 0.9)
    # Drilled holes: small, bright-edged, and clearly off-centre, they make
    # the spin readable even when the spokes blur together.
    for i in range(6):
        a = 2 * math.pi * i / 6 + 0.25
        circle(ctx, 7.7 * math.cos(a), 7.7 * math.sin(a), 1.3)
        set_colour(ctx, P.ENGINE_DARK)
        ctx.fill()


def _draw_hub(ctx):
    circle(ctx, 0, 0, 5.2)
    fill_and_outline(ctx, radial(0, 0, 0, 5.2, [(0, P.BIKE_RED_LIGHT), (1, P.BIKE_RED_DARK)]),
                     P.INK, 0.9)
    circle(ctx, 0, 0, 2.2)
    fill_and_outline(ctx, P.METAL_LIGHT, P.METAL_DARK, 0.8)


# --- bike body -------------------------------------------------------------
# Drawn back to front. Light always comes from straight above so the
# picture still looks right when the game mirrors it for riding left.

def draw_moto(ctx):
    """The bike without wheels, facing +x, in 200 x 100 image pixels."""
    _draw_swingarm(ctx)
    _draw_rear_shock(ctx)
    _draw_frame(ctx)
    _draw_engine(ctx)
    _draw_side_panel(ctx)
    _draw_exhaust(ctx)
    _draw_rear_fender(ctx)
    _draw_seat(ctx)
    _draw_tank(ctx)
    _draw_fork(ctx)
    _draw_handlebar(ctx)
    _draw_front_plate(ctx)
    _draw_front_fender(ctx)
    _draw_foot_peg(ctx)


def _red_plastic(y0, y1):
    """Vertical gradient for the red bodywork between two heights."""
    return linear(0, y0, 0, y1, [(0.0, P.BIKE_RED_LIGHT), (0.35, P.BIKE_RED), (1.0, P.BIKE_RED_DARK)])


def _metal_tube(x0, y0, x1, y1, r0, r1=None, light=P.METAL_LIGHT, mid=P.METAL, dark=P.METAL_DARK):
    """Tube shading that lights its upper side whatever its direction."""
    def draw(ctx):
        capsule(ctx, x0, y0, x1, y1, r0, r1)
        ang = math.atan2(y1 - y0, x1 - x0)
        # Unit normal pointing up (negative y) to put the light on top.
        nx, ny = -math.sin(ang), math.cos(ang)
        if ny > 0:
            nx, ny = -nx, -ny
        mx, my = (x0 + x1) / 2, (y0 + y1) / 2
        rr = max(r0, r1 if r1 is not None else r0)
        fill_and_outline(ctx, linear(mx + nx * rr, my + ny * rr, mx - nx * rr, my - ny * rr,
                                     [(0.0, light), (0.4, mid), (1.0, dark)]))
    return draw


def _draw_swingarm(ctx):
    _metal_tube(90, 62, REAR_AXLE[0], REAR_AXLE[1], 4.2, 3.2,
                light=P.METAL_LIGHT, mid=P.METAL, dark=P.METAL_DARK)(ctx)
    # Chain slider along the top of the arm.
    ctx.new_path()
    ctx.move_to(86, 60.5)
    ctx.line_to(66, 69.8)
    set_colour(ctx, P.ENGINE_DARK)
    ctx.set_line_width(1.6)
    ctx.stroke()
    circle(ctx, REAR_AXLE[0], REAR_AXLE[1], 3.0)
    fill_and_outline(ctx, P.METAL_LIGHT, P.INK, 1.0)
    circle(ctx, 90, 62, 2.6)
    fill_and_outline(ctx, P.METAL_LIGHT, P.INK, 1.0)


def _draw_rear_shock(ctx):
    _metal_tube(85, 42, 88, 60, 2.2)(ctx)
    # Coil spring: bright yellow so the suspension is easy to spot.
    for i in range(5):
        y = 45.5 + i * 2.6
        ctx.new_path()
        ctx.move_to(83.0 + i * 0.15, y + 1.1)
        ctx.line_to(89.0 + i * 0.15, y - 0.3)
        set_colour(ctx, P.INK)
        ctx.set_line_width(2.4)
        ctx.stroke()
        ctx.new_path()
        ctx.move_to(83.0 + i * 0.15, y + 1.1)
        ctx.line_to(89.0 + i * 0.15, y - 0.3)
        set_colour(ctx, P.SCARF)
        ctx.set_line_width(1.3)
        ctx.stroke()


def _draw_frame(ctx):
    # Subframe under the seat, main spine, and the cradle round the engine.
    for a, b, r in (((98, 36), (56, 31), 1.9),
                    ((98, 38), (70, 44), 1.6),
                    ((134, 32), (96, 37), 2.6),
                    ((96, 37), (90, 62), 2.6),
                    ((136, 40), (121, 68), 2.4),
                    ((121, 68), (112, 84), 2.4),
                    ((112, 84), (92, 82), 2.2),
                    ((92, 82), (90, 62), 2.2)):
        _metal_tube(a[0], a[1], b[0], b[1], r, light=P.mix(P.METAL_LIGHT, P.ENGINE, 0.2),
                    mid=P.mix(P.METAL, P.ENGINE, 0.35), dark=P.ENGINE)(ctx)


def _draw_engine(ctx):
    # Crankcase.
    smooth_polygon(ctx, [(91, 58), (108, 55), (119, 62), (119, 76), (110, 83),
                         (96, 84), (88, 76), (87, 65)], tension=0.35)
    fill_and_outline(ctx, linear(0, 55, 0, 84, [(0, P.mix(P.ENGINE, P.METAL, 0.45)), (1, P.ENGINE_DARK)]))
    # Clutch cover: a bright round lid is the classic engine read at a glance.
    circle(ctx, 106, 70, 7.0)
    fill_and_outline(ctx, radial(106, 70, 0, 7.0, [(0, P.METAL_LIGHT), (0.7, P.METAL), (1, P.METAL_DARK)],
                                 fx=104.5, fy=67.5), P.INK, 1.0)
    circle(ctx, 106, 70, 2.0)
    set_colour(ctx, P.METAL_DARK)
    ctx.fill()
    # Cylinder with cooling fins, leaning forward.
    polygon(ctx, [(97, 56), (102, 41), (120, 43), (117, 58)])
    fill_and_outline(ctx, linear(97, 0, 120, 0, [(0, P.ENGINE), (0.5, P.mix(P.ENGINE, P.METAL, 0.5)),
                                                  (1, P.ENGINE_DARK)]))
    for i in range(4):
        t = (i + 1) / 5.0
        x0, y0 = 97 + (102 - 97) * t, 56 + (41 - 56) * t
        x1, y1 = 117 + (120 - 117) * t, 58 + (43 - 58) * t
        ctx.new_path()
        ctx.move_to(x0 + 1, y0)
        ctx.line_to(x1 - 1, y1)
        set_colour(ctx, P.with_alpha(P.METAL_LIGHT, 0.55))
        ctx.set_line_width(1.0)
        ctx.stroke()
    # Skid plate under the crankcase.
    smooth_polygon(ctx, [(90, 83), (114, 83), (119, 79), (116, 87), (94, 88)], tension=0.2)
    fill_and_outline(ctx, P.METAL, P.INK, 1.2)


def _draw_side_panel(ctx):
    # White number board under the seat.
    smooth_polygon(ctx, [(60, 30), (96, 31), (94, 40), (84, 49), (70, 45)], tension=0.3)
    fill_and_outline(ctx, linear(0, 30, 0, 49, [(0, P.PLATE_WHITE), (1, P.PLATE_SHADE)]))
    # Red trim stripe across the board ties it to the bodywork.
    smooth_polygon(ctx, [(64, 36.5), (92, 37.5), (89, 41.5), (68, 40.5)], tension=0.2)
    set_colour(ctx, P.BIKE_RED)
    ctx.fill()


def _draw_exhaust(ctx):
    # Header pipe from the cylinder back to the silencer.
    ctx.new_path()
    ctx.move_to(101, 50)
    ctx.curve_to(96, 53, 88, 50, 78, 42)
    set_colour(ctx, P.INK)
    ctx.set_line_width(5.0)
    ctx.stroke()
    ctx.new_path()
    ctx.move_to(101, 50)
    ctx.curve_to(96, 53, 88, 50, 78, 42)
    ctx.set_source(linear(0, 44, 0, 52, [(0, P.METAL_LIGHT), (1, P.METAL_DARK)]))
    ctx.set_line_width(2.8)
    ctx.stroke()
    # Silencer body, angled up towards the tail, and its dark end cap whose
    # outlet is the exhaust tip the smoke comes out of.
    _metal_tube(80, 41.5, 45, 34.5, 4.8, 4.6)(ctx)
    capsule(ctx, 45, 34.5, 39.5, 33.4, 4.0, 3.2)
    fill_and_outline(ctx, linear(0, 29, 0, 38, [(0, P.ENGINE), (1, P.ENGINE_DARK)]))
    circle(ctx, EXHAUST_TIP[0] + 1.2, EXHAUST_TIP[1], 1.7)
    set_colour(ctx, P.INK)
    ctx.fill()


def _draw_rear_fender(ctx):
    smooth_polygon(ctx, [(64, 27), (40, 24), (21, 19.5), (24, 24), (36, 29),
                         (52, 32), (64, 32)], tension=0.25)
    fill_and_outline(ctx, _red_plastic(19, 33))
    highlight_stroke(ctx, [(58, 27.5), (40, 25.3), (27, 22.2)], 1.1, 0.6)


def _draw_seat(ctx):
    smooth_polygon(ctx, [(50, 22.5), (80, 22), (102, 21), (107, 23.5),
                         (100, 28.5), (70, 29), (52, 28)], tension=0.3)
    fill_and_outline(ctx, linear(0, 18, 0, 29, [(0, P.RUBBER_LIGHT), (0.5, P.RUBBER),
                                                (1, P.mix(P.RUBBER, (0, 0, 0), 0.4))]))
    highlight_stroke(ctx, [(56, 23.5), (80, 23.1), (100, 22.3)], 1.0, 0.25)


def _draw_tank(ctx):
    # Tank and radiator shroud in one red sweep from the seat to the fork.
    smooth_polygon(ctx, [(101, 22.5), (116, 20.5), (130, 23), (137, 33), (135, 46),
                         (126, 51), (118, 45), (107, 34), (99, 28)], tension=0.3)
    fill_and_outline(ctx, _red_plastic(16, 51))
    highlight_stroke(ctx, [(105, 23.2), (116, 22.2), (127, 24.2)], 1.6, 0.65)
    # Shroud vents: two dark slots give the plastic some form.
    for i in range(2):
        ctx.new_path()
        ctx.move_to(124 + i * 3.0, 31 + i * 1.0)
        ctx.line_to(130 + i * 2.0, 44 - i * 1.0)
        set_colour(ctx, P.with_alpha(P.BIKE_RED_DARK, 0.9))
        ctx.set_line_width(1.4)
        ctx.stroke()


def _fork_point(t):
    """Point t pixels up the fork axis from the front axle."""
    dx, dy = 128 - FRONT_AXLE[0], 19 - FRONT_AXLE[1]
    length = math.hypot(dx, dy)
    return FRONT_AXLE[0] + dx * t / length, FRONT_AXLE[1] + dy * t / length


def _draw_fork(ctx):
    top, mid = _fork_point(58), _fork_point(30)
    _metal_tube(top[0], top[1], mid[0], mid[1], 2.8)(ctx)
    # Lower leg with its dark guard, ending on the axle.
    low = _fork_point(1)
    _metal_tube(mid[0], mid[1], low[0], low[1], 3.6, 3.2,
                light=P.RUBBER_LIGHT, mid=P.RUBBER, dark=P.INK)(ctx)
    circle(ctx, FRONT_AXLE[0], FRONT_AXLE[1], 3.0)
    fill_and_outline(ctx, P.METAL_LIGHT, P.INK, 1.0)
    # Triple clamps.
    for t, half in ((44, 4.5), (57, 4.0)):
        cx, cy = _fork_point(t)
        rounded_rect(ctx, cx - half, cy - 2.2, 2 * half, 4.4, 1.5)
        fill_and_outline(ctx, P.METAL_DARK, P.INK, 1.1)


def _draw_handlebar(ctx):
    ctx.new_path()
    ctx.move_to(128, 20)
    ctx.curve_to(127, 16, 124, 15, GRIP[0] + 2, GRIP[1])
    set_colour(ctx, P.INK)
    ctx.set_line_width(3.6)
    ctx.stroke()
    ctx.new_path()
    ctx.move_to(128, 20)
    ctx.curve_to(127, 16, 124, 15, GRIP[0] + 2, GRIP[1])
    set_colour(ctx, P.METAL)
    ctx.set_line_width(1.8)
    ctx.stroke()
    # The grip end, where the rider's hand goes.
    capsule(ctx, GRIP[0] - 2.5, GRIP[1] + 0.5, GRIP[0] + 2.5, GRIP[1] - 0.5, 2.3)
    fill_and_outline(ctx, P.RUBBER, P.INK, 1.0)


def _draw_front_plate(ctx):
    # Front number plate clamped on the fork, leaning with it.
    ctx.save()
    ctx.translate(136.5, 30)
    ctx.rotate(math.radians(-22))
    smooth_polygon(ctx, [(-1.5, -11), (3.5, -9.5), (4.5, 5), (1.5, 11), (-2.5, 7), (-3, -7)], tension=0.4)
    fill_and_outline(ctx, linear(0, -11, 0, 11, [(0, P.PLATE_WHITE), (1, P.PLATE_SHADE)]))
    ctx.restore()


def _draw_front_fender(ctx):
    smooth_polygon(ctx, [(133, 44), (150, 39.5), (170, 40.5), (188, 44.5), (172, 45.5),
                         (152, 46.5), (137, 49)], tension=0.25)
    fill_and_outline(ctx, _red_plastic(39, 49))
    highlight_stroke(ctx, [(140, 43.5), (155, 41.3), (172, 42.0)], 1.0, 0.6)


def _draw_foot_peg(ctx):
    rounded_rect(ctx, FOOT_PEG[0] - 5, FOOT_PEG[1] - 2, 10, 4, 1.2)
    fill_and_outline(ctx, P.METAL_DARK, P.INK, 1.1)
    for i in range(3):
        x = FOOT_PEG[0] - 3 + i * 3
        ctx.new_path()
        ctx.move_to(x, FOOT_PEG[1] - 2.3)
        ctx.line_to(x, FOOT_PEG[1] - 3.6)
        set_colour(ctx, P.INK)
        ctx.set_line_width(1.0)
        ctx.stroke()
