for i=1,20 do CreateArc(0,0,99999,1,"") end
