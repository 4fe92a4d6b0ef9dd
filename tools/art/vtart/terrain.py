"""Natural level textures: earth, grass-topped earth, rock, cave rock and
water. All are 128 x 128 and seamless (see tiling.py); earth, the rocks
and water repeat both ways, grass only sideways.

They are kept calmer than the sprites: low contrast inside and the finest
detail faint, so the bike and the pick-ups read in front of them at game
scale.
"""

import math

import cairo

from . import palette as P
from .canvas import circle, linear, radial, rng, set_colour, smooth_open
from .tiling import TILE, nearest_cells, paint_pixels, periodic_noise, scatter, wrap_delta, wrapped

# Row where the grass tile's solid surface starts; only blade tips stand
# above it, over transparency.
GRASS_SURFACE = 14


# --- earth -----------------------------------------------------------------

# Tracks lay the earth out of step: a column of tiles starts wherever the
# ground above it lies, and the turf turns with the slope. So the earth is
# one flat tone with only fine grain; any broad light and dark patch would
# be cut straight where a column meets the next one a few pixels higher.
# Its drawn details keep clear of the edges (see _inside_edges).
EARTH_GRAIN = 0.1


def _earth_shade(width, seed):
    """The earth's tone with a fine grain that repeats every width pixels
    across and a tile down: too small and too faint to line up into an
    edge where two copies meet out of step."""
    grain = periodic_noise(width, TILE, 16, seed, octaves=2, stretch=TILE / width)
    light, dark = P.mix(P.DIRT, P.GOLD_LIGHT, 0.12), P.DIRT_DARK
    return lambda x, y: P.mix(light, dark, 0.39 + EARTH_GRAIN * (grain[y][x] - 0.5))


def draw_ground(ctx):
    paint_pixels(ctx, TILE, TILE, _earth_shade(TILE, 'ground-grain'))
    _specks(ctx, 'ground-specks', 70, [P.with_alpha(P.DIRT_DARK, 0.55), P.with_alpha(P.GOLD_LIGHT, 0.35)])
    _soil_marks(ctx, 'ground-marks', 14)
    _pebbles(ctx, 'ground-pebbles', 11)


def _specks(ctx, seed, count, colours, width=TILE):
    r = rng(seed)
    dots = [(r.uniform(0, width), r.uniform(0, TILE), r.uniform(0.6, 1.3), r.choice(colours)) for _ in range(count)]

    def draw():
        for x, y, radius, colour in dots:
            circle(ctx, x, y, radius)
            set_colour(ctx, colour)
            ctx.fill()

    wrapped(ctx, width, TILE, draw)


def _pebbles(ctx, seed, count):
    """Small stones bedded in the earth, in a few rock colours, lit from
    above with a contact shadow below, inked like the sprites."""
    r = rng(seed)
    kinds = [P.ROCK, P.mix(P.ROCK, P.DIRT, 0.5), P.mix(P.ROCK, P.BIKE_RED_DARK, 0.2)]
    stones = [(x, y, r.uniform(2.2, 6.0), r.uniform(0.55, 0.8), r.choice(kinds))
              for x, y in _inside_edges(count, seed, 20, 9)]

    def draw():
        for x, y, radius, squash, body in stones:
            ctx.save()
            ctx.translate(x, y)
            ctx.scale(1, squash)
            circle(ctx, 0.8, 2.0, radius)
            set_colour(ctx, P.with_alpha(P.DIRT_DARK, 0.9))
            ctx.fill()
            circle(ctx, 0, 0, radius)
            ctx.set_source(radial(0, 0, 0, radius, [(0, P.mix(body, P.ROCK_LIGHT, 0.8)), (1, body)],
                                  fx=-radius * 0.3, fy=-radius * 0.45))
            ctx.fill_preserve()
            ctx.restore()
            set_colour(ctx, P.with_alpha(P.INK, 0.55))
            ctx.set_line_width(0.9)
            ctx.stroke()

    wrapped(ctx, TILE, TILE, draw)


def _inside_edges(count, seed, min_gap, margin):
    """Scattered points that keep `margin` from every edge of the tile.
    Tracks lay earth tiles out of step with each other under slopes; a
    stone cut by a tile's edge would show there, so none crosses one."""
    inner = TILE - 2 * margin
    return [(margin + x, margin + y) for x, y in scatter(inner, inner, count, seed, min_gap)]


def _soil_marks(ctx, seed, count):
    """Short curved strokes, dark below a light one: the cartoon shorthand
    for lumpy earth."""
    r = rng(seed)
    marks = [(x, y, r.uniform(3, 6)) for x, y in _inside_edges(count, seed, 16, 8)]

    def draw():
        for x, y, size in marks:
            for dy, colour in ((0.0, P.with_alpha(P.DIRT_DARK, 0.8)), (-1.4, P.with_alpha(P.GOLD_LIGHT, 0.35))):
                ctx.new_path()
                ctx.arc(x, y + dy - size, size, math.pi * 0.25, math.pi * 0.75)
                set_colour(ctx, colour)
                ctx.set_line_width(1.2)
                ctx.stroke()

    wrapped(ctx, TILE, TILE, draw)


# --- grass -----------------------------------------------------------------

def _wave(x, width, terms, envelope=None):
    """Sum of sines with whole periods across `width`: a wavy edge that
    meets itself at the sides. `envelope`, if given, scales it along x."""
    wave = sum(a * math.sin(2 * math.pi * k * x / width + ph) for a, k, ph in terms)
    return wave * envelope(x) if envelope else wave


def _flat_near(centre, period, flat=6.0, ramp=14.0):
    """An envelope for the grass's waves: 0 within `flat` pixels of centre
    (repeating every period), rising smoothly to 1 over `ramp` more."""
    def envelope(x):
        d = abs(wrap_delta(x - centre, period))
        t = min(1.0, max(0.0, (d - flat) / ramp))
        return t * t * (3 - 2 * t)
    return envelope


def draw_grass(ctx):
    """Earth with a turf cap. The earth is the ground tile itself, so a
    grass strip laid above ground blocks joins them without a seam. The
    cap's edges lie flat at the tile's sides, as the turf's do at its
    joins, so the meadow's grass meets turf laid along a line evenly."""
    draw_ground(ctx)
    _grass_cap(ctx, TILE, ((1.2, 2, 0.4), (0.6, 5, 1.9)), ((3.5, 3, 0.7), (2.0, 7, 2.3), (1.2, 11, 0.2)),
               'grass-blades', 34, 40, _flat_near(0, TILE, flat=2.0))


def _grass_cap(ctx, width, top_terms, bottom_terms, seed, tufts, inner, envelope=None):
    """The turf band over whatever earth is drawn, repeating every `width`
    pixels: wavy top and inked wavy lower edge, a soft shadow under it,
    and nothing but blade tips above its surface."""
    top = [(x, GRASS_SURFACE + _wave(x, width, top_terms, envelope)) for x in range(0, width + 1, 4)]
    bottom = [(x, 38 + _wave(x, width, bottom_terms, envelope)) for x in range(0, width + 1, 2)]

    def cap():
        def turf_path(dy=0.0):
            ctx.new_path()
            smooth_open(ctx, [(x, y + dy) for x, y in top])
            for x, y in reversed(bottom):
                ctx.line_to(x, y + dy)
            ctx.close_path()

        # Soft shadow the turf throws on the earth under it.
        turf_path(4)
        set_colour(ctx, P.with_alpha(P.INK, 0.3))
        ctx.fill()
        turf_path()
        ctx.set_source(linear(0, GRASS_SURFACE, 0, 44, [(0, P.GRASS_LIGHT), (0.45, P.GRASS), (1, P.GRASS_DARK)]))
        ctx.fill()
        # Inked lower edge, like the outlines of the sprites.
        ctx.new_path()
        ctx.move_to(*bottom[0])
        for p in bottom[1:]:
            ctx.line_to(*p)
        set_colour(ctx, P.mix(P.GRASS_DARK, P.INK, 0.45))
        ctx.set_line_width(1.6)
        ctx.stroke()
        # Nothing but blade tips above the surface.
        ctx.save()
        ctx.new_path()
        ctx.move_to(0, 0)
        ctx.line_to(width, 0)
        for x, y in reversed(top):
            ctx.line_to(x, y)
        ctx.close_path()
        ctx.set_operator(cairo.OPERATOR_CLEAR)
        ctx.fill()
        ctx.restore()

    def highlight():
        ctx.new_path()
        smooth_open(ctx, top)
        set_colour(ctx, P.with_alpha((1, 1, 0.85), 0.55))
        ctx.set_line_width(1.4)
        ctx.stroke()

    # Drawn once per copy across the picture (and the one before it), so a
    # picture wider than the band's repeat carries it on past the right
    # side, each join the same as the one at the left.
    copies = range(-width, ctx.get_target().get_width() + width, width)
    for draw in (cap, lambda: _blades(ctx, width, top, seed, tufts, inner), highlight):
        for ox in copies:
            ctx.save()
            ctx.translate(ox, 0)
            draw()
            ctx.restore()


# The turf laid along an eased line, one turned piece for each 64-pixel
# step, its top edge on the line, reaching 8 pixels past the step (the
# overlap that closes bends). The grass and the earth under it repeat
# every TURF_STEP, and the grass's edges lie flat where one piece gives way
# to the next: steeper steps are longer than 64 pixels, so the next piece
# starts up to 8 pixels later in the pattern than this one left off. The
# piece is a tile deep, down to the bottom of its block, and below the
# grass's surface it reaches TURF_REACH further on, under the next piece:
# where the line bends over a crest the turned pieces part further down,
# and no sky may show between them. Tracks lay the earth tiles over the
# pieces' lower part, below the grass (see levels/training.lua).
TURF_STEP = 64
TURF_REACH = 32
TURF_SIZE = (TURF_STEP + TURF_REACH, TILE)
# Where the picture reaches on, it starts this far down: below the next
# piece's surface even where a crest lifts it a little.
TURF_REACH_TOP = GRASS_SURFACE + 6
# Pattern columns either side of where one piece meets the next.
TURF_JOIN = 4


def _turf_grass(ctx):
    """The turf's grass, repeating every step and lying flat at its joins;
    the whole piece and the bend's steps share it, so they meet evenly."""
    _grass_cap(ctx, TURF_STEP, ((1.2, 1, 0.4), (0.6, 3, 1.9)), ((3.5, 2, 0.7), (2.0, 4, 2.3), (1.2, 6, 0.2)),
               'turf-blades', 17, 20, _flat_near(TURF_JOIN, TURF_STEP))


def draw_turf(ctx):
    """Earth of the ground's tone, fine grain and specks only (no stone
    for a join to cut), capped with grass that repeats every step."""
    earth = _earth_shade(TURF_STEP, 'turf-grain')
    w, h = TURF_SIZE
    paint_pixels(ctx, w, h, lambda x, y: earth(x % TURF_STEP, y))
    _specks(ctx, 'turf-specks', 35, [P.with_alpha(P.DIRT_DARK, 0.55), P.with_alpha(P.GOLD_LIGHT, 0.35)],
            width=TURF_STEP)
    _turf_grass(ctx)
    ctx.save()
    ctx.rectangle(TURF_STEP + 8, 0, w, TURF_REACH_TOP)
    ctx.set_operator(cairo.OPERATOR_CLEAR)
    ctx.fill()
    ctx.restore()


# The turf's joins alone, a narrow piece of TURF_BEND_SIZE: where a line
# bends over a crest more sharply than a run of whole pieces can follow
# closely, short turned steps of it lay the bend. A whole piece reaches on
# past its step along its own slope, and over a crest that is in the air;
# this one reaches TURF_JOIN pixels past its step, where the grass lies flat
# at both sides. Its earth has no specks, which copies a few pixels apart
# would line up into streaks.
TURF_BEND_SIZE = (2 * TURF_JOIN, TILE)


def draw_turf_bend(ctx):
    """The turf's columns about its join, grain and grass only."""
    earth = _earth_shade(TURF_STEP, 'turf-grain')
    w, h = TURF_BEND_SIZE
    paint_pixels(ctx, w, h, earth)
    _turf_grass(ctx)


def _blades(ctx, width, surface, seed, tufts, inner):
    """Tufts of pointed blades: tall ones above the surface, short dark
    ones inside the turf for texture. Wrapped sideways only."""
    r = rng(seed)
    tufts = [(r.uniform(0, width), r.uniform(4, 12), r.uniform(-0.4, 0.4)) for _ in range(tufts)]
    inner = [(r.uniform(0, width), r.uniform(GRASS_SURFACE + 6, 32), r.uniform(3, 6)) for _ in range(inner)]

    def surface_y(x):
        x %= width
        i = min(int(x / 4), len(surface) - 2)
        (x0, y0), (x1, y1) = surface[i], surface[i + 1]
        return y0 + (y1 - y0) * (x - x0) / (x1 - x0)

    def blade(x, base, height, lean, width):
        ctx.new_path()
        ctx.move_to(x - width, base)
        ctx.curve_to(x - width * 0.5, base - height * 0.5, x + lean * height * 0.5, base - height * 0.8,
                     x + lean * height, base - height)
        ctx.curve_to(x + lean * height * 0.4, base - height * 0.7, x + width * 0.5, base - height * 0.4,
                     x + width, base)
        ctx.close_path()

    def draw():
        for x, height, lean in tufts:
            base = surface_y(x) + 3
            for dx, scale, tilt in ((-2.5, 0.75, -0.35), (0.0, 1.0, 0.0), (2.5, 0.8, 0.35)):
                blade(x + dx, base, height * scale, lean + tilt, 1.6)
                ctx.set_source(linear(0, base - height, 0, base, [(0, P.GRASS_LIGHT), (1, P.GRASS)]))
                ctx.fill()
        set_colour(ctx, P.with_alpha(P.GRASS_DARK, 0.55))
        for x, y, height in inner:
            blade(x, y, height, 0.2, 1.0)
            ctx.fill()

    draw()


# --- rock ------------------------------------------------------------------

def _stones(ctx, seed, count, gap, light, mid, dark, crack, fleck):
    """Packed stones from a wrapped cell pattern. Each stone is a cushion:
    flat on top, its rim turning away, so the rim is lit where it faces
    the upper left and shaded where it faces down; the joints between
    stones are dark."""
    r = rng(seed)
    seeds = [(x, y, r.uniform(1.1, 1.5)) for x, y in scatter(TILE, TILE, count, seed, gap)]
    tones = [r.uniform(-0.5, 0.5) for _ in seeds]
    grain = periodic_noise(TILE, TILE, 8, seed + '-grain', octaves=2)
    bevel = 9.0

    def shade(x, y):
        near, second, (dx, dy), i = nearest_cells(TILE, TILE, seeds, x + 0.5, y + 0.5)
        border = (second - near) / 2
        facing = -(0.45 * dx + 0.9 * dy) / (near + 1e-6)
        slope = max(0.0, 1 - border / bevel) ** 1.5
        t = 0.45 + 0.6 * facing * slope + 0.1 * facing + 0.3 * tones[i] + 0.25 * (grain[y][x] - 0.5)
        colour = P.ramp(dark, mid, light, t)
        joint = min(1.0, max(0.0, border - 1.0))
        return P.mix(crack, colour, joint)

    paint_pixels(ctx, TILE, TILE, shade)
    if fleck:
        _specks(ctx, seed + '-flecks', 40, fleck)


def draw_rock(ctx):
    _stones(ctx, 'rock', 11, 34, P.ROCK_LIGHT, P.ROCK, P.ROCK_DARK, P.mix(P.ROCK_DARK, P.INK, 0.6),
            [P.with_alpha(P.ROCK_DARK, 0.5), P.with_alpha(P.ROCK_LIGHT, 0.5)])


def draw_cave_rock(ctx):
    """Darker and cooler than rock, with bigger stones and a few glints of
    crystal so it is not a flat hole in the screen."""
    _stones(ctx, 'cave-rock', 7, 44, P.CAVE_ROCK_LIGHT, P.CAVE_ROCK, P.CAVE_ROCK_DARK,
            P.mix(P.CAVE_ROCK_DARK, P.INK, 0.7), [P.with_alpha(P.CAVE_ROCK_DARK, 0.6)])
    r = rng('cave-crystals')
    glints = [(x, y, r.uniform(1.4, 2.8)) for x, y in scatter(TILE, TILE, 3, 'cave-crystals', 50)]

    def draw():
        for x, y, size in glints:
            ctx.new_path()
            ctx.move_to(x, y - size * 1.6)
            ctx.line_to(x + size, y)
            ctx.line_to(x, y + size * 1.6)
            ctx.line_to(x - size, y)
            ctx.close_path()
            set_colour(ctx, P.with_alpha(P.CAVE_CRYSTAL, 0.85))
            ctx.fill()
            circle(ctx, x - size * 0.3, y - size * 0.5, size * 0.35)
            set_colour(ctx, (1, 1, 1, 0.8))
            ctx.fill()

    wrapped(ctx, TILE, TILE, draw)


# --- water -----------------------------------------------------------------

def draw_water(ctx):
    """Translucent blue with drifting light ripples; the level behind shows
    through, darker where the ripples are not."""
    depth = periodic_noise(TILE, TILE, 3, 'water-depth', octaves=2)
    warp = periodic_noise(TILE, TILE, 4, 'water-warp', octaves=2)

    def shade(x, y):
        # Ripple crests: thin bands of a sine along the depth, bent by the
        # noise. Four bands per tile keep them whole at the edges.
        crest = math.sin(2 * math.pi * (4 * y / TILE + 0.9 * warp[y][x]))
        glow = max(0.0, (crest - 0.88) / 0.12) ** 1.5
        colour = P.mix(P.WATER, P.WATER_DEEP, depth[y][x])
        colour = P.mix(colour, P.WATER_LIGHT, 0.6 * glow)
        return colour[:3] + (0.6 + 0.2 * glow,)

    paint_pixels(ctx, TILE, TILE, shade)
    r = rng('water-sparkles')
    sparkles = [(x, y, r.uniform(1.5, 2.5)) for x, y in scatter(TILE, TILE, 4, 'water-sparkles', 50)]

    def draw():
        for x, y, size in sparkles:
            for dx, dy in ((size * 2, 0), (0, size * 1.2)):
                ctx.new_path()
                ctx.move_to(x - dx, y - dy)
                ctx.line_to(x + dx, y + dy)
                set_colour(ctx, (1, 1, 1, 0.75))
                ctx.set_line_width(1.0)
                ctx.stroke()

    wrapped(ctx, TILE, TILE, draw)
