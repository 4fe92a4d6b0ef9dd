local function paint(object, colour)
  object:SetFillColor(colour[1], colour[2], colour[3], 255)
  return object
end

-- Earth from x over the width, its surface at top, with turf on it.
local function ground(x, width, top)
  for tile = x, x + width - 1, TILE do
    local w = math.min(TILE, x + width - tile)
