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
