"""The game's colours, kept in one place so every image shares one look.

Colours are (r, g, b) or (r, g, b, a) tuples of floats in 0..1, as cairo
wants them. Each material has a light, a mid and a dark tone so shading
stays consistent between the bike, the rider, the HUD and the scenery.
"""


def hex_colour(text, alpha=1.0):
    """'#rrggbb' -> (r, g, b, a) floats."""
    text = text.lstrip('#')
    r, g, b = (int(text[i:i + 2], 16) / 255.0 for i in (0, 2, 4))
    return (r, g, b, alpha)


def mix(a, b, t):
    """Linear blend of two colours (t=0 gives a, t=1 gives b)."""
    a = tuple(a) + (1.0,) * (4 - len(a))
    b = tuple(b) + (1.0,) * (4 - len(b))
    return tuple(x + (y - x) * t for x, y in zip(a, b))


def ramp(dark, mid, light, t, middle=0.5):
    """Colour at t (clamped to 0..1) on a scale from dark through mid, at
    t = middle, to light: one material's three tones as a continuous shade."""
    t = min(1.0, max(0.0, t))
    if t < middle:
        return mix(dark, mid, t / middle)
    return mix(mid, light, (t - middle) / (1 - middle))


def rgba(colour):
    """Any colour tuple as (r, g, b, a)."""
    return tuple(colour) + (1.0,) * (4 - len(colour))


def with_alpha(colour, alpha):
    return tuple(colour[:3]) + (alpha,)


# Cartoon outline used around every object: a warm near-black reads softer
# than pure black against the sunny scenery.
INK = hex_colour('#241c26')

BIKE_RED = hex_colour('#d9302c')
BIKE_RED_LIGHT = hex_colour('#ff6a55')
BIKE_RED_DARK = hex_colour('#8f1a1c')

PLATE_WHITE = hex_colour('#f6f3ec')
PLATE_SHADE = hex_colour('#c9c6c2')

METAL = hex_colour('#c8ced8')
METAL_LIGHT = hex_colour('#f2f5fa')
METAL_DARK = hex_colour('#6f7682')
ENGINE = hex_colour('#4a4e57')
ENGINE_DARK = hex_colour('#2c2f36')

RUBBER = hex_colour('#2a2a2f')
RUBBER_LIGHT = hex_colour('#4a4a52')

SUIT_BLUE = hex_colour('#2f66c8')
SUIT_BLUE_LIGHT = hex_colour('#6a9bf0')
SUIT_BLUE_DARK = hex_colour('#1b3a85')

HELMET_WHITE = hex_colour('#fbfbf7')
HELMET_SHADE = hex_colour('#c3c9d6')
VISOR = hex_colour('#1f3140')
VISOR_SHINE = hex_colour('#9fd4ff')

BOOT = hex_colour('#454a57')
BOOT_LIGHT = hex_colour('#7d8493')

SCARF = hex_colour('#ffc21f')
SCARF_DARK = hex_colour('#d5861a')

GOLD = hex_colour('#ffd23a')
GOLD_LIGHT = hex_colour('#fff5a8')
GOLD_DARK = hex_colour('#dc8c0e')

SKY_TOP = hex_colour('#4fa6ec')
SKY_HORIZON = hex_colour('#d4efff')
SUN = hex_colour('#fff7c4')

GRASS_LIGHT = hex_colour('#9ad65a')
GRASS = hex_colour('#6cb843')
GRASS_DARK = hex_colour('#3f8a30')
HILL_FAR = hex_colour('#8fc3d8')
HILL_MID = hex_colour('#7db887')
DIRT = hex_colour('#c8955a')
DIRT_DARK = hex_colour('#96683a')

TREE = hex_colour('#2f7a3a')
TREE_DARK = hex_colour('#1e5230')
TRUNK = hex_colour('#6b4a30')

DIAL_FACE = hex_colour('#1d2633')
DIAL_FACE_LIGHT = hex_colour('#34465c')
NEEDLE = hex_colour('#ff5434')
HIGHLIGHT = hex_colour('#ffb62e')

SMOKE = hex_colour('#e9ecef')
SMOKE_SHADE = hex_colour('#a3a9b2')
DUST = hex_colour('#d9b98a')
DUST_SHADE = hex_colour('#a98558')

# Level materials. Earth and grass reuse DIRT and GRASS above; the rest
# are muted a little so the red bike and blue rider stay the brightest
# things on screen.
ROCK = hex_colour('#8f877c')
ROCK_LIGHT = hex_colour('#c9c0ad')
ROCK_DARK = hex_colour('#57504a')
CAVE_ROCK = hex_colour('#3b3a4e')
CAVE_ROCK_LIGHT = hex_colour('#5d5d78')
CAVE_ROCK_DARK = hex_colour('#1f1e2c')
CAVE_CRYSTAL = hex_colour('#7fe3e0')
WOOD = hex_colour('#c07a3e')
WOOD_LIGHT = hex_colour('#e3a766')
WOOD_DARK = hex_colour('#7d4a24')
STEEL = hex_colour('#8d99a8')
STEEL_LIGHT = hex_colour('#c9d3de')
STEEL_DARK = hex_colour('#505a68')
CONCRETE = hex_colour('#bdb8ae')
CONCRETE_LIGHT = hex_colour('#dcd8cf')
CONCRETE_DARK = hex_colour('#85807a')
WATER = hex_colour('#2f8fe0')
WATER_DEEP = hex_colour('#1b5fb0')
WATER_LIGHT = hex_colour('#bfeaff')

DUSK_TOP = hex_colour('#2c2f6b')
DUSK_MID = hex_colour('#a4508a')
DUSK_HORIZON = hex_colour('#ffb36b')
DUSK_HILL = hex_colour('#5b3f73')
DUSK_HILL_FAR = hex_colour('#9a5c8c')

SHEET_GREY = hex_colour('#7f7f7f')
