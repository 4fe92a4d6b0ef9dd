-- Meadow Run: a first ride across the meadow to the flag. Flat turf to
-- warm up, a long grassy hill, a row of crates to scatter and the finish
-- flag before the barn. Holding the throttle and leaning forward gets a
-- rider there.

-- The track's images, all in one place.
local SKY = 'res\\skyday.png'
local GRASS = 'res\\grass.png'
local GROUND = 'res\\ground.png'
local TURF = 'res\\turf.png'
local ROCK = 'res\\rock.png'
local WOOD = 'res\\wood.png'
local SIGN = 'res\\sign.png'
local FLAG = 'res\\finish.png'
local START_POST = 'res\\startpost.png'

local PLANK = {176, 128, 76}
local CLEAR = {0, 0, 0, 0}

local TOP = 400   -- the meadow's surface
local TILE = 128  -- the textures' size: the meadow is laid in whole tiles
local TURF_TOP = 14     -- in a grass tile, the turf below the blade tips
local FINISH = 5376

local app = GetApplication()
local space = app:GetSpace()
app:SetBgImage(SKY)

local function paint(object, colour)
  object:SetFillColor(colour[1], colour[2], colour[3], colour[4] or 255)
  return object
end

-- The long grassy hill: the points its surface eases through.
local HILL = {{1536, TOP}, {3072, TOP - 64}, {4608, TOP}}
local CLEAR_IMAGE = 'res\\clear.png'

-- Tiles of turf from x on, so many wide, with earth under them deeper
-- than the view ever looks. Under the hill they show nothing: the hill
-- draws its own turf and earth there, behind them.
local function meadow(x, tiles)
  for i = 0, tiles - 1 do
    local left = x + i * TILE
    local hidden = left >= HILL[1][1] and left < HILL[#HILL][1]
    space:Insert(CreateBlock(left, TOP, TILE, TILE, hidden and CLEAR_IMAGE or GRASS, false))
    for y = TOP + TILE, TOP + 3 * TILE, TILE do
      space:Insert(CreateBlock(left, y, TILE, TILE, hidden and CLEAR_IMAGE or GROUND, false))
    end
  end
end

-- A column of tiles, so many high, on the meadow.
local function wall(x, tiles, image)
  for i = 1, tiles do
    space:Insert(CreateBlock(x, TOP - i * TILE, TILE, TILE, image, false))
  end
end

-- A scenery block: drawn, never touched.
local function scenery(x, y, width, image)
  local block = CreateBlock(x, y, width, TILE, image, false)
  block:SetCollisionMask(0)
  return block
end

-- The height of a surface that eases through the points, at x.
local function eased(points, x)
  for i = 1, #points - 1 do
    local ax, ay, bx, by = points[i][1], points[i][2], points[i + 1][1], points[i + 1][2]
    if x <= bx then return ay + (by - ay) * (1 - math.cos(math.pi * (x - ax) / (bx - ax))) / 2 end
  end
  return points[#points][2]
end

-- A mound on the meadow whose surface eases from one point to the next:
-- unseen slices of earth to ride on, each shown by a strip of turf turned
-- to it and reaching a little past its ends: grass over a tile's depth of
-- plain earth. Over the strips' lower part lies earth, in columns as deep
-- as the meadow's, each from below the deepest grass across the column.
-- All of it is drawn behind the meadow's tiles, which show nothing under
-- the mound and cover the strips where they reach past its ends.
local EARTH_TOP = 56    -- below the surface: under the strips' grass and its shadow
local HILL_DEPTH = -1
local function mound(points)
  for i = 1, #points - 1 do
    local ax, ay, bx, by = points[i][1], points[i][2], points[i + 1][1], points[i + 1][2]
    local slices = math.max(1, math.floor((bx - ax) / 64))
    local px, py = ax, ay
    for k = 1, slices do
      local x = ax + (bx - ax) * k / slices
      local y = ay + (by - ay) * (1 - math.cos(math.pi * k / slices)) / 2
      local base = TOP + TILE / 2
      space:Insert(paint(CreateTriangle(px, py, x, y, x, base), CLEAR), 1)
      space:Insert(paint(CreateTriangle(px, py, x, base, px, base), CLEAR), 1)
      local length = math.sqrt((x - px) ^ 2 + (y - py) ^ 2) + 8
      local angle = math.atan2(y - py, x - px)
      local cx = (px + x) / 2 - math.sin(angle) * TILE / 2
      local cy = (py + y) / 2 + math.cos(angle) * TILE / 2
      local turf = scenery(cx - length / 2, cy - TILE / 2, length, TURF)
      RotateObject(turf, math.deg(angle))
      space:Insert(turf, HILL_DEPTH, '')
      px, py = x, y
    end
  end
  for x = points[1][1], points[#points][1] - TILE, TILE do
    local low = math.max(eased(points, x), eased(points, x + TILE))
    for y = low + EARTH_TOP, TOP + 4 * TILE, TILE do space:Insert(scenery(x, y, TILE, GROUND), HILL_DEPTH, '') end
  end
end

-- A picture standing on the meadow at x, its foot (so far from its left)
-- among the blades.
local function stand(image, x, foot, height)
  space:Insert(CreateBitmap(x - foot, TOP + TURF_TOP - height, image), -1)
end

-- The start: a rock wall behind the bike, the start post and a sign.
GetBike():MoveTo(250, TOP - 60)
local driver = space:FindObject('driver')
meadow(-512, 52)
wall(-512, 4, ROCK)
stand(START_POST, 124, 16, 128)
stand(SIGN, 440, 32, 64)

-- A long grassy hill, up and down again.
mound(HILL)

-- Crates to scatter on the way to the flag.
RegisterObject(paint(CreateBlock(0, 0, 36, 36, '', true), PLANK), 'crate')
local crates = {}
for i = 0, 2 do
  crates[i + 1] = paint(CloneObject('crate', 4864 + i * 40, TOP - 19), PLANK)
  space:Insert(crates[i + 1])
end

-- The finish: the flag, and the barn wall at the meadow's end.
stand(FLAG, FINISH, 11, 128)
wall(6016, 4, WOOD)

-- The rules: reach the flag before the time runs out.
AddObjective('Ride across the meadow to the flag')
AddObjective('Let go of Up when the bike rears')
SetLevelTime(150)
GetLevel():Add(CreateVariableCondition('finished'))
EventBox(driver, FINISH, TOP - 400, FINISH + 500, TOP, "SetVariable('finished')")

-- Along the way.
EventXGreater(driver, 3072, "SetVariable('checkpoint', 'the hilltop')")
EventXGreater(driver, 4608, "SetVariable('checkpoint', 'down the hill')")
EventFrontWheelCollision(crates[1], "SetVariable('crates', 'scattered')", true)
EventFlipped("SetVariable('flip', 'what a flip')")
RegisterTimerEvent('half', 75, "SetVariable('clock', 'half the time is gone')")
