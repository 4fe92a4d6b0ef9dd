-- Scrapyard: a yard put together from parts. Girders, spools and crates
-- come from scene files; one of each is kept as a prototype and cloned
-- wherever the yard needs another. Up a leaning girder onto a bridge of
-- girders over the pit, down the far one, over cable spools and crates
-- sunk in the floor to the flag, with welders' sparks flying.

local CONCRETE = 'res\\concrete.png'
local EARTH = 'res\\ground.png'
local TILE = 128
local TOP = 500
local BRIDGE = TOP - 96
local BOTTOM = TOP + 3 * TILE
local GROUND = -1
local SKY = -10000

local app = GetApplication()
local space = app:GetSpace()
app:SetBgImage('res\\skydusk.png')

local function tile(x, y, image) space:Insert(CreateBlock(x, y, TILE, TILE, image, false), GROUND, '') end

-- The yard's floor from tile `first` to tile `last`: concrete on earth.
local function floor(first, last)
  for x = first * TILE, last * TILE, TILE do
    tile(x, TOP, CONCRETE)
    for y = TOP + TILE, BOTTOM, TILE do tile(x, y, EARTH) end
  end
end

-- The prototypes, each the first object of its scene file.
RegisterObject(CreateObject('levels\\parts\\girder.xml', 0, 0), 'girder')
RegisterObject(CreateObject('levels\\parts\\stackedbox.xml', 0, 0), 'pillar')
RegisterObject(CreateObject('levels\\parts\\spool.xml', 0, 0), 'spool')
RegisterObject(CreateSprite('res\\sparks.png', 8, 32, 32, 8, 70, 0, 0, true), 'sparks')

-- A clone of a prototype, its centre at (x, y), in the space.
local function part(name, x, y)
  local object = CloneObject(name, x, y)
  space:Insert(object, GROUND, '')
  return object
end

for y = TOP - 3 * TILE, BOTTOM, TILE do tile(-3 * TILE, y, CONCRETE) end
floor(-2, 10)

-- Up the leaning girder onto the bridge; crates, each a wheel and more
-- high, hold the bridge up, but none stands in the pit.
space:Insert(CreateObject('levels\\parts\\ramp.xml', 600, BRIDGE), GROUND, '')
for x = 840, 1864, 256 do
  part('girder', x + 128, BRIDGE + 16)
  if x < 1352 or x > 1800 then part('pillar', x + 32, TOP - 32) end
end
space:Insert(CreateLevelStar('star1', 1600, BRIDGE - 50), 'star1')
space:Insert(CreateObject('levels\\parts\\ramp.xml', 2120, BRIDGE, true, false), GROUND, '')
for x = 11 * TILE, 13 * TILE, TILE do tile(x, TOP + 2 * TILE, EARTH) end
floor(14, 33)

-- Spools and crates sunk in the yard's floor, each a wheel and more
-- across: loose ones that big block the bike or throw it, sunk ones are
-- bumps to ride over (a spool stands 24 px proud, a crate 28), with flat
-- floor between them to land on. Drawn behind the floor that hides their
-- sunk part.
local function sunk(name, x, y) space:Insert(CloneObject(name, x, y), GROUND - 1, '') end
for i = 0, 2 do sunk('spool', 2900 + i * 200, TOP + 8) end
for i = 0, 1 do sunk('pillar', 3550 + i * 250, TOP + 4) end

-- Welders at work: sparks showering from the bridge and the heap, each
-- shower after a pause of its own.
local welds = {{1090, BRIDGE - 10, 900}, {1870, BRIDGE - 10, 1300}, {3270, TOP - 150, 700}}
for i = 1, #welds do
  local sparks = CloneSprite('sparks')
  sparks:SetPosition(welds[i][1], welds[i][2])
  sparks:SetLoopDelay(welds[i][3])
  space:Insert(sparks, 1, '')
end

for y = TOP - 3 * TILE, BOTTOM, TILE do tile(34 * TILE, y, CONCRETE) end
local flag = CreatePickableItem('finish', 32 * TILE, TOP - 128, 64, 128)
flag:SetImage(CreateBitmap(32 * TILE, TOP - 128, 'res\\finish.png'))
space:Insert(flag, 'finish')
space:Insert(CreateCloud('res\\cloud3.png', 0, -0.03, 0, 0.4, 0.06), SKY, '')

GetBike():MoveTo(150, TOP - 40)
GetLevel():Add(CreateVariableCondition('star1'))
GetLevel():Add(CreateVariableCondition('finish'))
AddObjective('Up the girder and over the bridge')
AddObjective('Mind the pit under the bridge')
AddObjective('Take the star, hop the spools and crates')
AddObjective('Then reach the flag')
SetLevelTime(120)
