<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>About</name>
    <message>
        <source>About %1</source>
        <translation>Über %1</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>A card game for one to four players that teaches that %1, %2, 1/2 and a half-shaded tile are the same number.</source>
        <translation>Ein Kartenspiel für ein bis vier Spieler, das zeigt, dass %1; %2; 1/2 und ein zur Hälfte gefärbtes Kästchenfeld gleichwertig sind.</translation>
    </message>
    <message>
        <source>How to play</source>
        <translation>So wird gespielt</translation>
    </message>
    <message>
        <source>Licence</source>
        <translation>Lizenz</translation>
    </message>
    <message>
        <source>%1 is free software: you can redistribute it and/or modify it under the terms of the GNU General Public License as published by the Free Software Foundation, either version 3 of the License, or (at your option) any later version (%2). It comes with no warranty.</source>
        <translation>%1 ist freie Software: Sie können es unter den Bedingungen der GNU General Public License, wie von der Free Software Foundation veröffentlicht, weitergeben und/oder verändern, entweder gemäß Version 3 der Lizenz oder (nach Ihrer Wahl) jeder späteren Version (%2). Es wird ohne jede Gewährleistung bereitgestellt.</translation>
    </message>
    <message>
        <source>Read the licence: </source>
        <translation>Die Lizenz lesen: </translation>
    </message>
    <message>
        <source>on this computer</source>
        <translation>auf diesem Computer</translation>
    </message>
    <message>
        <source> (Debian and systems like it) or </source>
        <translation> (Debian und ähnliche Systeme) oder </translation>
    </message>
    <message>
        <source>on the web</source>
        <translation>im Web</translation>
    </message>
    <message>
        <source>Credits</source>
        <translation>Mitwirkende</translation>
    </message>
    <message>
        <source>Made by the Zandoli developers.</source>
        <translation>Ein Spiel der Zandoli-Entwickler.</translation>
    </message>
    <message>
        <source>Every picture, sound and text of the game, this page and the printable rules included, is made by the game&apos;s own code.</source>
        <translation>Alle Bilder, Klänge und Texte des Spiels – auch diese Seite und die Spielregeln zum Drucken – erzeugt das Spiel selbst.</translation>
    </message>
</context>
<context>
    <name>Cards</name>
    <message>
        <source>one tenth</source>
        <translation>ein Zehntel</translation>
    </message>
    <message>
        <source>one fifth</source>
        <translation>ein Fünftel</translation>
    </message>
    <message>
        <source>one quarter</source>
        <translation>ein Viertel</translation>
    </message>
    <message>
        <source>three tenths</source>
        <translation>drei Zehntel</translation>
    </message>
    <message>
        <source>two fifths</source>
        <translation>zwei Fünftel</translation>
    </message>
    <message>
        <source>one half</source>
        <translation>ein Halbes</translation>
    </message>
    <message>
        <source>three fifths</source>
        <translation>drei Fünftel</translation>
    </message>
    <message>
        <source>seven tenths</source>
        <translation>sieben Zehntel</translation>
    </message>
    <message>
        <source>three quarters</source>
        <translation>drei Viertel</translation>
    </message>
    <message>
        <source>four fifths</source>
        <translation>vier Fünftel</translation>
    </message>
    <message>
        <source>nine tenths</source>
        <translation>neun Zehntel</translation>
    </message>
    <message>
        <source>one whole</source>
        <translation>ein Ganzes</translation>
    </message>
    <message>
        <source>%1, as a whole number: %2</source>
        <translation>%1, als ganze Zahl: %2</translation>
    </message>
    <message>
        <source>%1, as a decimal: %2</source>
        <translation>%1, als Dezimalzahl: %2</translation>
    </message>
    <message>
        <source>%1, as a percentage: %2 percent</source>
        <translation>%1, in Prozent: %2 Prozent</translation>
    </message>
    <message>
        <source>%1, as a fraction: %2 over %3</source>
        <translation>%1, als Bruch: Zähler %2, Nenner %3</translation>
    </message>
    <message numerus="yes">
        <source>%1, as a tile with %n of 20 squares shaded</source>
        <translation>
            <numerusform>%1, als Kästchenfeld, in dem %n von 20 Kästchen gefärbt ist</numerusform>
            <numerusform>%1, als Kästchenfeld, in dem %n von 20 Kästchen gefärbt sind</numerusform>
        </translation>
    </message>
    <message>
        <source>star on red: discard any one card</source>
        <translation>Stern auf Rot: leg eine beliebige Karte ab</translation>
    </message>
    <message>
        <source>star on blue: take a card from the pack</source>
        <translation>Stern auf Blau: zieh eine Karte vom Stapel</translation>
    </message>
    <message>
        <source>half shaded</source>
        <translation>zur Hälfte gefärbt</translation>
    </message>
    <message>
        <source>all shaded</source>
        <translation>ganz gefärbt</translation>
    </message>
    <message>
        <source>%1 shaded</source>
        <translation>%1 gefärbt</translation>
    </message>
</context>
<context>
    <name>Exchange</name>
    <message>
        <source>cannot write %1</source>
        <translation>%1 kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>1 game</source>
        <translation>1 Spiel</translation>
    </message>
    <message numerus="yes">
        <source>%n games</source>
        <translation>
            <numerusform>%n Spiel</numerusform>
            <numerusform>%n Spiele</numerusform>
        </translation>
    </message>
    <message>
        <source>a game</source>
        <translation>einem Spiel</translation>
    </message>
    <message>
        <source>a player</source>
        <translation>einem Spieler</translation>
    </message>
    <message>
        <source>a choice</source>
        <translation>einer Wahl</translation>
    </message>
    <message>
        <source>%1 is not a Zandoli? record</source>
        <translation>%1 ist keine Ergebnisdatei von Zandoli?</translation>
    </message>
    <message>
        <source>%1 is damaged</source>
        <translation>%1 ist beschädigt</translation>
    </message>
    <message>
        <source>%1 was written by a newer version of Zandoli?; update this one first</source>
        <translation>%1 stammt von einer neueren Version von Zandoli?; bitte zuerst diese aktualisieren</translation>
    </message>
    <message>
        <source>%1 holds %2 this version cannot read</source>
        <translation>%1 enthält Angaben zu %2, die diese Version nicht lesen kann</translation>
    </message>
    <message>
        <source>%1 holds a name that is not text</source>
        <translation>%1 enthält einen Namen, der kein Text ist</translation>
    </message>
    <message>
        <source>no game has been recorded on this computer yet</source>
        <translation>auf diesem Computer wurde noch kein Spiel aufgezeichnet</translation>
    </message>
    <message>
        <source>wrote %1 to %2</source>
        <translation>%1 in %2 geschrieben</translation>
    </message>
    <message>
        <source>%1 cannot be read</source>
        <translation>%1 kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>%1 is too large to be a Zandoli? record</source>
        <translation>%1 ist zu groß für eine Ergebnisdatei von Zandoli?</translation>
    </message>
    <message>
        <source>cannot write the record %1</source>
        <translation>die Ergebnisse in %1 können nicht geschrieben werden</translation>
    </message>
    <message>
        <source>%1: %2 added, %3 already here</source>
        <translation>%1: %2 hinzugefügt, %3 schon vorhanden</translation>
    </message>
    <message>
        <source>%1: %2 added</source>
        <translation>%1: %2 hinzugefügt</translation>
    </message>
    <message>
        <source>wrote 1 row to %1</source>
        <translation>1 Zeile in %1 geschrieben</translation>
    </message>
    <message>
        <source>wrote %1 rows to %2</source>
        <translation>%1 Zeilen in %2 geschrieben</translation>
    </message>
    <message>
        <source>--import needs a file: zandoli --import FILE.zandoli</source>
        <translation>--import braucht eine Datei: zandoli --import DATEI.zandoli</translation>
    </message>
    <message>
        <source>--export needs a file ending in .pdf, .csv or .zandoli</source>
        <translation>--export braucht eine Datei mit .pdf, .csv oder .zandoli</translation>
    </message>
    <message>
        <source>no period &quot;%1&quot;: it is today, week, term or all</source>
        <translation>kein Zeitraum „%1“: möglich sind today, week, term oder all</translation>
    </message>
    <message>
        <source>%1: the file&apos;s name ends in .pdf, .csv or .zandoli</source>
        <translation>%1: der Dateiname endet auf .pdf, .csv oder .zandoli</translation>
    </message>
    <message>
        <source>the record could not be read</source>
        <translation>die Ergebnisse konnten nicht gelesen werden</translation>
    </message>
    <message>
        <source>--practice needs the name of a pupil</source>
        <translation>--practice braucht den Namen eines Kindes</translation>
    </message>
</context>
<context>
    <name>Explain</name>
    <message>
        <source>Spinner</source>
        <translation>Glücksrad</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>In your hand</source>
        <translation>Auf deiner Hand</translation>
    </message>
    <message>
        <source>Your card</source>
        <translation>Deine Karte</translation>
    </message>
    <message>
        <source>The digits of a fraction are not tenths: %1 is not %2.</source>
        <translation>Die Ziffern eines Bruchs sind keine Zehntel: %1 ist nicht gleich %2.</translation>
    </message>
    <message>
        <source>You counted the white squares.</source>
        <translation>Du hast die weißen Kästchen gezählt.</translation>
    </message>
    <message>
        <source>%1 is one tenth more than %2.</source>
        <translation>%1 ist um ein Zehntel größer als %2.</translation>
    </message>
    <message>
        <source>%1 is one tenth less than %2.</source>
        <translation>%1 ist um ein Zehntel kleiner als %2.</translation>
    </message>
    <message>
        <source>%1 and %2 begin with the same digit, but %1 is more than %2.</source>
        <translation>%1 und %2 beginnen mit derselben Ziffer, aber %1 ist größer als %2.</translation>
    </message>
    <message>
        <source>%1 and %2 begin with the same digit, but %1 is less than %2.</source>
        <translation>%1 und %2 beginnen mit derselben Ziffer, aber %1 ist kleiner als %2.</translation>
    </message>
    <message>
        <source>%1 is more than %2.</source>
        <translation>%1 ist größer als %2.</translation>
    </message>
    <message>
        <source>%1 is less than %2.</source>
        <translation>%1 ist kleiner als %2.</translation>
    </message>
    <message>
        <source>The shaded part is %1 of 20: %2.</source>
        <translation>Beim Glücksrad sind %1&#xa0;von&#xa0;20 gefärbt:&#xa0;%2.</translation>
    </message>
    <message>
        <source>Your card shades %1 of 20.</source>
        <translation>Auf deiner Karte sind %1&#xa0;von&#xa0;20 Kästchen gefärbt.</translation>
    </message>
    <message>
        <source>Your card, %1, is %2 of 20.</source>
        <translation>Deine Karte&#xa0;%1 steht für %2&#xa0;von&#xa0;20.</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 und %2</translation>
    </message>
    <message>
        <source>, </source>
        <translation>; </translation>
    </message>
    <message>
        <source>Your card: %1.</source>
        <translation>Deine Karte: %1.</translation>
    </message>
    <message>
        <source>You also had %1, the same as %2.</source>
        <translation>Du hattest auch noch %1 mit demselben Wert wie %2.</translation>
    </message>
    <message>
        <source>Cards left in your hand: %1.</source>
        <translation>Noch auf deiner Hand: %1.</translation>
    </message>
    <message>
        <source>Spinner: %1.</source>
        <translation>Glücksrad: %1.</translation>
    </message>
    <message>
        <source>a tile with %1 of 20 shaded</source>
        <translation>ein Kästchenfeld mit %1&#xa0;von&#xa0;20 gefärbten Kästchen</translation>
    </message>
</context>
<context>
    <name>Lesson</name>
    <message>
        <source>Every value, every form</source>
        <translation>Alle Werte, alle Darstellungen</translation>
    </message>
    <message>
        <source>the lesson is locked on this computer; %1 is not played</source>
        <translation>auf diesem Computer ist die Lektion fest eingestellt; %1 wird nicht gespielt</translation>
    </message>
    <message>
        <source>Halves, quarters and tenths</source>
        <translation>Halbe, Viertel und Zehntel</translation>
    </message>
    <message>
        <source>Tenths and quarters as decimals and percentages</source>
        <translation>Zehntel und Viertel als Dezimal- und Prozentzahlen</translation>
    </message>
    <message>
        <source>Fifths and tenths as fractions and tiles</source>
        <translation>Fünftel und Zehntel als Brüche und Kästchenfelder</translation>
    </message>
    <message>
        <source>Lesson</source>
        <translation>Lektion</translation>
    </message>
    <message>
        <source>Choose what the class plays: a lesson from the list, or the values and forms ticked below.</source>
        <translation>Wählen Sie, womit die Klasse spielt: eine Lektion aus der Liste oder die unten angekreuzten Werte und Darstellungen.</translation>
    </message>
    <message>
        <source>Built-in lessons</source>
        <translation>Vorbereitete Lektionen</translation>
    </message>
    <message>
        <source>Built-in lessons:</source>
        <translation>Vorbereitete Lektionen:</translation>
    </message>
    <message>
        <source>Name of the lesson</source>
        <translation>Name der Lektion</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>Cards of these values:</source>
        <translation>Karten mit diesen Werten:</translation>
    </message>
    <message>
        <source>Cards in these forms:</source>
        <translation>Karten in diesen Darstellungen:</translation>
    </message>
    <message>
        <source>none</source>
        <translation>keiner</translation>
    </message>
    <message>
        <source>Class code</source>
        <translation>Klassencode</translation>
    </message>
    <message>
        <source>letters and digits: every computer with the same code deals the same games</source>
        <translation>Buchstaben und Ziffern: Alle Computer mit demselben Code teilen in jedem Spiel dieselben Karten aus</translation>
    </message>
    <message>
        <source>Class code:</source>
        <translation>Klassencode:</translation>
    </message>
    <message>
        <source>Open File…</source>
        <translation>Datei öffnen…</translation>
    </message>
    <message>
        <source>Save as File…</source>
        <translation>Als Datei speichern…</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Type a name for the lesson.</source>
        <translation>Bitte geben Sie der Lektion einen Namen.</translation>
    </message>
    <message>
        <source>No card has a value and a form ticked: tick another value or form.</source>
        <translation>Zu den angekreuzten Werten und Darstellungen gibt es keine Karte: Kreuzen Sie einen weiteren Wert oder eine weitere Darstellung an.</translation>
    </message>
    <message>
        <source>Save the Lesson as a File</source>
        <translation>Lektion als Datei speichern</translation>
    </message>
    <message>
        <source>Open a Lesson File</source>
        <translation>Lektionsdatei öffnen</translation>
    </message>
    <message>
        <source>Lessons (*.lesson);;All files (*)</source>
        <translation>Lektionen (*.lesson);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Opened %1.</source>
        <translation>%1 geöffnet.</translation>
    </message>
    <message>
        <source>Saved as %1.</source>
        <translation>Als %1 gespeichert.</translation>
    </message>
    <message>
        <source>%1 could not be written.</source>
        <translation>%1 konnte nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>%1 cannot be read</source>
        <translation>%1 kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>it is not a lesson: a lesson is a text file</source>
        <translation>das ist keine Lektion: Eine Lektion ist eine Textdatei</translation>
    </message>
    <message>
        <source>it is too large for a lesson (64 KiB at most)</source>
        <translation>die Datei ist zu groß für eine Lektion (höchstens 64&#xa0;KiB)</translation>
    </message>
    <message>
        <source>no card has a value and a form of this lesson</source>
        <translation>keine Karte hat einen Wert und eine Darstellung dieser Lektion</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a line of the form key = value</source>
        <translation>„%1“ ist keine Zeile der Form Schlüssel = Wert</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a key of a lesson (name, values, forms, explain, sound, code)</source>
        <translation>„%1“ ist kein Schlüssel einer Lektion (name, values, forms, explain, sound, code)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is given twice</source>
        <translation>„%1“ steht zweimal da</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a value of the game (1/10 to 9/10, 1/5 to 4/5, 1/4, 1/2, 3/4, 1)</source>
        <translation>„%1“ ist kein Wert des Spiels (1/10 bis 9/10; 1/5 bis 4/5; 1/4; 1/2; 3/4; 1)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a form (decimal, percent, fraction, tile, whole)</source>
        <translation>„%1“ ist keine Darstellung (decimal, percent, fraction, tile, whole)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is neither on nor off</source>
        <translation>„%1“ ist weder on noch off</translation>
    </message>
    <message>
        <source>the name must be 1 to 60 characters</source>
        <translation>der Name muss 1 bis 60 Zeichen lang sein</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a class code: 1 to 12 letters and digits</source>
        <translation>„%1“ ist kein Klassencode: 1 bis 12 Buchstaben und Ziffern</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>Zeile %1: %2</translation>
    </message>
</context>
<context>
    <name>Names</name>
    <message>
        <source>Player Names</source>
        <translation>Namen der Spieler</translation>
    </message>
    <message>
        <source>The results show each player by this name. Leave it empty for the colour.</source>
        <translation>Die Ergebnisse zeigen jeden Spieler unter diesem Namen. Lass das Feld leer, dann bleibt die Farbe.</translation>
    </message>
    <message>
        <source>%1 player&apos;s name</source>
        <translation>Name des Spielers %1</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>Record</name>
    <message>
        <source>Took the unshaded part for the shaded part</source>
        <translation>Den ungefärbten Teil für den gefärbten gehalten</translation>
    </message>
    <message>
        <source>Read the digits of a fraction as a decimal</source>
        <translation>Die Ziffern eines Bruchs als Dezimalzahl gelesen</translation>
    </message>
    <message>
        <source>One tenth away from the value</source>
        <translation>Um ein Zehntel daneben</translation>
    </message>
    <message>
        <source>Confused a percentage or decimal with another of the same tenths</source>
        <translation>Eine Prozent- oder Dezimalzahl mit einer anderen mit denselben Zehnteln verwechselt</translation>
    </message>
    <message>
        <source>Another value</source>
        <translation>Ein anderer Wert</translation>
    </message>
    <message>
        <source>Passed by a card of the value</source>
        <translation>Eine passende Karte liegen gelassen</translation>
    </message>
</context>
<context>
    <name>Report</name>
    <message>
        <source>no game was recorded in this period</source>
        <translation>in diesem Zeitraum wurde kein Spiel aufgezeichnet</translation>
    </message>
    <message>
        <source>%1 played no game in this period</source>
        <translation>%1 hat in diesem Zeitraum kein Spiel gespielt</translation>
    </message>
    <message>
        <source>wrote a page for 1 pupil to %1</source>
        <translation>eine Seite für 1 Kind in %1 geschrieben</translation>
    </message>
    <message>
        <source>wrote a page for each of %1 pupils to %2</source>
        <translation>je eine Seite für %1 Kinder in %2 geschrieben</translation>
    </message>
    <message>
        <source>d MMMM yyyy</source>
        <translation>d. MMMM yyyy</translation>
    </message>
    <message>
        <source>All games recorded: %1</source>
        <translation>Alle aufgezeichneten Spiele: %1</translation>
    </message>
    <message>
        <source>Games since %1: %2</source>
        <translation>Spiele seit dem %1: %2</translation>
    </message>
    <message>
        <source>Week of %1: %2 matched, %3 wrong, %4 missed</source>
        <translation>Woche vom %1: %2 richtig, %3 falsch, %4 übersehen</translation>
    </message>
    <message>
        <source>(%1 matched, %2 wrong, %3 missed on the week before)</source>
        <translation>(%1 richtig, %2 falsch, %3 übersehen gegenüber der Vorwoche)</translation>
    </message>
    <message>
        <source>Zandoli? — what %1 learned</source>
        <translation>Zandoli? – was %1 gelernt hat</translation>
    </message>
    <message>
        <source>Week by week</source>
        <translation>Woche für Woche</translation>
    </message>
    <message>
        <source>Mistakes</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Zandoli? report</source>
        <translation>Zandoli?-Bericht</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Heute</translation>
    </message>
    <message>
        <source>This Week</source>
        <translation>Diese Woche</translation>
    </message>
    <message>
        <source>This Term (12 Weeks)</source>
        <translation>Die letzten 12 Wochen</translation>
    </message>
    <message>
        <source>All Games</source>
        <translation>Alle Spiele</translation>
    </message>
    <message>
        <source>Teacher&apos;s Report</source>
        <translation>Bericht für Lehrkräfte</translation>
    </message>
    <message>
        <source>Period</source>
        <translation>Zeitraum</translation>
    </message>
    <message>
        <source>Pupil</source>
        <translation>Kind</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Seiten</translation>
    </message>
    <message>
        <source>Save as PDF…</source>
        <translation>Als PDF speichern…</translation>
    </message>
    <message>
        <source>save the pages shown as a PDF to print</source>
        <translation>die gezeigten Seiten als PDF zum Drucken speichern</translation>
    </message>
    <message>
        <source>Save for a Spreadsheet…</source>
        <translation>Als Tabelle speichern…</translation>
    </message>
    <message>
        <source>save every choice of the period as a CSV file, a row a choice</source>
        <translation>jede Wahl des Zeitraums als CSV-Datei speichern, eine Zeile je Wahl</translation>
    </message>
    <message>
        <source>close the report</source>
        <translation>den Bericht schließen</translation>
    </message>
    <message>
        <source>Every Pupil</source>
        <translation>Alle Kinder</translation>
    </message>
    <message>
        <source>No game was recorded in this period.</source>
        <translation>In diesem Zeitraum wurde kein Spiel aufgezeichnet.</translation>
    </message>
    <message>
        <source>Save as PDF</source>
        <translation>Als PDF speichern</translation>
    </message>
    <message>
        <source>Zandoli report.pdf</source>
        <translation>Zandoli-Bericht.pdf</translation>
    </message>
    <message>
        <source>PDF documents (*.pdf)</source>
        <translation>PDF-Dokumente (*.pdf)</translation>
    </message>
    <message>
        <source>Save for a Spreadsheet</source>
        <translation>Als Tabelle speichern</translation>
    </message>
    <message>
        <source>Zandoli choices.csv</source>
        <translation>Zandoli-Auswahl.csv</translation>
    </message>
    <message>
        <source>CSV files for spreadsheets (*.csv)</source>
        <translation>CSV-Dateien für Tabellenkalkulationen (*.csv)</translation>
    </message>
    <message>
        <source>Confusions</source>
        <translation>Verwechslungen</translation>
    </message>
    <message>
        <source>Resolved in this period: %1</source>
        <translation>In diesem Zeitraum behoben: %1</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Lessons: %1</source>
        <translation>Lektionen: %1</translation>
    </message>
</context>
<context>
    <name>Results</name>
    <message>
        <source>Bars: filled for cards matched, hatched for wrong cards, outlined for cards missed</source>
        <translation>Balken: gefüllt für richtige Karten, schraffiert für Fehler, leer für übersehene Karten</translation>
    </message>
    <message>
        <source>matched</source>
        <translation>richtig</translation>
    </message>
    <message>
        <source>wrong</source>
        <translation>falsch</translation>
    </message>
    <message>
        <source>missed</source>
        <translation>übersehen</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Ergebnisse</translation>
    </message>
    <message>
        <source>No game has been recorded yet.</source>
        <translation>Es wurde noch kein Spiel aufgezeichnet.</translation>
    </message>
    <message>
        <source>Previous Game</source>
        <translation>Voriges Spiel</translation>
    </message>
    <message>
        <source>the results of the game before</source>
        <translation>die Ergebnisse des vorigen Spiels</translation>
    </message>
    <message>
        <source>Next Game</source>
        <translation>Nächstes Spiel</translation>
    </message>
    <message>
        <source>the results of the game after</source>
        <translation>die Ergebnisse des nächsten Spiels</translation>
    </message>
    <message>
        <source>Forget All Results</source>
        <translation>Ergebnisse löschen</translation>
    </message>
    <message>
        <source>delete every game recorded on this computer, after asking</source>
        <translation>alle auf diesem Computer aufgezeichneten Spiele nach einer Rückfrage löschen</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>close the results</source>
        <translation>die Ergebnisse schließen</translation>
    </message>
    <message>
        <source>No mistakes</source>
        <translation>Keine Fehler</translation>
    </message>
    <message>
        <source>Forget the results of every game played on this computer? This cannot be undone.</source>
        <translation>Die Ergebnisse aller auf diesem Computer gespielten Spiele löschen? Das lässt sich nicht rückgängig machen.</translation>
    </message>
    <message>
        <source>once</source>
        <translation>einmal</translation>
    </message>
    <message>
        <source>twice</source>
        <translation>zweimal</translation>
    </message>
    <message numerus="yes">
        <source>%n times</source>
        <translation>
            <numerusform>%n-mal</numerusform>
            <numerusform>%n-mal</numerusform>
        </translation>
    </message>
    <message>
        <source>1 spin</source>
        <translation>1 Drehung</translation>
    </message>
    <message numerus="yes">
        <source>%n spins</source>
        <translation>
            <numerusform>%n Drehung</numerusform>
            <numerusform>%n Drehungen</numerusform>
        </translation>
    </message>
    <message>
        <source>whole cards</source>
        <translation>ganze Zahlen</translation>
    </message>
    <message>
        <source>decimals</source>
        <translation>Dezimalzahlen</translation>
    </message>
    <message>
        <source>percentages</source>
        <translation>Prozentzahlen</translation>
    </message>
    <message>
        <source>fractions</source>
        <translation>Brüche</translation>
    </message>
    <message>
        <source>tiles</source>
        <translation>Kästchenfelder</translation>
    </message>
    <message>
        <source>%1: %2 matched, %3 wrong, %4 missed</source>
        <translation>%1: %2 richtig, %3 falsch, %4 übersehen</translation>
    </message>
    <message>
        <source>no card judged</source>
        <translation>keine Karte gespielt</translation>
    </message>
    <message>
        <source>; </source>
        <translation>; </translation>
    </message>
    <message>
        <source>%1: %2. %3.</source>
        <translation>%1: %2. %3.</translation>
    </message>
    <message>
        <source>%1 matched
%2 wrong
%3 missed</source>
        <translation>%1 richtig
%2 falsch
%3 übersehen</translation>
    </message>
    <message>
        <source>Missed %1: %2. The spinner showed %3.</source>
        <translation>%1 übersehen: %2. Das Glücksrad zeigte %3.</translation>
    </message>
    <message>
        <source>%1, %2. The spinner showed %3; pressed: %4.</source>
        <translation>%1, %2. Das Glücksrad zeigte %3; gewählt: %4.</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>dddd d MMMM yyyy, HH:mm</source>
        <translation>dddd, d. MMMM yyyy, HH:mm</translation>
    </message>
    <message>
        <source>under a minute</source>
        <translation>unter einer Minute</translation>
    </message>
    <message>
        <source>1 minute</source>
        <translation>1 Minute</translation>
    </message>
    <message numerus="yes">
        <source>%n minutes</source>
        <translation>
            <numerusform>%n Minute</numerusform>
            <numerusform>%n Minuten</numerusform>
        </translation>
    </message>
    <message>
        <source>won</source>
        <translation>gewonnen</translation>
    </message>
    <message>
        <source>%1 won</source>
        <translation>%1 hat gewonnen</translation>
    </message>
    <message>
        <source>not finished</source>
        <translation>nicht beendet</translation>
    </message>
    <message>
        <source> · </source>
        <translation> · </translation>
    </message>
    <message>
        <source>Report</source>
        <translation>Bericht</translation>
    </message>
    <message>
        <source>the teacher&apos;s report: each pupil&apos;s page over a period, to print or save</source>
        <translation>der Bericht für Lehrkräfte: die Seite jedes Kindes über einen Zeitraum, zum Drucken oder Speichern</translation>
    </message>
    <message>
        <source>The record could not be read.</source>
        <translation>Die Ergebnisse konnten nicht gelesen werden.</translation>
    </message>
    <message>
        <source>%1 (%2) passed by at %3</source>
        <translation>%1 (%2) übersehen bei %3</translation>
    </message>
    <message>
        <source>%1 (%2) for %3</source>
        <translation>%1 (%2) für %3</translation>
    </message>
    <message>
        <source>whole card</source>
        <translation>Ganzes</translation>
    </message>
    <message>
        <source>decimal</source>
        <translation>Dezimalzahl</translation>
    </message>
    <message>
        <source>percentage</source>
        <translation>Prozentzahl</translation>
    </message>
    <message>
        <source>fraction</source>
        <translation>Bruch</translation>
    </message>
    <message>
        <source>tile</source>
        <translation>Kästchenfeld</translation>
    </message>
    <message>
        <source>new</source>
        <translation>neu</translation>
    </message>
    <message>
        <source>still there, 1 session</source>
        <translation>noch da, seit 1 Sitzung</translation>
    </message>
    <message numerus="yes">
        <source>still there, %n sessions</source>
        <translation>
            <numerusform>noch da, seit %n Sitzung</numerusform>
            <numerusform>noch da, seit %n Sitzungen</numerusform>
        </translation>
    </message>
    <message>
        <source>resolved on %1</source>
        <translation>behoben am %1</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1: %2. Box %3 of 3; %4.</source>
        <translation>%1: %2. Fach %3 von 3; %4.</translation>
    </message>
    <message>
        <source>Practice</source>
        <translation>Üben</translation>
    </message>
    <message>
        <source>a one-player game for %1, dealt from what %1 confuses</source>
        <translation>ein Spiel allein für %1, aus dem gegeben, was %1 verwechselt</translation>
    </message>
    <message>
        <source>Confusions: %1</source>
        <translation>Verwechslungen: %1</translation>
    </message>
    <message>
        <source>%1: %2. Resolved on %3.</source>
        <translation>%1: %2. Behoben am %3.</translation>
    </message>
</context>
<context>
    <name>Rules</name>
    <message>
        <source>The Rules of Zandoli?</source>
        <translation>Die Spielregeln von Zandoli?</translation>
    </message>
    <message>
        <source>THE RULES</source>
        <translation>DIE SPIELREGELN</translation>
    </message>
    <message>
        <source>Zandoli? is designed for 1 - 4 players. To begin the game, click on the button showing the correct number of players. Play runs in the following sequence: Blue, Yellow, Magenta, Green.</source>
        <translation>Zandoli? spielt man allein, zu zweit, zu dritt oder zu viert. Um das Spiel zu beginnen, klicke auf die Schaltfläche mit der richtigen Spielerzahl. Gespielt wird in dieser Reihenfolge: Blau, Gelb, Magenta, Grün.</translation>
    </message>
    <message>
        <source>The computer shuffles the cards and deals 7 cards to each player. The smaller card towards the top of the screen represents the rest of the pack of cards.</source>
        <translation>Der Computer mischt die Karten und teilt jedem Spieler 7 Karten aus. Die kleinere Karte oben auf dem Bildschirm steht für den Rest des Kartenstapels.</translation>
    </message>
    <message>
        <source>Players take it in turns to spin the spinner. If the spinner points to a shaded shape, the player can discard all their equivalent cards. To do this the player clicks on the card and it will disappear. For example, if the shape is half shaded, the player can click on the cards showing %1, %2, 1/2 or the half shaded tile card to discard them. If the player clicks on an incorrect card, their turn ends and the turn passes to the next player.</source>
        <translation>Die Spieler drehen reihum das Glücksrad. Zeigt das Glücksrad auf eine gefärbte Form, darf der Spieler alle Karten mit demselben Wert ablegen. Dazu klickt er auf die Karte, und sie verschwindet. Ist die Form zum Beispiel zur Hälfte gefärbt, kann der Spieler die Karten mit %1; %2; 1/2 oder dem zur Hälfte gefärbten Kästchenfeld anklicken, um sie abzulegen. Klickt der Spieler auf eine falsche Karte, ist sein Zug zu Ende und der nächste Spieler ist an der Reihe.</translation>
    </message>
    <message>
        <source>If the spinner points to a star on a blue background, the player must pick up another card from the pack. The player does this by clicking on the small card towards the top of the screen representing the pack.</source>
        <translation>Zeigt das Glücksrad auf einen Stern auf blauem Grund, muss der Spieler eine weitere Karte vom Stapel ziehen. Dazu klickt er auf die kleine Karte oben auf dem Bildschirm, die für den Stapel steht.</translation>
    </message>
    <message>
        <source>If the spinner points to a star on a red background, the player can discard any one of their cards by clicking on it.</source>
        <translation>Zeigt das Glücksrad auf einen Stern auf rotem Grund, darf der Spieler eine beliebige seiner Karten ablegen, indem er sie anklickt.</translation>
    </message>
    <message>
        <source>When a player has completed their turn, they should click the &apos;Next Player&apos; button.</source>
        <translation>Wenn ein Spieler seinen Zug beendet hat, klickt er auf die Schaltfläche „Nächster Spieler“.</translation>
    </message>
    <message>
        <source>The first player to get rid of all their cards wins the game.</source>
        <translation>Wer als Erster alle Karten abgelegt hat, gewinnt.</translation>
    </message>
    <message>
        <source>The same value, four ways</source>
        <translation>Ein Wert – vier Darstellungen</translation>
    </message>
    <message>
        <source>Decimal</source>
        <translation>Dezimalzahl</translation>
    </message>
    <message>
        <source>Percentage</source>
        <translation>Prozentzahl</translation>
    </message>
    <message>
        <source>Fraction</source>
        <translation>Bruch</translation>
    </message>
    <message>
        <source>Shaded squares out of 20</source>
        <translation>Kästchenfeld (gefärbte Kästchen von 20)</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 von %2</translation>
    </message>
    <message>
        <source>Open Rules Document for Printing</source>
        <translation>Spielregeln zum Drucken öffnen</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>close the rules</source>
        <translation>die Spielregeln schließen</translation>
    </message>
    <message>
        <source>open the rules document to print it</source>
        <translation>das Dokument mit den Spielregeln zum Drucken öffnen</translation>
    </message>
    <message>
        <source>The Rules</source>
        <translation>Spielregeln</translation>
    </message>
    <message>
        <source>Zandoli Rules.doc</source>
        <extracomment>The printable rules&apos; file name, shown in the word processor&apos;s title bar</extracomment>
        <translation>Zandoli-Regeln.doc</translation>
    </message>
</context>
<context>
    <name>Setup</name>
    <message>
        <source>About Zandoli?</source>
        <translation>Über Zandoli?</translation>
    </message>
    <message>
        <source>The Rules</source>
        <translation>Spielregeln</translation>
    </message>
    <message>
        <source>Zandoli? logo: a half is %1 is %2 percent</source>
        <translation>Logo von Zandoli?: ein Halbes ist gleich %1 ist gleich %2 Prozent</translation>
    </message>
    <message>
        <source>Play Sound</source>
        <translation>Klänge abspielen</translation>
    </message>
    <message>
        <source>Hide Desktop</source>
        <translation>Desktop ausblenden</translation>
    </message>
    <message>
        <source>Select Number of Players</source>
        <translation>Wähle die Zahl der Spieler</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>show the rules of the game</source>
        <translation>die Spielregeln zeigen</translation>
    </message>
    <message>
        <source>1 player</source>
        <translation>1 Spieler</translation>
    </message>
    <message>
        <source>%1 players</source>
        <translation>%1 Spieler</translation>
    </message>
    <message>
        <source>Select Number of Players: start a game for %1</source>
        <translation>Wähle die Zahl der Spieler: ein Spiel für %1 beginnen</translation>
    </message>
    <message>
        <source>go back to the title screen</source>
        <translation>zum Startbildschirm zurückkehren</translation>
    </message>
    <message>
        <source>choose the number of players</source>
        <translation>die Zahl der Spieler wählen</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Ergebnisse</translation>
    </message>
    <message>
        <source>what each player learned in the games played</source>
        <translation>was jeder Spieler in den bisherigen Spielen gelernt hat</translation>
    </message>
    <message>
        <source>Names</source>
        <translation>Namen</translation>
    </message>
    <message>
        <source>give each player a name for the results</source>
        <translation>jedem Spieler einen Namen für die Ergebnisse geben</translation>
    </message>
    <message>
        <source>Explain Mistakes</source>
        <translation>Fehler erklären</translation>
    </message>
    <message>
        <source>after a wrong card, show why, and wait until it is read</source>
        <translation>nach einer falschen Karte den Grund zeigen und warten, bis er gelesen ist</translation>
    </message>
    <message>
        <source>Lesson…</source>
        <translation>Lektion…</translation>
    </message>
    <message>
        <source>choose the values and forms the class plays</source>
        <translation>die Werte und Darstellungen wählen, mit denen die Klasse spielt</translation>
    </message>
    <message>
        <source>Lesson: %1</source>
        <translation>Lektion: %1</translation>
    </message>
</context>
<context>
    <name>Table</name>
    <message>
        <source>Blue to Play</source>
        <translation>Blau ist dran</translation>
    </message>
    <message>
        <source>Yellow to Play</source>
        <translation>Gelb ist dran</translation>
    </message>
    <message>
        <source>Magenta to Play</source>
        <translation>Magenta ist dran</translation>
    </message>
    <message>
        <source>Green to Play</source>
        <translation>Grün ist dran</translation>
    </message>
    <message>
        <source>BLUE HAS WON!!!</source>
        <translation>BLAU HAT GEWONNEN!!!</translation>
    </message>
    <message>
        <source>YELLOW HAS WON!!!</source>
        <translation>GELB HAT GEWONNEN!!!</translation>
    </message>
    <message>
        <source>MAGENTA HAS WON!!!</source>
        <translation>MAGENTA HAT GEWONNEN!!!</translation>
    </message>
    <message>
        <source>GREEN HAS WON!!!</source>
        <translation>GRÜN HAT GEWONNEN!!!</translation>
    </message>
    <message>
        <source>TURN OVER</source>
        <translation>ZUG BEENDET</translation>
    </message>
    <message numerus="yes">
        <source>GAME WON IN %n SPINS!</source>
        <translation>
            <numerusform>SPIEL IN %n DREHUNG GEWONNEN!</numerusform>
            <numerusform>SPIEL IN %n DREHUNGEN GEWONNEN!</numerusform>
        </translation>
    </message>
    <message>
        <source>save this game and go back to the title screen</source>
        <translation>dieses Spiel speichern und zum Startbildschirm zurückkehren</translation>
    </message>
    <message>
        <source>YOU HAVE MADE AN INCORRECT CHOICE</source>
        <translation>DU HAST FALSCH GEWÄHLT</translation>
    </message>
    <message>
        <source>Spin the Spinner</source>
        <translation>Glücksrad drehen</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Neues Spiel</translation>
    </message>
    <message>
        <source>Next Player</source>
        <translation>Nächster Spieler</translation>
    </message>
    <message>
        <source>The Rules</source>
        <translation>Spielregeln</translation>
    </message>
    <message>
        <source>Number of Spins</source>
        <translation>Anzahl der Drehungen</translation>
    </message>
    <message>
        <source>a card in your hand: press it to discard it when it matches the spinner. Keys: arrows to move between cards, Space or Enter to press</source>
        <translation>eine Karte auf deiner Hand: drücke sie, um sie abzulegen, wenn sie zum Glücksrad passt. Tasten: die Pfeiltasten, um von Karte zu Karte zu gehen, Leertaste oder Eingabetaste zum Drücken</translation>
    </message>
    <message>
        <source>shuffle and deal a new game. Key: %1</source>
        <translation>mischen und ein neues Spiel austeilen. Taste: %1</translation>
    </message>
    <message>
        <source>end your turn and hand over to the next player. Key: %1</source>
        <translation>deinen Zug beenden und an den nächsten Spieler abgeben. Taste: %1</translation>
    </message>
    <message>
        <source>show the rules of the game. Key: %1</source>
        <translation>die Spielregeln zeigen. Taste: %1</translation>
    </message>
    <message>
        <source>the spinner</source>
        <translation>das Glücksrad</translation>
    </message>
    <message>
        <source>sixteen segments: shaded shapes, stars on red and a star on blue</source>
        <translation>sechzehn Felder: gefärbte Formen, Sterne auf Rot und ein Stern auf Blau</translation>
    </message>
    <message>
        <source>the segment under the spinner&apos;s pointer</source>
        <translation>das Feld unter dem Zeiger des Glücksrads</translation>
    </message>
    <message>
        <source>take a card from the pack</source>
        <translation>eine Karte vom Stapel ziehen</translation>
    </message>
    <message>
        <source>press it when the spinner shows the star on blue. Key: %1</source>
        <translation>drücke ihn, wenn das Glücksrad den Stern auf Blau zeigt. Taste: %1</translation>
    </message>
    <message>
        <source>Take a card (key: %1)</source>
        <translation>Karte ziehen (Taste: %1)</translation>
    </message>
    <message>
        <source>spin the spinner to start your turn. Key: %1</source>
        <translation>das Glücksrad drehen, um deinen Zug zu beginnen. Taste: %1</translation>
    </message>
    <message>
        <source>no spins yet</source>
        <translation>noch keine Drehung</translation>
    </message>
    <message>
        <source>spinning</source>
        <translation>das Glücksrad dreht sich</translation>
    </message>
    <message>
        <source>the spinner&apos;s pointer, not spun yet</source>
        <translation>der Zeiger des Glücksrads, noch nicht gedreht</translation>
    </message>
    <message>
        <source>spinner: %1</source>
        <translation>Glücksrad: %1</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Blau</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Gelb</translation>
    </message>
    <message>
        <source>Magenta</source>
        <translation>Magenta</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Grün</translation>
    </message>
    <message>
        <source>what each player matched, got wrong and missed in this game. Key: %1</source>
        <translation>was jeder Spieler in diesem Spiel richtig, falsch und übersehen hat. Taste: %1</translation>
    </message>
    <message>
        <source>See the Results</source>
        <translation>Ergebnisse ansehen</translation>
    </message>
    <message>
        <source>Lesson: %1 · class %2, game %3</source>
        <translation>Lektion: %1 · Klasse %2, Spiel %3</translation>
    </message>
    <message>
        <source>Lesson: %1</source>
        <translation>Lektion: %1</translation>
    </message>
    <message>
        <source>Practice for %1: what %1 confuses</source>
        <translation>Üben für %1: was %1 verwechselt</translation>
    </message>
    <message>
        <source>%1 has nothing to practise: an ordinary game</source>
        <translation>%1 hat nichts zu üben: ein gewöhnliches Spiel</translation>
    </message>
</context>
<context>
    <name>Title</name>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Cards showing %1, %2 percent, 1 over 2 and a half-shaded tile, beside the spinner</source>
        <translation>Karten mit %1; %2 Prozent; dem Bruch mit Zähler 1 und Nenner 2 und einem zur Hälfte gefärbten Kästchenfeld, neben dem Glücksrad</translation>
    </message>
    <message>
        <source>Restart Previous Game</source>
        <translation>Letztes Spiel fortsetzen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>title screen</source>
        <translation>Startbildschirm</translation>
    </message>
    <message>
        <source>go back to the last game saved on the way out</source>
        <translation>das letzte Spiel fortsetzen, das beim Verlassen gespeichert wurde</translation>
    </message>
    <message>
        <source>choose the players and start a new game</source>
        <translation>die Spieler wählen und ein neues Spiel beginnen</translation>
    </message>
    <message>
        <source>end the program</source>
        <translation>das Programm beenden</translation>
    </message>
</context>
<context>
    <name>Zandoli</name>
    <message>
        <source>Zandoli? — made for classrooms and homes</source>
        <translation>Zandoli? – für Schule und Zuhause</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1 (key: %2)</source>
        <translation>%1 (Taste: %2)</translation>
    </message>
    <message>
        <source>%1. Key: %2</source>
        <translation>%1. Taste: %2</translation>
    </message>
</context>
</TS>
