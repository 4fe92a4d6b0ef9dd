for i=1,20 do GetApplication():GetSpace():Insert(CreateRope(10,0,0,20000,0,20000,0)) end
