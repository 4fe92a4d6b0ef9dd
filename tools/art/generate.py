#!/usr/bin/python3
"""Draw all of Vantrail's images and image fonts into res/.

Usage: /usr/bin/python3 tools/art/generate.py [--res DIR] [--sheet PATH]

Everything is drawn from code with fixed seeds, so running it again gives
the same files. See README.md beside this script.
"""

import argparse
import os
import sys

# Keep the source folder free of bytecode caches.
sys.dont_write_bytecode = True
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from vtart import effects, fonts, hud, props, rider, scenery, scenes, skies, structures, terrain, trackparts, vehicle, yardparts  # noqa: E402
from vtart.canvas import new_canvas, save_png  # noqa: E402
from vtart.sheet import write_contact_sheet  # noqa: E402

ROOT = os.path.abspath(os.path.join(os.path.dirname(os.path.abspath(__file__)), '..', '..'))


def _scarf(index):
    return lambda ctx: rider.draw_scarf_piece(ctx, index)


def _digit(d):
    return lambda ctx: hud.draw_digit_image(ctx, d)


def drawn_images():
    """(file name, (width, height), draw function) for every plain image."""
    images = [
        ('wheel.png', (vehicle.WHEEL_SIZE, vehicle.WHEEL_SIZE), vehicle.draw_wheel),
        ('moto.png', vehicle.MOTO_SIZE, vehicle.draw_moto),
        ('head.png', rider.HEAD_SIZE, rider.draw_head),
        ('body.png', rider.BODY_SIZE, rider.draw_body),
        ('thigh.png', rider.LIMB_SIZE, rider.draw_limb),
        ('foot.png', rider.FOOT_SIZE, rider.draw_foot),
    ]
    images.append(('hair.png', rider.SCARF_ROOT_SIZE, rider.draw_scarf_root))
    for i, name in enumerate(('hair2.png', 'hair3.png', 'hair4.png'), start=1):
        images.append((name, rider.SCARF_SIZE, _scarf(i)))
    images += [
        ('smoke.png', (512, 512), effects.draw_smoke),
        ('smoke_small.png', (512, 128), effects.draw_dust),
        ('staritem.png', (256, 32), effects.draw_star_sheet),
        ('speedmeter.png', hud.SPEEDMETER_SIZE, hud.draw_speedmeter),
        ('speedmeterneedle.png', hud.NEEDLE_SIZE, hud.draw_needle),
        ('rotationmeter.png', (hud.ROTATIONMETER_SIZE,) * 2, hud.draw_rotationmeter),
        ('rotationsegment.png', (hud.SEGMENT_SIZE,) * 2, hud.draw_rotation_segment),
    ]
    images += [('num%d.png' % d, hud.DIGIT_SIZE, _digit(d)) for d in range(10)]
    images += [
        ('mainmenubg.png', scenes.SCENE_SIZE, scenes.draw_main_menu),
        ('forest.png', scenes.SCENE_SIZE, scenes.draw_forest),
        ('cursor.png', (32, 32), hud.draw_cursor),
        ('objective.png', (32, 32), hud.draw_objective),
        ('dlgseparator.png', (680, 4), hud.draw_separator),
    ]
    return images + level_images()


# Level textures that the game repeats edge to edge, with the copies the
# contact sheet shows across and down so a seam would stand out. Grass and
# the boost strip only repeat sideways.
TILE_REPEATS = {name: (2, 2) for name in ('ground.png', 'rock.png', 'wood.png', 'metal.png', 'concrete.png',
                                          'caverock.png', 'water.png', 'gorgewall.png')}
TILE_REPEATS.update({'grass.png': (3, 1), 'boost.png': (4, 1)})


def level_images():
    """Textures, track furniture, clouds and backdrops for the tracks."""
    tile = (terrain.TILE, terrain.TILE)
    return [
        ('ground.png', tile, terrain.draw_ground),
        ('grass.png', tile, terrain.draw_grass),
        ('turf.png', terrain.TURF_SIZE, terrain.draw_turf),
        ('turfbend.png', terrain.TURF_BEND_SIZE, terrain.draw_turf_bend),
        ('rock.png', tile, terrain.draw_rock),
        ('wood.png', tile, structures.draw_wood),
        ('metal.png', tile, structures.draw_metal),
        ('concrete.png', tile, structures.draw_concrete),
        ('caverock.png', tile, terrain.draw_cave_rock),
        ('water.png', tile, terrain.draw_water),
        ('finish.png', props.FINISH_SIZE, props.draw_finish),
        ('boost.png', props.BOOST_SIZE, props.draw_boost),
        ('sign.png', props.SIGN_SIZE, props.draw_sign),
        ('cloud1.png', skies.BIG_CLOUD, skies.draw_cloud1),
        ('cloud2.png', skies.SMALL_CLOUD, skies.draw_cloud2),
        ('cloud3.png', skies.BIG_CLOUD, skies.draw_cloud3),
        ('skyday.png', scenes.SCENE_SIZE, skies.draw_sky_day),
        ('skydusk.png', scenes.SCENE_SIZE, skies.draw_sky_dusk),
        ('skynight.png', scenes.SCENE_SIZE, skies.draw_sky_night),
        ('skycave.png', scenes.SCENE_SIZE, skies.draw_sky_cave),
    ] + trackparts.track_images() + yardparts.yard_images() + scenery.scenery_images()


def write_images(res_dir):
    names = []
    for name, (w, h), draw in drawn_images():
        surface, ctx = new_canvas(w, h)
        draw(ctx)
        save_png(surface, os.path.join(res_dir, name))
        names.append(name)
    return names


def write_fonts(res_dir):
    names = []
    for name, style, glyphs in (('fixedfont.png', fonts.GUI_STYLE, fonts.GUI_GLYPHS),
                                ('menufont.png', fonts.MENU_STYLE, fonts.MENU_GLYPHS)):
        fonts.check_font_installed(style)
        strip, cells = fonts.build_strip(style, glyphs)
        save_png(strip, os.path.join(res_dir, name))
        print('%s: %d glyphs, height %d, cell widths %d..%d' % (
            name, len(cells), strip.get_height(), min(cells), max(cells)))
        names.append(name)
    return names


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument('--res', default=os.path.join(ROOT, 'res'), help='output folder for the images')
    parser.add_argument('--sheet', default=os.path.join(ROOT, 'build', 'art', 'contact-sheet.png'),
                        help='where to write the contact sheet')
    args = parser.parse_args()
    names = write_images(args.res) + write_fonts(args.res)
    write_contact_sheet(args.res, names, args.sheet, TILE_REPEATS)
    print('wrote %d images to %s, contact sheet %s' % (len(names), args.res, args.sheet))


if __name__ == '__main__':
    main()
