local PLANK = {176, 128, 76}

local TOP = 450
local TILE = 200

local app = GetApplication()
local space = app:GetSpace()
app:SetBgImage(BACKGROUND)

local function paint(object, colour)
