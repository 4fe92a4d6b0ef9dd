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

-- A turned tile from (x1, y1) to (x2, y2), 4 pixels past each end, its top
-- edge on the line, or `sink` pixels under it.
local function along(x1, y1, x2, y2, sink, image, depth, touches)
  local angle, length = math.atan2(y2 - y1, x2 - x1), math.sqrt((x2 - x1) ^ 2 + (y2 - y1) ^ 2) + 8
  turned((x1 + x2) / 2 - math.sin(angle) * sink, (y1 + y2) / 2 + math.cos(angle) * sink, angle, length, image, depth,
         touches)
end

-- Turf along a line, laid as Training Field lays its hill: a turned piece
-- of res\\turf.png for each step of about 64 pixels, its top edge on the
-- line and reaching 4 pixels past each end, where its grass lies flat and
-- meets the next piece evenly; a run between corners is cut into pieces of
-- 60 to 67 pixels. A point marked with a bend is a corner the line turns
-- round a curve from `bend` pixels before it to as far after it, within 2
-- pixels of the corner the wheels roll over, laid in short steps of
-- res\\turfbend.png, the turf's flat join alone: whole pieces reach on
-- past their step along their own slope, which over a crest is in the air.
-- Over a crest the steps start LEAD pixels before the curve, so the whole
-- piece before them reaches on under grass. Returns the pieces, {x1, y1,
-- x2, y2, image} from left to right.
local TURF = 'res\\turf.png'
local BEND_TURF = 'res\\turfbend.png'
local STEP, BEND_STEP, LEAD = 64, 4, 12
local function turfLine(points)
  local pieces = {}
  local function lay(x1, y1, x2, y2, image) pieces[#pieces + 1] = {x1, y1, x2, y2, image} end
  local function run(x1, y1, x2, y2, step, image)
    local n = math.max(1, math.floor(math.sqrt((x2 - x1) ^ 2 + (y2 - y1) ^ 2) / step + 0.5))
    for k = 1, n do
      lay(x1 + (x2 - x1) * (k - 1) / n, y1 + (y2 - y1) * (k - 1) / n, x1 + (x2 - x1) * k / n, y1 + (y2 - y1) * k / n, image)
    end
  end
  local function unit(a, b)
    local length = math.sqrt((b[1] - a[1]) ^ 2 + (b[2] - a[2]) ^ 2)
    return (b[1] - a[1]) / length, (b[2] - a[2]) / length
  end
  local x, y = points[1][1], points[1][2]
  for i = 2, #points do
    local at, bend = points[i], points[i][3]
    if bend and i < #points then
      local ux, uy = unit(points[i - 1], at)
      local vx, vy = unit(at, points[i + 1])
      local fromX, fromY = at[1] - ux * bend, at[2] - uy * bend
      local lead = ux * vy - uy * vx > 0 and LEAD or 0
      run(x, y, fromX - ux * lead, fromY - uy * lead, STEP, TURF)
      if lead > 0 then run(fromX - ux * lead, fromY - uy * lead, fromX, fromY, BEND_STEP, BEND_TURF) end
      -- The curve: a quadratic one, with the corner as its middle point.
      local n = math.ceil(2 * bend / BEND_STEP)
      local toX, toY = at[1] + vx * bend, at[2] + vy * bend
      local lastX, lastY = fromX, fromY
      for k = 1, n do
        local t = k / n
        local nextX = (1 - t) ^ 2 * fromX + 2 * t * (1 - t) * at[1] + t ^ 2 * toX
        local nextY = (1 - t) ^ 2 * fromY + 2 * t * (1 - t) * at[2] + t ^ 2 * toY
        lay(lastX, lastY, nextX, nextY, BEND_TURF)
        lastX, lastY = nextX, nextY
      end
      x, y = toX, toY
    else
      run(x, y, at[1], at[2], STEP, TURF)
      x, y = at[1], at[2]
    end
  end
  return pieces
end

-- Turf along a line of riding blocks (the pond's banks and bed, the way
-- down from the mill floor), touching nothing: the blocks under it are
-- unseen. Pieces over the water's picture, between `wetFrom`
-- and `wetTo`, are drawn at `depth` over it, the others at the ground's.
-- Over the water, a copy of each piece lies DEEPER under it first, so that
-- the earth reaches below the water's picture; its grass stays under the
-- piece.
local DEEPER = 64
local function layTurf(points, wetFrom, wetTo, depth)
  local pieces = turfLine(points)
  local function wet(p) return math.max(p[1], p[3]) > wetFrom and math.min(p[1], p[3]) < wetTo end
  local function draw(p, sink, at) along(p[1], p[2], p[3], p[4], sink, p[5], at, false) end
  for i = 1, #pieces do
    if wet(pieces[i]) then draw(pieces[i], DEEPER, depth) end
  end
  for i = 1, #pieces do draw(pieces[i], 0, wet(pieces[i]) and depth or GROUND) end
end

-- The unseen riding blocks of a bank down into the pond or up out of it,
-- from point to point, at the ground's depth; its turf is drawn apart.
local function ridden(points)
  for i = 1, #points - 1 do
    along(points[i][1], points[i][2], points[i + 1][1], points[i + 1][2], 0, 'res\\clear.png', GROUND, true)
  end
end

-- Water from tile `first` to tile `last`: the zone that floats the bike,
-- and the picture in front of everything, which may reach on to tile
-- `shownTo` behind a bank that rises out of it.
local function water(first, last, surface, depth, shownTo)
  space:Insert(CreateWater(first * TILE, surface, (last - first + 1) * TILE, depth))
  for x = first * TILE, (shownTo or last) * TILE, TILE do
    for y = surface, surface + depth - 1, TILE do space:Insert(CreateBitmap(x, y, 'res\\water.png'), 2, '') end
  end
end

for y = TOP - 3 * TILE, BOTTOM, TILE do tile(-3 * TILE, y, ROCK) end
bank(-2, 7, TOP)

-- The mill pond: down a bank into the water, across, and up the far bank.
-- Its turf is drawn over its water, so the water shows only above it. The
-- water's picture reaches on past the far bank's waterline, behind the
-- turf, so it ends nowhere in sight.
local BED = TOP + 130
local BANK = 3   -- over the water's picture at 2
ridden({{1024, TOP}, {1152, TOP + 80}, {1280, BED}})
-- The bed's riding blocks: where the turf lies low, their tops would show
-- through the water above its grass, so those are left unseen and their
-- earth is drawn from below the water's picture.
bank(8, 8, BED, EARTH, EARTH)
bank(9, 11, BED, 'res\\clear.png', EARTH)
for x = 9 * TILE, 11 * TILE, TILE do space:Insert(CreateBitmap(x, BED + 48, EARTH), GROUND, '') end
bank(12, 13, BED, EARTH, EARTH)
water(8, 12, POND, BED - POND, 13)
space:Insert(CreateLevelStar('star1', 1334, BED - 50), 'star1')
ridden({{1408, BED}, {1536, BED - 36}, {1664, TOP + 36}, {1792, TOP}})
bank(14, 14, TOP)
-- The turf starts on the flat, at a tile's side where the meadow's grass
-- lies flat, turns over the crest round a bend, and ends at the far bank's
-- top by the ramp's foot, where the flat's grass is drawn again over the
-- turf's reach past it.
layTurf({{4 * TILE + 4, TOP}, {1024, TOP, 14}, {1152, TOP + 80, 9}, {1280, BED}, {1408, BED}, {1536, BED - 36},
        {1664, TOP + 36, 4}, {1792, TOP}}, 8 * TILE, 14 * TILE, BANK)
space:Insert(CreateBitmap(14 * TILE, TOP, GRASS), BANK, '')

-- The water wheel in its race: a ramp up to its top, and the far bank.
local RAMP_TOP = TOP - 96
local ramp = CreateTriangle(1792, TOP, 1920, RAMP_TOP, 1920, TOP)
ramp:SetFillColor(0, 0, 0, 0)
space:Insert(ramp, GROUND, '')
space:Insert(CreateBitmap(1792, RAMP_TOP, 'res\\ramp128x96.png'), GROUND, '')
-- The grass's blades stand above its surface: a copy of the picture lower
-- down, behind it, stands the ramp's frame in the grass.
space:Insert(CreateBitmap(1792, RAMP_TOP + 18, 'res\\ramp128x96.png'), GROUND - 1, '')
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
-- Each column's earth starts below the grass at the slope's lowest point
-- in it, where the turf drawn over it still reaches, and goes down to the
-- ground's own earth; the ground's caps under the hill are left unseen.
local downhill = {{33 * TILE, FLOOR}, {34 * TILE, FLOOR + 64, 9}, {35 * TILE, FLOOR + 160}, {36 * TILE, TOP}}
for i = 1, #downhill - 1 do
  for y = downhill[i + 1][2] + 24, TOP + TILE - 1, TILE do
    space:Insert(CreateBitmap(downhill[i][1], y, EARTH), GROUND, '')
  end
end
ridden(downhill)
-- Its turf in one run below the bend (its last two blocks lie in line):
-- pieces cut from a shorter run would not end where their grass lies flat.
-- It turns onto the flat at the foot, under the flat's grass, so that
-- the foot's corner is a join of turf like the others.
layTurf({downhill[1], downhill[2], {36 * TILE, TOP, 9}, {36 * TILE + 64, TOP}}, 0, 0, GROUND)
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
