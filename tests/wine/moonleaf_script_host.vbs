' Drives Moonleaf2.Moonleaf from the script host: defaults, every property, the eight methods.
' Prints one line per failed check and ends with the number of failures as its exit code.
Option Explicit
Dim failures, m
failures = 0

Sub Check(what, actual, expected)
    If actual <> expected Then
        WScript.Echo "FAIL " & what & ": got " & actual & ", expected " & expected
        failures = failures + 1
    End If
End Sub

Set m = CreateObject("Moonleaf2.Moonleaf")

' A script host never loads a property bag: the defaults must be there from creation.
Check "BottomBackColor default", m.BottomBackColor, 12632256
Check "DateBackColor default", m.DateBackColor, 14737632
Check "GridLinesColor default", m.GridLinesColor, &H800000
Check "SelectColor default", m.SelectColor, &HFFC0C0
Check "ShowVerticalGrid default", m.ShowVerticalGrid, True
Check "ShowHorizontalGrid default", m.ShowHorizontalGrid, True
Check "TitleBackColor default", m.TitleBackColor, 12632256
Check "WeekBackColor default", m.WeekBackColor, &HFFFFC0
Check "Value default", m.Value, Date
Check "Big default", m.Big, 0
Check "ShowHolidays default", m.ShowHolidays, False

m.BottomBackColor = 255 : Check "BottomBackColor", m.BottomBackColor, 255
m.DateBackColor = &H00FF00 : Check "DateBackColor", m.DateBackColor, &H00FF00
m.GridLinesColor = 0 : Check "GridLinesColor", m.GridLinesColor, 0
m.SelectColor = &H123456 : Check "SelectColor", m.SelectColor, &H123456
m.ShowVerticalGrid = False : Check "ShowVerticalGrid", m.ShowVerticalGrid, False
m.ShowHorizontalGrid = False : Check "ShowHorizontalGrid", m.ShowHorizontalGrid, False
m.TitleBackColor = &HFFFFFF : Check "TitleBackColor", m.TitleBackColor, &HFFFFFF
m.WeekBackColor = &H80000005 : Check "WeekBackColor (system colour)", m.WeekBackColor, &H80000005
m.Big = 1 : Check "Big", m.Big, 1
m.ShowHolidays = True : Check "ShowHolidays", m.ShowHolidays, True
m.Value = DateSerial(2085, 6, 1) : Check "Value", m.Value, DateSerial(2085, 6, 1)

Dim d : d = DateSerial(2020, 5, 23)
Check "GetChineseDate", m.GetChineseDate(d), "农历庚子年(闰)四月初一"
Check "GetChineseYear", m.GetChineseYear(d), "庚子年(闰)"
Check "GetChineseMonth", m.GetChineseMonth(d), "四月"
Check "GetChineseDay", m.GetChineseDay(d), "初一"
Check "GetChineseAnimal", m.GetChineseAnimal(d), "鼠"
Check "GetConstellation", m.GetConstellation(d), "双子座"
Check "GetChineseDay of the 20th", m.GetChineseDay(DateSerial(2020, 2, 13)), "二十"
Check "GetChineseDate of the 30th", m.GetChineseDate(DateSerial(2026, 12, 8)), "农历丙午年十月三十"
' The official schedule: 国庆 off on a Monday, its makeup Saturday worked, an ordinary day.
Check "IsWorkday on 2026-10-05", m.IsWorkday(DateSerial(2026, 10, 5)), False
Check "IsWorkday on 2026-10-10", m.IsWorkday(DateSerial(2026, 10, 10)), True
Check "GetHolidayName on 2026-10-05", m.GetHolidayName(DateSerial(2026, 10, 5)), "国庆节"
Check "GetHolidayName on 2026-10-10", m.GetHolidayName(DateSerial(2026, 10, 10)), ""

' Out of range: the methods answer for Value (2020-05-23 from now on) instead.
m.Value = d
Check "GetChineseAnimal before 1901", m.GetChineseAnimal(DateSerial(1900, 12, 31)), "鼠"
Check "GetChineseDay after 2090-12-31 00:00", m.GetChineseDay(DateSerial(2090, 12, 31) + TimeSerial(8, 0, 0)), "初一"
Check "GetChineseDay on 2090-12-31", m.GetChineseDay(DateSerial(2090, 12, 31)), "十一"
Check "GetChineseDate of 1901-01-01", m.GetChineseDate(DateSerial(1901, 1, 1)), "农历庚子年十一月十一"
m.Value = DateSerial(2026, 10, 1)
Check "GetHolidayName before 1901", m.GetHolidayName(DateSerial(1900, 12, 31)), "国庆节"
Check "IsWorkday before 1901", m.IsWorkday(DateSerial(1900, 12, 31)), False
m.Value = d

' A Value past the lunar table: the write reports the failed redraw, a method that falls back
' to it fails too, each with a description the script can see, and the control keeps working.
Dim writeError, methodError, text
On Error Resume Next
m.Value = DateSerial(2095, 1, 1)
writeError = Err.Number & " " & Err.Description
Err.Clear
text = m.GetChineseYear(DateSerial(1800, 1, 1))
methodError = Err.Number & " " & Err.Description
On Error GoTo 0
' The description names the end of the supported range. (Echoing this text makes Wine 8's
' script host crash when it exits, so it is only searched.)
Check "writing Value past the table fails", InStr(writeError, "2091") > 0 And Left(writeError, 2) <> "0 ", True
Check "the fallback past the table fails", InStr(methodError, "2091") > 0 And Left(methodError, 2) <> "0 ", True
m.Value = d
Check "working again after the failure", m.GetChineseYear(DateSerial(1800, 1, 1)), "庚子年(闰)"

WScript.Echo "RESULT " & failures & " failures"
WScript.Quit failures
