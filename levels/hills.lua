-- Rolling Hills: waves of turf in the evening, short and tall, that lift
-- a fast bike off the ground for a moment. One star sits on a crest; two
-- hang where a bike hops when it takes a crest at full throttle. Fireflies
-- come out over the sky.

local GRASS = 'res\\grass.png'
local EARTH = 'res\\ground.png'
local TILE = 128
local TOP = 520
local BOTTOM = TOP + 3 * TILE
local STEP = 64
local GROUND = -1
local FILL = -2
local BACKDROP = -200   -- behind the rider, whose head is drawn at -100
local SKY = -10000       -- behind the dials, which are drawn at -9999

local app = GetApplication()
local space = app:GetSpace()
app:SetBgImage('res\\skydusk.png')

-- The land's surface: a gentle run down from the start (a bike on full
-- throttle keeps its front wheel down there), then hills one after
-- another, each a whole wave of the given length and height, starting
-- where the one before ends. They are low for their length: a crest lifts
-- a fast bike a little, never out of the picture or onto its nose.
local HILLS = {
  {640, 24}, {640, 36}, {768, 55}, {512, 28}, {512, 48}, {1024, 75}, {640, 30}, {896, 90},
}
local FIRST_HILL = 900
local START_DROP = 120
local function surface(x)
  local from = FIRST_HILL
  for i = 1, #HILLS do
    local length, height = HILLS[i][1], HILLS[i][2]
    if x < from + length then
      if x < from then return TOP - START_DROP * (1 + math.cos(math.pi * math.max(0, x) / FIRST_HILL)) / 2 end
      return TOP - height * (1 - math.cos(2 * math.pi * (x - from) / length)) / 2
    end
    from = from + length
  end
  return TOP
end

-- A turf tile turned to the slope from (x1, y1) to (x2, y2), its top edge
-- on it and reaching a little past both ends, so no sky shows at a bend.
local function turf(x1, y1, x2, y2)
  local angle, length = math.atan2(y2 - y1, x2 - x1), math.sqrt((x2 - x1) ^ 2 + (y2 - y1) ^ 2) + 8
  local tile = CreateBlock((x1 + x2 - length) / 2 - math.sin(angle) * TILE / 2,
                           (y1 + y2) / 2 + (math.cos(angle) - 1) * TILE / 2, length, TILE, GRASS, false)
  RotateObject(tile, math.deg(angle))
  space:Insert(tile, GROUND, '')
end

local FINISH = 7300
for x = -2 * TILE, FINISH + 4 * TILE, STEP do turf(x, surface(x), x + STEP, surface(x + STEP)) end
-- Earth behind the turf, down from the lowest point of each column.
for x = -2 * TILE, FINISH + 4 * TILE, TILE do
  local lowest = math.max(surface(x), surface(x + TILE / 2), surface(x + TILE))
  for y = lowest + 8, BOTTOM, TILE do
    local earth = CreateBlock(x, y, TILE, TILE, EARTH, false)
    earth:SetCollisionMask(0)
    space:Insert(earth, FILL, '')
  end
end

-- A star on the second crest, and two in the air past the fifth and the
-- last: a bike that takes those crests fast hops through them.
space:Insert(CreateLevelStar('star1', 1850, surface(1860) - 60), 'star1')
space:Insert(CreateLevelStar('star2', 3830, surface(3840) - 80), 'star2')
space:Insert(CreateLevelStar('star3', 6290, surface(6300) - 80), 'star3')

-- Rock walls at both ends, the flag on the flat.
for y = TOP - 4 * TILE, BOTTOM, TILE do
  space:Insert(CreateBlock(-3 * TILE, y, TILE, TILE, 'res\\rock.png', false), GROUND, '')
  space:Insert(CreateBlock(FINISH + 3 * TILE, y, TILE, TILE, 'res\\rock.png', false), GROUND, '')
end
local flag = CreatePickableItem('finish', FINISH, TOP - 128, 64, 128)
flag:SetImage(CreateBitmap(FINISH, TOP - 128, 'res\\finish.png'))
space:Insert(flag, 'finish')

-- The gate before the flag: a barrier post, behind the turf, whose block
-- reaches deeper into the ground than the post stands above it. The stars
-- are counted; with the third the block turns flat about its middle, deep
-- in the ground, and lets the bike by.
local gate = CreateBlock(FINISH - 264, TOP - 192, 16, 448, 'res\\gate16x192.png', false)
space:Insert(gate, BACKDROP, 'gate')
SetVariable('stars', '0')
for n = 1, 3 do EventVariableTriggered('star' .. n, "IncreaseVariable('stars')") end
EventVariableTriggered('stars', '3', "local gate = DefaultSpaceFind('gate') gate:SetCollisionMask(0) RotateObject(gate, 90)")

space:Insert(CreateCloud('res\\cloud3.png', 0, -0.04, 0, 0.2, 0.08), SKY, '')
-- Fireflies, pinned to the screen: each lights up somewhere new every time
-- it comes round, after a rest of its own. They may come up anywhere on
-- the screen, so they fly in the sky behind the dials and the hills.
for i = 1, 6 do
  local firefly = CreateSprite('res\\firefly.png', 8, 16, 16, 8, 80 + 10 * i, 0, 0, true)
  firefly:SetStatic(true)
  firefly:SetRandomPositioning(true, 800, 600)
  firefly:SetLoopDelay(300 * i)
  space:Insert(firefly, SKY, '')
end

GetBike():MoveTo(150, surface(150) - 40)
local goals = {'star1', 'star2', 'star3', 'finish'}
for i = 1, #goals do GetLevel():Add(CreateVariableCondition(goals[i])) end
AddObjective('Ride fast: the crests lift you')
AddObjective('Catch the stars over the crests')
AddObjective('The three stars open the gate')
AddObjective('Then reach the flag')
SetLevelTime(90)
