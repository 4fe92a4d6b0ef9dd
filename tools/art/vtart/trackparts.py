"""Shaped pieces and scenery of the tracks: pictures made to the size of one level
object, so the game draws them as they collide. Each is cut from the
repeating level textures (the same tiles the ground is laid from), inked
and lit like the rest of the art.

- The loop is one picture of a whole steel ring, its band outside the
  circle the bike rides: the band reaches out of the quarters' boxes, so
  the level shows it as a picture and gives its arcs the clear picture, one
  that shows nothing. (One of its pixels is all but transparent: a picture
  whose alpha is zero everywhere is taken for one without alpha, and
  drawn opaque.)
- Wheels turn about their centres: the mill's water wheel (a wooden rim
  and paddles round an iron hub) and the steel rollers of a roller lift,
  each drawn to the circle's diameter with a mark that shows it turning.
- Yard parts for scene files: a steel girder as a block, and the same
  girder for a line (a line's picture is centred on it, so there the beam
  fills the lower half and its top edge is the line), a cable spool, a
  wooden crate, and a sheet of 8 frames of 32 x 32 of a shower of
  welding sparks.
- A cluster of cave crystals and a fringe of short stalactites, for the
  dark tracks' shaded pictures: the game shades each corner by the bike's
  distance, so they light up as the bike comes near. The stalactites hang
  from the top edge of their picture.
- The miner's lamp hangs on its chain from the top middle of its picture:
  the chain runs 80 px down to the lamp's cap, and the glass, lit from
  within, is centred 94 px down, in a warm halo that fades into the dark.
  The cave hangs its swinging composite (a line and a small circle) right
  under it, so chain and glass are drawn solid where those run.
- The firefly is a sheet of 8 frames of 16 x 16 in one row: a speck of
  light that swells and fades, for levels to scatter over a dark screen.
- Planks are boards of the given size for the level's loose and hinged
  beams (seesaws, swings, drawbridges): the game draws a turning object's
  picture centred on it, so the picture is exactly the beam.
- Ramps are wedges rising left to right, the sloping deck from the bottom
  left corner to the top right one, a wooden frame under it. A level puts
  an invisible triangle of the same corners under the picture.
"""

import math

from . import palette as P
from . import structures, terrain
from .canvas import circle, fill_and_outline, linear, new_canvas, polygon, radial, rng, rounded_rect, set_colour
from .tiling import TILE

FIREFLY = (16, 8)  # frame size, frames
MILL_WHEEL = 320
GIRDER = (256, 32)
SPOOL = 64
CRATE = 64
SPARKS = (32, 8)
CRYSTALS = (96, 80)
LAMP = (160, 176)
LAMP_GLASS = 94   # the glass's centre below the hook
STALACTITES = (128, 40)
ROLLER = 48
PLANKS = {'plank128x16.png': (128, 16), 'plank256x16.png': (256, 16), 'plank320x16.png': (320, 16), 'plank384x20.png': (384, 20)}
LOOP = 240        # the radius the bike rides
LOOP_BAND = 24
RAMPS = {'ramp128x40.png': (128, 40), 'ramp128x96.png': (128, 96), 'ramp192x64.png': (192, 64), 'ramp256x96.png': (256, 96)}


def material(draw_tile):
    """A level texture as a cairo pattern that repeats both ways."""
    import cairo
    surface, ctx = new_canvas(TILE, TILE)
    draw_tile(ctx)
    pattern = cairo.SurfacePattern(surface)
    pattern.set_extend(cairo.EXTEND_REPEAT)
    return pattern


def draw_ramp(ctx, w, h):
    deck = 10
    # The frame: dark posts and a brace under the deck.
    polygon(ctx, [(0, h), (w, 0), (w, h)])
    ctx.set_source(linear(0, 0, 0, h, [(0, P.WOOD_DARK), (1, P.mix(P.WOOD_DARK, P.INK, 0.4))]))
    ctx.fill()
    set_colour(ctx, P.with_alpha(P.WOOD, 0.9))
    ctx.set_line_width(5)
    for k in range(1, 4):
        x = w * k / 4
        ctx.new_path()
        ctx.move_to(x, h - 2)
        ctx.line_to(x, h - h * x / w + deck)
        ctx.stroke()
    ctx.new_path()
    ctx.move_to(w * 0.25, h - 3)
    ctx.line_to(w - 4, deck + 4)
    ctx.stroke()
    # The deck: a plank band along the slope, cut from the wood texture.
    polygon(ctx, [(0, h), (w, 0), (w, deck), (deck * w / h, h)])
    fill_and_outline(ctx, material(structures.draw_wood), P.INK, 1.4)
    polygon(ctx, [(0, h), (w, 0), (w, h)])
    set_colour(ctx, P.INK)
    ctx.set_line_width(1.6)
    ctx.stroke()


def draw_clear(ctx):
    ctx.rectangle(0, 0, 1, 1)
    set_colour(ctx, (0, 0, 0, 1 / 255))
    ctx.fill()


def draw_loop(ctx, radius=LOOP, band=LOOP_BAND):
    c = radius + band
    steel = material(structures.draw_metal)
    circle(ctx, c, c, radius + band - 1)
    ctx.arc_negative(c, c, radius, 2 * math.pi, 0)
    fill_and_outline(ctx, steel, P.INK, 2.0)
    # Struts from the ring's foot down to the ground under it.
    for dx in (-0.45, 0.45):
        x = c + dx * radius
        ctx.rectangle(x - 5, c + radius * 0.85, 10, c * 2 - (c + radius * 0.85))
        fill_and_outline(ctx, steel, P.INK, 1.2)


def draw_plank(ctx, w, h):
    rounded_rect(ctx, 0.5, 0.5, w - 1, h - 1, 3)
    fill_and_outline(ctx, material(structures.draw_wood), P.INK, 1.2)
    ctx.rectangle(2, 2, w - 4, 2)
    set_colour(ctx, P.with_alpha(P.WOOD_LIGHT, 0.6))
    ctx.fill()
    for x in (6, w - 6):
        structures.nail(ctx, x, h / 2)


def draw_mill_wheel(ctx, size=MILL_WHEEL):
    r = size / 2
    ctx.translate(r, r)
    wood = material(structures.draw_wood)
    paddles = 12
    for i in range(paddles):
        ctx.save()
        ctx.rotate(2 * math.pi * i / paddles)
        ctx.rectangle(r * 0.62, -7, r * 0.38 - 1, 14)
        fill_and_outline(ctx, wood, P.INK, 1.4)
        ctx.restore()
    for outer, inner in ((r * 0.7, r * 0.6), (r * 0.3, r * 0.22)):
        circle(ctx, 0, 0, outer)
        ctx.arc_negative(0, 0, inner, 2 * math.pi, 0)
        fill_and_outline(ctx, wood, P.INK, 1.6)
    for i in range(6):
        ctx.save()
        ctx.rotate(2 * math.pi * i / 6)
        ctx.rectangle(r * 0.2, -5, r * 0.42, 10)
        fill_and_outline(ctx, wood, P.INK, 1.2)
        ctx.restore()
    circle(ctx, 0, 0, r * 0.14)
    fill_and_outline(ctx, radial(0, 0, 0, r * 0.14, [(0, P.STEEL_LIGHT), (1, P.STEEL_DARK)],
                                 fx=-r * 0.04, fy=-r * 0.05), P.INK, 1.6)


def draw_roller(ctx, size=ROLLER):
    r = size / 2
    ctx.translate(r, r)
    circle(ctx, 0, 0, r - 1)
    fill_and_outline(ctx, radial(0, 0, 0, r, [(0, P.STEEL_LIGHT), (0.7, P.STEEL), (1, P.STEEL_DARK)],
                                 fx=-r * 0.3, fy=-r * 0.35), P.INK, 1.5)
    # A yellow stripe across the face shows the roller turning.
    ctx.rectangle(-r * 0.8, -3, r * 1.6, 6)
    set_colour(ctx, P.GOLD)
    ctx.fill()
    circle(ctx, 0, 0, r * 0.3)
    fill_and_outline(ctx, P.ENGINE, P.INK, 1.2)


def draw_girder(ctx, w=GIRDER[0], h=GIRDER[1], top=0):
    h += top
    steel = material(structures.draw_metal)
    ctx.rectangle(0, top, w, 7)
    fill_and_outline(ctx, steel, P.INK, 1.2)
    ctx.rectangle(0, h - 8, w, 7)
    fill_and_outline(ctx, steel, P.INK, 1.2)
    ctx.rectangle(0, top + 7, w, h - top - 15)
    ctx.set_source(linear(0, top, 0, h, [(0, P.STEEL_DARK), (1, P.mix(P.STEEL_DARK, P.INK, 0.4))]))
    ctx.fill()
    # Lattice of the web, and bolt holes along it.
    set_colour(ctx, P.STEEL)
    ctx.set_line_width(3)
    for i in range(0, int(w), 32):
        ctx.new_path()
        ctx.move_to(i + 2, top + 8)
        ctx.line_to(i + 30, h - 9)
        ctx.move_to(i + 30, top + 8)
        ctx.line_to(i + 2, h - 9)
        ctx.stroke()


def draw_spool(ctx, size=SPOOL):
    r = size / 2
    ctx.translate(r, r)
    circle(ctx, 0, 0, r - 1)
    fill_and_outline(ctx, material(structures.draw_wood), P.INK, 1.5)
    circle(ctx, 0, 0, r * 0.62)
    fill_and_outline(ctx, linear(-r, -r, r, r, [(0, P.BIKE_RED_LIGHT), (1, P.BIKE_RED_DARK)]), P.INK, 1.2)
    for k in range(3):
        circle(ctx, 0, 0, r * (0.56 - 0.1 * k))
        set_colour(ctx, P.with_alpha(P.INK, 0.35))
        ctx.set_line_width(1)
        ctx.stroke()
    circle(ctx, 0, 0, r * 0.2)
    fill_and_outline(ctx, P.ENGINE, P.INK, 1.2)
    circle(ctx, r * 0.72, 0, 2.5)
    fill_and_outline(ctx, P.STEEL_LIGHT, P.INK, 0.8)


def draw_crate(ctx, size=CRATE):
    ctx.rectangle(1, 1, size - 2, size - 2)
    fill_and_outline(ctx, material(structures.draw_wood), P.INK, 1.6)
    inset = 7
    ctx.rectangle(inset, inset, size - 2 * inset, size - 2 * inset)
    set_colour(ctx, P.mix(P.WOOD_DARK, P.INK, 0.3))
    ctx.set_line_width(2.2)
    ctx.stroke()
    ctx.new_path()
    ctx.move_to(inset, inset)
    ctx.line_to(size - inset, size - inset)
    ctx.move_to(size - inset, inset)
    ctx.line_to(inset, size - inset)
    set_colour(ctx, P.WOOD_LIGHT)
    ctx.set_line_width(5)
    ctx.stroke()
    for x in (4, size - 4):
        for y in (4, size - 4):
            structures.nail(ctx, x, y)


def draw_spark_sheet(ctx):
    size, frames = SPARKS
    r = rng('sparks')
    rays = [(r.uniform(-2.6, -0.5), r.uniform(0.5, 1.0)) for _ in range(9)]
    for i in range(frames):
        t = (i + 1) / frames
        cx, cy = i * size + size / 2, size / 2
        for angle, speed in rays:
            reach = size * 0.45 * speed * t
            x, y = cx + math.cos(angle) * reach, cy + math.sin(angle) * reach + 6 * t * t
            circle(ctx, x, y, 1.6 * (1 - t) + 0.6)
            set_colour(ctx, P.with_alpha(P.mix(P.GOLD_LIGHT, P.HIGHLIGHT, t), 1 - 0.7 * t))
            ctx.fill()
        circle(ctx, cx, cy, 4 * (1 - t) + 1)
        set_colour(ctx, P.with_alpha((1, 1, 1), 1 - t))
        ctx.fill()


def draw_crystals(ctx, w=CRYSTALS[0], h=CRYSTALS[1]):
    # (foot x, height, width, lean) of each spike, tallest in the middle.
    spikes = [(22, 40, 14, -0.35), (70, 46, 16, 0.3), (36, 56, 18, -0.15), (58, 62, 18, 0.12), (47, 74, 20, 0.0)]
    for x, height, width, lean in spikes:
        tip = (x + lean * height, h - height)
        polygon(ctx, [(x - width / 2, h - 2), tip, (x + width / 2, h - 2)])
        fill_and_outline(ctx, linear(x - width / 2, 0, x + width / 2, 0,
                                     [(0, P.CAVE_CRYSTAL), (0.5, P.WATER_LIGHT), (1, P.WATER)]), P.INK, 1.3)
        ctx.new_path()
        ctx.move_to(x, h - 4)
        ctx.line_to(tip[0], tip[1] + 6)
        set_colour(ctx, P.with_alpha((1, 1, 1), 0.6))
        ctx.set_line_width(1.5)
        ctx.stroke()
    polygon(ctx, [(6, h), (14, h - 8), (w - 14, h - 8), (w - 6, h)])
    fill_and_outline(ctx, P.CAVE_ROCK, P.INK, 1.2)


def draw_stalactites(ctx, w=STALACTITES[0], h=STALACTITES[1]):
    ctx.rectangle(0, 0, w, 6)
    set_colour(ctx, P.CAVE_ROCK)
    ctx.fill()
    r = rng('stalactites')
    x = 4
    while x < w - 8:
        width, length = r.uniform(10, 18), r.uniform(0.45, 0.95) * (h - 2)
        polygon(ctx, [(x, 4), (x + width / 2 + r.uniform(-2, 2), length), (x + width, 4)])
        fill_and_outline(ctx, linear(x, 0, x + width, 0, [(0, P.CAVE_ROCK_LIGHT), (1, P.CAVE_ROCK_DARK)]), P.INK, 1.1)
        circle(ctx, x + width / 2, length - 3, 1.8)
        set_colour(ctx, P.CAVE_CRYSTAL)
        ctx.fill()
        x += width + r.uniform(1, 6)


def draw_lamp(ctx, w=LAMP[0], h=LAMP[1], glass=LAMP_GLASS):
    cx = w / 2
    halo = min(cx, h - glass) - 2
    circle(ctx, cx, glass, halo)
    ctx.set_source(radial(cx, glass, 0, halo, [(0, P.with_alpha(P.GOLD_LIGHT, 0.55)),
                                               (0.35, P.with_alpha(P.HIGHLIGHT, 0.22)),
                                               (1, P.with_alpha(P.HIGHLIGHT, 0))]))
    ctx.fill()
    # The chain: links seen face on and edge on by turns, each face-on link
    # dark inside, so the chain is solid down its middle.
    for i, y in enumerate(range(0, 80, 8)):
        if i % 2:
            rounded_rect(ctx, cx - 2.2, y, 4.4, 10, 2.2)
            fill_and_outline(ctx, P.STEEL_DARK, P.INK, 1.0)
        else:
            ctx.save()
            ctx.translate(cx, y + 5)
            ctx.scale(1, 1.6)
            circle(ctx, 0, 0, 3.6)
            ctx.restore()
            fill_and_outline(ctx, P.STEEL, P.INK, 1.0)
            rounded_rect(ctx, cx - 1.2, y + 2.5, 2.4, 5, 1.2)
            set_colour(ctx, P.ENGINE_DARK)
            ctx.fill()
    # The cap with its ring, the glass in its cage, and the base.
    polygon(ctx, [(cx - 6, glass - 12), (cx - 3, glass - 18), (cx + 3, glass - 18), (cx + 6, glass - 12)])
    fill_and_outline(ctx, P.ENGINE, P.INK, 1.2)
    rounded_rect(ctx, cx - 11, glass - 15, 22, 5, 2)
    fill_and_outline(ctx, linear(cx - 11, 0, cx + 11, 0, [(0, P.STEEL_LIGHT), (1, P.STEEL_DARK)]), P.INK, 1.2)
    rounded_rect(ctx, cx - 13, glass - 11, 26, 23, 7)
    fill_and_outline(ctx, radial(cx, glass + 1, 1, 14, [(0, (1, 1, 1)), (0.3, P.GOLD_LIGHT), (0.75, P.GOLD),
                                                        (1, P.GOLD_DARK)]), P.INK, 1.4)
    for dx in (-6, 0, 6):
        ctx.move_to(cx + dx, glass - 10)
        ctx.line_to(cx + dx, glass + 11)
    set_colour(ctx, P.with_alpha(P.ENGINE_DARK, 0.8))
    ctx.set_line_width(1.4)
    ctx.stroke()
    rounded_rect(ctx, cx - 12, glass + 10, 24, 6, 2)
    fill_and_outline(ctx, linear(cx - 12, 0, cx + 12, 0, [(0, P.STEEL_LIGHT), (1, P.STEEL_DARK)]), P.INK, 1.2)


def draw_firefly_sheet(ctx):
    size, frames = FIREFLY
    for i in range(frames):
        glow = math.sin(math.pi * (i + 0.5) / frames)
        cx, cy = i * size + size / 2, size / 2
        circle(ctx, cx, cy, size / 2)
        ctx.set_source(radial(cx, cy, 0, size / 2, [(0, P.with_alpha(P.GOLD_LIGHT, glow)),
                                                     (0.3, P.with_alpha(P.GRASS_LIGHT, 0.75 * glow)),
                                                     (1, P.with_alpha(P.GRASS_LIGHT, 0))]))
        ctx.fill()


def track_images():
    """(file name, size, draw function) for every piece."""
    images = [('firefly.png', (FIREFLY[0] * FIREFLY[1], FIREFLY[0]), draw_firefly_sheet),
              ('clear.png', (8, 8), draw_clear),
              ('loop.png', (2 * (LOOP + LOOP_BAND),) * 2, draw_loop),
              ('millwheel.png', (MILL_WHEEL, MILL_WHEEL), draw_mill_wheel),
              ('roller.png', (ROLLER, ROLLER), draw_roller),
              ('girder.png', GIRDER, draw_girder),
              ('girderline.png', (GIRDER[0], 2 * GIRDER[1]), lambda ctx: draw_girder(ctx, top=GIRDER[1])),
              ('spool.png', (SPOOL, SPOOL), draw_spool),
              ('crate.png', (CRATE, CRATE), draw_crate),
              ('sparks.png', (SPARKS[0] * SPARKS[1], SPARKS[0]), draw_spark_sheet),
              ('crystals.png', CRYSTALS, draw_crystals),
              ('lamp.png', LAMP, draw_lamp),
              ('stalactites.png', STALACTITES, draw_stalactites)]
    for name, (w, h) in sorted(PLANKS.items()):
        images.append((name, (w, h), lambda ctx, w=w, h=h: draw_plank(ctx, w, h)))
    for name, (w, h) in sorted(RAMPS.items()):
        images.append((name, (w, h), lambda ctx, w=w, h=h: draw_ramp(ctx, w, h)))
    return images
