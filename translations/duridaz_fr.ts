<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>Background</name>
    <message>
        <source>KEY SIGNATURES</source>
        <translation>ARMURES</translation>
    </message>
    <message>
        <source>ANSWERS</source>
        <translation>BILAN</translation>
    </message>
    <message>
        <source>CORRECT</source>
        <translation>JUSTES</translation>
    </message>
    <message>
        <source>INCORRECT</source>
        <translation>FAUSSES</translation>
    </message>
    <message>
        <source>SELECT</source>
        <translation>CHOIX</translation>
    </message>
    <message>
        <source>SHARPS</source>
        <translation>DIÈSES</translation>
    </message>
    <message>
        <source>FLATS</source>
        <translation>BÉMOLS</translation>
    </message>
    <message>
        <source>GO</source>
        <translation>DÉBUT</translation>
    </message>
    <message>
        <source>RESET</source>
        <translation>RAZ</translation>
    </message>
    <message>
        <source>STOP</source>
        <translation>ARRÊT</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>A drill for naming key signatures.</source>
        <translation>Un exercice pour nommer les armures.</translation>
    </message>
    <message>
        <source>See duridaz --help.</source>
        <translation>Voir duridaz --help.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no clef: choose treble, bass, alto or tenor.</source>
        <translation>«&#xa0;%1&#xa0;» n’est pas une clé&#xa0;: choisissez treble, bass, alto ou tenor.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an option.</source>
        <translation>«&#xa0;%1&#xa0;» n’est pas une option.</translation>
    </message>
    <message>
        <source>Shows the key signatures in the clef given: treble, bass, alto or tenor.</source>
        <translation>Affiche les armures dans la clé indiquée&#xa0;: treble (sol), bass (fa), alto (ut 3e ligne) ou tenor (ut 4e ligne).</translation>
    </message>
    <message>
        <source>clef</source>
        <translation>clé</translation>
    </message>
    <message>
        <source>Asks the minor keys of the signatures.</source>
        <translation>Demande les tonalités mineures des armures.</translation>
    </message>
    <message>
        <source>Shows this help.</source>
        <translation>Affiche cette aide.</translation>
    </message>
    <message>
        <source>Shows the version.</source>
        <translation>Affiche la version.</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>About </source>
        <translation>À propos </translation>
    </message>
    <message>
        <source>questions</source>
        <translation>questions</translation>
    </message>
    <message>
        <source>speed</source>
        <translation>durée</translation>
    </message>
    <message>
        <source>A File That Is Needed Was Not Found!</source>
        <translation>Un fichier nécessaire est introuvable&#x202f;!</translation>
    </message>
    <message>
        <source>Asks the flat keys; press to change</source>
        <translation>Interroge sur les tonalités à bémols&#x202f;; appuyez pour changer</translation>
    </message>
    <message>
        <source>Asks the sharp keys; press to change</source>
        <translation>Interroge sur les tonalités à dièses&#x202f;; appuyez pour changer</translation>
    </message>
    <message>
        <source>Asks all fourteen keys; press to change</source>
        <translation>Interroge sur les quatorze tonalités&#x202f;; appuyez pour changer</translation>
    </message>
    <message>
        <source>Questions left</source>
        <translation>Questions restantes</translation>
    </message>
    <message>
        <source>Right answers</source>
        <translation>Bonnes réponses</translation>
    </message>
    <message>
        <source>Wrong answers</source>
        <translation>Mauvaises réponses</translation>
    </message>
    <message>
        <source>Seconds per question</source>
        <translation>Secondes par question</translation>
    </message>
    <message>
        <source>Questions per quiz</source>
        <translation>Questions par quiz</translation>
    </message>
    <message>
        <source>Go</source>
        <translation>Début</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêt</translation>
    </message>
    <message>
        <source>Restart</source>
        <translation>Remise à zéro</translation>
    </message>
    <message>
        <source>Key kind</source>
        <translation>Type de tonalités</translation>
    </message>
    <message>
        <source>Starts the quiz, or resumes it after Stop</source>
        <translation>Lance le quiz, ou le reprend après un arrêt</translation>
    </message>
    <message>
        <source>Halts the quiz</source>
        <translation>Interrompt le quiz</translation>
    </message>
    <message>
        <source>Sets the counters back for a new quiz</source>
        <translation>Remet les compteurs à zéro pour un nouveau quiz</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Sharp keys lamp</source>
        <translation>Voyant des tonalités à dièses</translation>
    </message>
    <message>
        <source>Flat keys lamp</source>
        <translation>Voyant des tonalités à bémols</translation>
    </message>
    <message>
        <source>Answer %1</source>
        <translation>Réponse %1</translation>
    </message>
    <message>
        <source>, your choice</source>
        <translation>, votre choix</translation>
    </message>
    <message>
        <source>, the correct answer</source>
        <translation>, la bonne réponse</translation>
    </message>
    <message>
        <source>Key signature</source>
        <translation>Armure</translation>
    </message>
</context>
<context>
    <name>Form3</name>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Freeware</source>
        <translation>Logiciel gratuit</translation>
    </message>
    <message>
        <source>Click To Visit</source>
        <translation>Cliquez pour visiter</translation>
    </message>
    <message>
        <source>Please visit my website for more information</source>
        <translation>Plus d’informations sur mon site web</translation>
    </message>
    <message>
        <source>© 2026 the Duridaz authors</source>
        <translation>© 2026 les auteurs de Duridaz</translation>
    </message>
</context>
<context>
    <name>KeyCircle</name>
    <message>
        <source>Circle of fifths</source>
        <translation>Cycle des quintes</translation>
    </message>
    <message>
        <source>%1: %2.</source>
        <extracomment>A sentence of the circle&apos;s description: &quot;80% or more right: G and D.&quot;</extracomment>
        <translation>%1&#xa0;: %2.</translation>
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
        <translation>Sol</translation>
    </message>
    <message>
        <source>D</source>
        <translation>Ré</translation>
    </message>
    <message>
        <source>A</source>
        <translation>La</translation>
    </message>
    <message>
        <source>E</source>
        <translation>Mi</translation>
    </message>
    <message>
        <source>B</source>
        <translation>Si</translation>
    </message>
    <message>
        <source>F Sharp</source>
        <translation>Fa dièse</translation>
    </message>
    <message>
        <source>C Sharp</source>
        <translation>Do dièse</translation>
    </message>
    <message>
        <source>F</source>
        <translation>Fa</translation>
    </message>
    <message>
        <source>B Flat</source>
        <translation>Si bémol</translation>
    </message>
    <message>
        <source>E Flat</source>
        <translation>Mi bémol</translation>
    </message>
    <message>
        <source>A Flat</source>
        <translation>La bémol</translation>
    </message>
    <message>
        <source>D Flat</source>
        <translation>Ré bémol</translation>
    </message>
    <message>
        <source>G Flat</source>
        <translation>Sol bémol</translation>
    </message>
    <message>
        <source>C Flat</source>
        <translation>Do bémol</translation>
    </message>
    <message>
        <source>E Minor</source>
        <translation>Mi mineur</translation>
    </message>
    <message>
        <source>B Minor</source>
        <translation>Si mineur</translation>
    </message>
    <message>
        <source>F Sharp Minor</source>
        <translation>Fa dièse mineur</translation>
    </message>
    <message>
        <source>C Sharp Minor</source>
        <translation>Do dièse mineur</translation>
    </message>
    <message>
        <source>G Sharp Minor</source>
        <translation>Sol dièse mineur</translation>
    </message>
    <message>
        <source>D Sharp Minor</source>
        <translation>Ré dièse mineur</translation>
    </message>
    <message>
        <source>A Sharp Minor</source>
        <translation>La dièse mineur</translation>
    </message>
    <message>
        <source>D Minor</source>
        <translation>Ré mineur</translation>
    </message>
    <message>
        <source>G Minor</source>
        <translation>Sol mineur</translation>
    </message>
    <message>
        <source>C Minor</source>
        <translation>Do mineur</translation>
    </message>
    <message>
        <source>F Minor</source>
        <translation>Fa mineur</translation>
    </message>
    <message>
        <source>B Flat Minor</source>
        <translation>Si bémol mineur</translation>
    </message>
    <message>
        <source>E Flat Minor</source>
        <translation>Mi bémol mineur</translation>
    </message>
    <message>
        <source>A Flat Minor</source>
        <translation>La bémol mineur</translation>
    </message>
    <message>
        <source>A Minor</source>
        <extracomment>The minor key without sharps or flats, at the top of the circle of fifths.</extracomment>
        <translation>La mineur</translation>
    </message>
    <message>
        <source>C</source>
        <extracomment>The major key without sharps or flats, at the top of the circle of fifths.</extracomment>
        <translation>Do</translation>
    </message>
</context>
<context>
    <name>Narrator</name>
    <message>
        <source>%1: %2</source>
        <translation>%1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Go</source>
        <translation>Début</translation>
    </message>
    <message>
        <source>Restart</source>
        <translation>Remise à zéro</translation>
    </message>
    <message>
        <source>Staff without a key signature</source>
        <translation>Portée sans armure</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>Arrêté</translation>
    </message>
    <message>
        <source>Flat keys</source>
        <translation>Tonalités à bémols</translation>
    </message>
    <message>
        <source>Sharp keys</source>
        <translation>Tonalités à dièses</translation>
    </message>
    <message>
        <source>All keys</source>
        <translation>Toutes les tonalités</translation>
    </message>
    <message>
        <source>Right: %1</source>
        <translation>Juste&#xa0;: %1</translation>
    </message>
    <message>
        <source>Wrong: the answer is %1</source>
        <translation>Faux&#xa0;: la bonne réponse est %1</translation>
    </message>
    <message>
        <source>You chose %1</source>
        <translation>Vous avez choisi %1</translation>
    </message>
    <message>
        <source>Quiz over: %1</source>
        <extracomment>%1 lists the right and the wrong answers: &quot;1 right, 2 wrong&quot;.</extracomment>
        <translation>Quiz terminé&#xa0;: %1</translation>
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
            <numerusform>%n bonne réponse</numerusform>
            <numerusform>%n bonnes réponses</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n wrong</source>
        <translation>
            <numerusform>%n erreur</numerusform>
            <numerusform>%n erreurs</numerusform>
        </translation>
    </message>
    <message>
        <source>0 questions left</source>
        <extracomment>Said when no question is left, alone or after the counts of right and wrong answers.</extracomment>
        <translation>plus aucune question</translation>
    </message>
    <message numerus="yes">
        <source>%n questions left</source>
        <translation>
            <numerusform>%n question restante</numerusform>
            <numerusform>%n questions restantes</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ProgressLegend</name>
    <message>
        <source>Right answers / questions asked</source>
        <extracomment>Beside &quot;7/9&quot; in the legend: the numbers by each key.</extracomment>
        <translation>Bonnes réponses / questions posées</translation>
    </message>
</context>
<context>
    <name>ProgressTable</name>
    <message>
        <source>Answers per key</source>
        <translation>Réponses par tonalité</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Tonalité</translation>
    </message>
    <message>
        <source>Asked</source>
        <translation>Questions</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Justes</translation>
    </message>
    <message>
        <source>Average time</source>
        <translation>Temps moyen</translation>
    </message>
</context>
<context>
    <name>ProgressText</name>
    <message>
        <source>Bass clef</source>
        <translation>Clé de fa</translation>
    </message>
    <message>
        <source>Alto clef</source>
        <translation>Clé d’ut 3e ligne</translation>
    </message>
    <message>
        <source>Tenor clef</source>
        <translation>Clé d’ut 4e ligne</translation>
    </message>
    <message>
        <source>Treble clef</source>
        <translation>Clé de sol</translation>
    </message>
    <message>
        <source>minor keys</source>
        <translation>tonalités mineures</translation>
    </message>
    <message>
        <source>major keys</source>
        <translation>tonalités majeures</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>What the window shows: &quot;Bass clef, minor keys&quot;.</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1%</source>
        <extracomment>A percentage: &quot;85%&quot;, as your language writes it.</extracomment>
        <translation>%1&#x202f;%</translation>
    </message>
    <message>
        <source>%1 s</source>
        <extracomment>A time in seconds with one decimal: &quot;2.4 s&quot;.</extracomment>
        <translation>%1&#xa0;s</translation>
    </message>
    <message>
        <source>%1% or more right</source>
        <translation>%1&#x202f;% de réussite ou plus</translation>
    </message>
    <message>
        <source>%1 to %2% right</source>
        <translation>De %1 à %2&#x202f;% de réussite</translation>
    </message>
    <message>
        <source>Under %1% right</source>
        <translation>Moins de %1&#x202f;% de réussite</translation>
    </message>
    <message>
        <source>Not asked yet</source>
        <translation>Pas encore demandée</translation>
    </message>
    <message>
        <source>Slower than %1 on average</source>
        <translation>Plus de %1 en moyenne</translation>
    </message>
</context>
<context>
    <name>ProgressWindow</name>
    <message>
        <source>My progress</source>
        <translation>Ma progression</translation>
    </message>
    <message>
        <source>&amp;This run</source>
        <translation>Cette &amp;séance</translation>
    </message>
    <message>
        <source>&amp;Whole record</source>
        <translation>&amp;Tout l’historique</translation>
    </message>
    <message>
        <source>No record is kept: only this run&apos;s answers can be shown.</source>
        <translation>Aucun historique n’est conservé&#xa0;: seules les réponses de cette séance peuvent être affichées.</translation>
    </message>
</context>
<context>
    <name>QuizChart</name>
    <message>
        <source>Scores of the last quizzes</source>
        <translation>Résultats des derniers quiz</translation>
    </message>
    <message>
        <source>No quiz finished yet</source>
        <translation>Aucun quiz terminé pour l’instant</translation>
    </message>
    <message>
        <source>One quiz: %1 right</source>
        <translation>Un quiz&#xa0;: %1 de réussite</translation>
    </message>
    <message numerus="yes">
        <source>Last %n quizzes: lowest %1, highest %2, latest %3</source>
        <translation>
            <numerusform>Dernier quiz&#xa0;: minimum %1, maximum %2, dernier %3</numerusform>
            <numerusform>Les %n derniers quiz&#xa0;: minimum %1, maximum %2, dernier %3</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Record</name>
    <message>
        <source>Your record cannot be kept: %1 is a folder, not a file. Duridaz goes on without storing your answers.</source>
        <translation>Votre historique ne peut pas être conservé&#xa0;: %1 est un dossier, pas un fichier. Duridaz continue sans enregistrer vos réponses.</translation>
    </message>
    <message>
        <source>Your record cannot be kept: the folder for %1 cannot be made. Duridaz goes on without storing your answers.</source>
        <translation>Votre historique ne peut pas être conservé&#xa0;: le dossier de %1 ne peut pas être créé. Duridaz continue sans enregistrer vos réponses.</translation>
    </message>
    <message>
        <source>Your record in %1 was written by a newer version of Duridaz. It is left as it is, and this version stores nothing.</source>
        <translation>Votre historique dans %1 a été écrit par une version plus récente de Duridaz. Il est laissé tel quel, et cette version n’enregistre rien.</translation>
    </message>
    <message>
        <source>Your record in %1 was damaged. It is kept as %2, and a new record has been started.</source>
        <translation>Votre historique dans %1 était endommagé. Il est conservé sous le nom %2, et un nouvel historique a été commencé.</translation>
    </message>
    <message>
        <source>Your record in %1 is damaged and could not be moved aside (%2). It is left where it is, and Duridaz goes on without storing your answers.</source>
        <translation>Votre historique dans %1 est endommagé et n’a pas pu être mis de côté (%2). Il reste où il est, et Duridaz continue sans enregistrer vos réponses.</translation>
    </message>
    <message>
        <source>Your record cannot be kept: %1 or its folder is read-only. Duridaz goes on without storing your answers.</source>
        <translation>Votre historique ne peut pas être conservé&#xa0;: %1 ou son dossier est en lecture seule. Duridaz continue sans enregistrer vos réponses.</translation>
    </message>
    <message>
        <source>Your record cannot be kept: the disk that holds %1 is full. Duridaz goes on without storing your answers.</source>
        <translation>Votre historique ne peut pas être conservé&#xa0;: le disque qui contient %1 est plein. Duridaz continue sans enregistrer vos réponses.</translation>
    </message>
    <message>
        <source>Your record cannot be kept in %1 (%2). Duridaz goes on without storing your answers.</source>
        <translation>Votre historique ne peut pas être conservé dans %1 (%2). Duridaz continue sans enregistrer vos réponses.</translation>
    </message>
    <message>
        <source>%1 could not be deleted (%2).</source>
        <translation>%1 n’a pas pu être supprimé (%2).</translation>
    </message>
    <message>
        <source>A new quiz could not be stored in %1 (%2). Duridaz goes on without storing your answers.</source>
        <translation>Un nouveau quiz n’a pas pu être enregistré dans %1 (%2). Duridaz continue sans enregistrer vos réponses.</translation>
    </message>
    <message>
        <source>An answer could not be stored in %1 (%2). Duridaz goes on without storing your answers.</source>
        <translation>Une réponse n’a pas pu être enregistrée dans %1 (%2). Duridaz continue sans enregistrer vos réponses.</translation>
    </message>
</context>
<context>
    <name>Session</name>
    <message>
        <source>Keep my record</source>
        <translation>Conserver mon historique</translation>
    </message>
    <message>
        <source>Your answers are kept in %1 and your settings in %2. Delete them too?</source>
        <translation>Vos réponses sont conservées dans %1 et vos réglages dans %2. Les supprimer aussi&#x202f;?</translation>
    </message>
    <message>
        <source>Delete them</source>
        <translation>Les supprimer</translation>
    </message>
    <message>
        <source>Keep the files</source>
        <translation>Garder les fichiers</translation>
    </message>
</context>
<context>
    <name>SettingsFile</name>
    <message>
        <source>The settings in %1 could not be understood, so Duridaz starts with its usual settings. The file is replaced when the settings are next saved.</source>
        <translation>Les réglages de %1 sont incompréhensibles&#xa0;: Duridaz démarre donc avec ses réglages habituels. Le fichier sera remplacé au prochain enregistrement des réglages.</translation>
    </message>
    <message>
        <source>The settings in %1 could not be read, so Duridaz starts with its usual settings.</source>
        <translation>Les réglages de %1 n’ont pas pu être lus&#xa0;: Duridaz démarre donc avec ses réglages habituels.</translation>
    </message>
    <message>
        <source>The settings could not be saved: the folder %1 cannot be made.</source>
        <translation>Les réglages n’ont pas pu être enregistrés&#xa0;: le dossier %1 ne peut pas être créé.</translation>
    </message>
    <message>
        <source>The settings could not be saved in %1 (%2).</source>
        <translation>Les réglages n’ont pas pu être enregistrés dans %1 (%2).</translation>
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
            <numerusform>%n dièse</numerusform>
            <numerusform>%n dièses</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n flats</source>
        <translation>
            <numerusform>%n bémol</numerusform>
            <numerusform>%n bémols</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>WindowMenu</name>
    <message>
        <source>&amp;Clef</source>
        <translation>&amp;Clé</translation>
    </message>
    <message>
        <source>&amp;Treble</source>
        <translation>Clé de &amp;sol</translation>
    </message>
    <message>
        <source>&amp;Bass</source>
        <translation>Clé de &amp;fa</translation>
    </message>
    <message>
        <source>&amp;Alto</source>
        <translation>Clé d’&amp;ut 3e ligne</translation>
    </message>
    <message>
        <source>T&amp;enor</source>
        <translation>Clé d’ut &amp;4e ligne</translation>
    </message>
    <message>
        <source>&amp;Keys</source>
        <translation>&amp;Tonalités</translation>
    </message>
    <message>
        <source>&amp;Major</source>
        <translation>&amp;Majeures</translation>
    </message>
    <message>
        <source>M&amp;inor</source>
        <translation>M&amp;ineures</translation>
    </message>
    <message>
        <source>&amp;About Duridaz</source>
        <translation>À &amp;propos de Duridaz</translation>
    </message>
    <message>
        <source>Keep my &amp;record</source>
        <translation>Conserver mon &amp;historique</translation>
    </message>
    <message>
        <source>&amp;Practise the keys I miss</source>
        <translation>Tra&amp;vailler les tonalités manquées</translation>
    </message>
    <message>
        <source>My pro&amp;gress…</source>
        <translation>Mes pro&amp;grès…</translation>
    </message>
</context>
</TS>
