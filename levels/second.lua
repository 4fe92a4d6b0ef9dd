-- Quarry Hill: a climb out of the old quarry at dusk. Concrete ramps lead
-- up from the quarry floor to a concrete shelf with loose boulders on it
-- and on to the top shelf of steel plates, where the flag waits past a
-- hump. Holding the throttle and leaning forward gets a rider there.

-- The track's images, all in one place.
local SKY = 'res\\skydusk.png'
local ROCK = 'res\\rock.png'
local CONCRETE = 'res\\concrete.png'
local METAL = 'res\\metal.png'
local SIGN = 'res\\sign.png'
local FLAG = 'res\\finish.png'
local BOULDER = 'res\\boulder.png'

local CLEAR = {0, 0, 0, 0}

local TILE = 128   -- the textures' size: rock is laid in whole tiles
local FLOOR = 512  -- the quarry floor
local SHELF = 448  -- the first shelf
local TOP = 384    -- the top shelf
local BOTTOM = 896 -- where the rock ends below
local FINISH = 8832

local app = GetApplication()
local space = app:GetSpace()
app:SetBgImage(SKY)

local function paint(object, colour)
  object:SetFillColor(colour[1], colour[2], colour[3], colour[4] or 255)
  return object
end

-- Rock from x on, so many tiles wide, its surface at top, down to the
-- bottom; the top row in the given texture, the rows under it in the body's
-- (rock unless given).
local function rock(x, tiles, top, surface, body)
  for i = 0, tiles - 1 do
    local left = x + i * TILE
    for y = top, BOTTOM - 1, TILE do
      space:Insert(CreateBlock(left, y, TILE, TILE, y == top and surface or body or ROCK, false))
    end
  end
end

-- The height of a surface that eases from a to b, at x between them.
local function eased(ax, ay, bx, by, x)
  return ay + (by - ay) * (1 - math.cos(math.pi * (x - ax) / (bx - ax))) / 2
end

-- A surface that eases from one point to the next, in slices 32 wide
-- filled down to the base: unseen shapes to ride on, shown by tiles of the
-- texture laid along the surface, one a tile's width, turned to it.
local function slope(points, base, image)
  for i = 1, #points - 1 do
    local ax, ay, bx, by = points[i][1], points[i][2], points[i + 1][1], points[i + 1][2]
    local slices = math.max(1, math.floor((bx - ax) / 32))
    local px, py = ax, ay
    for k = 1, slices do
      local x = ax + (bx - ax) * k / slices
      local y = ay + (by - ay) * (1 - math.cos(math.pi * k / slices)) / 2
      space:Insert(paint(CreateTriangle(px, py, x, y, x, base), CLEAR), 1)
      space:Insert(paint(CreateTriangle(px, py, x, base, px, base), CLEAR), 1)
      px, py = x, y
    end
    for x = ax, bx - TILE, TILE do
      local y1, y2 = eased(ax, ay, bx, by, x), eased(ax, ay, bx, by, x + TILE)
      local angle = math.atan2(y2 - y1, TILE)
      local cx = x + TILE / 2 - math.sin(angle) * TILE / 2
      local cy = (y1 + y2) / 2 + math.cos(angle) * TILE / 2
      local tile = CreateBlock(cx - TILE / 2, cy - TILE / 2, TILE, TILE, image, false)
      tile:SetCollisionMask(0)
      RotateObject(tile, math.deg(angle))
      space:Insert(tile, -1)
    end
  end
end

-- A picture standing at x on a surface at top.
local function stand(image, x, top, foot, height)
  space:Insert(CreateBitmap(x - foot, top - height, image), -1)
end

-- The quarry floor, with its back wall behind the bike.
GetBike():MoveTo(250, FLOOR - 60)
local driver = space:FindObject('driver')
rock(-512, 16, FLOOR, ROCK)
rock(-640, 1, FLOOR - 4 * TILE, ROCK)
stand(SIGN, 440, FLOOR, 32, 64)

-- A concrete ramp up to the first shelf, and boulders lying on it. The
-- ramps and the shelf are concrete right through, so no rock shows at
-- their joins.
rock(1536, 12, FLOOR, CONCRETE, CONCRETE)
slope({{1536, FLOOR}, {3072, SHELF}}, FLOOR, CONCRETE)
rock(3072, 10, SHELF, CONCRETE, CONCRETE)
RegisterObject(CreateCircle(0, 0, 14, BOULDER, true), 'boulder')
for i = 0, 2 do
  space:Insert(CloneObject('boulder', 3456 + i * 160, SHELF - 15))
end

-- Another ramp up to the top shelf of metal plates, a hump on it, and the
-- flag at its end.
rock(4352, 12, SHELF, CONCRETE, CONCRETE)
slope({{4352, SHELF}, {5888, TOP}}, SHELF, CONCRETE)
rock(5888, 27, TOP, METAL)
slope({{6400, TOP}, {7424, TOP - 48}, {8448, TOP}}, TOP, METAL)
stand(FLAG, FINISH, TOP, 11, 128)
rock(9344, 1, TOP - 4 * TILE, ROCK)

-- The rules: out of the quarry in time, or it starts over.
AddObjective('Climb out of the quarry to the flag')
AddObjective('Mind the boulders on the first shelf')
SetLevelTime(180)
GetLevel():Add(CreateVariableCondition('finished'))
EventBox(driver, FINISH, TOP - 400, FINISH + 400, TOP, "SetVariable('finished')")
RegisterTimeUpEvent("RestartLevel()")

-- Along the way.
EventXGreater(driver, 3072, "SetVariable('checkpoint', 'the first shelf')")
local top = CreateCompositeEvent()
top:Add(CreateEventXGreater(5888))
top:Add(CreateEventYLess(TOP))
RegisterEvent(driver, top, "SetVariable('checkpoint', 'the top shelf')")
EventVariableTriggered('checkpoint', 'the top shelf', "SetVariable('nearly', 'there')")
EventFlipped("SetVariable('flip', 'over the quarry')")
