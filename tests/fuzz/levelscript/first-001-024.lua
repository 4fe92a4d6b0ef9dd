-- Meadow Run: a first ride across the meadow. Flat turf to warm up, a
-- kicker, a rope bridge over a flooded ditch, a seesaw, a bowl to pump
-- through, a boost strip into a row of crates and a swinging gate before the
-- finish flag. Three stars to collect on the way.

-- The track's images, all in one place. The level textures arrive as
-- res\ground.png, res\grass.png, res\rock.png, res\wood.png and
-- res\metal.png; until they do, the shapes are painted in the colours
-- below (an empty name draws the colour).
local GROUND = ''
local GRASS = ''
local WOOD = ''
local BACKGROUND = 'res\\forest.png'
local WATER = 'res\\water.png'
local BOOST = 'res\\boost.png'
local FLAG = 'res\\finish.png'
local SIGN = 'res\\objective.png'
local WHEEL = 'res\\wheel.png'

local EARTH = {122, 86, 54}
local TURF = {84, 158, 62}
local PLANK = {176, 128, 76}
local START = {220, 30, 200}

