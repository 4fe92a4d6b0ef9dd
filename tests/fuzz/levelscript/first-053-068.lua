space:Insert(paint(CreateBlock(120, TOP - 120, 8, 120, '', false), START), -1)
space:Insert(CreateBitmap(60, TOP - 60, SIGN), -1)

-- A kicker, and the first star over the landing.
space:Insert(paint(CreateTriangle(900, TOP, 1100, TOP, 1100, TOP - 60), PLANK))
space:Insert(CreateLevelStar('star1', 1250, TOP - 110), 'star1')

-- A rope bridge over the ditch, the second star on it. The ditch is
-- flooded: the water slows a bike that falls in, and its floor holds it.
ground(1600, 0 + TILE, TOP + 120)
space:Insert(CreateBitmap(1600, TOP + 40, WATER), -1, '')
space:Insert(CreateBitmap(1728, TOP + 40, WATER), -1, '')
space:Insert(CreateWater(1600, TOP + 40, 200, 80))
space:Insert(CreateLevelStar('star2', 1690, TOP - 50), 'star2')
space:Insert(CreateRope(10, 1600, TOP, 1800, TOP, 215, 0.5,
                        30, PLANK[1], PLANK[2], PLANK[3], 255, 96, 70, 44, 255))
