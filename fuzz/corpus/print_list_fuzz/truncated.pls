[frmPrgRezbi]
0B=Fit report
0F=$(KELVO