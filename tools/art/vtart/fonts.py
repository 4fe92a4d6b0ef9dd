"""Image fonts: glyph strips in the layout of guichan's gcn::ImageFont.

A strip is one row of glyphs, as tall as the font. Pixel (0, 0) holds the
separator colour, and a separator column stands before, between and after
the glyphs; the library finds the glyphs by scanning row 0 for that colour.
It compares colours without alpha, so no other pixel may carry the
separator's RGB, not even a fully transparent one: empty pixels are
transparent black.

A cell is as wide as its glyph's ink and ring, no wider: the library steps
on by the whole cell, so any blank column in it would widen every word. The
GUI draws glyphs at whole pixels and unscaled, so a smoothed blit never
reaches the separator beside a cell.
"""

import subprocess

import cairo

from . import palette as P

SEPARATOR = (1.0, 0.0, 1.0, 1.0)

# The glyph orders the game passes to gcn::ImageFont (Latin-1 bytes).
GUI_GLYPHS = (' ' + 'abcdefghijklmnopqrstuvwxyz' + 'ABCDEFGHIJKLMNOPQRSTUVWXYZ'
              + '\xc5\xc4\xd6' + '0123456789.-:,\\=_/()+')
MENU_GLYPHS = 'abcdefghijklmnopqrstuvwxyz, ' + '\xe4' + ':()0123456789'

FONT_FILES = {
    ('DejaVu Sans', False): 'DejaVuSans.ttf',
    ('DejaVu Sans', True): 'DejaVuSans-Bold.ttf',
}


class FontStyle:
    """How one image font looks.

    height: strip height; outline: ring width in pixels around the glyph;
    shadow: (dx, dy) of a soft drop shadow or None; space: width of the
    blank glyph's ink area; fill: (top, bottom) colours of the glyph face.
    """

    def __init__(self, family, bold, height, outline, shadow, space, fill, outline_colour,
                 x_scale=1.0, hint=cairo.HINT_STYLE_FULL, shadow_alpha=0.45, clip_rows=0,
                 max_cell=None):
        self.family = family
        self.bold = bold
        self.height = height
        self.outline = outline
        self.shadow = shadow
        self.space = space
        self.fill = fill
        self.outline_colour = outline_colour
        self.x_scale = x_scale
        self.hint = hint
        self.shadow_alpha = shadow_alpha
        # Rows of outline allowed to fall off the top and bottom of the
        # strip: only the few tallest and deepest glyphs lose a little ring
        # there, and the whole font gets a size larger.
        self.clip_rows = clip_rows
        # Widest cell the game's layout allows.
        self.max_cell = max_cell


# GUI text: white with a one-pixel dark ring, readable on sky, grass and
# the dark dialogs alike.
GUI_STYLE = FontStyle('DejaVu Sans', False, 14, outline=1, shadow=None, space=4,
                      fill=(P.HELMET_WHITE, P.mix(P.HELMET_WHITE, P.HELMET_SHADE, 0.6)),
                      outline_colour=P.mix(P.INK, (0, 0, 0), 0.3), clip_rows=1)
# Menu words: chunky bold gold letters with an ink ring and a drop shadow,
# like the countdown digits. Slightly condensed so the size can be larger
# within the cell limit, which keeps the longest menu words inside their
# buttons.
MENU_STYLE = FontStyle('DejaVu Sans', True, 32, outline=2, shadow=(1, 2), space=8,
                       fill=(P.mix(P.SUN, (1, 1, 1), 0.6), P.GOLD),
                       outline_colour=P.INK, x_scale=0.88, hint=cairo.HINT_STYLE_SLIGHT,
                       max_cell=22)


def check_font_installed(style):
    """Fail early if fontconfig would substitute another font: the strips
    must come from Debian's DejaVu to be reproducible."""
    want = FONT_FILES[(style.family, style.bold)]
    pattern = style.family + (':bold' if style.bold else '')
    found = subprocess.run(['fc-match', '-f', '%{file}', pattern], capture_output=True, text=True).stdout
    if not found.endswith('/' + want):
        raise SystemExit('font %s not found (got %r); install fonts-dejavu-core' % (want, found))


# --- one glyph -------------------------------------------------------------

def _font_context(style, size):
    surface = cairo.ImageSurface(cairo.FORMAT_ARGB32, 1, 1)
    ctx = cairo.Context(surface)
    _set_font(ctx, style, size)
    return ctx


def _set_font(ctx, style, size):
    ctx.select_font_face(style.family, cairo.FONT_SLANT_NORMAL,
                         cairo.FONT_WEIGHT_BOLD if style.bold else cairo.FONT_WEIGHT_NORMAL)
    ctx.set_font_matrix(cairo.Matrix(xx=size * style.x_scale, yy=size))
    options = cairo.FontOptions()
    options.set_antialias(cairo.ANTIALIAS_GRAY)
    options.set_hint_style(style.hint)
    options.set_hint_metrics(cairo.HINT_METRICS_ON)
    ctx.set_font_options(options)


def _ink(style, size, ch):
    """Ink box (x0, y0, x1, y1) in whole pixels of a glyph drawn with its
    origin at (0, 0). Measured from the rendered pixels: the hinted
    extents cairo reports are only approximate at small sizes."""
    span = int(size * 3) + 8
    surface = cairo.ImageSurface(cairo.FORMAT_A8, 2 * span, 2 * span)
    ctx = cairo.Context(surface)
    _set_font(ctx, style, size)
    ctx.move_to(span, span)
    ctx.show_text(ch)
    surface.flush()
    stride, data = surface.get_stride(), surface.get_data()
    xs, ys = [], []
    for y in range(2 * span):
        row = data[y * stride:y * stride + 2 * span]
        hits = [x for x, v in enumerate(row) if v]
        if hits:
            xs += (hits[0], hits[-1])
            ys.append(y)
    return min(xs) - span, min(ys) - span, max(xs) + 1 - span, max(ys) + 1 - span


def _pad(style):
    """Pixels the outline and shadow add around the ink."""
    left = top = style.outline
    right = bottom = style.outline
    if style.shadow:
        right = max(right, style.outline + style.shadow[0])
        bottom = max(bottom, style.outline + style.shadow[1])
    return left, top, right, bottom


def fit_size(style, glyphs):
    """Largest font size (in quarter pixels) whose tallest glyphs, with
    outline and shadow, fit the strip height, and whose widest cell fits
    max_cell."""
    left, top, right, bottom = _pad(style)
    size = float(style.height)
    while size > 4:
        boxes = [_ink(style, size, ch) for ch in glyphs if ch != ' ']
        rise = -min(b[1] for b in boxes)
        drop = max(b[3] for b in boxes)
        widest = max(b[2] - b[0] for b in boxes) + left + right
        fits_width = style.max_cell is None or widest <= style.max_cell
        if fits_width and rise + drop + top + bottom <= style.height + 2 * style.clip_rows:
            return size
        size -= 0.25
    raise ValueError('no font size fits')


def _dilate(mask, width, height, radius):
    """Outline alpha: the glyph's coverage grown by `radius` pixels, taking
    the strongest neighbour inside a disc so the ring has even thickness."""
    offsets = [(dx, dy) for dy in range(-radius, radius + 1) for dx in range(-radius, radius + 1)
               if dx * dx + dy * dy <= radius * radius + radius]
    out = [0] * (width * height)
    for y in range(height):
        for x in range(width):
            best = 0
            for dx, dy in offsets:
                sx, sy = x + dx, y + dy
                if 0 <= sx < width and 0 <= sy < height:
                    v = mask[sy * width + sx]
                    if v > best:
                        best = v
            out[y * width + x] = best
    return out


def _a8_surface(values, width, height):
    surface = cairo.ImageSurface(cairo.FORMAT_A8, width, height)
    stride = surface.get_stride()
    data = surface.get_data()
    for y in range(height):
        data[y * stride:y * stride + width] = bytes(values[y * width:(y + 1) * width])
    surface.mark_dirty()
    return surface


def _glyph_mask(style, size, ch, width, origin_x, baseline):
    """Coverage (0..255 per pixel) of the bare glyph in a width x height box."""
    surface = cairo.ImageSurface(cairo.FORMAT_A8, width, style.height)
    ctx = cairo.Context(surface)
    _set_font(ctx, style, size)
    ctx.move_to(origin_x, baseline)
    ctx.show_text(ch)
    surface.flush()
    stride, data = surface.get_stride(), surface.get_data()
    return [data[y * stride + x] for y in range(style.height) for x in range(width)]


def render_glyph(style, size, baseline, ch, cell_width=None):
    """Surface holding one glyph's cell: its ink and ring.

    cell_width forces a width (tabular digits); the glyph is centred in it.
    """
    if ch == ' ':
        return cairo.ImageSurface(cairo.FORMAT_ARGB32, style.space, style.height)
    x0, _, x1, _ = _ink(style, size, ch)
    left, _, right, _ = _pad(style)
    width = x1 - x0 + left + right
    shift = 0
    if cell_width is not None:
        shift = (cell_width - width) // 2
        width = cell_width
    origin_x = left - x0 + shift
    mask = _glyph_mask(style, size, ch, width, origin_x, baseline)
    ring = _dilate(mask, width, style.height, style.outline)

    surface = cairo.ImageSurface(cairo.FORMAT_ARGB32, width, style.height)
    out = cairo.Context(surface)
    ring_surface = _a8_surface(ring, width, style.height)
    if style.shadow:
        out.set_source_rgba(*P.with_alpha(style.outline_colour, style.shadow_alpha))
        out.mask_surface(ring_surface, *style.shadow)
    out.set_source_rgba(*P.rgba(style.outline_colour))
    out.mask_surface(ring_surface, 0, 0)
    top, bottom = style.fill
    face = cairo.LinearGradient(0, baseline - size * 0.75, 0, baseline)
    face.add_color_stop_rgba(0, *P.rgba(top))
    face.add_color_stop_rgba(1, *P.rgba(bottom))
    out.set_source(face)
    out.mask_surface(_a8_surface(mask, width, style.height), 0, 0)
    surface.flush()
    return surface


# --- the strip -------------------------------------------------------------

def layout(style, glyphs):
    """Font size, baseline and the rendered glyph surfaces, in order."""
    size = fit_size(style, glyphs)
    _, top, _, bottom = _pad(style)
    boxes = [_ink(style, size, ch) for ch in glyphs if ch != ' ']
    rise = -min(b[1] for b in boxes)
    drop = max(b[3] for b in boxes)
    # Centre the font's full ink range vertically in the strip.
    spare = style.height + 2 * style.clip_rows - (rise + drop + top + bottom)
    baseline = top + rise + spare // 2 - style.clip_rows
    left, _, right, _ = _pad(style)
    # Digits share one width so numbers in tables and timers do not jitter.
    digit_width = max(_ink(style, size, d)[2] - _ink(style, size, d)[0] for d in '0123456789') + left + right
    rendered = []
    for ch in glyphs:
        width = digit_width if ch.isdigit() else None
        rendered.append(render_glyph(style, size, baseline, ch, width))
    return size, baseline, rendered


def build_strip(style, glyphs):
    """The font image and the list of cell widths (what the library will
    report as each glyph's width)."""
    _, _, rendered = layout(style, glyphs)
    cells = [g.get_width() for g in rendered]
    width = 1 + sum(c + 1 for c in cells)
    surface = cairo.ImageSurface(cairo.FORMAT_ARGB32, width, style.height)
    ctx = cairo.Context(surface)
    x = 0
    for glyph, cell in zip(rendered, cells):
        _separator(ctx, x, style.height)
        ctx.set_source_surface(glyph, x + 1, 0)
        ctx.paint()
        x += cell + 1
    _separator(ctx, x, style.height)
    surface.flush()
    return surface, cells


def _separator(ctx, x, height):
    ctx.rectangle(x, 0, 1, height)
    ctx.set_source_rgba(*SEPARATOR)
    ctx.fill()
