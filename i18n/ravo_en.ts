<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="en">
<context>
    <name>PointView</name>
    <message numerus="yes">
        <source>%n path(s); the resultant is %1 long (P = its length squared times %2)</source>
        <translation>
            <numerusform>%n path; the resultant is %1 long (P = its length squared times %2)</numerusform>
            <numerusform>%n paths; the resultant is %1 long (P = its length squared times %2)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>frmRavo</name>
    <message numerus="yes">
        <source>Opened a link of %n run(s).</source>
        <translation>
            <numerusform>Opened a link of %n run.</numerusform>
            <numerusform>Opened a link of %n runs.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Copied %n mark(s) as a table.</source>
        <translation>
            <numerusform>Copied %n mark as a table.</numerusform>
            <numerusform>Copied %n marks as a table.</numerusform>
        </translation>
    </message>
</context>
</TS>
