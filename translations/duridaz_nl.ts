<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl">
<context>
    <name>Background</name>
    <message>
        <source>KEY SIGNATURES</source>
        <translation>VOORTEKENINGEN</translation>
    </message>
    <message>
        <source>ANSWERS</source>
        <translation>UITSLAG</translation>
    </message>
    <message>
        <source>CORRECT</source>
        <translation>GOED</translation>
    </message>
    <message>
        <source>INCORRECT</source>
        <translation>FOUT</translation>
    </message>
    <message>
        <source>SELECT</source>
        <translation>KIES</translation>
    </message>
    <message>
        <source>SHARPS</source>
        <translation>KRUISEN</translation>
    </message>
    <message>
        <source>FLATS</source>
        <translation>MOLLEN</translation>
    </message>
    <message>
        <source>GO</source>
        <translation>START</translation>
    </message>
    <message>
        <source>RESET</source>
        <translation>RESET</translation>
    </message>
    <message>
        <source>STOP</source>
        <translation>STOP</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>A drill for naming key signatures.</source>
        <translation>Een oefening in het benoemen van voortekeningen.</translation>
    </message>
    <message>
        <source>See duridaz --help.</source>
        <translation>Zie duridaz --help.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no clef: choose treble, bass, alto or tenor.</source>
        <translation>‘%1’ is geen sleutel: kies treble, bass, alto of tenor.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an option.</source>
        <translation>‘%1’ is geen optie.</translation>
    </message>
    <message>
        <source>Shows the key signatures in the clef given: treble, bass, alto or tenor.</source>
        <translation>Toont de voortekeningen in de gegeven sleutel: treble (vioolsleutel), bass (bassleutel), alto (altsleutel) of tenor (tenorsleutel).</translation>
    </message>
    <message>
        <source>clef</source>
        <translation>sleutel</translation>
    </message>
    <message>
        <source>Asks the minor keys of the signatures.</source>
        <translation>Vraagt de kleine toonsoorten bij de voortekeningen.</translation>
    </message>
    <message>
        <source>Shows this help.</source>
        <translation>Toont deze hulp.</translation>
    </message>
    <message>
        <source>Shows the version.</source>
        <translation>Toont de versie.</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>About </source>
        <translation>Over Duridaz </translation>
    </message>
    <message>
        <source>questions</source>
        <translation>vragen</translation>
    </message>
    <message>
        <source>speed</source>
        <translation>tijd</translation>
    </message>
    <message>
        <source>A File That Is Needed Was Not Found!</source>
        <translation>Een benodigd bestand is niet gevonden!</translation>
    </message>
    <message>
        <source>Asks the flat keys; press to change</source>
        <translation>Vraagt de moltoonsoorten; druk om te wisselen</translation>
    </message>
    <message>
        <source>Asks the sharp keys; press to change</source>
        <translation>Vraagt de kruistoonsoorten; druk om te wisselen</translation>
    </message>
    <message>
        <source>Asks all fourteen keys; press to change</source>
        <translation>Vraagt alle veertien toonsoorten; druk om te wisselen</translation>
    </message>
    <message>
        <source>Questions left</source>
        <translation>Resterende vragen</translation>
    </message>
    <message>
        <source>Right answers</source>
        <translation>Goede antwoorden</translation>
    </message>
    <message>
        <source>Wrong answers</source>
        <translation>Foute antwoorden</translation>
    </message>
    <message>
        <source>Seconds per question</source>
        <translation>Seconden per vraag</translation>
    </message>
    <message>
        <source>Questions per quiz</source>
        <translation>Vragen per quiz</translation>
    </message>
    <message>
        <source>Go</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>Restart</source>
        <translation>Reset</translation>
    </message>
    <message>
        <source>Key kind</source>
        <translation>Toonsoortkeuze</translation>
    </message>
    <message>
        <source>Starts the quiz, or resumes it after Stop</source>
        <translation>Start de quiz, of hervat hem na Stop</translation>
    </message>
    <message>
        <source>Halts the quiz</source>
        <translation>Zet de quiz stil</translation>
    </message>
    <message>
        <source>Sets the counters back for a new quiz</source>
        <translation>Zet de tellers terug voor een nieuwe quiz</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Over Duridaz</translation>
    </message>
    <message>
        <source>Sharp keys lamp</source>
        <translation>Lampje kruistoonsoorten</translation>
    </message>
    <message>
        <source>Flat keys lamp</source>
        <translation>Lampje moltoonsoorten</translation>
    </message>
    <message>
        <source>Answer %1</source>
        <translation>Antwoord %1</translation>
    </message>
    <message>
        <source>, your choice</source>
        <translation>, je keuze</translation>
    </message>
    <message>
        <source>, the correct answer</source>
        <translation>, het goede antwoord</translation>
    </message>
    <message>
        <source>Key signature</source>
        <translation>Voortekening</translation>
    </message>
</context>
<context>
    <name>Form3</name>
    <message>
        <source>About</source>
        <translation>Over Duridaz</translation>
    </message>
    <message>
        <source>Freeware</source>
        <translation>Freeware</translation>
    </message>
    <message>
        <source>Click To Visit</source>
        <translation>Klik om te bezoeken</translation>
    </message>
    <message>
        <source>Please visit my website for more information</source>
        <translation>Meer informatie op mijn website</translation>
    </message>
    <message>
        <source>© 2026 the Duridaz authors</source>
        <translation>© 2026 de auteurs van Duridaz</translation>
    </message>
</context>
<context>
    <name>KeyCircle</name>
    <message>
        <source>Circle of fifths</source>
        <translation>Kwintencirkel</translation>
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
        <translation>B</translation>
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
        <translation>Bes</translation>
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
        <translation>e klein</translation>
    </message>
    <message>
        <source>B Minor</source>
        <translation>b klein</translation>
    </message>
    <message>
        <source>F Sharp Minor</source>
        <translation>fis klein</translation>
    </message>
    <message>
        <source>C Sharp Minor</source>
        <translation>cis klein</translation>
    </message>
    <message>
        <source>G Sharp Minor</source>
        <translation>gis klein</translation>
    </message>
    <message>
        <source>D Sharp Minor</source>
        <translation>dis klein</translation>
    </message>
    <message>
        <source>A Sharp Minor</source>
        <translation>ais klein</translation>
    </message>
    <message>
        <source>D Minor</source>
        <translation>d klein</translation>
    </message>
    <message>
        <source>G Minor</source>
        <translation>g klein</translation>
    </message>
    <message>
        <source>C Minor</source>
        <translation>c klein</translation>
    </message>
    <message>
        <source>F Minor</source>
        <translation>f klein</translation>
    </message>
    <message>
        <source>B Flat Minor</source>
        <translation>bes klein</translation>
    </message>
    <message>
        <source>E Flat Minor</source>
        <translation>es klein</translation>
    </message>
    <message>
        <source>A Flat Minor</source>
        <translation>as klein</translation>
    </message>
    <message>
        <source>A Minor</source>
        <extracomment>The minor key without sharps or flats, at the top of the circle of fifths.</extracomment>
        <translation>a klein</translation>
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
        <translation>Start</translation>
    </message>
    <message>
        <source>Restart</source>
        <translation>Reset</translation>
    </message>
    <message>
        <source>Staff without a key signature</source>
        <translation>Notenbalk zonder voortekening</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>Gestopt</translation>
    </message>
    <message>
        <source>Flat keys</source>
        <translation>Moltoonsoorten</translation>
    </message>
    <message>
        <source>Sharp keys</source>
        <translation>Kruistoonsoorten</translation>
    </message>
    <message>
        <source>All keys</source>
        <translation>Alle toonsoorten</translation>
    </message>
    <message>
        <source>Right: %1</source>
        <translation>Goed: %1</translation>
    </message>
    <message>
        <source>Wrong: the answer is %1</source>
        <translation>Fout: het goede antwoord is %1</translation>
    </message>
    <message>
        <source>You chose %1</source>
        <translation>Je koos %1</translation>
    </message>
    <message>
        <source>Quiz over: %1</source>
        <extracomment>%1 lists the right and the wrong answers: &quot;1 right, 2 wrong&quot;.</extracomment>
        <translation>Quiz afgelopen: %1</translation>
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
            <numerusform>%n goed</numerusform>
            <numerusform>%n goed</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n wrong</source>
        <translation>
            <numerusform>%n fout</numerusform>
            <numerusform>%n fout</numerusform>
        </translation>
    </message>
    <message>
        <source>0 questions left</source>
        <extracomment>Said when no question is left, alone or after the counts of right and wrong answers.</extracomment>
        <translation>geen vragen meer</translation>
    </message>
    <message numerus="yes">
        <source>%n questions left</source>
        <translation>
            <numerusform>nog %n vraag</numerusform>
            <numerusform>nog %n vragen</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ProgressLegend</name>
    <message>
        <source>Right answers / questions asked</source>
        <extracomment>Beside &quot;7/9&quot; in the legend: the numbers by each key.</extracomment>
        <translation>Goede antwoorden / gestelde vragen</translation>
    </message>
</context>
<context>
    <name>ProgressTable</name>
    <message>
        <source>Answers per key</source>
        <translation>Antwoorden per toonsoort</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Toonsoort</translation>
    </message>
    <message>
        <source>Asked</source>
        <translation>Gevraagd</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Goed</translation>
    </message>
    <message>
        <source>Average time</source>
        <translation>Gemiddelde tijd</translation>
    </message>
</context>
<context>
    <name>ProgressText</name>
    <message>
        <source>Bass clef</source>
        <translation>Bassleutel</translation>
    </message>
    <message>
        <source>Alto clef</source>
        <translation>Altsleutel</translation>
    </message>
    <message>
        <source>Tenor clef</source>
        <translation>Tenorsleutel</translation>
    </message>
    <message>
        <source>Treble clef</source>
        <translation>Vioolsleutel</translation>
    </message>
    <message>
        <source>minor keys</source>
        <translation>kleine toonsoorten</translation>
    </message>
    <message>
        <source>major keys</source>
        <translation>grote toonsoorten</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>What the window shows: &quot;Bass clef, minor keys&quot;.</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1%</source>
        <extracomment>A percentage: &quot;85%&quot;, as your language writes it.</extracomment>
        <translation>%1%</translation>
    </message>
    <message>
        <source>%1 s</source>
        <extracomment>A time in seconds with one decimal: &quot;2.4 s&quot;.</extracomment>
        <translation>%1&#xa0;s</translation>
    </message>
    <message>
        <source>%1% or more right</source>
        <translation>%1% of meer goed</translation>
    </message>
    <message>
        <source>%1 to %2% right</source>
        <translation>%1 tot %2% goed</translation>
    </message>
    <message>
        <source>Under %1% right</source>
        <translation>Minder dan %1% goed</translation>
    </message>
    <message>
        <source>Not asked yet</source>
        <translation>Nog niet gevraagd</translation>
    </message>
    <message>
        <source>Slower than %1 on average</source>
        <translation>Gemiddeld meer dan %1</translation>
    </message>
</context>
<context>
    <name>ProgressWindow</name>
    <message>
        <source>My progress</source>
        <translation>Mijn voortgang</translation>
    </message>
    <message>
        <source>&amp;This run</source>
        <translation>Deze &amp;sessie</translation>
    </message>
    <message>
        <source>&amp;Whole record</source>
        <translation>Hele &amp;geschiedenis</translation>
    </message>
    <message>
        <source>No record is kept: only this run&apos;s answers can be shown.</source>
        <translation>Er wordt geen geschiedenis bewaard: alleen de antwoorden van deze sessie zijn te zien.</translation>
    </message>
</context>
<context>
    <name>QuizChart</name>
    <message>
        <source>Scores of the last quizzes</source>
        <translation>Scores van de laatste quizzen</translation>
    </message>
    <message>
        <source>No quiz finished yet</source>
        <translation>Nog geen quiz afgerond</translation>
    </message>
    <message>
        <source>One quiz: %1 right</source>
        <translation>Eén quiz: %1 goed</translation>
    </message>
    <message numerus="yes">
        <source>Last %n quizzes: lowest %1, highest %2, latest %3</source>
        <translation>
            <numerusform>Laatste quiz: laagste %1, hoogste %2, laatste %3</numerusform>
            <numerusform>Laatste %n quizzen: laagste %1, hoogste %2, laatste %3</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Record</name>
    <message>
        <source>Your record cannot be kept: %1 is a folder, not a file. Duridaz goes on without storing your answers.</source>
        <translation>Je overzicht kan niet worden bijgehouden: %1 is een map, geen bestand. Duridaz gaat verder zonder je antwoorden op te slaan.</translation>
    </message>
    <message>
        <source>Your record cannot be kept: the folder for %1 cannot be made. Duridaz goes on without storing your answers.</source>
        <translation>Je overzicht kan niet worden bijgehouden: de map voor %1 kan niet worden gemaakt. Duridaz gaat verder zonder je antwoorden op te slaan.</translation>
    </message>
    <message>
        <source>Your record in %1 was written by a newer version of Duridaz. It is left as it is, and this version stores nothing.</source>
        <translation>Je overzicht in %1 is geschreven door een nieuwere versie van Duridaz. Het blijft zoals het is, en deze versie slaat niets op.</translation>
    </message>
    <message>
        <source>Your record in %1 was damaged. It is kept as %2, and a new record has been started.</source>
        <translation>Je overzicht in %1 was beschadigd. Het is bewaard als %2, en er is een nieuw overzicht begonnen.</translation>
    </message>
    <message>
        <source>Your record in %1 is damaged and could not be moved aside (%2). It is left where it is, and Duridaz goes on without storing your answers.</source>
        <translation>Je overzicht in %1 is beschadigd en kon niet opzij worden gezet (%2). Het blijft waar het is, en Duridaz gaat verder zonder je antwoorden op te slaan.</translation>
    </message>
    <message>
        <source>Your record cannot be kept: %1 or its folder is read-only. Duridaz goes on without storing your answers.</source>
        <translation>Je overzicht kan niet worden bijgehouden: %1 of de map ervan is alleen-lezen. Duridaz gaat verder zonder je antwoorden op te slaan.</translation>
    </message>
    <message>
        <source>Your record cannot be kept: the disk that holds %1 is full. Duridaz goes on without storing your answers.</source>
        <translation>Je overzicht kan niet worden bijgehouden: de schijf met %1 is vol. Duridaz gaat verder zonder je antwoorden op te slaan.</translation>
    </message>
    <message>
        <source>Your record cannot be kept in %1 (%2). Duridaz goes on without storing your answers.</source>
        <translation>Je overzicht kan niet worden bijgehouden in %1 (%2). Duridaz gaat verder zonder je antwoorden op te slaan.</translation>
    </message>
    <message>
        <source>%1 could not be deleted (%2).</source>
        <translation>%1 kon niet worden verwijderd (%2).</translation>
    </message>
    <message>
        <source>A new quiz could not be stored in %1 (%2). Duridaz goes on without storing your answers.</source>
        <translation>Een nieuwe quiz kon niet worden opgeslagen in %1 (%2). Duridaz gaat verder zonder je antwoorden op te slaan.</translation>
    </message>
    <message>
        <source>An answer could not be stored in %1 (%2). Duridaz goes on without storing your answers.</source>
        <translation>Een antwoord kon niet worden opgeslagen in %1 (%2). Duridaz gaat verder zonder je antwoorden op te slaan.</translation>
    </message>
</context>
<context>
    <name>Session</name>
    <message>
        <source>Keep my record</source>
        <translation>Mijn overzicht bijhouden</translation>
    </message>
    <message>
        <source>Your answers are kept in %1 and your settings in %2. Delete them too?</source>
        <translation>Je antwoorden staan in %1 en je instellingen in %2. Die ook verwijderen?</translation>
    </message>
    <message>
        <source>Delete them</source>
        <translation>Verwijderen</translation>
    </message>
    <message>
        <source>Keep the files</source>
        <translation>Bestanden bewaren</translation>
    </message>
</context>
<context>
    <name>SettingsFile</name>
    <message>
        <source>The settings in %1 could not be understood, so Duridaz starts with its usual settings. The file is replaced when the settings are next saved.</source>
        <translation>De instellingen in %1 waren onbegrijpelijk, dus Duridaz begint met de gewone instellingen. Het bestand wordt vervangen zodra de instellingen weer worden opgeslagen.</translation>
    </message>
    <message>
        <source>The settings in %1 could not be read, so Duridaz starts with its usual settings.</source>
        <translation>De instellingen in %1 konden niet worden gelezen, dus Duridaz begint met de gewone instellingen.</translation>
    </message>
    <message>
        <source>The settings could not be saved: the folder %1 cannot be made.</source>
        <translation>De instellingen konden niet worden opgeslagen: de map %1 kan niet worden gemaakt.</translation>
    </message>
    <message>
        <source>The settings could not be saved in %1 (%2).</source>
        <translation>De instellingen konden niet worden opgeslagen in %1 (%2).</translation>
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
            <numerusform>%n kruis</numerusform>
            <numerusform>%n kruisen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n flats</source>
        <translation>
            <numerusform>%n mol</numerusform>
            <numerusform>%n mollen</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>WindowMenu</name>
    <message>
        <source>&amp;Clef</source>
        <translation>&amp;Sleutel</translation>
    </message>
    <message>
        <source>&amp;Treble</source>
        <translation>&amp;Vioolsleutel</translation>
    </message>
    <message>
        <source>&amp;Bass</source>
        <translation>&amp;Bassleutel</translation>
    </message>
    <message>
        <source>&amp;Alto</source>
        <translation>&amp;Altsleutel</translation>
    </message>
    <message>
        <source>T&amp;enor</source>
        <translation>&amp;Tenorsleutel</translation>
    </message>
    <message>
        <source>&amp;Keys</source>
        <translation>&amp;Toonsoorten</translation>
    </message>
    <message>
        <source>&amp;Major</source>
        <translation>&amp;Groot</translation>
    </message>
    <message>
        <source>M&amp;inor</source>
        <translation>&amp;Klein</translation>
    </message>
    <message>
        <source>&amp;About Duridaz</source>
        <translation>&amp;Over Duridaz</translation>
    </message>
    <message>
        <source>Keep my &amp;record</source>
        <translation>Mijn overzicht &amp;bijhouden</translation>
    </message>
    <message>
        <source>&amp;Practise the keys I miss</source>
        <translation>Toonsoorten o&amp;efenen die ik mis</translation>
    </message>
    <message>
        <source>My pro&amp;gress…</source>
        <translation>Mijn &amp;vorderingen…</translation>
    </message>
</context>
</TS>
