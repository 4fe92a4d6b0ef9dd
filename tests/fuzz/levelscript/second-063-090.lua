
-- A turning paddle: a steel bar on a hinge, driven by a motor.
local paddle = paint(CreateBlock(2200, SHELF - 140, 160, 14, METAL, true), STEEL)
space:Insert(paddle, 'paddle')
AnchorCenter(paddle)
AddMotor(paddle, 0.6)

-- A long dip: a quarter of an ellipse down and another up.
space:Insert(CreateArc(2500, SHELF, 300, 120, 3, ''))
space:Insert(CreateArc(2800, SHELF, 300, 120, 4, ''))
rock(2500, 600, SHELF + 140, DARK_STONE)
rock(3100, 900, SHELF)

-- Loose boulders: one prototype, cloned along the shelf, dust over them.
RegisterObject(paint(CreateCircle(0, 0, 18, ROCK, true), DARK_STONE), 'boulder')
for i = 0, 3 do
  space:Insert(paint(CloneObject('boulder', 3300 + i * 60, SHELF - 20), DARK_STONE))
end
local dust = CreateSprite(DUST, 8, 64, 64, 16, 80, 3280, SHELF - 90, true)
dust:SetLoopDelay(1500)
space:Insert(dust, -1)

-- A tipping plank, made with the class call: the script owns it until the
-- space takes it.
local plank = Kest.Composite(3700, SHELF - 40, WOOD, true)
plank:AddBlock(-120, -6, 240, 12)
plank:Finalize()
space:Insert(plank, 'plank')
