-- Quarry Hill: a climb out of the old quarry. Rock steps, a hump, a long
-- dip, a turning paddle to time, loose boulders and a rope swinging over
-- the last drop.

-- The track's images, all in one place. The level textures arrive as
-- res\ground.png, res\grass.png, res\rock.png, res\wood.png and
-- res\metal.png; until they do, the shapes are painted in the colours
-- below (an empty name draws the colour).
local ROCK = ''
local GRASS = ''
local METAL = ''
local WOOD = ''
local BACKGROUND = 'res\\forest.png'
local DUST = 'res\\smoke_small.png'
local SIGN = 'res\\objective.png'
