-- Quarry Hill: a climb out of the old quarry. Rock steps, a hump, a long
-- dip, a turning paddle to time, loose boulders and a rope swinging over
-- the last drop.

