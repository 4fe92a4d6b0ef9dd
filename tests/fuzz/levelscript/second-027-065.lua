local space = app:GetSpace()
app:SetBgImage(BACKGROUND)

local function paint(object, colour)
  object:SetFillColor(colour[1], colour[2], colour[3], 255)
  return object
end

-- Rock from x over the width, its surface at top, laid in square tiles.
local function rock(x, width, top, colour)
  for tile = x, x + width - 1, TILE do
    local w = math.min(TILE, x + width - tile)
    space:Insert(paint(CreateBlock(tile, top, w, TILE, ROCK, false), colour or STONE))
    space:Insert(paint(CreateBlock(tile, top + TILE, w, TILE, ROCK, false), DARK_STONE))
  end
end

GetBike():MoveTo(200, TOP - 100)
rock(-400, 1000, TOP)
space:Insert(paint(CreateBlock(-300, TOP - 300, 40, 300, '', false), DARK_STONE))
space:Insert(CreateBitmap(80, TOP - 40, SIGN), -1)

-- Three steps up, each with a ramp of planks to climb it.
for step = 0, 2 do
  local x = 600 + step * 300
  local top = TOP - 40 * (step + 1)
  rock(x, 300, top)
  space:Insert(paint(CreateTriangle(x - 80, top + 40, x, top + 40, x, top), PLANK))
end

-- A hump of two quarter circles on the top shelf.
local SHELF = TOP - 120
rock(1500, 1000, SHELF)
space:Insert(CreateArc(1700, SHELF - 60, 60, 2, ''))
space:Insert(CreateArc(1760, SHELF - 60, 60, 1, ''))
space:Insert(paint(CreateBlock(1700, SHELF - 8, 120, 8, '', false), STONE))

-- A turning paddle: a steel bar on a hinge, driven by a motor.
local paddle = paint(CreateBlock(2200, SHELF - 140, 160, 14, METAL, true), STEEL)
