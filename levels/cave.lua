-- Glow Cave: a ride through the dark. The rock only shows where the bike
-- is: floor and roof glow around it, green-blue underfoot and blue
-- overhead, and the pit glows red. Crystals in the walls light up as the
-- bike passes, and a lamp glows in the dark. Jump the pit, keep the bike
-- flat under the low roof, and climb the steps to the way out.

local TOP = 500
local DEEP = 400       -- how far the rock reaches down and up
local GLOW = 230       -- how far from the bike the rock glows
local TILE = 128
local GROUND = -1
local BACKDROP = -200   -- behind the rider, whose head is drawn at -100
local BEHIND = -10001   -- behind the dials too (at -9999), so never over them
local ROCK = 'res\\caverock.png'

local app = GetApplication()
local space = app:GetSpace()
app:SetBgImage('res\\skycave.png')

-- A tile of a texture that only shows, over the unseen rock outside or
-- behind the rider.
local function shown(x, y, image, depth)
  local tile = CreateBlock(x, y, TILE, TILE, image, false)
  tile:SetCollisionMask(0)
  space:Insert(tile, depth, '')
end

-- The rock's own face over x1 to x2 and y1 to y2 (each a whole number of
-- tiles tall): the last column is set back to end at x2, so no rock shows
-- past the rock's edge.
local function face(x1, x2, y1, y2)
  for x = x1, x2 - 1, TILE do
    for y = y1, y2 - 1, TILE do shown(math.min(x, x2 - TILE), y, ROCK, BEHIND) end
  end
end

-- Lit rock: the floor from x1 to x2 with its top at y, and the roof with
-- its bottom at y. The rock's face shows everywhere; near the bike a glow
-- lies over it, green-blue on the floor and blue on the roof: faint, so that
-- its squares fade into the rock rather than stand out as a dark stepped ring.
local function floor(x1, x2, y)
  face(x1, x2, y, y + 4 * TILE)
  space:Insert(CreateCompositeBlock(x1, y, x2 - x1, DEEP, false, true, true, 60, true, GLOW), GROUND, '')
end
local function roof(x1, x2, y)
  face(x1, x2, y - 4 * TILE, y)
  space:Insert(CreateCompositeBlock(x1, y - DEEP, x2 - x1, DEEP, false, false, true, 50, true, GLOW), GROUND, '')
end

-- An unseen ramp up a step, so the wheels roll up it.
local function step(x, low, high)
  space:Insert(CreateLine(x - 3 * (low - high), low, x, high, ''))
end

-- A crystal cluster standing on a floor at y, shaded by the bike's nearness.
local function crystals(x, y)
  space:Insert(CreateShadowBitmap(x, y - 80, 'res\\crystals.png'), BACKDROP, '')
end

-- Stalactites along a roof from x1 to x2 with its bottom at y.
local function fringe(x1, x2, y)
  for x = x1, x2 - 128, 128 do space:Insert(CreateShadowBitmap(x, y, 'res\\stalactites.png'), BACKDROP, '') end
end

-- A crystal cluster hanging from a roof at y.
local function hanging(x, y)
  local cluster = CreateShadowBitmap(x, y, 'res\\crystals.png')
  cluster:GetTexture():SetFlipVertically()
  space:Insert(cluster, BACKDROP, '')
end

-- The mouth of the cave, and a wall behind the start.
floor(-600, 900, TOP)
roof(-600, 900, TOP - 300)
face(-600, -300, TOP - 6 * TILE, TOP)
space:Insert(CreateCompositeBlock(-600, TOP - 700, 300, 700, false, true, true, 60, true, GLOW), GROUND, '')
crystals(500, TOP)

-- A step down, and the pit to jump from a lip at its edge. A miner's lamp
-- hangs from the roof on its chain, high over the way: its picture lies
-- over the chain and glass the composite is made of, so the composite
-- hangs plumb and touches nothing, never leaving it.
floor(900, 1500, TOP + 40)
roof(900, 1500, TOP - 260)
local lamp = CreateComposite(1150, TOP - 256, '')
lamp:AddLine(0, 4, 0, 84)
lamp:AddCircle(0, 94, 10)
lamp:Finalize()
lamp:SetCollisionMask(0)
space:Insert(lamp, BEHIND, 'lamp')  -- behind the dials, as the lamp's picture
AnchorAt(lamp, 1150, TOP - 256)
space:Insert(CreateBitmap(1150 - 80, TOP - 256, 'res\\lamp.png'), BEHIND, '')
step(1500, TOP + 40, TOP + 10)
face(1500, 1700, TOP + 260, TOP + 260 + 4 * TILE)
space:Insert(CreateCompositeBlock(1500, TOP + 260, 200, DEEP, true, false, false, 160, true, GLOW), GROUND, '')
roof(1500, 1700, TOP - 280)
space:Insert(CreateLevelStar('star1', 1590, TOP - 70), 'star1')
floor(1700, 2500, TOP + 20)
roof(1700, 2500, TOP - 260)
crystals(2100, TOP + 20)

-- The low roof: keep the bike down.
floor(2500, 3100, TOP + 20)
roof(2500, 2900, TOP - 190)
fringe(2500, 2900, TOP - 190)
roof(2900, 3100, TOP - 300)
hanging(2960, TOP - 300)
space:Insert(CreateLevelStar('star2', 2750, TOP - 30), 'star2')

-- The steps up to the way out.
floor(3100, 3300, TOP - 20)
step(3100, TOP + 20, TOP - 20)
floor(3300, 3500, TOP - 60)
step(3300, TOP - 20, TOP - 60)
floor(3500, 4600, TOP - 100)
step(3500, TOP - 60, TOP - 100)
roof(3100, 3500, TOP - 360)
hanging(3300, TOP - 360)

-- The way out: past the last step the roof ends in the hill's rock face,
-- and through the mouth the day shows: a sunny meadow running on to the
-- flag and a rock wall, under the day's sky (behind the dials, like the
-- rock).
local EXIT = 3500
for x = EXIT, 4600 - TILE, TILE do
  shown(x, TOP - 114, 'res\\grass.png', GROUND)
  for y = TOP - 114 + TILE, TOP + DEEP, TILE do shown(x, y, 'res\\ground.png', GROUND) end
end
-- The sky twice, the second mirrored so that its hills run on from the first.
local sky = CreateBitmap(EXIT, TOP - 660, 'res\\skyday.png')
space:Insert(sky, BEHIND, '')
local mirrored = CreateBitmap(EXIT + 800, TOP - 660, 'res\\skyday.png')
mirrored:GetTexture():SetFlipHorizontally()
space:Insert(mirrored, BEHIND, '')
-- The mouth's rock edge over the line where the cave's sky meets the day's,
-- from above the screen's top down to the last step, in front of both skies.
space:Insert(CreateBitmap(EXIT - 64, TOP - 700, 'res\\cavemouth.png'), BEHIND + 1, '')
-- The wall's rock, and its face outside.
space:Insert(CreateCompositeBlock(4600, TOP - 800, 300, 1200, false, true, true, 255, false, GLOW), GROUND, '')
for y = TOP - 800, TOP + DEEP, TILE do
  for x = 4600, 4800, TILE do shown(x, y, 'res\\rock.png', GROUND) end
end
crystals(EXIT - 60, TOP - 100)
local flag = CreatePickableItem('finish', 4300, TOP - 228, 64, 128)
flag:SetImage(CreateBitmap(4300, TOP - 228, 'res\\finish.png'))
space:Insert(flag, 'finish')

-- A fall into the pit starts again.
local driver = space:FindObject('driver')
RegisterEvent(driver, CreateEventYGreater(TOP + 150), 'RestartLevel()')
EventYLess(driver, TOP - 120, "SetVariable('checkpoint', 'the last step')")

GetBike():MoveTo(150, TOP - 40)
local goals = {'star1', 'star2', 'finish'}
for i = 1, #goals do GetLevel():Add(CreateVariableCondition(goals[i])) end
AddObjective('The rock glows only near the bike')
AddObjective('Jump the red pit, stay under the roof')
AddObjective('Collect both stars')
AddObjective('Then find the flag at the way out')
SetLevelTime(90)
