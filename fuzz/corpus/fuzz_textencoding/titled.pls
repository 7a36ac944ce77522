[playlist]
File1=file://localhost/w/%E6%AD%8C.mp3
File2=sub/c.mp3
Title2=Artist - Song
Length2=205
File3=http://radio.example/live
Title3=Radio
File4=none.mp3
NumberOfEntries=4
Version=2
