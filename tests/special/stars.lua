-- A test track of every zone: three stars to collect across the lowland. A kicker, a rope
-- bridge over a flooded ditch, a seesaw, a bowl to pump through, a boost
-- strip into a row of crates and a swinging gate before the finish flag.

-- The track's images, all in one place (an empty name draws the colour).
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

local TOP = 400  -- the meadow's surface
local TILE = 200 -- ground is laid in square tiles, so a tiling texture repeats

local app = GetApplication()
local space = app:GetSpace()
app:SetBgImage(BACKGROUND)
space:Insert(CreateCloud('res\\cloud1.png', 0, -0.3, 0, 0.15, 0.02), -5, '')
space:Insert(CreateCloud('res\\cloud2.png', 0, -0.15, 0, 0.65, 0.12), -5, '')

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
space:Insert(CreateLevelStar('star3', 2790, TOP + 150), 'star3')

-- A boost strip sends the bike into the crates.
space:Insert(CreateBoost(BOOST, 3060, TOP - 32, 64, 32, 1))

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

-- The finish flag: riding through it counts.
local finish = CreatePickableItem('finish', 4260, TOP - 128, 64, 128)
finish:SetImage(CreateBitmap(4260, TOP - 128, FLAG))
space:Insert(finish, 'finish')

-- The goals: the three stars and the flag.
local goals = {'star1', 'star2', 'star3', 'finish'}
for i = 1, #goals do
  GetLevel():Add(CreateVariableCondition(goals[i]))
end
AddObjective('Collect the three stars')
AddObjective('Ride through the finish flag')
SetLevelTime(120)
