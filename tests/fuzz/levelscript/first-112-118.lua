for i = 1, #goals do
  GetLevel():Add(CreateVariableCondition(goals[i]))
end
AddObjective('Collect the three stars')
AddObjective('Ride through the flag at the end of the meadow')
SetLevelTime(120)

