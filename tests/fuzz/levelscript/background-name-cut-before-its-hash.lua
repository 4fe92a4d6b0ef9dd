GetApplication():SetBgImage(string.rep('x', 1100) .. '#.png')
