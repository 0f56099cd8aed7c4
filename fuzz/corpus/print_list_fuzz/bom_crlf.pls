[Other]
K=V
[ FRMPRGREZBI ]
0b = A 
0F=a.rtf
1B=B
3B=D
; 2B=C
[frmPrgRezbi]
1F=b.rtf
2B=C