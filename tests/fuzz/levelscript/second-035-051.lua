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
