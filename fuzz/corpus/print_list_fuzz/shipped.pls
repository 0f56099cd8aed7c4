[frmPrgRezbi]
0B=Fit report
0F=$(KELVO)\templates\fit_report.rtf
1B=Fit report (text)
1F=$(KELVO)\templates\fit_report.txt
