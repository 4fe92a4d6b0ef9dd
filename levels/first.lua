-- Meadow Run: a first ride across the meadow. Flat turf to warm up, a
-- kicker, a rope bridge over a ditch, a seesaw, a bowl to pump through, a
-- row of crates to scatter and a swinging gate at the end.

-- The track's images, all in one place. The level textures arrive as
-- res\ground.png, res\grass.png, res\rock.png, res\wood.png and
-- res\metal.png; until they do, the shapes are painted in the colours
-- below (an empty name draws the colour).
local GROUND = ''
local GRASS = ''
local WOOD = ''
local BACKGROUND = 'res\\forest.png'
local STARS = 'res\\staritem.png'
local SIGN = 'res\\objective.png'
local WHEEL = 'res\\wheel.png'

local EARTH = {122, 86, 54}
local TURF = {84, 158, 62}
local PLANK = {176, 128, 76}
local START = {220, 30, 200}

local TOP = 400  -- the meadow's surface
local TILE = 200 -- ground is laid in square tiles, so a tiling texture repeats

local app = GetApplication()
local space = app:GetSpace()
app:SetBgImage(BACKGROUND)

local function paint(object, colour)
  object:SetFillColor(colour[1], colour[2], colour[3], 255)
  return object
end

-- Earth from x over the width, its surface at top, with turf on it.
local function ground(x, width, top)
  for tile = x, x + width - 1, TILE do
    local w = math.min(TILE, x + width - tile)
    space:Insert(paint(CreateBlock(tile, top, w, TILE, GROUND, false), EARTH))
    space:Insert(paint(CreateBlock(tile, top + TILE, w, TILE, GROUND, false), EARTH))
  end
  space:Insert(paint(CreateBlock(x, top, width, 10, GRASS, false), TURF), 1)
end

-- The start: a flag pole and a sign.
GetBike():MoveTo(250, TOP - 100)
ground(-400, 2000, TOP)
space:Insert(paint(CreateBlock(-300, TOP - 260, 40, 400, '', false), EARTH))
space:Insert(paint(CreateBlock(120, TOP - 120, 8, 120, '', false), START), -1)
space:Insert(CreateBitmap(60, TOP - 60, SIGN), -1)

-- A kicker, and stars over the landing.
space:Insert(paint(CreateTriangle(900, TOP, 1100, TOP, 1100, TOP - 60), PLANK))
local star = CreateSprite(STARS, 8, 32, 32, 8, 90, 0, 0, true)
RegisterObject(star, 'star')
for i = 0, 4 do
  local copy = CloneSprite('star')
  copy:SetPosition(1200 + i * 60, TOP - 180 + (i % 2) * 20)
  space:Insert(copy, -1)
end

-- A rope bridge over the ditch; a shallow floor below catches a fall.
ground(1600, 0 + TILE, TOP + 120)
space:Insert(CreateRope(10, 1600, TOP, 1800, TOP, 215, 0.5,
                        30, PLANK[1], PLANK[2], PLANK[3], 255, 96, 70, 44, 255))
ground(1800, 800, TOP)

-- A seesaw: a plank on a hinge at its middle.
local seesaw = paint(CreateBlock(2000, TOP - 50, 300, 16, WOOD, true), PLANK)
space:Insert(seesaw, 'seesaw')
AnchorCenter(seesaw)
space:Insert(paint(CreateTriangle(2130, TOP, 2170, TOP, 2150, TOP - 40), EARTH))

-- A bowl: two quarters of a circle with a gap in the ground between.
space:Insert(CreateArc(2600, TOP, 200, 3, ''))
space:Insert(CreateArc(2800, TOP, 200, 4, ''))
ground(2600, 400, TOP + 220)
ground(3000, 1400, TOP)

-- Crates to scatter: one prototype, cloned along the way, and a wheel that
-- rolls down to meet them.
RegisterObject(paint(CreateBlock(0, 0, 40, 40, WOOD, true), PLANK), 'crate')
for i = 0, 5 do
  local crate = CloneObject('crate', 3300 + (i % 3) * 42, TOP - 21 - math.floor(i / 3) * 42)
  space:Insert(paint(crate, PLANK))
end
space:Insert(CreateCircle(3700, TOP - 30, 30, WHEEL, true), 'wheel')

-- A swinging gate at the end: a composite hung from its top.
local gate = CreateComposite(4000, TOP - 160, '')
gate:AddBlock(-10, 0, 20, 120)
gate:AddCircle(0, 130, 12)
gate:Finalize()
space:Insert(gate, 'gate')
AnchorAt(gate, 4000, TOP - 160)
space:Insert(paint(CreateBlock(4360, TOP - 400, 40, 400, '', false), EARTH))

AddObjective('Ride to the end of the meadow')
SetLevelTime(120)
