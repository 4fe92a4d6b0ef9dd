-- Timber Yard: a sawmill's yard of planks on hinges. A ramp down off a stack
-- of timber, two seesaws to ride up and tip over, a heavy log swinging on
-- its chain over the way, and a bridge of one long plank hinged at the near
-- rim of a pit, whose hinge gives soon after a wheel is on it.

local GRASS = 'res\\grass.png'
local EARTH = 'res\\ground.png'
local WOOD = 'res\\wood.png'
local TILE = 128
local TOP = 480
local DECK = TOP - 64          -- the raised deck after the second seesaw
local BOTTOM = TOP + 3 * TILE
local GROUND = -1
local SKY = -10000       -- behind the dials, which are drawn at -9999
local BACKDROP = -200   -- behind the rider, whose head is drawn at -100
local PINE = {150, 96, 52}

local app = GetApplication()
local space = app:GetSpace()
app:SetBgImage('res\\forest.png')
space:Insert(CreateCloud('res\\cloud2.png', 0, -0.05, 0, 0.5, 0.05), SKY, '')

local function tile(x, y, image) space:Insert(CreateBlock(x, y, TILE, TILE, image, false), GROUND, '') end

-- Turf and earth from tile `first` to tile `last`, its top at `top`,
-- down past BOTTOM like every other column whatever its top, so no sky
-- shows under a low one.
local function yard(first, last, top)
  for x = first * TILE, last * TILE, TILE do
    tile(x, top, GRASS)
    for y = top + TILE, BOTTOM + TILE - 1, TILE do tile(x, y, EARTH) end
  end
end

-- A wedge of pine, its foot at `y`, rising to `x` a little over the end of
-- a plank that lies there: a wheel rolls up it and drops onto the plank
-- instead of striking the plank's edge, which throws a fast bike high.
-- It is four times as long as it is high.
local function chock(x, y, height)
  local wedge = CreateTriangle(x - 4 * height, y, x, y, x, y - height)
  wedge:SetFillColor(PINE[1], PINE[2], PINE[3], 255)
  space:Insert(wedge, GROUND, '')
end

-- A seesaw: a plank turned down to the left, on a hinge over a trestle
-- that only shows, with a chock at its foot. The first is low, so that a
-- bike that takes it at full throttle rolls over instead of flying off its
-- top; the second's hinge is at the deck's height, so that tipped it lets
-- the bike down onto the deck after a short hop.
local function seesaw(x, y, width, height, name)
  local trestle = CreateTriangle(x - 24, TOP, x + 24, TOP, x, y)
  trestle:SetFillColor(PINE[1], PINE[2], PINE[3], 255)
  trestle:SetCollisionMask(0)
  space:Insert(trestle, GROUND, '')
  local plank = CreateBlock(x - width / 2, y - height / 2, width, height,
                            'res\\plank' .. width .. 'x' .. height .. '.png', true)
  space:Insert(plank, name)
  AnchorCenter(plank)
  RotateObject(plank, -math.deg(math.asin((TOP - y) / (width / 2))))
  chock(x - width / 2 + 4, TOP, height)
end

for y = TOP - 3 * TILE, BOTTOM, TILE do tile(-3 * TILE, y, WOOD) end
yard(1, 11, TOP)
-- The start: the bike stands at the top of a ramp down off a stack of
-- timber, so that it sets off downhill and a full throttle keeps its front
-- wheel down (from standing on the flat it rears over backwards).
local STACK = TOP - 96
for x = -2 * TILE, 0, TILE do
  tile(x, STACK, WOOD)
  for y = STACK + TILE, BOTTOM, TILE do tile(x, y, EARTH) end
end
local ramp = CreateTriangle(TILE, STACK, TILE + 256, TOP, TILE, TOP)
ramp:SetFillColor(0, 0, 0, 0)
space:Insert(ramp, GROUND, '')
local rampPicture = CreateBitmap(TILE, STACK, 'res\\ramp256x96.png')
rampPicture:GetTexture():SetFlipHorizontally()
space:Insert(rampPicture, GROUND, '')
seesaw(700, TOP - 20, 320, 16, 'seesaw1')
seesaw(1420, DECK, 384, 20, 'seesaw2')

-- The deck the second seesaw lets down onto.
for x = 12 * TILE, 20 * TILE, TILE do
  tile(x, DECK, WOOD)
  for y = DECK + TILE, BOTTOM, TILE do tile(x, y, EARTH) end
end

-- The swinging log: a heavy end on a long chain from a beam between two
-- towers of lumber behind the way, started from the side. The towers, the
-- beam and the log rise over the top of the screen, so they stand behind
-- the dials, in front of the sky and its cloud; the rider passes in front.
for y = DECK - 3 * TILE, DECK - TILE, TILE do
  for x = 2048, 2432, 384 do
    local lumber = CreateBlock(x, y, TILE, TILE, WOOD, false)
    lumber:SetCollisionMask(0)
    space:Insert(lumber, SKY, '')
  end
end
space:Insert(CreateBitmap(2112, DECK - 400, 'res\\plank384x20.png'), SKY, '')
-- The log and its rod are one block, 64 by 192, turned about its middle:
-- it is placed so that, turned, its top is at the hinge. Hanging still it
-- clears a rider's helmet; swinging, it sweeps the air over the deck.
local HINGE = {2304, DECK - 380}
local LOG_ANGLE = math.rad(-50)
local drop = 90   -- from the hinge to the block's middle
local cx = HINGE[1] - drop * math.sin(LOG_ANGLE)
local cy = HINGE[2] + drop * math.cos(LOG_ANGLE)
local log = CreateBlock(cx - 32, cy - 96, 64, 192, 'res\\log.png', true)
log:SetMass(20)
space:Insert(log, SKY, 'log')  -- it swings over the top of the screen: behind the dials
RotateObject(log, math.deg(LOG_ANGLE))
AnchorAt(log, HINGE[1], HINGE[2])

-- The pit, and the plank bridge hinged at its near rim, resting on the far
-- one; a star halfway over.
for x = 21 * TILE, 22 * TILE, TILE do tile(x, DECK + 2 * TILE, EARTH) end
local bridge = CreateBlock(21 * TILE - 8, DECK - 20, 384, 20, 'res\\plank384x20.png', true)
space:Insert(bridge, 'bridge')
chock(21 * TILE - 8, DECK, 20)  -- the bridge lies on the deck: a wheel rolls onto it
AnchorAt(bridge, 21 * TILE - 4, DECK - 10)
-- Its hinge gives two seconds after the front wheel is on it.
EventCollision(bridge, space:FindObject('frontwheel'),
               "RegisterTimerEvent(2, \"DefaultSpaceFind('bridge'):RemoveUserJoint(0)\")")
EventYGreater(space:FindObject('driver'), DECK + 100, 'RestartLevel()')
space:Insert(CreateLevelStar('star1', 22 * TILE - 10, DECK - 60), 'star1')
for x = 23 * TILE, 31 * TILE, TILE do
  tile(x, DECK, WOOD)
  for y = DECK + TILE, BOTTOM, TILE do tile(x, y, EARTH) end
end
for y = DECK - 3 * TILE, DECK, TILE do tile(32 * TILE, y, WOOD) end

local flag = CreatePickableItem('finish', 30 * TILE, DECK - 128, 64, 128)
flag:SetImage(CreateBitmap(30 * TILE, DECK - 128, 'res\\finish.png'))
space:Insert(flag, 'finish')

GetBike():MoveTo(TILE + 40, STACK - 40)
GetLevel():Add(CreateVariableCondition('star1'))
GetLevel():Add(CreateVariableCondition('finish'))
AddObjective('Ride up the seesaws to tip them')
AddObjective('Pass under the swinging log')
AddObjective('Take the star on the bridge, fast')
AddObjective('Then reach the flag')
SetLevelTime(120)
