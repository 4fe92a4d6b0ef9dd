local PLANK = {176, 128, 76}
local START = {220, 30, 200}

local TOP = 400  -- the meadow's surface
