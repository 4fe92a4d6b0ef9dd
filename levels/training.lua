-- Training Field: the first ride, made to be finished by holding Up alone:
-- a long run down gentle slopes into the valley where the flag stands.
-- Three stars lie on the way, all at wheel height, and a gate before the flag drops into the
-- ground once all three are in. Jumps and climbs come on later tracks.

local TURF = 'res\\turf.png'
local EARTH = 'res\\ground.png'
local ROCK = 'res\\rock.png'
local TILE = 128
local TOP = 480          -- the start's surface
local GROUND = -1        -- the ground is drawn behind the bike
local BACKDROP = -200    -- behind the rider, whose head is drawn at -100
local SKY = -10000       -- clouds behind the dials

local app = GetApplication()
local space = app:GetSpace()
app:SetBgImage('res\\skyday.png')

local function tile(x, y, image)
  space:Insert(CreateBlock(x, y, TILE, TILE, image, false), GROUND, '')
end

-- Turf laid along a line: one block turned to the slope for each step of
-- the points, its top edge on the line. Each reaches a little past its
-- ends, so no sky shows through where the line bends. The block is a tile
-- deep, and so is its picture: grass over plain earth, the next piece
-- covering its end and the earth pictures its lower part.
local function hill(points)
  for i = 1, #points - 1 do
    local x1, y1, x2, y2 = points[i][1], points[i][2], points[i + 1][1], points[i + 1][2]
    local length = math.sqrt((x2 - x1) ^ 2 + (y2 - y1) ^ 2) + 8
    local angle = math.atan2(y2 - y1, x2 - x1)
    local cx = (x1 + x2) / 2 - math.sin(angle) * TILE / 2
    local cy = (y1 + y2) / 2 + math.cos(angle) * TILE / 2
    local turf = CreateBlock(cx - length / 2, cy - TILE / 2, length, TILE, TURF, false)
    RotateObject(turf, math.deg(angle))
    space:Insert(turf, GROUND, '')
  end
end

-- The points of a line that eases from each given point to the next, with
-- no corner for a fast bike to take off from: 64 pixels a step.
local function eased(points)
  local line = {points[1]}
  for i = 1, #points - 1 do
    local x1, y1, x2, y2 = points[i][1], points[i][2], points[i + 1][1], points[i + 1][2]
    local steps = math.max(1, math.floor((x2 - x1) / 64))
    for k = 1, steps do
      line[#line + 1] = {x1 + (x2 - x1) * k / steps, y1 + (y2 - y1) * (1 - math.cos(math.pi * k / steps)) / 2}
    end
  end
  return line
end

-- The field falls from the start to the flag: a bike that holds the
-- throttle on flat ground rears up and goes over backwards, on a downhill
-- its weight keeps the front wheel down. So the bike starts on the steep
-- first stretch, held by a stone under its front wheel however long the
-- rider waits before holding Up; whether it stands there or has only just
-- dropped onto it, the throttle lifts it over the stone and it gathers
-- speed downhill. Up held alone rides it, and so does Up with Right tapped
-- at most steady beats (its back wheel throws it up off the stone, and a
-- lean forward in that flight can tip it over). Each point is where the
-- surface bends.
local FLOOR = TOP + 360
local line = eased({{-256, TOP}, {-64, TOP}, {608, TOP + 130}, {1088, TOP + 160}, {3840, FLOOR - 20}, {4224, FLOOR},
                   {4864, FLOOR}})
local function surface(x)
  for i = 1, #line - 1 do
    if x <= line[i + 1][1] then
      return line[i][2] + (line[i + 1][2] - line[i][2]) * (x - line[i][1]) / (line[i + 1][1] - line[i][1])
    end
  end
  return FLOOR
end

-- The start: a rock wall behind the bike, low enough to stay clear of the
-- clock, and a sign pointing the way.
for y = TOP - 2 * TILE, TOP + 2 * TILE, TILE do tile(-3 * TILE, y, ROCK) end
-- The stone that holds the bike: a small round one, mostly in the ground,
-- its picture laid under the turf, so that only its top shows.
local STONE_X, STONE_R = 220, 8
local stoneY = surface(STONE_X) - 4
hill(line)
space:Insert(CreateBitmap(STONE_X - 14, stoneY - 8, 'res\\boulder.png'), GROUND - 1, '')
space:Insert(CreateCircle(STONE_X, stoneY, STONE_R, 'res\\clear.png', false), GROUND, '')
-- Earth under the turf. The blocks of each column, from a little below the
-- surface, are where the rides have always found them, but show nothing:
-- the earth is drawn over the turf's lower part from below the deepest
-- grass across the column, so it never covers grass, and however steep
-- the column its top lies on the turf's plain earth.
local EARTH_TOP = 56     -- below the line: under the grass and its shadow
for x = -2 * TILE, 37 * TILE, TILE do
  for y = surface(x) + TILE / 2, FLOOR + 2 * TILE, TILE do tile(x, y, 'res\\clear.png') end
  local low = surface(x)
  for dx = 8, TILE, 8 do low = math.max(low, surface(x + dx)) end
  for y = low + EARTH_TOP, FLOOR + 2 * TILE, TILE do
    space:Insert(CreateBitmap(x, y, EARTH), GROUND, '')
  end
end
space:Insert(CreateBitmap(230, surface(262) - 56, 'res\\sign.png'), GROUND, '')
-- A rider who heads for the wall is shown the way.
EventXLess(space:FindObject('driver'), 60,
           "GetApplication():GetSpace():Insert(CreateBitmap(-150, " .. (TOP - 64) .. ", 'res\\\\sign.png'), -1, '')")

-- Three stars along the way, at wheel height.
local places = {900, 2300, 3600}
for n = 1, #places do
  local x = places[n]
  space:Insert(CreateLevelStar('star' .. n, x, surface(x) - 50), 'star' .. n)
end

-- The flag in the valley, and a wall to stop at.
for y = FLOOR - 3 * TILE, FLOOR + 2 * TILE, TILE do tile(38 * TILE, y, ROCK) end
local flag = CreatePickableItem('finish', 4500, FLOOR - 128, 64, 128)
flag:SetImage(CreateBitmap(4500, FLOOR - 128, 'res\\finish.png'))
space:Insert(flag, 'finish')

-- The gate before the flag: a barrier post, behind the turf, whose block
-- reaches deeper into the ground than the post stands above it. The stars
-- are counted; with the third the block turns flat about its middle, deep
-- in the ground, and lets the bike by.
local gate = CreateBlock(4312, FLOOR - 160, 16, 384, 'res\\gate16x160.png', false)
space:Insert(gate, BACKDROP, 'gate')
SetVariable('stars', '0')
for n = 1, 3 do EventVariableTriggered('star' .. n, "IncreaseVariable('stars')") end
EventVariableTriggered('stars', '3', "local gate = DefaultSpaceFind('gate') gate:SetCollisionMask(0) RotateObject(gate, 90)")

space:Insert(CreateCloud('res\\cloud1.png', 0, -0.05, 0, 0.1, 0.05), SKY, '')
space:Insert(CreateCloud('res\\cloud2.png', 0, -0.1, 0, 0.7, 0.15), SKY, '')

GetBike():MoveTo(120, surface(120) - 40)
local goals = {'star1', 'star2', 'star3', 'finish'}
for i = 1, #goals do GetLevel():Add(CreateVariableCondition(goals[i])) end
AddObjective('Hold Up to ride, Down brakes')
AddObjective('Tap Right when the front wheel lifts')
AddObjective('Three stars open the gate')
AddObjective('Then ride through the flag')
SetLevelTime(90)
