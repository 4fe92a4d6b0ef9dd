-- Loop Works: the test rig of a stunt team. Boost strips fire the bike
-- round a steel loop (the loop must be ridden), then more strips and a ramp throw it across the canyon to the
-- landing slope and the flag. A bike that drops into the canyon starts
-- again.

local CONCRETE = 'res\\concrete.png'
local EARTH = 'res\\ground.png'
local GRASS = 'res\\grass.png'
local CLEAR = 'res\\clear.png'
local BOOST = 'res\\boost.png'
local TILE = 128
local TOP = 500
local BOTTOM = TOP + 3 * TILE
local GROUND = -1
local SKY = -10000

local app = GetApplication()
local space = app:GetSpace()
app:SetBgImage('res\\skyday.png')

local function tile(x, y, image) space:Insert(CreateBlock(x, y, TILE, TILE, image, false), GROUND, '') end

-- The rig's floor from tile `first` to tile `last`, its top at `top`,
-- down past BOTTOM like every other column whatever its top, so no sky
-- shows under a low one.
local function floor(first, last, top, cap)
  for x = first * TILE, last * TILE, TILE do
    tile(x, top, cap)
    for y = top + TILE, BOTTOM + TILE - 1, TILE do tile(x, y, EARTH) end
  end
end

-- A row of boost strips on the floor from x, `count` strips long.
local function strips(x, count)
  for i = 0, count - 1 do space:Insert(CreateBoost(BOOST, x + 64 * i, TOP - 32, 64, 32, 1), GROUND, '') end
end

for y = TOP - 3 * TILE, BOTTOM, TILE do tile(-3 * TILE, y, CONCRETE) end
floor(-2, 26, TOP, CONCRETE)
strips(900, 5)

-- The loop: four quarters of a circle standing on the floor; a flip made
-- in it counts as the loop ridden. The bike
-- comes in along the floor through the lower left quarter, which only
-- becomes solid once the bike is over the top; then the lower right one
-- stops being solid, so the bike rides out along the floor. Back before
-- the loop, both are as they were.
local R, CX = 240, 1800
local CY = TOP - R
local quarters = {{CX, CY, 4, 'rise'}, {CX, CY - R, 1, 'top right'}, {CX - R, CY - R, 2, 'top left'},
                  {CX - R, CY, 3, 'fall'}}
for i = 1, #quarters do
  local q = quarters[i]
  space:Insert(CreateArc(q[1], q[2], R, q[3], CLEAR), GROUND, q[4])
end
DefaultSpaceFind('fall'):SetCollisionMask(0)
-- Its picture rises over the top of the screen while the bike is in the
-- loop: it stands behind the dials, and the rider rides in front of it.
space:Insert(CreateCloud('res\\cloud1.png', 0, -0.08, 0, 0.5, 0.05), SKY, '')
space:Insert(CreateCloud('res\\cloud3.png', 0, -0.05, 0, 0.05, 0.12), SKY, '')
space:Insert(CreateBitmap(CX - R - 24, CY - R - 24, 'res\\loop.png'), SKY, '')
local driver = space:FindObject('driver')
RegisterEvent(driver, CreateEventBox(CX - R, CY - R, CX, CY),
              "DefaultSpaceFind('fall'):SetCollisionMask(-1) DefaultSpaceFind('rise'):SetCollisionMask(0)", false)
RegisterEvent(driver, CreateEventXLess(CX - R - 150),
              "DefaultSpaceFind('fall'):SetCollisionMask(0) DefaultSpaceFind('rise'):SetCollisionMask(-1)", false)
local flipInLoop = CreateCompositeEvent()
flipInLoop:Add(CreateEventFlipped())
flipInLoop:Add(CreateEventBox(CX - R - 200, CY - R - 100, CX + R + 200, TOP + 20))
RegisterEvent(driver, flipInLoop, "SetVariable('looped')")

-- The run-up, the ramp and the canyon; a fall starts the level again.
strips(2500, 4)
local ramp = CreateTriangle(2944, TOP, 3200, TOP, 3200, TOP - 96)
ramp:SetFillColor(0, 0, 0, 0)
space:Insert(ramp, GROUND, '')
space:Insert(CreateBitmap(2944, TOP - 96, 'res\\ramp256x96.png'), GROUND, '')
space:Insert(CreateBoost(BOOST, 1, 64, 32, 1, 0, 2880, TOP - 32, true, false, 1), GROUND, '')
EventYGreater(driver, TOP + 2 * TILE, 'RestartLevel()')
floor(33, 50, TOP + 64, GRASS)
local flag = CreatePickableItem('finish', 46 * TILE, TOP + 64 - 128, 64, 128)
flag:SetImage(CreateBitmap(46 * TILE, TOP + 64 - 128, 'res\\finish.png'))
space:Insert(flag, 'finish')
for y = TOP - 3 * TILE, BOTTOM, TILE do tile(51 * TILE, y, CONCRETE) end


GetBike():MoveTo(150, TOP - 40)
GetLevel():Add(CreateVariableCondition('looped'))
GetLevel():Add(CreateVariableCondition('finish'))
AddObjective('Hold Up over the boost strips')
AddObjective('Ride round the loop')
AddObjective('Then jump the canyon to the flag')
SetLevelTime(45)
