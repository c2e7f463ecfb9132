<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>Background</name>
    <message>
        <source>KEY SIGNATURES</source>
        <translation>VORZEICHEN</translation>
    </message>
    <message>
        <source>ANSWERS</source>
        <translation>ANTWORTEN</translation>
    </message>
    <message>
        <source>CORRECT</source>
        <translation>RICHTIG</translation>
    </message>
    <message>
        <source>INCORRECT</source>
        <translation>FALSCH</translation>
    </message>
    <message>
        <source>SELECT</source>
        <translation>WÄHLEN</translation>
    </message>
    <message>
        <source>SHARPS</source>
        <translation>KREUZE</translation>
    </message>
    <message>
        <source>FLATS</source>
        <translation>BE</translation>
    </message>
    <message>
        <source>GO</source>
        <translation>LOS</translation>
    </message>
    <message>
        <source>RESET</source>
        <translation>NEU</translation>
    </message>
    <message>
        <source>STOP</source>
        <translation>STOPP</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>A drill for naming key signatures.</source>
        <translation>Ein Trainer zum Benennen von Tonarten nach ihren Vorzeichen.</translation>
    </message>
    <message>
        <source>See duridaz --help.</source>
        <translation>Siehe duridaz --help.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no clef: choose treble, bass, alto or tenor.</source>
        <translation>„%1“ ist kein Schlüssel: treble, bass, alto oder tenor wählen.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an option.</source>
        <translation>„%1“ ist keine Option.</translation>
    </message>
    <message>
        <source>Shows the key signatures in the clef given: treble, bass, alto or tenor.</source>
        <translation>Zeigt die Vorzeichen im angegebenen Schlüssel: treble (Violinschlüssel), bass (Bassschlüssel), alto (Altschlüssel) oder tenor (Tenorschlüssel).</translation>
    </message>
    <message>
        <source>clef</source>
        <translation>Schlüssel</translation>
    </message>
    <message>
        <source>Asks the minor keys of the signatures.</source>
        <translation>Fragt die Molltonarten der Vorzeichen ab.</translation>
    </message>
    <message>
        <source>Shows this help.</source>
        <translation>Zeigt diese Hilfe.</translation>
    </message>
    <message>
        <source>Shows the version.</source>
        <translation>Zeigt die Version.</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>About </source>
        <translation>Über Duridaz </translation>
    </message>
    <message>
        <source>questions</source>
        <translation>Fragen</translation>
    </message>
    <message>
        <source>speed</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>A File That Is Needed Was Not Found!</source>
        <translation>Eine benötigte Datei wurde nicht gefunden!</translation>
    </message>
    <message>
        <source>Asks the flat keys; press to change</source>
        <translation>Fragt die b-Tonarten ab; zum Wechseln drücken</translation>
    </message>
    <message>
        <source>Asks the sharp keys; press to change</source>
        <translation>Fragt die Kreuztonarten ab; zum Wechseln drücken</translation>
    </message>
    <message>
        <source>Asks all fourteen keys; press to change</source>
        <translation>Fragt alle vierzehn Tonarten ab; zum Wechseln drücken</translation>
    </message>
    <message>
        <source>Questions left</source>
        <translation>Verbleibende Fragen</translation>
    </message>
    <message>
        <source>Right answers</source>
        <translation>Richtige Antworten</translation>
    </message>
    <message>
        <source>Wrong answers</source>
        <translation>Falsche Antworten</translation>
    </message>
    <message>
        <source>Seconds per question</source>
        <translation>Sekunden pro Frage</translation>
    </message>
    <message>
        <source>Questions per quiz</source>
        <translation>Fragen pro Quiz</translation>
    </message>
    <message>
        <source>Go</source>
        <translation>Los</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>Restart</source>
        <translation>Neustart</translation>
    </message>
    <message>
        <source>Key kind</source>
        <translation>Tonartenwahl</translation>
    </message>
    <message>
        <source>Starts the quiz, or resumes it after Stop</source>
        <translation>Startet das Quiz oder setzt es nach Stopp fort</translation>
    </message>
    <message>
        <source>Halts the quiz</source>
        <translation>Hält das Quiz an</translation>
    </message>
    <message>
        <source>Sets the counters back for a new quiz</source>
        <translation>Setzt die Zähler für ein neues Quiz zurück</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über Duridaz</translation>
    </message>
    <message>
        <source>Sharp keys lamp</source>
        <translation>Lampe Kreuztonarten</translation>
    </message>
    <message>
        <source>Flat keys lamp</source>
        <translation>Lampe b-Tonarten</translation>
    </message>
    <message>
        <source>Answer %1</source>
        <translation>Antwort %1</translation>
    </message>
    <message>
        <source>, your choice</source>
        <translation>, Ihre Wahl</translation>
    </message>
    <message>
        <source>, the correct answer</source>
        <translation>, die richtige Antwort</translation>
    </message>
    <message>
        <source>Key signature</source>
        <translation>Vorzeichen</translation>
    </message>
</context>
<context>
    <name>Form3</name>
    <message>
        <source>About</source>
        <translation>Über Duridaz</translation>
    </message>
    <message>
        <source>Freeware</source>
        <translation>Freeware</translation>
    </message>
    <message>
        <source>Click To Visit</source>
        <translation>Zum Besuchen klicken</translation>
    </message>
    <message>
        <source>Please visit my website for more information</source>
        <translation>Weitere Informationen auf meiner Website</translation>
    </message>
    <message>
        <source>© 2026 the Duridaz authors</source>
        <translation>© 2026 die Duridaz-Autoren</translation>
    </message>
</context>
<context>
    <name>KeyCircle</name>
    <message>
        <source>Circle of fifths</source>
        <translation>Quintenzirkel</translation>
    </message>
    <message>
        <source>%1: %2.</source>
        <extracomment>A sentence of the circle&apos;s description: &quot;80% or more right: G and D.&quot;</extracomment>
        <translation>%1: %2.</translation>
    </message>
</context>
<context>
    <name>KeyName</name>
    <message>
        <source></source>
        <comment>The relative minor of each signature: three semitones below its major key, on the letter two steps down (&quot;E Flat&quot; major and &quot;C Minor&quot; both have 3 flats). Write it as your tradition names a minor key.</comment>
        <translation></translation>
    </message>
    <message>
        <source>G</source>
        <translation>G</translation>
    </message>
    <message>
        <source>D</source>
        <translation>D</translation>
    </message>
    <message>
        <source>A</source>
        <translation>A</translation>
    </message>
    <message>
        <source>E</source>
        <translation>E</translation>
    </message>
    <message>
        <source>B</source>
        <translation>H</translation>
    </message>
    <message>
        <source>F Sharp</source>
        <translation>Fis</translation>
    </message>
    <message>
        <source>C Sharp</source>
        <translation>Cis</translation>
    </message>
    <message>
        <source>F</source>
        <translation>F</translation>
    </message>
    <message>
        <source>B Flat</source>
        <translation>B</translation>
    </message>
    <message>
        <source>E Flat</source>
        <translation>Es</translation>
    </message>
    <message>
        <source>A Flat</source>
        <translation>As</translation>
    </message>
    <message>
        <source>D Flat</source>
        <translation>Des</translation>
    </message>
    <message>
        <source>G Flat</source>
        <translation>Ges</translation>
    </message>
    <message>
        <source>C Flat</source>
        <translation>Ces</translation>
    </message>
    <message>
        <source>E Minor</source>
        <translation>e-Moll</translation>
    </message>
    <message>
        <source>B Minor</source>
        <translation>h-Moll</translation>
    </message>
    <message>
        <source>F Sharp Minor</source>
        <translation>fis-Moll</translation>
    </message>
    <message>
        <source>C Sharp Minor</source>
        <translation>cis-Moll</translation>
    </message>
    <message>
        <source>G Sharp Minor</source>
        <translation>gis-Moll</translation>
    </message>
    <message>
        <source>D Sharp Minor</source>
        <translation>dis-Moll</translation>
    </message>
    <message>
        <source>A Sharp Minor</source>
        <translation>ais-Moll</translation>
    </message>
    <message>
        <source>D Minor</source>
        <translation>d-Moll</translation>
    </message>
    <message>
        <source>G Minor</source>
        <translation>g-Moll</translation>
    </message>
    <message>
        <source>C Minor</source>
        <translation>c-Moll</translation>
    </message>
    <message>
        <source>F Minor</source>
        <translation>f-Moll</translation>
    </message>
    <message>
        <source>B Flat Minor</source>
        <translation>b-Moll</translation>
    </message>
    <message>
        <source>E Flat Minor</source>
        <translation>es-Moll</translation>
    </message>
    <message>
        <source>A Flat Minor</source>
        <translation>as-Moll</translation>
    </message>
    <message>
        <source>A Minor</source>
        <extracomment>The minor key without sharps or flats, at the top of the circle of fifths.</extracomment>
        <translation>a-Moll</translation>
    </message>
    <message>
        <source>C</source>
        <extracomment>The major key without sharps or flats, at the top of the circle of fifths.</extracomment>
        <translation>C</translation>
    </message>
</context>
<context>
    <name>Narrator</name>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Go</source>
        <translation>Los</translation>
    </message>
    <message>
        <source>Restart</source>
        <translation>Neustart</translation>
    </message>
    <message>
        <source>Staff without a key signature</source>
        <translation>Notensystem ohne Vorzeichen</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>Angehalten</translation>
    </message>
    <message>
        <source>Flat keys</source>
        <translation>Nur b-Tonarten</translation>
    </message>
    <message>
        <source>Sharp keys</source>
        <translation>Nur Kreuztonarten</translation>
    </message>
    <message>
        <source>All keys</source>
        <translation>Alle Tonarten</translation>
    </message>
    <message>
        <source>Right: %1</source>
        <translation>Richtig: %1</translation>
    </message>
    <message>
        <source>Wrong: the answer is %1</source>
        <translation>Falsch: richtig ist %1</translation>
    </message>
    <message>
        <source>You chose %1</source>
        <translation>Ihre Wahl: %1</translation>
    </message>
    <message>
        <source>Quiz over: %1</source>
        <extracomment>%1 lists the right and the wrong answers: &quot;1 right, 2 wrong&quot;.</extracomment>
        <translation>Quiz beendet: %1</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <comment>a list</comment>
        <extracomment>Joins the parts of a list: &quot;1 right, 2 wrong&quot;; %1 may itself be a list.</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1.</source>
        <extracomment>A sentence told to the listener, closed as your language closes one. Its first letter is made a capital.</extracomment>
        <translation>%1.</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <comment>an answer</comment>
        <extracomment>An answer told with its place: &quot;1, F Sharp&quot;.</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>an answer in the list</comment>
        <extracomment>One of the four answers read out with the question: &quot;1 F Sharp&quot;.</extracomment>
        <translation>%1 %2</translation>
    </message>
    <message numerus="yes">
        <source>%n right</source>
        <translation>
            <numerusform>%n richtig</numerusform>
            <numerusform>%n richtig</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n wrong</source>
        <translation>
            <numerusform>%n falsch</numerusform>
            <numerusform>%n falsch</numerusform>
        </translation>
    </message>
    <message>
        <source>0 questions left</source>
        <extracomment>Said when no question is left, alone or after the counts of right and wrong answers.</extracomment>
        <translation>keine Fragen mehr</translation>
    </message>
    <message numerus="yes">
        <source>%n questions left</source>
        <translation>
            <numerusform>%n Frage übrig</numerusform>
            <numerusform>%n Fragen übrig</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ProgressLegend</name>
    <message>
        <source>Right answers / questions asked</source>
        <extracomment>Beside &quot;7/9&quot; in the legend: the numbers by each key.</extracomment>
        <translation>Richtige Antworten / gestellte Fragen</translation>
    </message>
</context>
<context>
    <name>ProgressTable</name>
    <message>
        <source>Answers per key</source>
        <translation>Antworten je Tonart</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Tonart</translation>
    </message>
    <message>
        <source>Asked</source>
        <translation>Gefragt</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Richtig</translation>
    </message>
    <message>
        <source>Average time</source>
        <translation>Mittlere Zeit</translation>
    </message>
</context>
<context>
    <name>ProgressText</name>
    <message>
        <source>Bass clef</source>
        <translation>Bassschlüssel</translation>
    </message>
    <message>
        <source>Alto clef</source>
        <translation>Altschlüssel</translation>
    </message>
    <message>
        <source>Tenor clef</source>
        <translation>Tenorschlüssel</translation>
    </message>
    <message>
        <source>Treble clef</source>
        <translation>Violinschlüssel</translation>
    </message>
    <message>
        <source>minor keys</source>
        <translation>Molltonarten</translation>
    </message>
    <message>
        <source>major keys</source>
        <translation>Durtonarten</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>What the window shows: &quot;Bass clef, minor keys&quot;.</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1%</source>
        <extracomment>A percentage: &quot;85%&quot;, as your language writes it.</extracomment>
        <translation>%1&#xa0;%</translation>
    </message>
    <message>
        <source>%1 s</source>
        <extracomment>A time in seconds with one decimal: &quot;2.4 s&quot;.</extracomment>
        <translation>%1&#xa0;s</translation>
    </message>
    <message>
        <source>%1% or more right</source>
        <translation>%1&#xa0;% oder mehr richtig</translation>
    </message>
    <message>
        <source>%1 to %2% right</source>
        <translation>%1 bis %2&#xa0;% richtig</translation>
    </message>
    <message>
        <source>Under %1% right</source>
        <translation>Unter %1&#xa0;% richtig</translation>
    </message>
    <message>
        <source>Not asked yet</source>
        <translation>Noch nicht gefragt</translation>
    </message>
    <message>
        <source>Slower than %1 on average</source>
        <translation>Im Mittel über %1</translation>
    </message>
</context>
<context>
    <name>ProgressWindow</name>
    <message>
        <source>My progress</source>
        <translation>Mein Fortschritt</translation>
    </message>
    <message>
        <source>&amp;This run</source>
        <translation>&amp;Diese Sitzung</translation>
    </message>
    <message>
        <source>&amp;Whole record</source>
        <translation>&amp;Gesamter Verlauf</translation>
    </message>
    <message>
        <source>No record is kept: only this run&apos;s answers can be shown.</source>
        <translation>Es wird kein Verlauf gespeichert: Nur die Antworten dieser Sitzung können gezeigt werden.</translation>
    </message>
</context>
<context>
    <name>QuizChart</name>
    <message>
        <source>Scores of the last quizzes</source>
        <translation>Ergebnisse der letzten Quizrunden</translation>
    </message>
    <message>
        <source>No quiz finished yet</source>
        <translation>Noch keine Quizrunde beendet</translation>
    </message>
    <message>
        <source>One quiz: %1 right</source>
        <translation>Eine Quizrunde: %1 richtig</translation>
    </message>
    <message numerus="yes">
        <source>Last %n quizzes: lowest %1, highest %2, latest %3</source>
        <translation>
            <numerusform>Letzte Quizrunde: schlechtestes Ergebnis %1, bestes %2, letztes %3</numerusform>
            <numerusform>Letzte %n Quizrunden: schlechtestes Ergebnis %1, bestes %2, letztes %3</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Record</name>
    <message>
        <source>Your record cannot be kept: %1 is a folder, not a file. Duridaz goes on without storing your answers.</source>
        <translation>Ihr Lernverlauf kann nicht gespeichert werden: %1 ist ein Ordner, keine Datei. Duridaz läuft weiter, ohne Ihre Antworten zu speichern.</translation>
    </message>
    <message>
        <source>Your record cannot be kept: the folder for %1 cannot be made. Duridaz goes on without storing your answers.</source>
        <translation>Ihr Lernverlauf kann nicht gespeichert werden: Der Ordner für %1 lässt sich nicht anlegen. Duridaz läuft weiter, ohne Ihre Antworten zu speichern.</translation>
    </message>
    <message>
        <source>Your record in %1 was written by a newer version of Duridaz. It is left as it is, and this version stores nothing.</source>
        <translation>Ihr Lernverlauf in %1 stammt von einer neueren Version von Duridaz. Er bleibt unverändert, und diese Version speichert nichts.</translation>
    </message>
    <message>
        <source>Your record in %1 was damaged. It is kept as %2, and a new record has been started.</source>
        <translation>Ihr Lernverlauf in %1 war beschädigt. Er wird als %2 aufbewahrt, und ein neuer Lernverlauf wurde begonnen.</translation>
    </message>
    <message>
        <source>Your record in %1 is damaged and could not be moved aside (%2). It is left where it is, and Duridaz goes on without storing your answers.</source>
        <translation>Ihr Lernverlauf in %1 ist beschädigt und konnte nicht beiseitegelegt werden (%2). Er bleibt, wo er ist, und Duridaz läuft weiter, ohne Ihre Antworten zu speichern.</translation>
    </message>
    <message>
        <source>Your record cannot be kept: %1 or its folder is read-only. Duridaz goes on without storing your answers.</source>
        <translation>Ihr Lernverlauf kann nicht gespeichert werden: %1 oder sein Ordner ist schreibgeschützt. Duridaz läuft weiter, ohne Ihre Antworten zu speichern.</translation>
    </message>
    <message>
        <source>Your record cannot be kept: the disk that holds %1 is full. Duridaz goes on without storing your answers.</source>
        <translation>Ihr Lernverlauf kann nicht gespeichert werden: Der Datenträger mit %1 ist voll. Duridaz läuft weiter, ohne Ihre Antworten zu speichern.</translation>
    </message>
    <message>
        <source>Your record cannot be kept in %1 (%2). Duridaz goes on without storing your answers.</source>
        <translation>Ihr Lernverlauf kann nicht in %1 gespeichert werden (%2). Duridaz läuft weiter, ohne Ihre Antworten zu speichern.</translation>
    </message>
    <message>
        <source>%1 could not be deleted (%2).</source>
        <translation>%1 konnte nicht gelöscht werden (%2).</translation>
    </message>
    <message>
        <source>A new quiz could not be stored in %1 (%2). Duridaz goes on without storing your answers.</source>
        <translation>Ein neues Quiz konnte nicht in %1 gespeichert werden (%2). Duridaz läuft weiter, ohne Ihre Antworten zu speichern.</translation>
    </message>
    <message>
        <source>An answer could not be stored in %1 (%2). Duridaz goes on without storing your answers.</source>
        <translation>Eine Antwort konnte nicht in %1 gespeichert werden (%2). Duridaz läuft weiter, ohne Ihre Antworten zu speichern.</translation>
    </message>
</context>
<context>
    <name>Session</name>
    <message>
        <source>Keep my record</source>
        <translation>Lernverlauf aufzeichnen</translation>
    </message>
    <message>
        <source>Your answers are kept in %1 and your settings in %2. Delete them too?</source>
        <translation>Ihre Antworten liegen in %1, Ihre Einstellungen in %2. Sollen sie auch gelöscht werden?</translation>
    </message>
    <message>
        <source>Delete them</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Keep the files</source>
        <translation>Dateien behalten</translation>
    </message>
</context>
<context>
    <name>SettingsFile</name>
    <message>
        <source>The settings in %1 could not be understood, so Duridaz starts with its usual settings. The file is replaced when the settings are next saved.</source>
        <translation>Die Einstellungen in %1 waren unverständlich, daher beginnt Duridaz mit seinen üblichen Einstellungen. Die Datei wird ersetzt, wenn die Einstellungen das nächste Mal gespeichert werden.</translation>
    </message>
    <message>
        <source>The settings in %1 could not be read, so Duridaz starts with its usual settings.</source>
        <translation>Die Einstellungen in %1 konnten nicht gelesen werden, daher beginnt Duridaz mit seinen üblichen Einstellungen.</translation>
    </message>
    <message>
        <source>The settings could not be saved: the folder %1 cannot be made.</source>
        <translation>Die Einstellungen konnten nicht gespeichert werden: Der Ordner %1 lässt sich nicht anlegen.</translation>
    </message>
    <message>
        <source>The settings could not be saved in %1 (%2).</source>
        <translation>Die Einstellungen konnten nicht in %1 gespeichert werden (%2).</translation>
    </message>
</context>
<context>
    <name>Signature</name>
    <message>
        <source></source>
        <comment>What a key signature shows, as a screen reader says it; %n is the number of sharps or flats, 1 to 7.</comment>
        <translation></translation>
    </message>
    <message numerus="yes">
        <source>%n sharps</source>
        <translation>
            <numerusform>%n Kreuz</numerusform>
            <numerusform>%n Kreuze</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n flats</source>
        <translation>
            <numerusform>%n b</numerusform>
            <numerusform>%n b</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>WindowMenu</name>
    <message>
        <source>&amp;Clef</source>
        <translation>&amp;Schlüssel</translation>
    </message>
    <message>
        <source>&amp;Treble</source>
        <translation>&amp;Violinschlüssel</translation>
    </message>
    <message>
        <source>&amp;Bass</source>
        <translation>&amp;Bassschlüssel</translation>
    </message>
    <message>
        <source>&amp;Alto</source>
        <translation>&amp;Altschlüssel</translation>
    </message>
    <message>
        <source>T&amp;enor</source>
        <translation>T&amp;enorschlüssel</translation>
    </message>
    <message>
        <source>&amp;Keys</source>
        <translation>&amp;Tonarten</translation>
    </message>
    <message>
        <source>&amp;Major</source>
        <translation>&amp;Dur</translation>
    </message>
    <message>
        <source>M&amp;inor</source>
        <translation>&amp;Moll</translation>
    </message>
    <message>
        <source>&amp;About Duridaz</source>
        <translation>Über &amp;Duridaz</translation>
    </message>
    <message>
        <source>Keep my &amp;record</source>
        <translation>Lernverlauf &amp;aufzeichnen</translation>
    </message>
    <message>
        <source>&amp;Practise the keys I miss</source>
        <translation>Verfehlte Tonarten ü&amp;ben</translation>
    </message>
    <message>
        <source>My pro&amp;gress…</source>
        <translation>Mein &amp;Fortschritt…</translation>
    </message>
</context>
</TS>
