-- Sunset Dash: three drawbridges over the castle moats, and the clock
-- running. The first bridge is drawn up after 15 seconds; the second
-- after 20, counted again from the moment the rider passes the banner; the
-- third is rickety and drops two seconds after the front wheel first
-- touches it. The sun is low from the start, and when the level time runs
-- out it has set. A bike in a moat starts again.

local GRASS = 'res\\grass.png'
local EARTH = 'res\\ground.png'
local ROCK = 'res\\rock.png'
local TILE = 128
local TOP = 480
local MOAT = TOP + 160       -- the water's surface
local BOTTOM = TOP + 3 * TILE
local GROUND = -1
local BACKDROP = -200   -- behind the rider, whose head is drawn at -100
local SKY = -10000

local app = GetApplication()
local space = app:GetSpace()
app:SetBgImage('res\\skydusk.png')

local function tile(x, y, image) space:Insert(CreateBlock(x, y, TILE, TILE, image, false), GROUND, '') end

-- A stretch of the castle's meadow from tile `first` to `last`.
local function bank(first, last)
  for x = first * TILE, last * TILE, TILE do
    tile(x, TOP, GRASS)
    for y = TOP + TILE, BOTTOM, TILE do tile(x, y, EARTH) end
  end
end

-- A moat under tiles `first` to `last`: water on a rock bed, and a
-- drawbridge over it flush with the banks, hinged at the far bank and
-- propped at the near one.
local function moat(first, last, name)
  for x = first * TILE, last * TILE, TILE do
    space:Insert(CreateBitmap(x, MOAT, 'res\\water.png'), 1, '')
    tile(x, MOAT + TILE, ROCK)
  end
  space:Insert(CreateWater(first * TILE, MOAT, (last - first + 1) * TILE, TILE))
  local x1, x2 = first * TILE, (last + 1) * TILE
  local bridge = CreateBlock(x1, TOP, x2 - x1, 16, 'res\\plank' .. (x2 - x1) .. 'x16.png', true)
  space:Insert(bridge, name)
  AnchorAt(bridge, x2 - 4, TOP + 8)
  AnchorAt(bridge, x1 + 4, TOP + 8)
end

-- Drawing a bridge up: its near prop goes, and it hangs from the far bank.
local function drop(name) return "DefaultSpaceFind('" .. name .. "'):RemoveUserJoint(1)" end

-- Stretches of the castle's wall behind the way, with nothing to touch,
-- low enough to leave the dials clear; the turf hides their feet.
for x = 4 * TILE, 31 * TILE, 13 * TILE do
  space:Insert(CreateBitmap(x, TOP - 208, 'res\\castlewall.png'), BACKDROP, '')
end
for y = TOP - 3 * TILE, BOTTOM, TILE do tile(-3 * TILE, y, ROCK) end
bank(-2, 6)
moat(7, 8, 'bridge1')
RegisterTimerEvent('first', 15, drop('bridge1'))
bank(9, 15)

-- The banner: passing it starts the second bridge's 20 seconds again.
local banner = CreatePickableItem('banner', 13 * TILE, TOP - 64, 64, 64)
banner:SetImage(CreateBitmap(13 * TILE, TOP - 64, 'res\\sign.png'))
space:Insert(banner, 'banner')
local driver = space:FindObject('driver')
EventXGreater(driver, 13 * TILE, "RestartTimer('second')")
moat(16, 17, 'bridge2')
RegisterTimerEvent('second', 20, drop('bridge2'))
-- A flip in the air holds the second bridge too.
EventFlipped("RestartTimer('second')")
bank(18, 24)

-- The rickety bridge: two seconds after the front wheel is on it, it goes.
moat(25, 26, 'bridge3')
RegisterEvent(nil, CreateEventCollision(DefaultSpaceFind('bridge3'), space:FindObject('frontwheel')),
              "RegisterTimerEvent(2, \"" .. drop('bridge3') .. "\")")
bank(27, 36)
RegisterEvent(driver, CreateEventYGreater(MOAT), 'RestartLevel()')
RegisterTimeUpEvent("GetApplication():SetBgImage('res\\\\skynight.png')")

for y = TOP - 3 * TILE, BOTTOM, TILE do tile(37 * TILE, y, ROCK) end
local flag = CreatePickableItem('finish', 35 * TILE, TOP - 128, 64, 128)
flag:SetImage(CreateBitmap(35 * TILE, TOP - 128, 'res\\finish.png'))
space:Insert(flag, 'finish')
space:Insert(CreateCloud('res\\cloud2.png', 0, -0.1, 0, 0.4, 0.08), SKY, '')

GetBike():MoveTo(150, TOP - 40)
GetLevel():Add(CreateVariableCondition('finish'))
AddObjective('Race the drawbridges to the flag')
AddObjective('The first goes up after 15 seconds')
AddObjective('Pass the banner to hold the second')
AddObjective('The third drops under you')
AddObjective('Reach the flag before sunset')
SetLevelTime(45)
