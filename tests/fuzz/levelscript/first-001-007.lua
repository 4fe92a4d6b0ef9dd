-- Meadow Run: a first ride across the meadow. Flat turf to warm up, a
-- kicker, a rope bridge over a flooded ditch, a seesaw, a bowl to pump
-- through, a boost strip into a row of crates and a swinging gate before the
-- finish flag. Three stars to collect on the way.

-- The track's images, all in one place. The level textures arrive as
-- res\ground.png, res\grass.png, res\rock.png, res\wood.png and
