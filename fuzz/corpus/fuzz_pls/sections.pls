[playlist]
File1=a.mp3
NumberOfEntries=3
File3=c.mp3
[other]
File2=b.mp3
