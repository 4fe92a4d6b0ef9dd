-- Mill Race: the old mill by the river. Swim the bike across the mill
-- pond, ride over the top of the turning water wheel, and let the roller
-- lift carry you up to the mill floor, then roll down to the flag.

local GRASS = 'res\\grass.png'
local EARTH = 'res\\ground.png'
local ROCK = 'res\\rock.png'
local CONCRETE = 'res\\concrete.png'
local TILE = 128
local TOP = 500
local POND = TOP + 40          -- the water's surface
local FLOOR = TOP - 256        -- the mill floor
local BOTTOM = TOP + 3 * TILE
local GROUND = -1
local BACKDROP = -200   -- behind the rider, whose head is drawn at -100
local SKY = -10000

local app = GetApplication()
local space = app:GetSpace()
app:SetBgImage('res\\skyday.png')

local function tile(x, y, image) space:Insert(CreateBlock(x, y, TILE, TILE, image, false), GROUND, '') end

-- The bank from tile `first` to tile `last`, its top at `top`: turf over
-- earth, or a capped material, down past BOTTOM like every other column
-- whatever its top, so no sky shows under a low one.
local function bank(first, last, top, cap, body)
  for x = first * TILE, last * TILE, TILE do
    tile(x, top, cap or GRASS)
    for y = top + TILE, BOTTOM + TILE - 1, TILE do tile(x, y, body or EARTH) end
  end
end

-- A turned tile `length` long whose top edge is centred on (x, y).
local function turned(x, y, angle, length, image, depth, touches)
  local turf = CreateBlock(x - length / 2 - math.sin(angle) * TILE / 2,
                           y + (math.cos(angle) - 1) * TILE / 2, length, TILE, image, false)
  if not touches then turf:SetCollisionMask(0) end
  RotateObject(turf, math.deg(angle))
  space:Insert(turf, depth, '')
end

-- A slope of turned turf tiles from (x1, y1) to (x2, y2), one tile long.
-- A bank drawn over the pond's water keeps its riding block at the ground's
-- depth, unseen, and shows a copy that touches nothing at the given depth,
-- over earth reaching deeper, so no water shows under it.
local DEEPER = 48
local function slope(x1, y1, x2, y2, overWater)
  local angle, length = math.atan2(y2 - y1, x2 - x1), math.sqrt((x2 - x1) ^ 2 + (y2 - y1) ^ 2) + 8
  local x, y = (x1 + x2) / 2, (y1 + y2) / 2
  if not overWater then return turned(x, y, angle, length, GRASS, GROUND, true) end
  turned(x, y, angle, length, 'res\\clear.png', GROUND, true)
  turned(x - math.sin(angle) * DEEPER, y + math.cos(angle) * DEEPER, angle, length, EARTH, overWater, false)
  turned(x, y, angle, length, GRASS, overWater, false)
end

-- Slopes through the points. Where two turned tiles meet, their corners
-- leave a wedge open below the turf; a patch turned half way between them,
-- its top a little under the ground, lies under the joint and closes it,
-- touching nothing. An end marked FLAT meets a flat bank and gets a patch
-- too; the pond's bed, under water, needs none.
local SINK = 6
local FLAT = true
local function slopes(points, overWater)
  local angles = {0}
  for i = 1, #points - 1 do
    angles[i + 1] = math.atan2(points[i + 1][2] - points[i][2], points[i + 1][1] - points[i][1])
  end
  angles[#points + 1] = 0
  for i = 1, #points do
    local at, angle = points[i], (angles[i] + angles[i + 1]) / 2
    if (i > 1 and i < #points) or at[3] == FLAT then
      turned(at[1] - math.sin(angle) * SINK, at[2] + math.cos(angle) * SINK, angle, TILE * 3 / 4, GRASS,
             overWater or GROUND, false)
    end
  end
  for i = 1, #points - 1 do slope(points[i][1], points[i][2], points[i + 1][1], points[i + 1][2], overWater) end
end

-- Water from tile `first` to tile `last`: the zone that floats the bike,
-- and the picture in front of everything.
local function water(first, last, surface, depth)
  space:Insert(CreateWater(first * TILE, surface, (last - first + 1) * TILE, depth))
  for x = first * TILE, last * TILE, TILE do
    for y = surface, surface + depth - 1, TILE do space:Insert(CreateBitmap(x, y, 'res\\water.png'), 2, '') end
  end
end

for y = TOP - 3 * TILE, BOTTOM, TILE do tile(-3 * TILE, y, ROCK) end
bank(-2, 7, TOP)

-- The mill pond: down a bank into the water, across, and up the far bank.
-- Its banks are drawn over its water, so the water shows only between
-- them, and its bed is earth like the banks.
local BED = TOP + 130
local BANK = 3   -- over the water's picture at 2
slopes({{1024, TOP, FLAT}, {1152, TOP + 80}, {1280, BED}}, BANK)
bank(8, 13, BED, EARTH, EARTH)
water(8, 12, POND, BED - POND)
space:Insert(CreateLevelStar('star1', 1334, BED - 50), 'star1')
slopes({{1408, BED}, {1536, BED - 36}, {1664, TOP + 36}, {1792, TOP, FLAT}}, BANK)
bank(14, 14, TOP)

-- The water wheel in its race: a ramp up to its top, and the far bank.
local RAMP_TOP = TOP - 96
local ramp = CreateTriangle(1792, TOP, 1920, RAMP_TOP, 1920, TOP)
ramp:SetFillColor(0, 0, 0, 0)
space:Insert(ramp, GROUND, '')
space:Insert(CreateBitmap(1792, RAMP_TOP, 'res\\ramp128x96.png'), GROUND, '')
bank(15, 15, RAMP_TOP, CONCRETE, CONCRETE)
water(16, 18, TOP + 60, 200)
bank(16, 18, TOP + 260, ROCK, ROCK)
local wheel = CreateCircle(2240, TOP + 80, 160, 'res\\millwheel.png', true)
space:Insert(wheel, 'waterwheel')
AnchorCenter(wheel)
AddMotor(wheel, 0.04)
space:Insert(CreateLevelStar('star2', 2230, TOP - 80 - 70), 'star2')
bank(19, 22, TOP)

-- The roller lift: steel rollers up a steep slope, all turning up it.
local LIFT_FROM, LIFT_TO = 23 * TILE, 26 * TILE
local rise = (TOP - FLOOR) / (LIFT_TO - LIFT_FROM)
for x = LIFT_FROM + 24, LIFT_TO - 24, 52 do
  local roller = CreateCircle(x, TOP - (x - LIFT_FROM) * rise + 10, 24, 'res\\roller.png', true)
  space:Insert(roller, GROUND, '')
  AnchorCenter(roller)
  AddMotor(roller, 0.3)
end
bank(23, 25, TOP, CONCRETE, CONCRETE)
bank(26, 32, FLOOR, CONCRETE, CONCRETE)

-- Down from the mill floor to the flag: a hill of earth under the slope.
-- Each column's earth starts just under the slope's lowest point in it,
-- where the turf drawn over it still reaches, and goes down to the
-- ground's own earth; the ground's caps under the hill are left unseen.
local downhill = {{33 * TILE, FLOOR, FLAT}, {34 * TILE, FLOOR + 64}, {35 * TILE, FLOOR + 160}, {36 * TILE, TOP, FLAT}}
for i = 1, #downhill - 1 do
  for y = downhill[i + 1][2] + 8, TOP + TILE - 1, TILE do
    space:Insert(CreateBitmap(downhill[i][1], y, EARTH), GROUND, '')
  end
end
slopes(downhill)
-- The mill floor's last column drawn again over the slope's first turf,
-- which reaches back past the floor's edge.
for y = FLOOR, BOTTOM, TILE do space:Insert(CreateBitmap(32 * TILE, y, CONCRETE), GROUND, '') end
bank(33, 35, TOP, 'res\\clear.png')
bank(36, 44, TOP)
for y = TOP - 3 * TILE, BOTTOM, TILE do tile(45 * TILE, y, ROCK) end
local flag = CreatePickableItem('finish', 43 * TILE, TOP - 128, 64, 128)
flag:SetImage(CreateBitmap(43 * TILE, TOP - 128, 'res\\finish.png'))
space:Insert(flag, 'finish')

-- The gate before the flag: a barrier post, behind the turf, whose block
-- reaches deeper into the ground than the post stands above it. The stars
-- are counted; with the second the block turns flat about its middle, deep
-- in the ground, and lets the bike by.
local gate = CreateBlock(41 * TILE, TOP - 192, 16, 448, 'res\\gate16x192.png', false)
space:Insert(gate, BACKDROP, 'gate')
SetVariable('stars', '0')
for n = 1, 2 do EventVariableTriggered('star' .. n, "IncreaseVariable('stars')") end
EventVariableTriggered('stars', '2', "local gate = DefaultSpaceFind('gate') gate:SetCollisionMask(0) RotateObject(gate, 90)")

space:Insert(CreateCloud('res\\cloud1.png', 0, -0.05, 0, 0.6, 0.05), SKY, '')

GetBike():MoveTo(150, TOP - 40)
local goals = {'star1', 'star2', 'finish'}
for i = 1, #goals do GetLevel():Add(CreateVariableCondition(goals[i])) end
AddObjective('Swim the pond: the water holds you')
AddObjective('Ride the wheel and the roller lift')
AddObjective('Both stars open the gate to the flag')
SetLevelTime(150)
