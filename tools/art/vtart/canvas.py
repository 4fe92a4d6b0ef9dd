"""Small cairo helpers shared by all the drawing modules."""

import math
import os
import random
import struct
import sys
import zlib

import cairo

from . import palette


def new_canvas(width, height):
    """A transparent 32-bit ARGB surface and a context for it.

    ARGB32 makes cairo write colour type 6 (RGBA, 8 bits) PNGs even when the
    picture is fully opaque, which is what the game's loader expects.
    """
    surface = cairo.ImageSurface(cairo.FORMAT_ARGB32, width, height)
    ctx = cairo.Context(surface)
    ctx.set_line_join(cairo.LINE_JOIN_ROUND)
    ctx.set_line_cap(cairo.LINE_CAP_ROUND)
    return surface, ctx


def save_png(surface, path):
    """Write an ARGB32 surface as an 8-bit RGBA PNG (colour type 6).

    cairo's own writer drops the alpha channel of fully opaque pictures,
    but the game's loader wants every image in one 32-bit format, so the
    file is encoded here.
    """
    os.makedirs(os.path.dirname(path), exist_ok=True)
    width, height = surface.get_width(), surface.get_height()
    rows = [_sub_filtered(row) for row in _rgba_rows(surface)]
    header = struct.pack('>IIBBBBB', width, height, 8, 6, 0, 0, 0)
    with open(path, 'wb') as out:
        out.write(b'\x89PNG\r\n\x1a\n')
        out.write(_chunk(b'IHDR', header))
        out.write(_chunk(b'IDAT', zlib.compress(b''.join(rows), 9)))
        out.write(_chunk(b'IEND', b''))


def _rgba_rows(surface):
    """Rows of straight (not premultiplied) RGBA bytes."""
    width, height, stride, buf = pixels(surface)
    # cairo stores premultiplied native-endian words: B, G, R, A bytes on
    # little-endian machines.
    little = sys.byteorder == 'little'
    table = [[0] * 256] + [[min(255, (c * 255 + a // 2) // a) for c in range(256)] for a in range(1, 256)]
    for y in range(height):
        row = bytes(buf[y * stride:y * stride + width * 4])
        out = bytearray(width * 4)
        for x in range(0, width * 4, 4):
            if little:
                b, g, r, a = row[x], row[x + 1], row[x + 2], row[x + 3]
            else:
                a, r, g, b = row[x], row[x + 1], row[x + 2], row[x + 3]
            t = table[a]
            out[x], out[x + 1], out[x + 2], out[x + 3] = t[r], t[g], t[b], a
        yield bytes(out)


def _sub_filtered(row):
    """PNG filter type 1 (difference to the pixel on the left): much
    smaller files for smooth gradients than storing raw bytes."""
    shifted = bytes(4) + row[:-4]
    return b'\x01' + bytes((c - p) & 0xFF for c, p in zip(row, shifted))


def _chunk(kind, data):
    return struct.pack('>I', len(data)) + kind + data + struct.pack('>I', zlib.crc32(kind + data) & 0xFFFFFFFF)


def rng(name):
    """A random generator seeded from a name, so every image is reproducible
    and changing one image's scatter does not reshuffle the others."""
    seed = sum((i + 1) * ord(c) for i, c in enumerate(name))
    return random.Random(seed)


def set_colour(ctx, colour):
    if len(colour) == 3:
        ctx.set_source_rgb(*colour)
    else:
        ctx.set_source_rgba(*colour)


def linear(x0, y0, x1, y1, stops):
    """Linear gradient from a list of (offset, colour)."""
    grad = cairo.LinearGradient(x0, y0, x1, y1)
    for offset, colour in stops:
        grad.add_color_stop_rgba(offset, *palette.rgba(colour))
    return grad


def radial(cx, cy, r0, r1, stops, fx=None, fy=None):
    """Radial gradient; (fx, fy) moves the inner circle for an off-centre
    highlight, which gives round things their soft lit-from-above look."""
    fx = cx if fx is None else fx
    fy = cy if fy is None else fy
    grad = cairo.RadialGradient(fx, fy, r0, cx, cy, r1)
    for offset, colour in stops:
        grad.add_color_stop_rgba(offset, *palette.rgba(colour))
    return grad


def fill_and_outline(ctx, fill, outline=palette.INK, width=1.5):
    """Fill the current path with a colour or pattern, then ink its edge."""
    if isinstance(fill, cairo.Pattern):
        ctx.set_source(fill)
    else:
        set_colour(ctx, fill)
    if outline is None:
        ctx.fill()
        return
    ctx.fill_preserve()
    set_colour(ctx, outline)
    ctx.set_line_width(width)
    ctx.stroke()


def polygon(ctx, points):
    ctx.new_path()
    ctx.move_to(*points[0])
    for p in points[1:]:
        ctx.line_to(*p)
    ctx.close_path()


def smooth_polygon(ctx, points, tension=0.5):
    """Closed Catmull-Rom style curve through the points: organic outlines
    (bodywork, hills, clouds) without hand-placing every bezier handle."""
    n = len(points)
    ctx.new_path()
    ctx.move_to(*points[0])
    for i in range(n):
        p0, p1 = points[i - 1], points[i]
        p2, p3 = points[(i + 1) % n], points[(i + 2) % n]
        c1 = (p1[0] + (p2[0] - p0[0]) * tension / 3, p1[1] + (p2[1] - p0[1]) * tension / 3)
        c2 = (p2[0] - (p3[0] - p1[0]) * tension / 3, p2[1] - (p3[1] - p1[1]) * tension / 3)
        ctx.curve_to(c1[0], c1[1], c2[0], c2[1], p2[0], p2[1])
    ctx.close_path()


def smooth_open(ctx, points, tension=0.5):
    """Open curve through the points (for ridge lines)."""
    ctx.move_to(*points[0])
    n = len(points)
    for i in range(n - 1):
        p0 = points[max(i - 1, 0)]
        p1, p2 = points[i], points[i + 1]
        p3 = points[min(i + 2, n - 1)]
        c1 = (p1[0] + (p2[0] - p0[0]) * tension / 3, p1[1] + (p2[1] - p0[1]) * tension / 3)
        c2 = (p2[0] - (p3[0] - p1[0]) * tension / 3, p2[1] - (p3[1] - p1[1]) * tension / 3)
        ctx.curve_to(c1[0], c1[1], c2[0], c2[1], p2[0], p2[1])


def rounded_rect(ctx, x, y, w, h, r):
    r = min(r, w / 2, h / 2)
    ctx.new_path()
    ctx.arc(x + w - r, y + r, r, -math.pi / 2, 0)
    ctx.arc(x + w - r, y + h - r, r, 0, math.pi / 2)
    ctx.arc(x + r, y + h - r, r, math.pi / 2, math.pi)
    ctx.arc(x + r, y + r, r, math.pi, 3 * math.pi / 2)
    ctx.close_path()


def capsule(ctx, x0, y0, x1, y1, r0, r1=None):
    """Path of a tube from (x0, y0) to (x1, y1) with end radii r0 and r1:
    limbs, fork legs and pipes are all tapered capsules."""
    r1 = r0 if r1 is None else r1
    ang = math.atan2(y1 - y0, x1 - x0)
    ctx.new_path()
    ctx.arc(x1, y1, r1, ang - math.pi / 2, ang + math.pi / 2)
    ctx.arc(x0, y0, r0, ang + math.pi / 2, ang + 3 * math.pi / 2)
    ctx.close_path()


def circle(ctx, cx, cy, r):
    ctx.new_path()
    ctx.arc(cx, cy, r, 0, 2 * math.pi)


def highlight_stroke(ctx, points, width, alpha=0.7):
    """A soft white gloss streak along a curve."""
    ctx.new_path()
    smooth_open(ctx, points)
    ctx.set_source_rgba(1, 1, 1, alpha)
    ctx.set_line_width(width)
    ctx.stroke()


def pixels(surface):
    """(width, height, stride, buffer) of an ARGB32 surface. Pixels are
    premultiplied, stored as native-endian 32-bit words (B, G, R, A bytes on
    the little-endian machines the game targets)."""
    surface.flush()
    return surface.get_width(), surface.get_height(), surface.get_stride(), surface.get_data()
