<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>Narrator</name>
    <message numerus="yes">
        <source>%n right</source>
        <translation>
            <numerusform>%n right</numerusform>
            <numerusform>%n right</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n wrong</source>
        <translation>
            <numerusform>%n wrong</numerusform>
            <numerusform>%n wrong</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n questions left</source>
        <translation>
            <numerusform>%n question left</numerusform>
            <numerusform>%n questions left</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>QuizChart</name>
    <message numerus="yes">
        <source>Last %n quizzes: lowest %1, highest %2, latest %3</source>
        <translation>
            <numerusform>Last quiz: lowest %1, highest %2, latest %3</numerusform>
            <numerusform>Last %n quizzes: lowest %1, highest %2, latest %3</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Signature</name>
    <message numerus="yes">
        <source>%n sharps</source>
        <translation>
            <numerusform>%n sharp</numerusform>
            <numerusform>%n sharps</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n flats</source>
        <translation>
            <numerusform>%n flat</numerusform>
            <numerusform>%n flats</numerusform>
        </translation>
    </message>
</context>
</TS>
