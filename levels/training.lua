-- Training Field: the first ride. A flat run to find the throttle, a low
-- hill to feel it pull, a ramp up onto a terrace, a small jump to try the
-- leans in the air, and a slope down to the flag where the brake is
-- wanted. Three stars lie on the way, all at wheel height.

local GRASS = 'res\\grass.png'
local EARTH = 'res\\ground.png'
local ROCK = 'res\\rock.png'
local TILE = 128
local TOP = 480         -- the field's surface
local TERRACE = TOP - 40
local BOTTOM = TOP + 3 * TILE

local GROUND = -1        -- the ground is drawn behind the bike
local SKY = -10000       -- clouds behind the dials

local app = GetApplication()
local space = app:GetSpace()
app:SetBgImage('res\\skyday.png')

local function tile(x, y, image)
  space:Insert(CreateBlock(x, y, TILE, TILE, image, false), GROUND, '')
end

-- Columns of tiles from the first to the last tile across, each from its
-- top down to the bottom: turf, then earth.
local function field(first, last, top)
  for x = first * TILE, last * TILE, TILE do
    tile(x, top, GRASS)
    for y = top + TILE, BOTTOM, TILE do tile(x, y, EARTH) end
  end
end

-- Turf laid along a line: one tile turned to the slope for each step of
-- the points, its top edge on the line. Each reaches a little past its
-- ends, so no sky shows through where the line bends.
local function hill(points)
  for i = 1, #points - 1 do
    local x1, y1, x2, y2 = points[i][1], points[i][2], points[i + 1][1], points[i + 1][2]
    local length = math.sqrt((x2 - x1) ^ 2 + (y2 - y1) ^ 2) + 8
    local angle = math.atan2(y2 - y1, x2 - x1)
    local cx = (x1 + x2) / 2 - math.sin(angle) * TILE / 2
    local cy = (y1 + y2) / 2 + math.cos(angle) * TILE / 2
    local turf = CreateBlock(cx - length / 2, cy - TILE / 2, length, TILE, GRASS, false)
    RotateObject(turf, math.deg(angle))
    space:Insert(turf, GROUND, '')
  end
end

-- A wooden ramp: an invisible wedge to ride and its picture.
local function ramp(x, top, width, height, name)
  local wedge = CreateTriangle(x, top + height, x + width, top + height, x + width, top)
  wedge:SetFillColor(0, 0, 0, 0)
  space:Insert(wedge, GROUND, name or '')
  space:Insert(CreateBitmap(x, top, 'res\\ramp' .. width .. 'x' .. height .. '.png'), GROUND, '')
end

-- The start: a rock wall behind the bike and a sign pointing the way.
for y = TOP - 3 * TILE, BOTTOM, TILE do tile(-3 * TILE, y, ROCK) end
field(-2, 14, TOP)
space:Insert(CreateBitmap(230, TOP - 64, 'res\\sign.png'), GROUND, '')
-- A rider who heads for the wall is shown the way.
EventXLess(space:FindObject('driver'), 60,
           "GetApplication():GetSpace():Insert(CreateBitmap(-150, " .. (TOP - 64) .. ", 'res\\\\sign.png'), -1, '')")
space:Insert(CreateLevelStar('star1', 820, TOP - 50), 'star1')

-- A low hill.
hill({{1000, TOP}, {1128, TOP - 24}, {1256, TOP - 40}, {1384, TOP - 24}, {1512, TOP}})

-- A ramp up onto the terrace, the second star on it.
ramp(14 * TILE, TERRACE, 128, 40)
field(15, 20, TERRACE)
space:Insert(CreateLevelStar('star2', 2150, TERRACE - 50), 'star2')

-- A kicker at the terrace's end, and the slope down that takes the landing.
ramp(2432, TERRACE - 64, 192, 64, 'kicker')
-- Over the kicker's lip, the front wheel's next touch is the landing.
EventXGreater(space:FindObject('driver'), 2624,
              "EventFrontWheelCollision(DefaultSpaceFind('kicker'), \"SetVariable('landed')\", true)")
field(21, 26, TOP)
hill({{2688, TERRACE}, {2816, TERRACE + 10}, {2944, TERRACE + 28}, {3072, TOP}})
space:Insert(CreateLevelStar('star3', 3300, TOP - 50), 'star3')

-- Down to the flag, and a wall to stop at.
field(27, 36, TOP + 80)
hill({{3456, TOP}, {3584, TOP + 20}, {3712, TOP + 56}, {3840, TOP + 80}})
for y = TOP - 2 * TILE, BOTTOM, TILE do tile(37 * TILE, y, ROCK) end
local flag = CreatePickableItem('finish', 4400, TOP - 48, 64, 128)
flag:SetImage(CreateBitmap(4400, TOP - 48, 'res\\finish.png'))
space:Insert(flag, 'finish')

space:Insert(CreateCloud('res\\cloud1.png', 0, -0.05, 0, 0.1, 0.05), SKY, '')
space:Insert(CreateCloud('res\\cloud2.png', 0, -0.1, 0, 0.7, 0.15), SKY, '')

GetBike():MoveTo(120, TOP - 40)
local goals = {'star1', 'star2', 'star3', 'landed', 'finish'}
for i = 1, #goals do GetLevel():Add(CreateVariableCondition(goals[i])) end
AddObjective('Up rides on, Down brakes')
AddObjective('Left and Right lean the rider back and forward: jump the kicker and land')
AddObjective('Collect the three stars and ride through the flag')
SetLevelTime(90)
