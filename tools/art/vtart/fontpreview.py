"""Draw text with a finished font strip, cutting glyphs the way the GUI
library does (scan row 0 for the separator colour), so the contact sheet
shows what the game will show."""


def parse_strip(surface):
    """[(x, width)] of each cell between separator columns."""
    surface.flush()
    stride, data = surface.get_stride(), surface.get_data()
    w = surface.get_width()

    def is_separator(x):
        b, g, r, a = data[x * 4:x * 4 + 4]
        return (r, g, b, a) == (255, 0, 255, 255)

    cells, x = [], 0
    while x < w:
        if is_separator(x):
            x += 1
            continue
        start = x
        while x < w and not is_separator(x):
            x += 1
        cells.append((start, x - start))
    return cells


def draw_text(ctx, strip, glyphs, text, x, y):
    """Blit `text` with the strip at (x, y); returns the width drawn."""
    cells = dict(zip(glyphs, parse_strip(strip)))
    start = x
    for ch in text:
        cx, cw = cells.get(ch, cells[' '])
        ctx.save()
        ctx.rectangle(x, y, cw, strip.get_height())
        ctx.clip()
        ctx.set_source_surface(strip, x - cx, y)
        ctx.paint()
        ctx.restore()
        x += cw
    return x - start
