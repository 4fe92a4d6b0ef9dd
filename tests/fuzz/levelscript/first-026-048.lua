local TILE = 200 -- ground is laid in square tiles, so a tiling texture repeats

local app = GetApplication()
local space = app:GetSpace()
app:SetBgImage(BACKGROUND)
space:Insert(CreateCloud('res\\cloud1.png', 0, -0.3, 0, 0.15, 0.02), -5, '')
space:Insert(CreateCloud('res\\cloud2.png', 0, -0.15, 0, 0.65, 0.12), -5, '')

local function paint(object, colour)
  object:SetFillColor(colour[1], colour[2], colour[3], 255)
  return object
end

-- Earth from x over the width, its surface at top, with turf on it.
local function ground(x, width, top)
  for tile = x, x + width - 1, TILE do
    local w = math.min(TILE, x + width - tile)
    space:Insert(paint(CreateBlock(tile, top, w, TILE, GROUND, false), EARTH))
    space:Insert(paint(CreateBlock(tile, top + TILE, w, TILE, GROUND, false), EARTH))
  end
  space:Insert(paint(CreateBlock(x, top, width, 10, GRASS, false), TURF), 1)
end

