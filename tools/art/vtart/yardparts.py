"""Pieces of the tracks' rules and hazards, each drawn to the size of the
level object that shows it (the game draws a block's picture at its own
size, turned with it):

- Gates are upright barriers with red and white bands between steel caps,
  the way a closed road looks; a level drops one out of the way once its
  goal is met.
- Buttons are low steel housings with a red push plate on top; plates are
  steel tread plates sunk in the ground.
- The swinging log is one picture for a hinged block: an iron rod hanging
  from its top middle and a round log end at its foot.
- The start post is a steel pole with a board chequered in violet and
  white, the flag's counterpart at a track's start; the violet is found
  nowhere else in the art, so the post marks the start in any picture.
"""


from . import palette as P
from .canvas import circle, fill_and_outline, linear, radial, rounded_rect, set_colour

GATES = {'gate16x160.png': (16, 160), 'gate16x192.png': (16, 192)}
BUTTON = (64, 8)
PLATE = (256, 8)
LOG = (64, 192)      # the hinge 6 below the top middle, the log at the foot
START_POST = (32, 128)

RED = P.BIKE_RED
WHITE = P.PLATE_WHITE
START_VIOLET = (0.54, 0.17, 0.89)


def draw_gate(ctx, w, h):
    cap = w
    rounded_rect(ctx, 0.5, 0.5, w - 1, h - 1, 3)
    ctx.save()
    ctx.clip_preserve()
    set_colour(ctx, WHITE)
    ctx.fill()
    band = 2 * w
    for k in range(-1, int(h / band) + 2):
        y = cap + k * band
        ctx.move_to(0, y)
        ctx.line_to(w, y - w * 0.6)
        ctx.line_to(w, y - w * 0.6 + band / 2)
        ctx.line_to(0, y + band / 2)
        ctx.close_path()
    set_colour(ctx, RED)
    ctx.fill()
    for y in (0, h - cap):
        ctx.rectangle(0, y, w, cap)
        ctx.set_source(linear(0, 0, w, 0, [(0, P.METAL_LIGHT), (1, P.METAL_DARK)]))
        ctx.fill()
    ctx.restore()
    rounded_rect(ctx, 0.5, 0.5, w - 1, h - 1, 3)
    set_colour(ctx, P.INK)
    ctx.set_line_width(1.2)
    ctx.stroke()


def draw_button(ctx, w=BUTTON[0], h=BUTTON[1]):
    ctx.rectangle(0.5, h / 2, w - 1, h / 2 - 0.5)
    fill_and_outline(ctx, linear(0, h / 2, 0, h, [(0, P.METAL), (1, P.METAL_DARK)]), P.INK, 1.0)
    rounded_rect(ctx, 6.5, 0.5, w - 13, h / 2 + 1, 2)
    fill_and_outline(ctx, linear(0, 0, 0, h / 2, [(0, P.BIKE_RED_LIGHT), (1, P.BIKE_RED_DARK)]), P.INK, 1.0)


def draw_plate(ctx, w=PLATE[0], h=PLATE[1]):
    ctx.rectangle(0.5, 0.5, w - 1, h - 1)
    fill_and_outline(ctx, linear(0, 0, 0, h, [(0, P.METAL_LIGHT), (1, P.METAL_DARK)]), P.INK, 1.0)
    set_colour(ctx, P.with_alpha(P.METAL_DARK, 0.8))
    ctx.set_line_width(1.0)
    for x in range(6, w - 4, 10):
        ctx.move_to(x, 2)
        ctx.line_to(x + 4, h - 2)
        ctx.stroke()


def draw_log(ctx, w=LOG[0], h=LOG[1]):
    r = w / 2 - 1
    cx, cy = w / 2, h - r - 1
    # The rod, with an eye at the hinge.
    ctx.rectangle(cx - 3, 4, 6, cy - 4)
    fill_and_outline(ctx, linear(cx - 3, 0, cx + 3, 0, [(0, P.STEEL_LIGHT), (1, P.ENGINE)]), P.INK, 1.0)
    circle(ctx, cx, 6, 5)
    fill_and_outline(ctx, P.STEEL, P.INK, 1.0)
    # The log's end: bark, then the sawn face with its year rings.
    circle(ctx, cx, cy, r)
    fill_and_outline(ctx, P.WOOD_DARK, P.INK, 1.6)
    circle(ctx, cx, cy, r - 5)
    ctx.set_source(radial(cx, cy, 0, r - 5, [(0, P.WOOD_LIGHT), (1, P.WOOD)]))
    ctx.fill()
    set_colour(ctx, P.with_alpha(P.WOOD_DARK, 0.6))
    ctx.set_line_width(1.2)
    for ring in range(4, int(r - 6), 5):
        circle(ctx, cx, cy, ring)
        ctx.stroke()
    # The rod's bolt through the log.
    circle(ctx, cx, cy, 3)
    fill_and_outline(ctx, P.STEEL, P.INK, 1.0)


def draw_start_post(ctx, w=START_POST[0], h=START_POST[1]):
    pole = 8
    x0 = (w - pole) / 2
    ctx.rectangle(x0, 24, pole, h - 24)
    ctx.set_source(linear(x0, 0, x0 + pole, 0, [(0, P.METAL_LIGHT), (1, P.METAL_DARK)]))
    ctx.fill_preserve()
    set_colour(ctx, P.INK)
    ctx.set_line_width(1.0)
    ctx.stroke()
    # The board on top, chequered like the flag but violet.
    cell = (w - 2) / 4
    for row in range(3):
        for col in range(4):
            ctx.rectangle(1 + col * cell, 1 + row * cell, cell, cell)
            set_colour(ctx, START_VIOLET if (row + col) % 2 else WHITE)
            ctx.fill()
    ctx.rectangle(1, 1, w - 2, 3 * cell)
    set_colour(ctx, P.INK)
    ctx.set_line_width(1.5)
    ctx.stroke()


def yard_images():
    """(file name, size, draw function) for every piece."""
    images = [(name, size, lambda ctx, w=size[0], h=size[1]: draw_gate(ctx, w, h))
              for name, size in sorted(GATES.items())]
    return images + [('button.png', BUTTON, draw_button), ('plate.png', PLATE, draw_plate),
                     ('log.png', LOG, draw_log), ('startpost.png', START_POST, draw_start_post)]
