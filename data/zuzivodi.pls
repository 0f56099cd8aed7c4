[frmPrgRezbi]
0B=Inspection sheet (English)
0F=$(KELVO)\templates\inspection_sheet_en.rtf
1B=Prüfprotokoll (Deutsch)
1F=$(KELVO)\templates\inspection_sheet_de.rtf
2B=Протокол за контрол (български)
2F=$(KELVO)\templates\inspection_sheet_bg.rtf
3B=Fit report, text (English)
3F=$(KELVO)\templates\fit_report_en.txt
4B=Passungsbericht, Text (Deutsch)
4F=$(KELVO)\templates\fit_report_de.txt
5B=Отчет за сглобката, текст (български)
5F=$(KELVO)\templates\fit_report_bg.txt
