local WATER = 'res\\water.png'
local BOOST = 'res\\boost.png'
local FLAG = 'res\\finish.png'
local SIGN = 'res\\objective.png'
local WHEEL = 'res\\wheel.png'

local EARTH = {122, 86, 54}
local TURF = {84, 158, 62}
local PLANK = {176, 128, 76}
local START = {220, 30, 200}

