"""Contact sheet: every generated image on neutral grey with its name, plus
sample lines set in the two image fonts, for reviewing the whole set at a
glance."""

import math
import os

import cairo

from . import fontpreview
from . import fonts
from . import trackmock
from . import palette as P
from .canvas import new_canvas, save_png, set_colour

SHEET_WIDTH = 1700
GAP = 16
LABEL_H = 16
# Small images are also shown enlarged so their detail can be judged.
ZOOM_BELOW = 64
ZOOM = 4


def _label(name, surface):
    return '%s  %dx%d' % (name, surface.get_width(), surface.get_height())


def _tile_size(name, surface, repeat):
    """Room a tile needs: the image (repeated, or with its enlargement) and
    its label."""
    w, h = surface.get_width() * repeat[0], surface.get_height() * repeat[1]
    if max(w, h) <= ZOOM_BELOW:
        w, h = w + GAP + w * ZOOM, h * ZOOM
    return max(w, 7 * len(_label(name, surface))), h


def _draw_tile(ctx, name, surface, x, y, repeat):
    ctx.select_font_face('DejaVu Sans', cairo.FONT_SLANT_NORMAL, cairo.FONT_WEIGHT_BOLD)
    ctx.set_font_size(11)
    ctx.move_to(x, y + 11)
    set_colour(ctx, (0.08, 0.08, 0.08))
    ctx.show_text(_label(name, surface))
    y += LABEL_H
    w, h = surface.get_width() * repeat[0], surface.get_height() * repeat[1]
    # Textures that repeat in the game are shown repeated, so a seam shows.
    ctx.rectangle(x, y, w, h)
    ctx.set_source_surface(surface, x, y)
    ctx.get_source().set_extend(cairo.EXTEND_REPEAT)
    ctx.fill()
    if max(w, h) <= ZOOM_BELOW:
        ctx.save()
        ctx.translate(x + w + GAP, y)
        ctx.scale(ZOOM, ZOOM)
        ctx.set_source_surface(surface, 0, 0)
        ctx.get_source().set_filter(cairo.FILTER_NEAREST)
        ctx.paint()
        ctx.restore()


def _layout(images, repeats):
    """Shelf packing: place tiles left to right, wrapping into rows."""
    placed, x, y, row_h = [], GAP, GAP, 0
    for name, surface in images:
        tw, th = _tile_size(name, surface, repeats.get(name, (1, 1)))
        if x + tw > SHEET_WIDTH - GAP and x > GAP:
            x, y, row_h = GAP, y + row_h + GAP, 0
        placed.append((name, surface, x, y))
        x += tw + GAP
        row_h = max(row_h, th + LABEL_H)
    return placed, y + row_h + GAP


def _font_samples(ctx, res_dir, y):
    gui = cairo.ImageSurface.create_from_png(os.path.join(res_dir, 'fixedfont.png'))
    menu = cairo.ImageSurface.create_from_png(os.path.join(res_dir, 'menufont.png'))
    lines = [
        (gui, fonts.GUI_GLYPHS, 'Track 7: Sunny Hills   Best 01:23.45   Stars 3/5   (\xc5\xc4\xd6)'),
        (gui, fonts.GUI_GLYPHS, 'The quick brown fox jumps over the lazy dog + 0123456789 = _/\\,.-:'),
        (menu, fonts.MENU_GLYPHS, 'play  credits  options  quit'),
        (menu, fonts.MENU_GLYPHS, 'high scores, level 12 (0:45) \xe4'),
    ]
    for strip, glyphs, text in lines:
        # Dark and light backdrops: the fonts must read on both.
        ctx.rectangle(GAP, y, 700, strip.get_height() + 6)
        set_colour(ctx, P.DIAL_FACE)
        ctx.fill()
        ctx.rectangle(GAP + 720, y, 700, strip.get_height() + 6)
        set_colour(ctx, P.SKY_HORIZON)
        ctx.fill()
        fontpreview.draw_text(ctx, strip, glyphs, text, GAP + 6, y + 3)
        fontpreview.draw_text(ctx, strip, glyphs, text, GAP + 726, y + 3)
        y += strip.get_height() + 12
    return y


def _blit(ctx, img, x, y, angle=0.0, flip=False):
    """Draw an image the way the game does: centred on (x, y) and turned
    about its integer half size (x, y is the top-left when angle is None)."""
    ctx.save()
    if angle is None:
        ctx.translate(x, y)
    else:
        ctx.translate(x, y)
        ctx.rotate(angle)
        if flip:
            ctx.scale(-1, 1)
        ctx.translate(-(img.get_width() // 2), -(img.get_height() // 2))
    ctx.set_source_surface(img, 0, 0)
    ctx.paint()
    ctx.restore()


def _mock_up(ctx, res_dir, x0, y0):
    """A still of a game screen built only from the finished files, at
    their real size: checks the pieces fit and read together."""
    load = lambda n: cairo.ImageSurface.create_from_png(os.path.join(res_dir, n))
    ctx.save()
    ctx.rectangle(x0, y0, 800, 600)
    ctx.clip()
    ctx.translate(x0, y0)
    _blit(ctx, load('forest.png'), 0, 0, None)
    ground = 470
    ctx.rectangle(0, ground, 800, 130)
    set_colour(ctx, P.DIRT)
    ctx.fill()
    chassis = (400, ground - 30 - 78 + 28 + 50 - 50)
    cx, cy = chassis[0] - 2, chassis[1] - 28 + 50
    wheel = load('wheel.png')
    _blit(ctx, wheel, cx - 48, cy + 28, 0.4)
    _blit(ctx, wheel, cx + 52, cy + 28, 1.1)
    _blit(ctx, load('moto.png'), cx, cy)
    _blit(ctx, load('thigh.png'), cx - 2, cy - 10, 0.9)
    _blit(ctx, load('foot.png'), cx - 5, cy + 14, -1.75)
    _blit(ctx, load('body.png'), cx - 6, cy - 42, -0.95)
    _blit(ctx, load('head.png'), cx + 14, cy - 72, 0.05)
    _blit(ctx, load('thigh.png'), cx + 8, cy - 44, 1.2)
    _blit(ctx, load('thigh.png'), cx + 16, cy - 30, -0.5)
    for i, n in enumerate(('hair.png', 'hair2.png', 'hair3.png', 'hair4.png')):
        _blit(ctx, load(n), cx - 6 - 9 * i, cy - 70 + i * 2, math.pi + 0.2 * math.sin(i))
    smoke, dust = load('smoke.png'), load('smoke_small.png')
    for i, frame in enumerate((2, 6, 10)):
        ctx.save()
        px, py = cx - 63 - 40 * i, cy - 17 - 10 * i
        ctx.rectangle(px - 64, py - 64, 128, 128)
        ctx.clip()
        _blit(ctx, smoke, px - 64 - (frame % 4) * 128, py - 64 - (frame // 4) * 128, None)
        ctx.restore()
    ctx.save()
    ctx.rectangle(cx + 20, ground - 60, 64, 64)
    ctx.clip()
    _blit(ctx, dust, cx + 20 - 3 * 64, ground - 60, None)
    ctx.restore()
    star = load('staritem.png')
    for i in range(3):
        ctx.save()
        ctx.rectangle(560 + i * 50, ground - 80, 32, 32)
        ctx.clip()
        _blit(ctx, star, 560 + i * 50 - i * 2 * 32, ground - 80, None)
        ctx.restore()
    for i, d in enumerate((1, 2, 7)):
        _blit(ctx, load('num%d.png' % d), 20 + 30 * i, 20, None)
    _blit(ctx, load('speedmeter.png'), 110, 0, None)
    _blit(ctx, load('speedmeterneedle.png'), 110 + 64, 0, -2.3)
    _blit(ctx, load('rotationmeter.png'), 238, 0, None)
    _blit(ctx, load('rotationsegment.png'), 238, 0, None)
    _blit(ctx, load('speedmeterneedle.png'), 238 + 32, 32, 0.7, flip=True)
    _blit(ctx, load('objective.png'), 560, 20, None)
    gui = load('fixedfont.png')
    fontpreview.draw_text(ctx, gui, fonts.GUI_GLYPHS, 'Collect 3 stars', 596, 29)
    _blit(ctx, load('dlgseparator.png'), 60, 110, None)
    _blit(ctx, load('cursor.png'), 520, 300, None)
    ctx.restore()


def _track_still(ctx, draw, res_dir, x0, y0):
    ctx.save()
    ctx.rectangle(x0, y0, *trackmock.MOCK_SIZE)
    ctx.clip()
    ctx.translate(x0, y0)
    draw(ctx, res_dir)
    ctx.restore()


def write_contact_sheet(res_dir, names, path, repeats):
    """`repeats` maps texture names to how many copies to show across and
    down."""
    images = [(n, cairo.ImageSurface.create_from_png(os.path.join(res_dir, n))) for n in names]
    placed, height = _layout(images, repeats)
    # Draw on a canvas with room to spare, then keep only the used part.
    big, ctx = new_canvas(SHEET_WIDTH, height + 1600)
    set_colour(ctx, P.SHEET_GREY)
    ctx.paint()
    for name, img, x, y in placed:
        _draw_tile(ctx, name, img, x, y, repeats.get(name, (1, 1)))
    y = _font_samples(ctx, res_dir, height) + GAP
    _mock_up(ctx, res_dir, GAP, y)
    _track_still(ctx, trackmock.draw_day_track, res_dir, 2 * GAP + 800, y)
    y += 600 + GAP
    _track_still(ctx, trackmock.draw_cave_track, res_dir, GAP, y)
    surface, ctx = new_canvas(SHEET_WIDTH, y + 600 + GAP)
    ctx.set_source_surface(big, 0, 0)
    ctx.paint()
    save_png(surface, path)
