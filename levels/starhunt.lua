-- Star Hunt: six stars about a builder's yard of scaffolds, and no flag
-- until all six are found. One lies behind a gate that a button lets
-- down, one only shows once the rear wheel has pressed the plate in the
-- dip, one hangs over the gap between the scaffolds. The stars are counted
-- in a variable; the sixth brings out the flag.

local GRASS = 'res\\grass.png'
local EARTH = 'res\\ground.png'
local WOOD = 'res\\wood.png'
local TILE = 128
local TOP = 500
local BOTTOM = TOP + 3 * TILE
local GROUND = -1
local BACKDROP = -200   -- behind the rider, whose head is drawn at -100
local SKY = -10000
local STARS = 6

local app = GetApplication()
local space = app:GetSpace()
app:SetBgImage('res\\skyday.png')

local function tile(x, y, image) space:Insert(CreateBlock(x, y, TILE, TILE, image, false), GROUND, '') end

-- Turf and earth from tile `first` to `last`, its top at `top`,
-- down past BOTTOM like every other column whatever its top, so no sky
-- shows under a low one.
local function meadow(first, last, top)
  for x = first * TILE, last * TILE, TILE do
    tile(x, top, GRASS)
    for y = top + TILE, BOTTOM + TILE - 1, TILE do tile(x, y, EARTH) end
  end
end

-- A scaffold deck of planks from tile `first` to `last` at `top`, on legs.
local function scaffold(first, last, top)
  for x = first * TILE, last * TILE, TILE do
    space:Insert(CreateBlock(x, top, TILE, 16, 'res\\plank128x16.png', false), GROUND, '')
    local leg = CreateBlock(x + 56, top + 16, 16, TOP - top - 16, '', false)
    leg:SetFillColor(125, 80, 40, 255)
    leg:SetCollisionMask(0)
    space:Insert(leg, BACKDROP, '')
  end
end

-- A wooden ramp from x on a floor at `bottom` up to `top`; a falling one
-- goes down from x instead, its picture mirrored. On the meadow the
-- grass's blades stand above its surface, so a copy of the picture lower
-- down, behind it, stands the ramp's frame in the grass.
local function ramp(x, width, bottom, top, falling, onGrass)
  local high = falling and x or x + width
  local wedge = CreateTriangle(x, bottom, x + width, bottom, high, top)
  wedge:SetFillColor(0, 0, 0, 0)
  space:Insert(wedge, GROUND, '')
  local file = 'res\\ramp' .. width .. 'x' .. (bottom - top) .. '.png'
  for drop = onGrass and 18 or 0, 0, -18 do
    local picture = CreateBitmap(x, top + drop, file)
    if falling then picture:GetTexture():SetFlipHorizontally() end
    space:Insert(picture, drop > 0 and GROUND - 1 or GROUND, '')
  end
end

local function star(n, x, y) space:Insert(CreateLevelStar('star' .. n, x, y), 'star' .. n) end

for y = TOP - 3 * TILE, BOTTOM, TILE do tile(-3 * TILE, y, WOOD) end
meadow(-2, 23, TOP)
star(1, 500, TOP - 50)

-- Up onto the low scaffold, then the high one, and a kicker at its end to
-- jump the gap down to the far one.
ramp(768, 256, TOP, TOP - 96, false, true)
scaffold(8, 10, TOP - 96)
star(2, 1180, TOP - 146)
ramp(1280, 256, TOP - 96, TOP - 192)
scaffold(12, 14, TOP - 192)
star(3, 1650, TOP - 242)
ramp(1792, 128, TOP - 192, TOP - 232)
star(4, 2040, TOP - 300)
scaffold(17, 18, TOP - 96)
ramp(19 * TILE, 256, TOP, TOP - 96, true, true)

-- The dip with the plate in it: the rear wheel's press brings out a star.
meadow(24, 26, TOP + 40)
ramp(26 * TILE, 128, TOP + 40, TOP, false, true)
meadow(27, 34, TOP)
local plate = CreateBlock(24 * TILE, TOP + 32, 256, 8, 'res\\plate.png', false)
space:Insert(plate, GROUND, 'plate')
EventRearWheelCollision(plate, "GetApplication():GetSpace():Insert(CreateLevelStar('star5', 3350, " ..
                        (TOP - 120) .. "), 'star5')", true)

-- The gate and its button, a plate on the ground: a plank held upright,
-- clear of the ground, by two hinges; the front wheel's touch on the
-- button takes the upper one away and the gate falls flat.
local gate = CreateBlock(29 * TILE, TOP - 204, 16, 192, 'res\\gate16x192.png', true)
space:Insert(gate, 'gate')
RotateObject(gate, 2)
AnchorAt(gate, 29 * TILE + 8, TOP - 12)
AnchorAt(gate, 29 * TILE + 8, TOP - 200)
local button = CreateBlock(28 * TILE - 64, TOP - 8, 64, 8, 'res\\button.png', false)
space:Insert(button, GROUND, 'button')
EventFrontWheelCollisionTarget(button, "DefaultSpaceFind('gate'):RemoveUserJoint(1)", true)
star(6, 31 * TILE, TOP - 50)

-- Counting: each star adds one; the sixth brings out the flag by the gate.
SetVariable('stars', '0')
for n = 1, STARS do EventVariableTriggered('star' .. n, "IncreaseVariable('stars')") end
EventVariableTriggered('stars', '' .. STARS, "SetVariable('allstars') " ..
  "local flag = CreatePickableItem('finish', 4200, " .. (TOP - 128) .. ", 64, 128) " ..
  "flag:SetImage(CreateBitmap(4200, " .. (TOP - 128) .. ", 'res\\\\finish.png')) " ..
  "GetApplication():GetSpace():Insert(flag, 'finish')")
-- A lookout: high on the far scaffold, a sign shows where the flag will be.
local lookout = CreateCompositeEvent()
lookout:Add(CreateEventXGreater(17 * TILE))
lookout:Add(CreateEventYLess(TOP - 100))
RegisterEvent(space:FindObject('driver'), lookout,
              "GetApplication():GetSpace():Insert(CreateBitmap(4100, " .. (TOP - 64) .. ", 'res\\\\sign.png'), -1, '')")
for y = TOP - 3 * TILE, BOTTOM, TILE do tile(35 * TILE, y, WOOD) end

space:Insert(CreateCloud('res\\cloud2.png', 0, -0.06, 0, 0.3, 0.05), SKY, '')
space:Insert(CreateCloud('res\\cloud1.png', 0, -0.04, 0, 0.75, 0.1), SKY, '')

GetBike():MoveTo(150, TOP - 40)
GetLevel():Add(CreateVariableCondition('allstars'))
GetLevel():Add(CreateVariableCondition('finish'))
AddObjective('Find all six stars to bring the flag')
AddObjective('Knock the red button: the gate drops')
AddObjective('Press the plate in the dip')
AddObjective('Then reach the flag by the sign')
SetLevelTime(120)
