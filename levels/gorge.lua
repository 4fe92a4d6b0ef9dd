-- Rope Gorge: rock shelves over a river, joined by rope bridges. The first
-- hangs tight, the next ones sag more and more, one crosses in two spans
-- over a lone pillar, and the last climbs to the far rim. Slow down on the
-- sagging ones: a bridge swings under a bike that lands on it hard.

local ROCK = 'res\\rock.png'
local WATER = 'res\\water.png'
local TILE = 128
local TOP = 420
local RIVER = TOP + 200       -- the water's surface
local BOTTOM = TOP + 5 * TILE
local GROUND = -1
local SKY = -10000
local PLANK = {176, 120, 66}
local ROPE = {120, 84, 48}

local app = GetApplication()
local space = app:GetSpace()
app:SetBgImage('res\\skyday.png')

-- A rock shelf from tile `first` to tile `last`, its top at `top`: a cap
-- of turf and earth on the rock, down past BOTTOM like every other column
-- whatever its top, so no sky shows under a low one.
local function shelf(first, last, top)
  for x = first * TILE, last * TILE, TILE do
    space:Insert(CreateBlock(x, top, TILE, TILE, 'res\\grass.png', false), GROUND, '')
    for y = top + TILE, BOTTOM + TILE - 1, TILE do space:Insert(CreateBlock(x, y, TILE, TILE, ROCK, false), GROUND, '') end
  end
end

-- The river under a gap, its bed, and the gorge's far side behind it from
-- the rims down (behind the dials too, so it never covers them).
local function river(first, last)
  for x = first * TILE, last * TILE, TILE do
    for y = TOP, RIVER, TILE do space:Insert(CreateBitmap(x, y, 'res\\gorgewall.png'), SKY, '') end
    space:Insert(CreateBitmap(x, RIVER, WATER), 1, '')
    space:Insert(CreateBlock(x, RIVER + TILE, TILE, TILE, ROCK, false), GROUND, '')
  end
  space:Insert(CreateWater(first * TILE, RIVER, (last - first + 1) * TILE, TILE))
end

-- A bridge of planks from rim to rim, its deck a band `depth` deep.
local function bridge(x1, y1, x2, y2, length, depth, colour)
  colour = colour or PLANK
  space:Insert(CreateRope(12, x1, y1, x2, y2, length, 0.4, depth or 14, colour[1], colour[2], colour[3], 255))
end

shelf(-3, 4, TOP)
for y = TOP - 3 * TILE, TOP, TILE do space:Insert(CreateBlock(-3 * TILE, y, TILE, TILE, ROCK, false), GROUND, '') end
space:Insert(CreateBitmap(260, TOP - 64, 'res\\sign.png'), GROUND, '')

-- The tight bridge.
river(5, 6)
bridge(5 * TILE, TOP, 7 * TILE, TOP, 256)
shelf(7, 9, TOP)

-- A sagging one to the pillar, and on from the pillar.
river(10, 12)
bridge(10 * TILE, TOP, 13 * TILE, TOP, 390, 20)
shelf(13, 13, TOP)
river(14, 16)
bridge(14 * TILE, TOP, 17 * TILE, TOP, 390, 30, ROPE)
space:Insert(CreateLevelStar('star1', 15 * TILE + 54, TOP - 30), 'star1')
shelf(17, 19, TOP)

-- The long one, deep in its sag: ride down into it and up the far side.
river(20, 24)
bridge(20 * TILE, TOP, 25 * TILE, TOP, 660)
shelf(25, 27, TOP)

-- The climb to the far rim.
river(28, 30)
bridge(28 * TILE, TOP, 31 * TILE, TOP - 96, 396)
shelf(31, 38, TOP - 96)
for y = TOP - 5 * TILE, TOP - 96, TILE do space:Insert(CreateBlock(39 * TILE, y, TILE, TILE, ROCK, false), GROUND, '') end
local flag = CreatePickableItem('finish', 36 * TILE, TOP - 96 - 128, 64, 128)
flag:SetImage(CreateBitmap(36 * TILE, TOP - 96 - 128, 'res\\finish.png'))
space:Insert(flag, 'finish')

space:Insert(CreateCloud('res\\cloud1.png', 0, -0.06, 0, 0.3, 0.1), SKY, '')
space:Insert(CreateCloud('res\\cloud2.png', 0, -0.03, 0, 0.8, 0.02), SKY, '')

-- A bike in the river starts again.
EventYGreater(space:FindObject('driver'), RIVER, 'RestartLevel()')

GetBike():MoveTo(150, TOP - 40)
GetLevel():Add(CreateVariableCondition('star1'))
GetLevel():Add(CreateVariableCondition('finish'))
AddObjective('Cross the gorge on its rope bridges')
AddObjective('Take the sagging ones slowly')
AddObjective('Pick up the star over the river')
AddObjective('Then reach the flag on the far rim')
SetLevelTime(120)
