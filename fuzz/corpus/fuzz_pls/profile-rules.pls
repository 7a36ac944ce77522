
 	
[Playlist]
  ; File1=x
no equals
	 file1 	=	 "a.mp3" 
File1=x
File12=l.mp3
FILE2=' b.mp3 '
Title2=B
LENGTH2=61
numberofentries= 1A
File3="q.mp3'
File4=#x; y=1.mp3
File05=x
File9=