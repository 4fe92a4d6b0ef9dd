"""Backdrops a level draws behind everything (800 x 600, one screen) and
the clouds that drift in front of them.

The backdrops hold no clouds and nothing in their upper two thirds that
could be mistaken for track: the level's own shapes, clouds and pick-ups
go on top. Their hills are far off and hazy so the near ground of the
track stands out.
"""

from . import palette as P
from .canvas import circle, linear, radial, rng, set_colour
from .scenes import SCENE_SIZE, cloud, hill, pine, ridge_points, ridge_y, sky, sun_glow

BIG_CLOUD = (256, 128)
SMALL_CLOUD = (128, 64)


# --- clouds ----------------------------------------------------------------

def draw_cloud1(ctx):
    """A big cumulus, the same kind as on the menu backdrop."""
    cloud(ctx, 128, 120, 200, 'level-cloud-1')


def draw_cloud2(ctx):
    cloud(ctx, 64, 60, 100, 'level-cloud-2')


def draw_cloud3(ctx):
    """A long, low bank: a small cloud in front of a bigger one."""
    cloud(ctx, 150, 112, 170, 'level-cloud-3b')
    cloud(ctx, 78, 122, 120, 'level-cloud-3a')


# --- day -------------------------------------------------------------------

def draw_sky_day(ctx):
    sky(ctx, P.SKY_TOP, P.SKY_HORIZON, 470)
    sun_glow(ctx, 640, 110, 36)
    haze = ridge_points(470, 30, 'day-haze', waves=3)
    hill(ctx, haze, P.mix(P.HILL_FAR, P.SKY_HORIZON, 0.65), P.mix(P.HILL_FAR, P.SKY_HORIZON, 0.45))
    far = ridge_points(515, 26, 'day-far', waves=4)
    hill(ctx, far, P.mix(P.HILL_FAR, P.SKY_HORIZON, 0.3), P.HILL_FAR)
    for x in (70, 120, 560, 610, 660):
        _far_tree(ctx, x, ridge_y(far, x) + 5, 13, P.mix(P.HILL_MID, P.HILL_FAR, 0.5))
    near = ridge_points(560, 18, 'day-near', waves=3)
    hill(ctx, near, P.mix(P.HILL_MID, P.SKY_HORIZON, 0.2), P.HILL_MID, rim=P.with_alpha(P.GRASS_LIGHT, 0.4))


def _far_tree(ctx, x, ground, size, colour):
    """A distant round tree: flat haze colour, no outline."""
    ctx.rectangle(x - size * 0.08, ground - size, size * 0.16, size)
    set_colour(ctx, colour)
    ctx.fill()
    circle(ctx, x, ground - size * 1.1, size * 0.55)
    ctx.fill()


# --- dusk ------------------------------------------------------------------

def draw_sky_dusk(ctx):
    """Evening: violet overhead through rose to a warm glow, a low sun and
    hills in purple silhouette."""
    w, h = SCENE_SIZE
    ctx.rectangle(0, 0, w, h)
    ctx.set_source(linear(0, 0, 0, 480, [(0, P.DUSK_TOP), (0.55, P.DUSK_MID), (1, P.DUSK_HORIZON)]))
    ctx.fill()
    _stars(ctx, 'dusk-stars', 40, 200)
    ctx.set_source(radial(250, 470, 0, 330, [(0, P.with_alpha(P.SUN, 0.8)), (0.3, P.with_alpha(P.DUSK_HORIZON, 0.4)),
                                             (1, P.with_alpha(P.DUSK_HORIZON, 0))]))
    ctx.paint()
    circle(ctx, 250, 470, 44)
    ctx.set_source(linear(0, 426, 0, 514, [(0, P.SUN), (1, P.mix(P.DUSK_HORIZON, P.BIKE_RED_LIGHT, 0.4))]))
    ctx.fill()
    far = ridge_points(478, 30, 'dusk-far', waves=3)
    hill(ctx, far, P.DUSK_HILL_FAR, P.mix(P.DUSK_HILL_FAR, P.DUSK_HILL, 0.5))
    mid = ridge_points(530, 26, 'dusk-mid', waves=3)
    hill(ctx, mid, P.mix(P.DUSK_HILL, P.DUSK_HILL_FAR, 0.4), P.DUSK_HILL,
         rim=P.with_alpha(P.DUSK_HORIZON, 0.45))
    for x, ht in ((600, 60), (632, 78), (664, 54), (90, 64), (118, 48)):
        pine(ctx, x, ridge_y(mid, x) + 8, ht, P.DUSK_HILL, P.mix(P.DUSK_HILL, P.DUSK_TOP, 0.4), tiers=4)


def draw_sky_night(ctx):
    """The same evening once the sun is down: the hills under a deep blue
    night, its stars out."""
    draw_sky_dusk(ctx)
    ctx.set_source_rgba(0.03, 0.04, 0.14, 0.72)
    ctx.paint()
    _stars(ctx, 'night-stars', 90, 380)


def _stars(ctx, seed, count, band):
    """First stars, fading out towards the glow of the horizon."""
    r = rng(seed)
    for _ in range(count):
        x, y = r.uniform(0, SCENE_SIZE[0]), r.uniform(0, band)
        circle(ctx, x, y, r.uniform(0.6, 1.3))
        set_colour(ctx, (1, 1, 0.95, 0.8 * (1 - y / band)))
        ctx.fill()


# --- cave ------------------------------------------------------------------

def draw_sky_cave(ctx):
    """Inside a cavern: a dim, cool back wall, ceiling and floor in two
    layers of rock with stalactites and stalagmites, glowing crystals and a
    faint shaft of daylight from a crack above."""
    w, h = SCENE_SIZE
    ctx.rectangle(0, 0, w, h)
    ctx.set_source(linear(0, 0, 0, h, [(0, P.CAVE_ROCK_DARK), (0.55, P.mix(P.CAVE_ROCK, P.SUIT_BLUE_DARK, 0.25)),
                                       (1, P.CAVE_ROCK_DARK)]))
    ctx.fill()
    _wall_boulders(ctx)
    _light_shaft(ctx, 530, 360)
    far, far_tip = P.mix(P.CAVE_ROCK, P.CAVE_ROCK_DARK, 0.3), P.mix(P.CAVE_ROCK, P.CAVE_ROCK_LIGHT, 0.3)
    _rock_band(ctx, 'cave-far-ceiling', 0, 70, far, far_tip)
    _rock_band(ctx, 'cave-far-floor', h, 80, far, far_tip)
    _glow_spots(ctx)
    near = P.mix(P.CAVE_ROCK_DARK, P.INK, 0.3)
    _rock_band(ctx, 'cave-near-ceiling', 0, 34, near, P.mix(P.CAVE_ROCK_DARK, P.CAVE_ROCK, 0.6))
    _rock_band(ctx, 'cave-near-floor', h, 40, near, P.mix(P.CAVE_ROCK_DARK, P.CAVE_ROCK, 0.6))
    ctx.set_source(radial(w / 2, h / 2, 250, 560, [(0, (0, 0, 0, 0)), (1, (0, 0, 0, 0.45))]))
    ctx.paint()


def _rock_band(ctx, seed, edge, depth, colour, tip_colour):
    """Rock along the top (edge 0) or bottom edge of the screen, about
    `depth` thick, with pointed stalactites hanging from the ceiling or
    stalagmites rising from the floor. Tips are lighter: they stick out
    towards the light."""
    w = SCENE_SIZE[0]
    r = rng(seed)
    sign = 1 if edge == 0 else -1
    bumps = ridge_points(0, depth * 0.3, seed + '-bumps', waves=3, step=4)
    spikes, x = [], r.uniform(-20, 30)
    while x < w + 40:
        spikes.append((x, r.uniform(9, 20), depth * r.uniform(0.6, 2.2)))
        x += r.uniform(45, 120)

    def reach(x):
        # Each spike is a cusp, (1 - |t|)^2: concave sides and a sharp tip.
        hang = max((length * max(0.0, 1 - abs(x - sx) / half) ** 2 for sx, half, length in spikes), default=0.0)
        return depth + ridge_y(bumps, x) + hang

    ctx.new_path()
    ctx.move_to(-10, edge)
    for x in range(-10, w + 11, 2):
        ctx.line_to(x, edge + sign * reach(x))
    ctx.line_to(w + 10, edge)
    ctx.close_path()
    deepest = depth * 3.4
    ctx.set_source(linear(0, edge, 0, edge + sign * deepest, [(0, colour), (1, P.mix(colour, tip_colour, 0.8))]))
    ctx.fill()


def _wall_boulders(ctx):
    """Big faint rounded shapes in the back wall, so it reads as rock and
    not as a flat colour."""
    w, h = SCENE_SIZE
    r = rng('cave-wall')
    for _ in range(16):
        x, y, rad = r.uniform(0, w), r.uniform(90, h - 90), r.uniform(40, 90)
        ctx.save()
        ctx.translate(x, y)
        ctx.scale(1.5, 1)
        circle(ctx, 0, 0, rad)
        ctx.set_source(radial(0, 0, 0, rad, [(0, P.with_alpha(P.CAVE_ROCK_LIGHT, 0.12)),
                                             (0.8, P.with_alpha(P.CAVE_ROCK_LIGHT, 0.07)),
                                             (1, P.with_alpha(P.CAVE_ROCK_LIGHT, 0))], fx=-rad * 0.3, fy=-rad * 0.4))
        ctx.fill()
        ctx.restore()


def _light_shaft(ctx, x, spread):
    """Daylight from a crack in the ceiling at x, widening as it falls.
    Nested wedges build a soft-edged shape at full strength in a group,
    which is then faded downwards in one step: many faint layers straight
    onto the picture would band."""
    h = SCENE_SIZE[1]
    layers = 12
    ctx.push_group()
    for k in range(layers):
        grow = 1 - k / layers
        ctx.new_path()
        ctx.move_to(x - 14 * grow, 0)
        ctx.line_to(x + 14 * grow, 0)
        ctx.line_to(x - 90 + spread * 0.25 * grow, h)
        ctx.line_to(x - 90 - spread * 0.25 * grow, h)
        ctx.close_path()
        set_colour(ctx, P.with_alpha(P.SKY_HORIZON, 1.0 / layers))
        ctx.fill()
    ctx.pop_group_to_source()
    ctx.mask(linear(0, 0, 0, h, [(0, (0, 0, 0, 0.3)), (1, (0, 0, 0, 0))]))


def _glow_spots(ctx):
    """Clusters of glowing crystals on the far floor: a little colour and
    a sense of depth in the dark."""
    for x, y, size in ((150, 505, 1.0), (340, 530, 0.7), (690, 515, 0.85)):
        ctx.set_source(radial(x, y - 10, 0, 70 * size, [(0, P.with_alpha(P.CAVE_CRYSTAL, 0.3)),
                                                        (1, P.with_alpha(P.CAVE_CRYSTAL, 0))]))
        ctx.paint()
        for dx, ht, lean in ((-7, 16, -0.3), (0, 26, 0.0), (7, 13, 0.35), (-2, 10, 0.5)):
            bx = x + dx * size
            ctx.new_path()
            ctx.move_to(bx - 3.5 * size, y)
            ctx.line_to(bx + lean * ht * size, y - ht * size)
            ctx.line_to(bx + 3.5 * size, y)
            ctx.close_path()
            ctx.set_source(linear(0, y - ht * size, 0, y, [(0, (1, 1, 1, 0.95)), (1, P.CAVE_CRYSTAL)]))
            ctx.fill()
