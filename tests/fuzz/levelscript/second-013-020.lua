local BACKGROUND = 'res\\forest.png'
local DUST = 'res\\smoke_small.png'
local SIGN = 'res\\objective.png'

local STONE = {128, 124, 118}
local DARK_STONE = {96, 92, 88}
local TURF = {92, 150, 70}
local STEEL = {150, 160, 172}
