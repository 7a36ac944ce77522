[playlist]
File1=C:\Music\a.mp3
File2=C:\Music\b.mp3
NumberOfEntries=2
Version=2
