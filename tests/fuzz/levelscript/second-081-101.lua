local dust = CreateSprite(DUST, 8, 64, 64, 16, 80, 3280, SHELF - 90, true)
dust:SetLoopDelay(1500)
space:Insert(dust, -1)

-- A tipping plank, made with the class call: the script owns it until the
-- space takes it.
local plank = Kest.Composite(3700, SHELF - 40, WOOD, true)
plank:AddBlock(-120, -6, 240, 12)
plank:Finalize()
space:Insert(plank, 'plank')
AnchorCenter(plank)

-- A rope across the last drop, and the way down.
space:Insert(CreateRope(10, 4000, SHELF, 4300, SHELF, 320, 0.4, 90, 70, 44, 255))
rock(4000, 300, SHELF + 260, DARK_STONE)
rock(4300, 1200, SHELF)
space:Insert(paint(CreateBlock(5460, SHELF - 400, 40, 400, '', false), DARK_STONE))

AddObjective('Climb out of the quarry')
SetLevelTime(150)

