
local app = GetApplication()
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

