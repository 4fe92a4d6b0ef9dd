"""Two stills of a track put together from the finished level files at game
scale, for the contact sheet: a sunny course and a cave. Textures repeat
as a level lays them, across blocks and along sloped lines, so seams,
scale and contrast against the bike can be judged in place."""

import math
import os

import cairo

from . import scenes, vehicle
from .terrain import GRASS_SURFACE

MOCK_SIZE = scenes.SCENE_SIZE


def _loader(res_dir):
    cache = {}

    def load(name):
        if name not in cache:
            cache[name] = cairo.ImageSurface.create_from_png(os.path.join(res_dir, name))
        return cache[name]
    return load


def _tiled(ctx, img, origin=(0, 0)):
    """Fill the current path with the image repeated from origin."""
    ctx.set_source_surface(img, *origin)
    ctx.get_source().set_extend(cairo.EXTEND_REPEAT)
    ctx.fill()


def _block(ctx, img, x, y, w, h):
    ctx.rectangle(x, y, w, h)
    _tiled(ctx, img, (x, y))


def _turf(ctx, load, p0, p1, bottom):
    """Grass-topped earth below the line p0-p1 down to `bottom`. Grass and
    earth share one frame along the line, so the earth under the turf is
    the ground tile continuing without a seam."""
    (x0, y0), (x1, y1) = p0, p1
    ctx.save()
    ctx.new_path()
    ctx.move_to(x0, y0 - GRASS_SURFACE * 2)
    ctx.line_to(x1, y1 - GRASS_SURFACE * 2)
    ctx.line_to(x1, bottom)
    ctx.line_to(x0, bottom)
    ctx.close_path()
    ctx.clip()
    ctx.translate(x0, y0)
    ctx.rotate(math.atan2(y1 - y0, x1 - x0))
    length = math.hypot(x1 - x0, y1 - y0)
    ctx.rectangle(0, 128 - GRASS_SURFACE, length, 800)
    _tiled(ctx, load('ground.png'), (0, -GRASS_SURFACE))
    # Grass repeats only sideways: start the band a row into the tile, as
    # the game must (clamping it down the strip), or filtering pulls the
    # earth of the bottom row into the top of the blades.
    ctx.rectangle(0, 1 - GRASS_SURFACE, length, 127)
    _tiled(ctx, load('grass.png'), (0, -GRASS_SURFACE))
    ctx.restore()


def _strip(ctx, img, p0, p1, thickness):
    """A texture laid along a line like the game's line objects: the
    line is the strip's top edge."""
    (x0, y0), (x1, y1) = p0, p1
    ctx.save()
    ctx.translate(x0, y0)
    ctx.rotate(math.atan2(y1 - y0, x1 - x0))
    ctx.rectangle(0, 0, math.hypot(x1 - x0, y1 - y0), thickness)
    _tiled(ctx, img)
    ctx.restore()


def _sprite(ctx, img, x, y):
    ctx.set_source_surface(img, x, y)
    ctx.paint()


def _bike(ctx, rear_contact, angle):
    """The bike and rider with the rear tyre touching the ground at
    rear_contact, tilted by angle."""
    ctx.save()
    ctx.translate(*rear_contact)
    ctx.rotate(angle)
    ctx.translate(-vehicle.REAR_AXLE[0], -vehicle.REAR_AXLE[1] - vehicle.WHEEL_RADIUS)
    scenes.draw_rider_on_bike(ctx)
    ctx.restore()


def draw_day_track(ctx, res_dir):
    load = _loader(res_dir)
    w, h = MOCK_SIZE
    _sprite(ctx, load('skyday.png'), 0, 0)
    _sprite(ctx, load('cloud1.png'), 40, 40)
    _sprite(ctx, load('cloud2.png'), 430, 110)
    _sprite(ctx, load('cloud3.png'), 560, 20)
    _turf(ctx, load, (-10, 440), (330, 440), h)
    _block(ctx, load('rock.png'), 320, 520, 170, 80)
    ctx.rectangle(330, 456, 150, 144)
    _tiled(ctx, load('water.png'), (330, 456))
    _strip(ctx, load('wood.png'), (320, 440), (490, 440), 24)
    _block(ctx, load('metal.png'), 480, 410, 130, 190)
    _block(ctx, load('concrete.png'), 610, 430, 200, 170)
    _turf(ctx, load, (610, 430), (810, 370), 440)
    _strip(ctx, load('boost.png'), (110, 440), (302, 440), 32)
    _sprite(ctx, load('sign.png'), 20, 440 - 60)
    _sprite(ctx, load('finish.png'), 710, 400 - 126)
    _bike(ctx, (150, 440), 0.0)


def draw_cave_track(ctx, res_dir):
    load = _loader(res_dir)
    w, h = MOCK_SIZE
    _sprite(ctx, load('skycave.png'), 0, 0)
    _block(ctx, load('caverock.png'), 0, 0, w, 70)
    _strip(ctx, load('caverock.png'), (0, 70), (300, 130), 60)
    _block(ctx, load('caverock.png'), 0, 470, 260, 130)
    _block(ctx, load('concrete.png'), 380, 430, 60, 170)
    _strip(ctx, load('metal.png'), (260, 470), (560, 400), 32)
    _block(ctx, load('metal.png'), 560, 400, 240, 200)
    _strip(ctx, load('boost.png'), (620, 400), (748, 400), 32)
    _block(ctx, load('wood.png'), 330, 270, 128, 32)
    _bike(ctx, (60, 470), 0.0)
