  return object
end

-- Rock from x over the width, its surface at top, laid in square tiles.
local function rock(x, width, top, colour)
