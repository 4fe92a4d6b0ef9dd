"""Full-screen backgrounds: the sunny hills of the main menu and the forest
behind the track list, high scores and credits.

Both keep their middle calm (smooth sky and distant hills only) because
buttons and text sit there; the detail lives along the edges and bottom.
"""

import math

import cairo

from . import palette as P
from . import rider, vehicle
from .canvas import circle, linear, radial, rng, rounded_rect, set_colour, smooth_open

SCENE_SIZE = (800, 600)


# --- building blocks -------------------------------------------------------

def sky(ctx, top, horizon, horizon_y):
    w, h = SCENE_SIZE
    ctx.rectangle(0, 0, w, h)
    ctx.set_source(linear(0, 0, 0, horizon_y, [(0, top), (1, horizon)]))
    ctx.fill()


def sun_glow(ctx, x, y, radius, strength=1.0):
    ctx.set_source(radial(x, y, 0, radius * 5, [(0, P.with_alpha(P.SUN, 0.75 * strength)),
                                                (0.25, P.with_alpha(P.SUN, 0.25 * strength)),
                                                (1, P.with_alpha(P.SUN, 0.0))]))
    ctx.paint()
    circle(ctx, x, y, radius)
    ctx.set_source(radial(x, y, 0, radius, [(0, (1, 1, 0.96)), (0.8, P.SUN),
                                            (1, P.mix(P.SUN, P.GOLD, 0.3))]))
    ctx.fill()


def cloud(ctx, x, y, width, seed, alpha=1.0):
    """A flat-bottomed cumulus: a rounded base with a row of puffs on it,
    shaded blue-grey underneath like the smoke puffs. (x, y) is the middle
    of the flat base."""
    r = rng(seed)
    base_h = width * 0.16
    shade = P.mix((1, 1, 1), P.SKY_TOP, 0.22)
    ctx.push_group()
    puffs = max(3, int(width / 30))
    for i in range(puffs):
        t = (i + 0.5) / puffs
        px = x - width * 0.38 + t * width * 0.76
        # Taller in the middle, so the cloud has a crown.
        pr = width * (0.12 + 0.15 * math.sin(math.pi * t)) * r.uniform(0.9, 1.1)
        py = y - base_h * 0.5 - pr * 0.6
        circle(ctx, px, py, pr)
        ctx.set_source(radial(px, py, 0, pr, [(0, (1, 1, 1)), (0.7, (0.98, 0.99, 1.0)), (1, shade)],
                              fx=px - pr * 0.2, fy=py - pr * 0.4))
        ctx.fill()
    rounded_rect(ctx, x - width / 2, y - base_h, width, base_h, base_h / 2)
    ctx.set_source(linear(0, y - base_h, 0, y, [(0, (0.98, 0.99, 1.0)), (1, shade)]))
    ctx.fill()
    ctx.pop_group_to_source()
    ctx.paint_with_alpha(alpha)


def ridge_points(y, amplitude, seed, waves=3, step=8):
    """Ridge line across the screen from a few seeded sine waves."""
    r = rng(seed)
    parts = [(r.uniform(0.5, 1.0) * amplitude / (k + 1), r.uniform(0.6, 1.4) * (k + 1) * math.pi / 800,
              r.uniform(0, 2 * math.pi)) for k in range(waves)]
    pts = []
    for x in range(-step, SCENE_SIZE[0] + 2 * step, step):
        pts.append((x, y + sum(a * math.sin(f * x + ph) for a, f, ph in parts)))
    return pts


def hill(ctx, points, top_colour, bottom_colour, rim=None):
    """Fill everything below a ridge with a vertical gradient and give the
    crest a sunlit rim."""
    w, h = SCENE_SIZE
    top = min(p[1] for p in points)
    ctx.new_path()
    smooth_open(ctx, points)
    ctx.line_to(w + 20, h + 20)
    ctx.line_to(-20, h + 20)
    ctx.close_path()
    ctx.set_source(linear(0, top, 0, h, [(0, top_colour), (1, bottom_colour)]))
    ctx.fill()
    if rim:
        ctx.new_path()
        smooth_open(ctx, points)
        set_colour(ctx, rim)
        ctx.set_line_width(3.0)
        ctx.stroke()


def ridge_y(points, x):
    """Height of a ridge at x (linear between samples)."""
    for (x0, y0), (x1, y1) in zip(points, points[1:]):
        if x0 <= x <= x1:
            return y0 + (y1 - y0) * (x - x0) / (x1 - x0)
    return points[-1][1]


def round_tree(ctx, x, ground, size, leaf=P.TREE, leaf_light=P.GRASS, outline=True):
    """A friendly lollipop tree: trunk and three overlapping crowns."""
    trunk_w = size * 0.16
    ctx.rectangle(x - trunk_w / 2, ground - size * 0.9, trunk_w, size * 0.9)
    ctx.set_source(linear(x - trunk_w / 2, 0, x + trunk_w / 2, 0, [(0, P.mix(P.TRUNK, (1, 1, 1), 0.2)),
                                                                   (1, P.mix(P.TRUNK, (0, 0, 0), 0.3))]))
    ctx.fill()
    for dx, dy, rr in ((-0.28, -0.95, 0.38), (0.3, -0.98, 0.36), (0.0, -1.3, 0.45)):
        cx, cy, r = x + dx * size, ground + dy * size, rr * size
        circle(ctx, cx, cy, r)
        ctx.set_source(radial(cx, cy, 0, r, [(0, leaf_light), (1, leaf)], fx=cx - r * 0.35, fy=cy - r * 0.45))
        ctx.fill_preserve()
        if outline:
            set_colour(ctx, P.with_alpha(P.INK, 0.55))
            ctx.set_line_width(1.2)
            ctx.stroke()
        else:
            ctx.new_path()


def pine(ctx, x, ground, height, colour, shade, light=None, tiers=5, trunk=True):
    """Layered conifer: stacked drooping tiers, the right half in shade
    (the sun is on the left in both scenes)."""
    width = height * 0.5
    stem = height * 0.08
    if trunk:
        ctx.rectangle(x - height * 0.025, ground - stem * 1.5, height * 0.05, stem * 1.5)
        set_colour(ctx, P.mix(P.TRUNK, shade, 0.3))
        ctx.fill()
    crown = height - stem
    tier_h = crown * 0.42
    for i in range(tiers):
        t = i / (tiers - 1)
        base = ground - stem - (crown - tier_h) * t
        top = base - tier_h
        half = width / 2 * (1 - 0.78 * t)
        droop = tier_h * 0.12
        ctx.new_path()
        ctx.move_to(x, top)
        ctx.curve_to(x + half * 0.4, top + tier_h * 0.5, x + half * 0.8, base - droop, x + half, base)
        ctx.curve_to(x + half * 0.5, base - droop * 2.0, x - half * 0.5, base - droop * 2.0, x - half, base)
        ctx.curve_to(x - half * 0.8, base - droop, x - half * 0.4, top + tier_h * 0.5, x, top)
        ctx.close_path()
        set_colour(ctx, colour)
        ctx.fill()
        # Shaded right half gives each tier volume.
        ctx.new_path()
        ctx.move_to(x, top)
        ctx.curve_to(x + half * 0.4, top + tier_h * 0.5, x + half * 0.8, base - droop, x + half, base)
        ctx.curve_to(x + half * 0.6, base - droop * 1.8, x + half * 0.25, base - droop * 2.0, x, base - droop * 2.0)
        ctx.close_path()
        set_colour(ctx, shade)
        ctx.fill()
        if light:
            ctx.new_path()
            ctx.move_to(x - 0.5, top + 2)
            ctx.curve_to(x - half * 0.4, top + tier_h * 0.5, x - half * 0.75, base - droop * 1.2, x - half * 0.9, base - 1)
            set_colour(ctx, light)
            ctx.set_line_width(max(1.0, height * 0.008))
            ctx.stroke()


def grass_tufts(ctx, ridge, count, seed, colour, band=60):
    """Short blades scattered just below a ridge line."""
    r = rng(seed)
    ctx.set_line_width(1.4)
    set_colour(ctx, colour)
    for _ in range(count):
        x = r.uniform(0, SCENE_SIZE[0])
        y = ridge_y(ridge, x) + r.uniform(8, band)
        for k in (-1, 0, 1):
            ctx.new_path()
            ctx.move_to(x + k * 2, y)
            ctx.line_to(x + k * 4 + r.uniform(-1, 1), y - r.uniform(5, 9))
            ctx.stroke()


def flowers(ctx, ridge, count, seed, band=(20, 80)):
    r = rng(seed)
    colours = [P.HELMET_WHITE, P.GOLD, P.BIKE_RED_LIGHT, P.SUIT_BLUE_LIGHT]
    for _ in range(count):
        x = r.uniform(0, SCENE_SIZE[0])
        y = ridge_y(ridge, x) + r.uniform(*band)
        circle(ctx, x, y, r.uniform(1.3, 2.2))
        set_colour(ctx, r.choice(colours))
        ctx.fill()


# --- the bike and rider as an illustration ---------------------------------

def _piece(ctx, draw, size, centre, angle):
    """Draw a rider piece the way the game does: centred and turned."""
    ctx.save()
    ctx.translate(*centre)
    ctx.rotate(angle)
    ctx.translate(-size[0] / 2, -size[1] / 2)
    draw(ctx)
    ctx.restore()


def _limb(ctx, draw, size, a, b):
    """A limb piece spanning joint a (its -x end) to joint b."""
    _piece(ctx, draw, size, ((a[0] + b[0]) / 2, (a[1] + b[1]) / 2), math.atan2(b[1] - a[1], b[0] - a[0]))


# Distance between the joints at the two ends of a limb piece (its round
# ends overlap the neighbouring pieces) and along the torso.
LIMB_REACH = 23.0
TORSO_REACH = 48.0


def _middle_joint(a, b, bend):
    """Knee or elbow between joints a and b for two limbs of LIMB_REACH;
    bend (+1 or -1) picks the side it sticks out to."""
    dx, dy = b[0] - a[0], b[1] - a[1]
    d = min(math.hypot(dx, dy), 2 * LIMB_REACH - 0.01)
    along = d / 2
    out = math.sqrt(LIMB_REACH ** 2 - along ** 2)
    ux, uy = dx / math.hypot(dx, dy), dy / math.hypot(dx, dy)
    return (a[0] + ux * along - bend * uy * out, a[1] + uy * along + bend * ux * out)


def draw_rider_on_bike(ctx):
    """Bike and rider in moto.png coordinates, leaning into a jump."""
    vehicle.draw_wheel(ctx, *vehicle.REAR_AXLE)
    vehicle.draw_wheel(ctx, *vehicle.FRONT_AXLE)
    vehicle.draw_moto(ctx)
    hip = (87.0, 25.0)
    lean = math.radians(-56)
    neck = (hip[0] + TORSO_REACH * math.cos(lean), hip[1] + TORSO_REACH * math.sin(lean))
    shoulder = (neck[0] - 3, neck[1] + 4)
    head = (neck[0] + 11, neck[1] - 14)
    ankle = (vehicle.FOOT_PEG[0] + 2, vehicle.FOOT_PEG[1] - 10)
    knee = _middle_joint(hip, ankle, -1)
    elbow = _middle_joint(shoulder, vehicle.GRIP, 1)
    # The shin piece's +x end is the knee; its boot reaches past the ankle.
    _limb(ctx, rider.draw_foot, rider.FOOT_SIZE, ankle, knee)
    _limb(ctx, rider.draw_limb, rider.LIMB_SIZE, hip, knee)
    _piece(ctx, rider.draw_body, rider.BODY_SIZE, ((hip[0] + neck[0]) / 2, (hip[1] + neck[1]) / 2), lean)
    _draw_scarf(ctx, (head[0] - 12, head[1] + 12))
    _piece(ctx, rider.draw_head, rider.HEAD_SIZE, head, 0.1)
    _limb(ctx, rider.draw_limb, rider.LIMB_SIZE, shoulder, elbow)
    _limb(ctx, rider.draw_limb, rider.LIMB_SIZE, elbow, vehicle.GRIP)


def _draw_scarf(ctx, start):
    """Scarf pieces trailing back from the neck in a gentle wave."""
    x, y = start
    for i in range(4):
        angle = math.pi + 0.35 * math.sin(i * 1.3) - 0.15
        dx, dy = 8.5 * math.cos(angle), 8.5 * math.sin(angle)
        # Pieces point from the head outward: their -x end is nearer the head.
        _piece(ctx, lambda c, i=i: rider.draw_scarf_piece(c, i), rider.SCARF_SIZE,
               (x + dx / 2, y + dy / 2), angle)
        x, y = x + dx, y + dy


# --- main menu -------------------------------------------------------------

def draw_main_menu(ctx):
    sky(ctx, P.SKY_TOP, P.SKY_HORIZON, 420)
    sun_glow(ctx, 118, 96, 40)
    cloud(ctx, 640, 120, 220, 'cloud-a')
    cloud(ctx, 90, 250, 150, 'cloud-b', 0.9)
    cloud(ctx, 730, 300, 110, 'cloud-c', 0.8)
    cloud(ctx, 400, 60, 120, 'cloud-d', 0.55)

    haze = ridge_points(350, 36, 'haze-hills', waves=3)
    hill(ctx, haze, P.mix(P.HILL_FAR, P.SKY_HORIZON, 0.6), P.mix(P.HILL_FAR, P.SKY_HORIZON, 0.4))
    far = ridge_points(385, 30, 'far-hills', waves=4)
    hill(ctx, far, P.mix(P.HILL_FAR, P.SKY_HORIZON, 0.3), P.HILL_FAR)
    for x in (40, 95, 700, 760):
        round_tree(ctx, x, ridge_y(far, x) + 6, 16, P.mix(P.HILL_MID, P.HILL_FAR, 0.6),
                   P.mix(P.HILL_MID, P.SKY_HORIZON, 0.3), outline=False)
    mid = ridge_points(440, 24, 'mid-hills', waves=3)
    hill(ctx, mid, P.HILL_MID, P.mix(P.HILL_MID, P.GRASS_DARK, 0.5), rim=P.with_alpha(P.GRASS_LIGHT, 0.5))
    near = ridge_points(500, 30, 'near-hills', waves=3)
    hill(ctx, near, P.GRASS_LIGHT, P.GRASS_DARK, rim=P.with_alpha((1, 1, 0.85), 0.6))
    _trail(ctx, near)
    grass_tufts(ctx, near, 90, 'menu-tufts', P.with_alpha(P.GRASS_DARK, 0.7), band=90)
    flowers(ctx, near, 70, 'menu-flowers', band=(15, 95))
    for x, s in ((40, 70), (110, 52), (180, 36)):
        round_tree(ctx, x, ridge_y(near, x) + 14, s)
    _fence(ctx, near, 215, 420)
    _bike_on_hill(ctx, near, 670)
    _title(ctx)


# The menu's button window covers x 370 to 770 and y 50 to 550 of the
# 800 x 600 screen; the game's name stands left of it, over the sky.
TITLE = 'Vantrail'
TITLE_BOX = (24, 40, 330, 110)


def _title(ctx):
    """The game's name in gold letters with an ink ring and a soft shadow."""
    x0, y0, width, height = TITLE_BOX
    ctx.select_font_face('DejaVu Sans', cairo.FONT_SLANT_ITALIC, cairo.FONT_WEIGHT_BOLD)
    ctx.set_font_size(height)
    extents = ctx.text_extents(TITLE)
    scale = min(width / extents.width, height / extents.height)
    ctx.save()
    ctx.translate(x0 - extents.x_bearing * scale, y0 - extents.y_bearing * scale)
    ctx.scale(scale, scale)
    for dx, dy, colour in ((4, 5, P.with_alpha(P.INK, 0.35)), (0, 0, None)):
        ctx.new_path()
        ctx.move_to(dx, dy)
        ctx.text_path(TITLE)
        if colour:
            set_colour(ctx, colour)
            ctx.fill()
            continue
        ctx.set_source(linear(0, extents.y_bearing, 0, 0, [(0, P.GOLD_LIGHT), (0.55, P.GOLD), (1, P.GOLD_DARK)]))
        ctx.fill_preserve()
        set_colour(ctx, P.INK)
        ctx.set_line_width(3.0)
        ctx.stroke()
    ctx.restore()


def _trail(ctx, ridge):
    """A dirt track following the near hill a little below its crest."""
    pts = [(x, y + 22) for x, y in ridge]
    for width, colour in ((13, P.DIRT_DARK), (9, P.DIRT)):
        ctx.new_path()
        smooth_open(ctx, pts)
        set_colour(ctx, colour)
        ctx.set_line_width(width)
        ctx.stroke()


def _fence(ctx, ridge, x0, x1):
    """Low wooden fence beside the trail, following the ground."""
    posts = list(range(x0, x1 + 1, 34))
    tops = [(x, ridge_y(ridge, x) + 6) for x in posts]
    for dy in (4, 11):
        ctx.new_path()
        smooth_open(ctx, [(x, y + dy) for x, y in tops])
        for width, colour in ((4.2, P.with_alpha(P.INK, 0.7)), (2.4, P.mix(P.TRUNK, P.DIRT, 0.5))):
            ctx.new_path()
            smooth_open(ctx, [(x, y + dy) for x, y in tops])
            set_colour(ctx, colour)
            ctx.set_line_width(width)
            ctx.stroke()
    for x, y in tops:
        rounded_rect(ctx, x - 2.5, y - 2, 5, 22, 1.5)
        ctx.set_source(linear(x - 2.5, 0, x + 2.5, 0, [(0, P.mix(P.TRUNK, P.DIRT, 0.6)), (1, P.TRUNK)]))
        ctx.fill_preserve()
        set_colour(ctx, P.with_alpha(P.INK, 0.7))
        ctx.set_line_width(1.0)
        ctx.stroke()


def _bike_on_hill(ctx, ridge, x):
    """The rider airborne over the hill on the right, nose up."""
    scale = 0.62
    ground = ridge_y(ridge, x) + 22
    ctx.save()
    ctx.translate(x, ground - 48)
    ctx.rotate(-0.22)
    ctx.scale(scale, scale)
    ctx.translate(-100, -78)
    draw_rider_on_bike(ctx)
    ctx.restore()
    # Soft shadow on the trail below the jump.
    ctx.save()
    ctx.translate(x + 6, ground + 2)
    ctx.scale(1.0, 0.22)
    circle(ctx, 0, 0, 48)
    ctx.set_source(radial(0, 0, 0, 48, [(0, P.with_alpha(P.INK, 0.35)), (1, P.with_alpha(P.INK, 0.0))]))
    ctx.fill()
    ctx.restore()


# --- forest ----------------------------------------------------------------

def draw_forest(ctx):
    h = SCENE_SIZE[1]
    sky(ctx, P.mix(P.SKY_TOP, P.SUIT_BLUE_DARK, 0.15), P.mix(P.SKY_HORIZON, P.SUN, 0.35), 380)
    sun_glow(ctx, 170, 150, 30, strength=0.7)
    cloud(ctx, 600, 110, 170, 'forest-cloud-a', 0.75)
    cloud(ctx, 300, 60, 110, 'forest-cloud-b', 0.6)
    far = ridge_points(300, 30, 'forest-far', waves=3)
    hill(ctx, far, P.mix(P.HILL_FAR, P.SKY_HORIZON, 0.45), P.HILL_FAR)
    # Rows of pines get bluer and paler with distance: the haze keeps the
    # middle of the picture soft behind text.
    rows = [(345, 50, 0.75, 'pines-1'), (400, 70, 0.55, 'pines-2'), (465, 95, 0.32, 'pines-3')]
    for ground, height, haze, seed in rows:
        _pine_row(ctx, ground, height, haze, seed)
    meadow = ridge_points(525, 12, 'meadow', waves=2)
    hill(ctx, meadow, P.mix(P.GRASS, P.HILL_MID, 0.3), P.GRASS_DARK, rim=P.with_alpha(P.GRASS_LIGHT, 0.6))
    grass_tufts(ctx, meadow, 70, 'forest-tufts', P.with_alpha(P.TREE_DARK, 0.6), band=70)
    flowers(ctx, meadow, 40, 'forest-flowers', band=(12, 70))
    # Tall pines framing both sides, closest and darkest.
    for x, ht in ((-30, 330), (40, 420), (120, 300), (690, 320), (770, 440), (840, 330)):
        pine(ctx, x, h + 12, ht, P.TREE, P.TREE_DARK, light=P.with_alpha(P.GRASS_LIGHT, 0.45), tiers=7)
    _vignette(ctx)


def _pine_row(ctx, ground, height, haze, seed):
    """A hazy band of forest: a ridge of ground covered in overlapping pines."""
    w = SCENE_SIZE[0]
    ridge = ridge_points(ground, 12, seed + '-ridge', waves=3)
    base = P.mix(P.TREE, P.HILL_FAR, haze)
    shade = P.mix(base, P.TREE_DARK, 0.3 * (1 - haze) + 0.1)
    hill(ctx, ridge, base, P.mix(base, P.TREE_DARK, 0.25))
    r = rng(seed)
    x = -20.0
    while x < w + 20:
        ht = height * r.uniform(0.7, 1.15)
        pine(ctx, x, ridge_y(ridge, x) + height * 0.15, ht, base, shade, tiers=4, trunk=False)
        x += r.uniform(0.18, 0.32) * ht


def _vignette(ctx):
    w, h = SCENE_SIZE
    ctx.set_source(radial(w / 2, h / 2, 200, 560, [(0, (0, 0, 0, 0)), (1, (0, 0, 0, 0.35))]))
    ctx.paint()
