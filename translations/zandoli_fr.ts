<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>About</name>
    <message>
        <source>About %1</source>
        <translation>À propos de %1</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>A card game for one to four players that teaches that %1, %2, 1/2 and a half-shaded tile are the same number.</source>
        <translation>Un jeu de cartes de 1 à 4 joueurs qui montre que %1&#xa0;; %2&#xa0;; 1/2 et un quadrillage colorié à moitié représentent le même nombre.</translation>
    </message>
    <message>
        <source>How to play</source>
        <translation>Comment jouer</translation>
    </message>
    <message>
        <source>Licence</source>
        <translation>Licence</translation>
    </message>
    <message>
        <source>%1 is free software: you can redistribute it and/or modify it under the terms of the GNU General Public License as published by the Free Software Foundation, either version 3 of the License, or (at your option) any later version (%2). It comes with no warranty.</source>
        <translation>%1 est un logiciel libre&#xa0;: vous pouvez le redistribuer et/ou le modifier selon les termes de la Licence publique générale GNU telle que publiée par la Free Software Foundation, soit la version 3 de la licence, soit (à votre choix) toute version ultérieure (%2). Il est fourni sans aucune garantie.</translation>
    </message>
    <message>
        <source>Read the licence: </source>
        <translation>Lire la licence&#xa0;: </translation>
    </message>
    <message>
        <source>on this computer</source>
        <translation>sur cet ordinateur</translation>
    </message>
    <message>
        <source> (Debian and systems like it) or </source>
        <translation> (Debian et les systèmes semblables) ou </translation>
    </message>
    <message>
        <source>on the web</source>
        <translation>sur le Web</translation>
    </message>
    <message>
        <source>Credits</source>
        <translation>Crédits</translation>
    </message>
    <message>
        <source>Made by the Zandoli developers.</source>
        <translation>Réalisé par les développeurs de Zandoli.</translation>
    </message>
    <message>
        <source>Every picture, sound and text of the game, this page and the printable rules included, is made by the game&apos;s own code.</source>
        <translation>Chaque image, chaque son et chaque texte du jeu, y compris cette page et les règles à imprimer, est créé par le code du jeu lui-même.</translation>
    </message>
</context>
<context>
    <name>Cards</name>
    <message>
        <source>one tenth</source>
        <translation>un dixième</translation>
    </message>
    <message>
        <source>one fifth</source>
        <translation>un cinquième</translation>
    </message>
    <message>
        <source>one quarter</source>
        <translation>un quart</translation>
    </message>
    <message>
        <source>three tenths</source>
        <translation>trois dixièmes</translation>
    </message>
    <message>
        <source>two fifths</source>
        <translation>deux cinquièmes</translation>
    </message>
    <message>
        <source>one half</source>
        <translation>un demi</translation>
    </message>
    <message>
        <source>three fifths</source>
        <translation>trois cinquièmes</translation>
    </message>
    <message>
        <source>seven tenths</source>
        <translation>sept dixièmes</translation>
    </message>
    <message>
        <source>three quarters</source>
        <translation>trois quarts</translation>
    </message>
    <message>
        <source>four fifths</source>
        <translation>quatre cinquièmes</translation>
    </message>
    <message>
        <source>nine tenths</source>
        <translation>neuf dixièmes</translation>
    </message>
    <message>
        <source>one whole</source>
        <translation>une unité</translation>
    </message>
    <message>
        <source>%1, as a whole number: %2</source>
        <translation>%1, en nombre entier&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1, as a decimal: %2</source>
        <translation>%1, en écriture décimale&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1, as a percentage: %2 percent</source>
        <translation>%1, en pourcentage&#xa0;: %2 pour cent</translation>
    </message>
    <message>
        <source>%1, as a fraction: %2 over %3</source>
        <translation>%1, en fraction&#xa0;: %2 sur %3</translation>
    </message>
    <message numerus="yes">
        <source>%1, as a tile with %n of 20 squares shaded</source>
        <translation>
            <numerusform>%1, en quadrillage de 20 cases dont %n coloriée</numerusform>
            <numerusform>%1, en quadrillage de 20 cases dont %n coloriées</numerusform>
        </translation>
    </message>
    <message>
        <source>star on red: discard any one card</source>
        <translation>étoile sur fond rouge&#xa0;: défausse une carte de ton choix</translation>
    </message>
    <message>
        <source>star on blue: take a card from the pack</source>
        <translation>étoile sur fond bleu&#xa0;: pioche une carte</translation>
    </message>
    <message>
        <source>half shaded</source>
        <translation>forme coloriée à moitié</translation>
    </message>
    <message>
        <source>all shaded</source>
        <translation>forme entièrement coloriée</translation>
    </message>
    <message>
        <source>%1 shaded</source>
        <translation>forme coloriée (%1)</translation>
    </message>
</context>
<context>
    <name>Exchange</name>
    <message>
        <source>cannot write %1</source>
        <translation>impossible d’écrire %1</translation>
    </message>
    <message>
        <source>1 game</source>
        <translation>1 partie</translation>
    </message>
    <message numerus="yes">
        <source>%n games</source>
        <translation>
            <numerusform>%n partie</numerusform>
            <numerusform>%n parties</numerusform>
        </translation>
    </message>
    <message>
        <source>a game</source>
        <translation>une partie</translation>
    </message>
    <message>
        <source>a player</source>
        <translation>un joueur</translation>
    </message>
    <message>
        <source>a choice</source>
        <translation>un choix</translation>
    </message>
    <message>
        <source>%1 is not a Zandoli? record</source>
        <translation>%1 n’est pas un fichier de résultats de Zandoli?</translation>
    </message>
    <message>
        <source>%1 is damaged</source>
        <translation>%1 est endommagé</translation>
    </message>
    <message>
        <source>%1 was written by a newer version of Zandoli?; update this one first</source>
        <translation>%1 a été écrit par une version plus récente de Zandoli?&#xa0;; mettez d’abord celle-ci à jour</translation>
    </message>
    <message>
        <source>%1 holds %2 this version cannot read</source>
        <translation>%1 contient %2 que cette version ne sait pas lire</translation>
    </message>
    <message>
        <source>%1 holds a name that is not text</source>
        <translation>%1 contient un nom qui n’est pas du texte</translation>
    </message>
    <message>
        <source>no game has been recorded on this computer yet</source>
        <translation>aucune partie n’a encore été enregistrée sur cet ordinateur</translation>
    </message>
    <message>
        <source>wrote %1 to %2</source>
        <translation>fichier %2 écrit&#xa0;: %1</translation>
    </message>
    <message>
        <source>%1 cannot be read</source>
        <translation>impossible de lire %1</translation>
    </message>
    <message>
        <source>%1 is too large to be a Zandoli? record</source>
        <translation>%1 est trop grand pour être un fichier de résultats de Zandoli?</translation>
    </message>
    <message>
        <source>cannot write the record %1</source>
        <translation>impossible d’écrire les résultats dans %1</translation>
    </message>
    <message>
        <source>%1: %2 added, %3 already here</source>
        <translation>%1&#xa0;: %2 en plus, %3 déjà là</translation>
    </message>
    <message>
        <source>%1: %2 added</source>
        <translation>%1&#xa0;: %2 en plus</translation>
    </message>
    <message>
        <source>wrote 1 row to %1</source>
        <translation>1 ligne écrite dans %1</translation>
    </message>
    <message>
        <source>wrote %1 rows to %2</source>
        <translation>%1 lignes écrites dans %2</translation>
    </message>
    <message>
        <source>--import needs a file: zandoli --import FILE.zandoli</source>
        <translation>--import demande un fichier&#xa0;: zandoli --import FICHIER.zandoli</translation>
    </message>
    <message>
        <source>--export needs a file ending in .pdf, .csv or .zandoli</source>
        <translation>--export demande un fichier en .pdf, .csv ou .zandoli</translation>
    </message>
    <message>
        <source>no period &quot;%1&quot;: it is today, week, term or all</source>
        <translation>période «&#xa0;%1&#xa0;» inconnue&#xa0;: today, week, term ou all</translation>
    </message>
    <message>
        <source>%1: the file&apos;s name ends in .pdf, .csv or .zandoli</source>
        <translation>%1&#xa0;: le nom du fichier doit se terminer par .pdf, .csv ou .zandoli</translation>
    </message>
    <message>
        <source>the record could not be read</source>
        <translation>les résultats n’ont pas pu être lus</translation>
    </message>
    <message>
        <source>--practice needs the name of a pupil</source>
        <translation>--practice demande le nom d’un élève</translation>
    </message>
</context>
<context>
    <name>Explain</name>
    <message>
        <source>Spinner</source>
        <translation>La roue</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>In your hand</source>
        <translation>Dans ta main</translation>
    </message>
    <message>
        <source>Your card</source>
        <translation>Ta carte</translation>
    </message>
    <message>
        <source>The digits of a fraction are not tenths: %1 is not %2.</source>
        <translation>Les chiffres d’une fraction ne sont pas des dixièmes&#xa0;: %1 ne vaut pas %2.</translation>
    </message>
    <message>
        <source>You counted the white squares.</source>
        <translation>Tu as compté les cases blanches.</translation>
    </message>
    <message>
        <source>%1 is one tenth more than %2.</source>
        <translation>%1 vaut un dixième de plus que %2.</translation>
    </message>
    <message>
        <source>%1 is one tenth less than %2.</source>
        <translation>%1 vaut un dixième de moins que %2.</translation>
    </message>
    <message>
        <source>%1 and %2 begin with the same digit, but %1 is more than %2.</source>
        <translation>%1 et %2 ont le même chiffre des dixièmes, mais %1 est plus grand que %2.</translation>
    </message>
    <message>
        <source>%1 and %2 begin with the same digit, but %1 is less than %2.</source>
        <translation>%1 et %2 ont le même chiffre des dixièmes, mais %1 est plus petit que %2.</translation>
    </message>
    <message>
        <source>%1 is more than %2.</source>
        <translation>%1 est plus grand que %2.</translation>
    </message>
    <message>
        <source>%1 is less than %2.</source>
        <translation>%1 est plus petit que %2.</translation>
    </message>
    <message>
        <source>The shaded part is %1 of 20: %2.</source>
        <translation>La partie coloriée fait %1&#xa0;cases sur&#xa0;20&#xa0;: %2.</translation>
    </message>
    <message>
        <source>Your card shades %1 of 20.</source>
        <translation>Ta carte en colorie %1 sur&#xa0;20.</translation>
    </message>
    <message>
        <source>Your card, %1, is %2 of 20.</source>
        <translation>Ta carte, %1, fait %2&#xa0;cases sur&#xa0;20.</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 et %2</translation>
    </message>
    <message>
        <source>, </source>
        <translation>&#xa0;; </translation>
    </message>
    <message>
        <source>Your card: %1.</source>
        <translation>Ta carte&#xa0;: %1.</translation>
    </message>
    <message>
        <source>You also had %1, the same as %2.</source>
        <translation>Tu avais aussi %1, de même valeur que %2.</translation>
    </message>
    <message>
        <source>Cards left in your hand: %1.</source>
        <translation>Cartes qui restent dans ta main&#xa0;: %1.</translation>
    </message>
    <message>
        <source>Spinner: %1.</source>
        <translation>Sur la roue&#xa0;: %1.</translation>
    </message>
    <message>
        <source>a tile with %1 of 20 shaded</source>
        <translation>un quadrillage de %1&#xa0;cases coloriées sur&#xa0;20</translation>
    </message>
</context>
<context>
    <name>Lesson</name>
    <message>
        <source>Every value, every form</source>
        <translation>Toutes les valeurs, toutes les formes</translation>
    </message>
    <message>
        <source>the lesson is locked on this computer; %1 is not played</source>
        <translation>la leçon est verrouillée sur cet ordinateur&#xa0;; %1 n’est pas utilisé</translation>
    </message>
    <message>
        <source>Halves, quarters and tenths</source>
        <translation>Demis, quarts et dixièmes</translation>
    </message>
    <message>
        <source>Tenths and quarters as decimals and percentages</source>
        <translation>Dixièmes et quarts en décimaux et pourcentages</translation>
    </message>
    <message>
        <source>Fifths and tenths as fractions and tiles</source>
        <translation>Cinquièmes et dixièmes en fractions et quadrillages</translation>
    </message>
    <message>
        <source>Lesson</source>
        <translation>Leçon</translation>
    </message>
    <message>
        <source>Choose what the class plays: a lesson from the list, or the values and forms ticked below.</source>
        <translation>Choisissez les cartes distribuées à la classe&#xa0;: une leçon de la liste, ou les valeurs et les formes cochées ci-dessous.</translation>
    </message>
    <message>
        <source>Built-in lessons</source>
        <translation>Leçons du jeu</translation>
    </message>
    <message>
        <source>Built-in lessons:</source>
        <translation>Leçons du jeu&#xa0;:</translation>
    </message>
    <message>
        <source>Name of the lesson</source>
        <translation>Nom de la leçon</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nom&#xa0;:</translation>
    </message>
    <message>
        <source>Cards of these values:</source>
        <translation>Cartes de ces valeurs&#xa0;:</translation>
    </message>
    <message>
        <source>Cards in these forms:</source>
        <translation>Cartes sous ces formes&#xa0;:</translation>
    </message>
    <message>
        <source>none</source>
        <translation>aucun</translation>
    </message>
    <message>
        <source>Class code</source>
        <translation>Code de classe</translation>
    </message>
    <message>
        <source>letters and digits: every computer with the same code deals the same games</source>
        <translation>lettres et chiffres&#xa0;: tous les ordinateurs qui ont le même code distribuent les mêmes parties</translation>
    </message>
    <message>
        <source>Class code:</source>
        <translation>Code de classe&#xa0;:</translation>
    </message>
    <message>
        <source>Open File…</source>
        <translation>Ouvrir un fichier…</translation>
    </message>
    <message>
        <source>Save as File…</source>
        <translation>Enregistrer dans un fichier…</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Type a name for the lesson.</source>
        <translation>Donnez un nom à la leçon.</translation>
    </message>
    <message>
        <source>No card has a value and a form ticked: tick another value or form.</source>
        <translation>Aucune carte n’a une valeur et une forme cochées&#xa0;: cochez une autre valeur ou forme.</translation>
    </message>
    <message>
        <source>Save the Lesson as a File</source>
        <translation>Enregistrer la leçon dans un fichier</translation>
    </message>
    <message>
        <source>Open a Lesson File</source>
        <translation>Ouvrir un fichier de leçon</translation>
    </message>
    <message>
        <source>Lessons (*.lesson);;All files (*)</source>
        <translation>Leçons (*.lesson);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Opened %1.</source>
        <translation>Fichier %1 ouvert.</translation>
    </message>
    <message>
        <source>Saved as %1.</source>
        <translation>Leçon enregistrée sous %1.</translation>
    </message>
    <message>
        <source>%1 could not be written.</source>
        <translation>Impossible d’écrire %1.</translation>
    </message>
    <message>
        <source>%1 cannot be read</source>
        <translation>impossible de lire %1</translation>
    </message>
    <message>
        <source>it is not a lesson: a lesson is a text file</source>
        <translation>ce n’est pas une leçon&#xa0;: une leçon est un fichier texte</translation>
    </message>
    <message>
        <source>it is too large for a lesson (64 KiB at most)</source>
        <translation>il est trop gros pour une leçon (64&#xa0;Kio au plus)</translation>
    </message>
    <message>
        <source>no card has a value and a form of this lesson</source>
        <translation>aucune carte n’a une valeur et une forme de cette leçon</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a line of the form key = value</source>
        <translation>«&#xa0;%1&#xa0;» n’est pas une ligne de la forme clé = valeur</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a key of a lesson (name, values, forms, explain, sound, code)</source>
        <translation>«&#xa0;%1&#xa0;» n’est pas une clé de leçon (name, values, forms, explain, sound, code)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is given twice</source>
        <translation>«&#xa0;%1&#xa0;» est donné deux fois</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a value of the game (1/10 to 9/10, 1/5 to 4/5, 1/4, 1/2, 3/4, 1)</source>
        <translation>«&#xa0;%1&#xa0;» n’est pas une valeur du jeu (de 1/10 à 9/10&#xa0;; de 1/5 à 4/5&#xa0;; 1/4&#xa0;; 1/2&#xa0;; 3/4&#xa0;; 1)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a form (decimal, percent, fraction, tile, whole)</source>
        <translation>«&#xa0;%1&#xa0;» n’est pas une forme (decimal, percent, fraction, tile, whole)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is neither on nor off</source>
        <translation>«&#xa0;%1&#xa0;» n’est ni on ni off</translation>
    </message>
    <message>
        <source>the name must be 1 to 60 characters</source>
        <translation>le nom doit avoir de 1 à 60 caractères</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a class code: 1 to 12 letters and digits</source>
        <translation>«&#xa0;%1&#xa0;» n’est pas un code de classe&#xa0;: de 1 à 12 lettres et chiffres</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>ligne %1&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>Names</name>
    <message>
        <source>Player Names</source>
        <translation>Noms des joueurs</translation>
    </message>
    <message>
        <source>The results show each player by this name. Leave it empty for the colour.</source>
        <translation>Dans les résultats, chaque joueur apparaît sous ce nom. Laisse le champ vide pour garder le nom de sa couleur.</translation>
    </message>
    <message>
        <source>%1 player&apos;s name</source>
        <translation>nom du joueur %1</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>Record</name>
    <message>
        <source>Took the unshaded part for the shaded part</source>
        <translation>A pris la partie non coloriée pour la partie coloriée</translation>
    </message>
    <message>
        <source>Read the digits of a fraction as a decimal</source>
        <translation>A lu les chiffres d’une fraction comme un nombre décimal</translation>
    </message>
    <message>
        <source>One tenth away from the value</source>
        <translation>À un dixième de la valeur</translation>
    </message>
    <message>
        <source>Confused a percentage or decimal with another of the same tenths</source>
        <translation>A confondu deux nombres qui ont le même chiffre des dixièmes</translation>
    </message>
    <message>
        <source>Another value</source>
        <translation>Une autre valeur</translation>
    </message>
    <message>
        <source>Passed by a card of the value</source>
        <translation>A laissé passer une carte de la bonne valeur</translation>
    </message>
</context>
<context>
    <name>Report</name>
    <message>
        <source>no game was recorded in this period</source>
        <translation>aucune partie n’a été enregistrée pendant cette période</translation>
    </message>
    <message>
        <source>%1 played no game in this period</source>
        <translation>%1 n’a joué aucune partie pendant cette période</translation>
    </message>
    <message>
        <source>wrote a page for 1 pupil to %1</source>
        <translation>une page pour 1 élève écrite dans %1</translation>
    </message>
    <message>
        <source>wrote a page for each of %1 pupils to %2</source>
        <translation>une page pour chacun des %1 élèves écrite dans %2</translation>
    </message>
    <message>
        <source>d MMMM yyyy</source>
        <translation>d MMMM yyyy</translation>
    </message>
    <message>
        <source>All games recorded: %1</source>
        <translation>Toutes les parties enregistrées&#xa0;: %1</translation>
    </message>
    <message>
        <source>Games since %1: %2</source>
        <translation>Parties depuis le %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Week of %1: %2 matched, %3 wrong, %4 missed</source>
        <translation>Semaine du %1&#xa0;: trouvées %2, erreurs %3, oubliées %4</translation>
    </message>
    <message>
        <source>(%1 matched, %2 wrong, %3 missed on the week before)</source>
        <translation>(trouvées %1, erreurs %2, oubliées %3 par rapport à la semaine précédente)</translation>
    </message>
    <message>
        <source>Zandoli? — what %1 learned</source>
        <translation>Zandoli? — ce qu’a appris %1</translation>
    </message>
    <message>
        <source>Week by week</source>
        <translation>Semaine après semaine</translation>
    </message>
    <message>
        <source>Mistakes</source>
        <translation>Erreurs</translation>
    </message>
    <message>
        <source>Zandoli? report</source>
        <translation>Bilan de Zandoli?</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Aujourd’hui</translation>
    </message>
    <message>
        <source>This Week</source>
        <translation>Cette semaine</translation>
    </message>
    <message>
        <source>This Term (12 Weeks)</source>
        <translation>Ce trimestre (12 semaines)</translation>
    </message>
    <message>
        <source>All Games</source>
        <translation>Toutes les parties</translation>
    </message>
    <message>
        <source>Teacher&apos;s Report</source>
        <translation>Bilan pour l’enseignant</translation>
    </message>
    <message>
        <source>Period</source>
        <translation>Période</translation>
    </message>
    <message>
        <source>Pupil</source>
        <translation>Élève</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Pages</translation>
    </message>
    <message>
        <source>Save as PDF…</source>
        <translation>Enregistrer en PDF…</translation>
    </message>
    <message>
        <source>save the pages shown as a PDF to print</source>
        <translation>enregistrer les pages affichées en PDF, pour les imprimer</translation>
    </message>
    <message>
        <source>Save for a Spreadsheet…</source>
        <translation>Enregistrer pour un tableur…</translation>
    </message>
    <message>
        <source>save every choice of the period as a CSV file, a row a choice</source>
        <translation>enregistrer chaque choix de la période dans un fichier CSV, une ligne par choix</translation>
    </message>
    <message>
        <source>close the report</source>
        <translation>fermer le bilan</translation>
    </message>
    <message>
        <source>Every Pupil</source>
        <translation>Tous les élèves</translation>
    </message>
    <message>
        <source>No game was recorded in this period.</source>
        <translation>Aucune partie n’a été enregistrée pendant cette période.</translation>
    </message>
    <message>
        <source>Save as PDF</source>
        <translation>Enregistrer en PDF</translation>
    </message>
    <message>
        <source>Zandoli report.pdf</source>
        <translation>Bilan Zandoli.pdf</translation>
    </message>
    <message>
        <source>PDF documents (*.pdf)</source>
        <translation>Documents PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Save for a Spreadsheet</source>
        <translation>Enregistrer pour un tableur</translation>
    </message>
    <message>
        <source>Zandoli choices.csv</source>
        <translation>Choix Zandoli.csv</translation>
    </message>
    <message>
        <source>CSV files for spreadsheets (*.csv)</source>
        <translation>Fichiers CSV pour tableur (*.csv)</translation>
    </message>
    <message>
        <source>Confusions</source>
        <translation>Confusions</translation>
    </message>
    <message>
        <source>Resolved in this period: %1</source>
        <translation>Résolues pendant cette période&#xa0;: %1</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Lessons: %1</source>
        <translation>Leçons&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>Results</name>
    <message>
        <source>Bars: filled for cards matched, hatched for wrong cards, outlined for cards missed</source>
        <translation>Barres&#xa0;: pleines pour les cartes trouvées, hachurées pour les erreurs, vides pour les cartes oubliées</translation>
    </message>
    <message>
        <source>matched</source>
        <translation>trouvées</translation>
    </message>
    <message>
        <source>wrong</source>
        <translation>erreurs</translation>
    </message>
    <message>
        <source>missed</source>
        <translation>oubliées</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Résultats</translation>
    </message>
    <message>
        <source>No game has been recorded yet.</source>
        <translation>Aucune partie n’a encore été enregistrée.</translation>
    </message>
    <message>
        <source>Previous Game</source>
        <translation>Partie précédente</translation>
    </message>
    <message>
        <source>the results of the game before</source>
        <translation>les résultats de la partie d’avant</translation>
    </message>
    <message>
        <source>Next Game</source>
        <translation>Partie suivante</translation>
    </message>
    <message>
        <source>the results of the game after</source>
        <translation>les résultats de la partie d’après</translation>
    </message>
    <message>
        <source>Forget All Results</source>
        <translation>Effacer les résultats</translation>
    </message>
    <message>
        <source>delete every game recorded on this computer, after asking</source>
        <translation>effacer toutes les parties enregistrées sur cet ordinateur, après confirmation</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Retour</translation>
    </message>
    <message>
        <source>close the results</source>
        <translation>fermer les résultats</translation>
    </message>
    <message>
        <source>No mistakes</source>
        <translation>Aucune erreur</translation>
    </message>
    <message>
        <source>Forget the results of every game played on this computer? This cannot be undone.</source>
        <translation>Effacer les résultats de toutes les parties jouées sur cet ordinateur&#xa0;? On ne pourra pas les retrouver.</translation>
    </message>
    <message>
        <source>once</source>
        <translation>une fois</translation>
    </message>
    <message>
        <source>twice</source>
        <translation>deux fois</translation>
    </message>
    <message numerus="yes">
        <source>%n times</source>
        <translation>
            <numerusform>%n fois</numerusform>
            <numerusform>%n fois</numerusform>
        </translation>
    </message>
    <message>
        <source>1 spin</source>
        <translation>1 lancer</translation>
    </message>
    <message numerus="yes">
        <source>%n spins</source>
        <translation>
            <numerusform>%n lancer</numerusform>
            <numerusform>%n lancers</numerusform>
        </translation>
    </message>
    <message>
        <source>whole cards</source>
        <translation>nombres entiers</translation>
    </message>
    <message>
        <source>decimals</source>
        <translation>nombres décimaux</translation>
    </message>
    <message>
        <source>percentages</source>
        <translation>pourcentages</translation>
    </message>
    <message>
        <source>fractions</source>
        <translation>fractions</translation>
    </message>
    <message>
        <source>tiles</source>
        <translation>quadrillages</translation>
    </message>
    <message>
        <source>%1: %2 matched, %3 wrong, %4 missed</source>
        <translation>%1 (trouvées&#xa0;: %2, erreurs&#xa0;: %3, oubliées&#xa0;: %4)</translation>
    </message>
    <message>
        <source>no card judged</source>
        <translation>aucune carte jouée</translation>
    </message>
    <message>
        <source>; </source>
        <translation>&#xa0;; </translation>
    </message>
    <message>
        <source>%1: %2. %3.</source>
        <translation>%1&#xa0;: %2. %3.</translation>
    </message>
    <message>
        <source>%1 matched
%2 wrong
%3 missed</source>
        <translation>trouvées&#xa0;: %1
erreurs&#xa0;: %2
oubliées&#xa0;: %3</translation>
    </message>
    <message>
        <source>Missed %1: %2. The spinner showed %3.</source>
        <translation>Carte oubliée %1&#xa0;: %2. Sur la roue&#xa0;: %3.</translation>
    </message>
    <message>
        <source>%1, %2. The spinner showed %3; pressed: %4.</source>
        <translation>%1, %2. Sur la roue&#xa0;: %3&#xa0;; carte choisie&#xa0;: %4.</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>dddd d MMMM yyyy, HH:mm</source>
        <translation>dddd d MMMM yyyy, HH&apos; h &apos;mm</translation>
    </message>
    <message>
        <source>under a minute</source>
        <translation>moins d’une minute</translation>
    </message>
    <message>
        <source>1 minute</source>
        <translation>1 minute</translation>
    </message>
    <message numerus="yes">
        <source>%n minutes</source>
        <translation>
            <numerusform>%n minute</numerusform>
            <numerusform>%n minutes</numerusform>
        </translation>
    </message>
    <message>
        <source>won</source>
        <translation>gagnée</translation>
    </message>
    <message>
        <source>%1 won</source>
        <translation>%1 a gagné</translation>
    </message>
    <message>
        <source>not finished</source>
        <translation>pas terminée</translation>
    </message>
    <message>
        <source> · </source>
        <translation> · </translation>
    </message>
    <message>
        <source>Report</source>
        <translation>Bilan</translation>
    </message>
    <message>
        <source>the teacher&apos;s report: each pupil&apos;s page over a period, to print or save</source>
        <translation>le bilan pour l’enseignant&#xa0;: la page de chaque élève sur une période, à imprimer ou à enregistrer</translation>
    </message>
    <message>
        <source>The record could not be read.</source>
        <translation>Les résultats n’ont pas pu être lus.</translation>
    </message>
    <message>
        <source>%1 (%2) passed by at %3</source>
        <translation>%1 (%2) oubliée sur %3</translation>
    </message>
    <message>
        <source>%1 (%2) for %3</source>
        <translation>%1 (%2) pour %3</translation>
    </message>
    <message>
        <source>whole card</source>
        <translation>unité</translation>
    </message>
    <message>
        <source>decimal</source>
        <translation>nombre décimal</translation>
    </message>
    <message>
        <source>percentage</source>
        <translation>pourcentage</translation>
    </message>
    <message>
        <source>fraction</source>
        <translation>fraction</translation>
    </message>
    <message>
        <source>tile</source>
        <translation>quadrillage</translation>
    </message>
    <message>
        <source>new</source>
        <translation>nouvelle</translation>
    </message>
    <message>
        <source>still there, 1 session</source>
        <translation>toujours là, 1 séance</translation>
    </message>
    <message numerus="yes">
        <source>still there, %n sessions</source>
        <translation>
            <numerusform>toujours là, %n séance</numerusform>
            <numerusform>toujours là, %n séances</numerusform>
        </translation>
    </message>
    <message>
        <source>resolved on %1</source>
        <translation>résolue le %1</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1: %2. Box %3 of 3; %4.</source>
        <translation>%1&#xa0;: %2. Boîte %3 sur 3&#xa0;; %4.</translation>
    </message>
    <message>
        <source>Practice</source>
        <translation>S’entraîner</translation>
    </message>
    <message>
        <source>a one-player game for %1, dealt from what %1 confuses</source>
        <translation>une partie en solo pour %1, distribuée à partir de ce que %1 confond</translation>
    </message>
    <message>
        <source>Confusions: %1</source>
        <translation>Confusions&#xa0;: %1</translation>
    </message>
    <message>
        <source>%1: %2. Resolved on %3.</source>
        <translation>%1&#xa0;: %2. Résolue le %3.</translation>
    </message>
</context>
<context>
    <name>Rules</name>
    <message>
        <source>The Rules of Zandoli?</source>
        <translation>Les règles de Zandoli?</translation>
    </message>
    <message>
        <source>THE RULES</source>
        <translation>LES RÈGLES</translation>
    </message>
    <message>
        <source>Zandoli? is designed for 1 - 4 players. To begin the game, click on the button showing the correct number of players. Play runs in the following sequence: Blue, Yellow, Magenta, Green.</source>
        <translation>Zandoli? se joue de 1 à 4 joueurs. Pour commencer la partie, clique sur le bouton qui indique le nombre de joueurs. On joue dans l’ordre suivant&#xa0;: Bleu, Jaune, Magenta, Vert.</translation>
    </message>
    <message>
        <source>The computer shuffles the cards and deals 7 cards to each player. The smaller card towards the top of the screen represents the rest of the pack of cards.</source>
        <translation>L’ordinateur mélange les cartes et en distribue 7 à chaque joueur. La petite carte en haut de l’écran représente le reste de la pioche.</translation>
    </message>
    <message>
        <source>Players take it in turns to spin the spinner. If the spinner points to a shaded shape, the player can discard all their equivalent cards. To do this the player clicks on the card and it will disappear. For example, if the shape is half shaded, the player can click on the cards showing %1, %2, 1/2 or the half shaded tile card to discard them. If the player clicks on an incorrect card, their turn ends and the turn passes to the next player.</source>
        <translation>Chacun à son tour, les joueurs font tourner la roue. Si la flèche s’arrête sur une forme coloriée, le joueur peut se défausser de toutes ses cartes de cette valeur. Pour cela, il clique sur chaque carte, qui disparaît. Par exemple, si la forme est coloriée à moitié, le joueur peut cliquer sur les cartes qui montrent %1&#xa0;; %2&#xa0;; 1/2 ou le quadrillage colorié à moitié pour s’en défausser. Si le joueur clique sur une mauvaise carte, son tour s’arrête et c’est au joueur suivant de jouer.</translation>
    </message>
    <message>
        <source>If the spinner points to a star on a blue background, the player must pick up another card from the pack. The player does this by clicking on the small card towards the top of the screen representing the pack.</source>
        <translation>Si la flèche s’arrête sur une étoile sur fond bleu, le joueur doit piocher une carte. Pour cela, il clique sur la petite carte en haut de l’écran, qui représente la pioche.</translation>
    </message>
    <message>
        <source>If the spinner points to a star on a red background, the player can discard any one of their cards by clicking on it.</source>
        <translation>Si la flèche s’arrête sur une étoile sur fond rouge, le joueur peut se défausser d’une carte de son choix en cliquant dessus.</translation>
    </message>
    <message>
        <source>When a player has completed their turn, they should click the &apos;Next Player&apos; button.</source>
        <translation>Quand un joueur a fini son tour, il clique sur le bouton «&#xa0;Joueur suivant&#xa0;».</translation>
    </message>
    <message>
        <source>The first player to get rid of all their cards wins the game.</source>
        <translation>Le premier joueur qui se débarrasse de toutes ses cartes gagne la partie.</translation>
    </message>
    <message>
        <source>The same value, four ways</source>
        <translation>Quatre façons de représenter un même nombre</translation>
    </message>
    <message>
        <source>Decimal</source>
        <translation>Nombre décimal</translation>
    </message>
    <message>
        <source>Percentage</source>
        <translation>Pourcentage</translation>
    </message>
    <message>
        <source>Fraction</source>
        <translation>Fraction</translation>
    </message>
    <message>
        <source>Shaded squares out of 20</source>
        <translation>Quadrillage (cases coloriées sur 20)</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 sur %2</translation>
    </message>
    <message>
        <source>Open Rules Document for Printing</source>
        <translation>Ouvrir les règles à imprimer</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>close the rules</source>
        <translation>fermer les règles</translation>
    </message>
    <message>
        <source>open the rules document to print it</source>
        <translation>ouvrir le document des règles pour l’imprimer</translation>
    </message>
    <message>
        <source>The Rules</source>
        <translation>Les règles</translation>
    </message>
    <message>
        <source>Zandoli Rules.doc</source>
        <extracomment>The printable rules&apos; file name, shown in the word processor&apos;s title bar</extracomment>
        <translation>Règles de Zandoli.doc</translation>
    </message>
</context>
<context>
    <name>Setup</name>
    <message>
        <source>About Zandoli?</source>
        <translation>À propos de Zandoli?</translation>
    </message>
    <message>
        <source>The Rules</source>
        <translation>Les règles</translation>
    </message>
    <message>
        <source>Zandoli? logo: a half is %1 is %2 percent</source>
        <translation>logo de Zandoli?&#xa0;: un demi, %1 et %2 pour cent représentent le même nombre</translation>
    </message>
    <message>
        <source>Play Sound</source>
        <translation>Activer le son</translation>
    </message>
    <message>
        <source>Hide Desktop</source>
        <translation>Masquer le bureau</translation>
    </message>
    <message>
        <source>Select Number of Players</source>
        <translation>Choisis le nombre de joueurs</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Retour</translation>
    </message>
    <message>
        <source>show the rules of the game</source>
        <translation>afficher les règles du jeu</translation>
    </message>
    <message>
        <source>1 player</source>
        <translation>1 joueur</translation>
    </message>
    <message>
        <source>%1 players</source>
        <translation>%1 joueurs</translation>
    </message>
    <message>
        <source>Select Number of Players: start a game for %1</source>
        <translation>Choisis le nombre de joueurs&#xa0;: commencer une partie à %1</translation>
    </message>
    <message>
        <source>go back to the title screen</source>
        <translation>revenir à l’écran d’accueil</translation>
    </message>
    <message>
        <source>choose the number of players</source>
        <translation>choisir le nombre de joueurs</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Résultats</translation>
    </message>
    <message>
        <source>what each player learned in the games played</source>
        <translation>ce que chaque joueur a appris dans les parties jouées</translation>
    </message>
    <message>
        <source>Names</source>
        <translation>Noms</translation>
    </message>
    <message>
        <source>give each player a name for the results</source>
        <translation>donner un nom à chaque joueur pour les résultats</translation>
    </message>
    <message>
        <source>Explain Mistakes</source>
        <translation>Expliquer les erreurs</translation>
    </message>
    <message>
        <source>after a wrong card, show why, and wait until it is read</source>
        <translation>après une mauvaise carte, expliquer pourquoi et attendre que l’explication soit lue</translation>
    </message>
    <message>
        <source>Lesson…</source>
        <translation>Leçon…</translation>
    </message>
    <message>
        <source>choose the values and forms the class plays</source>
        <translation>choisir les valeurs et les formes des cartes distribuées à la classe</translation>
    </message>
    <message>
        <source>Lesson: %1</source>
        <translation>Leçon&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>Table</name>
    <message>
        <source>Blue to Play</source>
        <translation>Au tour de Bleu</translation>
    </message>
    <message>
        <source>Yellow to Play</source>
        <translation>Au tour de Jaune</translation>
    </message>
    <message>
        <source>Magenta to Play</source>
        <translation>Au tour de Magenta</translation>
    </message>
    <message>
        <source>Green to Play</source>
        <translation>Au tour de Vert</translation>
    </message>
    <message>
        <source>BLUE HAS WON!!!</source>
        <translation>BLEU A GAGNÉ&#xa0;!!!</translation>
    </message>
    <message>
        <source>YELLOW HAS WON!!!</source>
        <translation>JAUNE A GAGNÉ&#xa0;!!!</translation>
    </message>
    <message>
        <source>MAGENTA HAS WON!!!</source>
        <translation>MAGENTA A GAGNÉ&#xa0;!!!</translation>
    </message>
    <message>
        <source>GREEN HAS WON!!!</source>
        <translation>VERT A GAGNÉ&#xa0;!!!</translation>
    </message>
    <message>
        <source>TURN OVER</source>
        <translation>TOUR TERMINÉ</translation>
    </message>
    <message numerus="yes">
        <source>GAME WON IN %n SPINS!</source>
        <translation>
            <numerusform>PARTIE GAGNÉE EN %n LANCER&#xa0;!</numerusform>
            <numerusform>PARTIE GAGNÉE EN %n LANCERS&#xa0;!</numerusform>
        </translation>
    </message>
    <message>
        <source>save this game and go back to the title screen</source>
        <translation>enregistrer cette partie et revenir à l’écran d’accueil</translation>
    </message>
    <message>
        <source>YOU HAVE MADE AN INCORRECT CHOICE</source>
        <translation>TU AS FAIT UN MAUVAIS CHOIX</translation>
    </message>
    <message>
        <source>Spin the Spinner</source>
        <translation>Faire tourner la roue</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Nouvelle partie</translation>
    </message>
    <message>
        <source>Next Player</source>
        <translation>Joueur suivant</translation>
    </message>
    <message>
        <source>The Rules</source>
        <translation>Les règles</translation>
    </message>
    <message>
        <source>Number of Spins</source>
        <translation>Nombre de lancers</translation>
    </message>
    <message>
        <source>a card in your hand: press it to discard it when it matches the spinner. Keys: arrows to move between cards, Space or Enter to press</source>
        <translation>une carte de ta main&#xa0;: appuie dessus pour t’en défausser si elle correspond à la roue. Touches&#xa0;: les flèches pour passer d’une carte à l’autre, Espace ou Entrée pour appuyer</translation>
    </message>
    <message>
        <source>shuffle and deal a new game. Key: %1</source>
        <translation>mélanger et distribuer une nouvelle partie. Touche&#xa0;: %1</translation>
    </message>
    <message>
        <source>end your turn and hand over to the next player. Key: %1</source>
        <translation>finir ton tour et passer la main au joueur suivant. Touche&#xa0;: %1</translation>
    </message>
    <message>
        <source>show the rules of the game. Key: %1</source>
        <translation>afficher les règles du jeu. Touche&#xa0;: %1</translation>
    </message>
    <message>
        <source>the spinner</source>
        <translation>la roue</translation>
    </message>
    <message>
        <source>sixteen segments: shaded shapes, stars on red and a star on blue</source>
        <translation>seize secteurs&#xa0;: des formes coloriées, des étoiles sur fond rouge et une étoile sur fond bleu</translation>
    </message>
    <message>
        <source>the segment under the spinner&apos;s pointer</source>
        <translation>le secteur sous la flèche de la roue</translation>
    </message>
    <message>
        <source>take a card from the pack</source>
        <translation>piocher une carte</translation>
    </message>
    <message>
        <source>press it when the spinner shows the star on blue. Key: %1</source>
        <translation>appuie dessus quand la roue montre l’étoile sur fond bleu. Touche&#xa0;: %1</translation>
    </message>
    <message>
        <source>Take a card (key: %1)</source>
        <translation>Piocher une carte (touche&#xa0;: %1)</translation>
    </message>
    <message>
        <source>spin the spinner to start your turn. Key: %1</source>
        <translation>faire tourner la roue pour commencer ton tour. Touche&#xa0;: %1</translation>
    </message>
    <message>
        <source>no spins yet</source>
        <translation>pas encore de lancer</translation>
    </message>
    <message>
        <source>spinning</source>
        <translation>la roue tourne</translation>
    </message>
    <message>
        <source>the spinner&apos;s pointer, not spun yet</source>
        <translation>la flèche de la roue, qui n’a pas encore tourné</translation>
    </message>
    <message>
        <source>spinner: %1</source>
        <translation>roue&#xa0;: %1</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Bleu</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Jaune</translation>
    </message>
    <message>
        <source>Magenta</source>
        <translation>Magenta</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Vert</translation>
    </message>
    <message>
        <source>what each player matched, got wrong and missed in this game. Key: %1</source>
        <translation>ce que chaque joueur a trouvé, raté et oublié dans cette partie. Touche&#xa0;: %1</translation>
    </message>
    <message>
        <source>See the Results</source>
        <translation>Voir les résultats</translation>
    </message>
    <message>
        <source>Lesson: %1 · class %2, game %3</source>
        <translation>Leçon&#xa0;: %1 · classe %2, partie %3</translation>
    </message>
    <message>
        <source>Lesson: %1</source>
        <translation>Leçon&#xa0;: %1</translation>
    </message>
    <message>
        <source>Practice for %1: what %1 confuses</source>
        <translation>Entraînement de %1&#xa0;: ce que %1 confond</translation>
    </message>
    <message>
        <source>%1 has nothing to practise: an ordinary game</source>
        <translation>%1 n’a rien à travailler&#xa0;: une partie ordinaire</translation>
    </message>
</context>
<context>
    <name>Title</name>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Cards showing %1, %2 percent, 1 over 2 and a half-shaded tile, beside the spinner</source>
        <translation>des cartes qui montrent %1&#xa0;; %2 pour cent&#xa0;; 1 sur 2 et un quadrillage colorié à moitié, à côté de la roue</translation>
    </message>
    <message>
        <source>Restart Previous Game</source>
        <translation>Reprendre la partie</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>title screen</source>
        <translation>écran d’accueil</translation>
    </message>
    <message>
        <source>go back to the last game saved on the way out</source>
        <translation>reprendre la dernière partie, enregistrée en quittant</translation>
    </message>
    <message>
        <source>choose the players and start a new game</source>
        <translation>choisir les joueurs et commencer une nouvelle partie</translation>
    </message>
    <message>
        <source>end the program</source>
        <translation>quitter le programme</translation>
    </message>
</context>
<context>
    <name>Zandoli</name>
    <message>
        <source>Zandoli? — made for classrooms and homes</source>
        <translation>Zandoli? — pour la classe et la maison</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1 (key: %2)</source>
        <translation>%1 (touche&#xa0;: %2)</translation>
    </message>
    <message>
        <source>%1. Key: %2</source>
        <translation>%1. Touche&#xa0;: %2</translation>
    </message>
</context>
</TS>
