<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
<context>
    <name>Rules</name>
    <message>
        <source>The Rules of Zandoli?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>THE RULES</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zandoli? is designed for 1 - 4 players. To begin the game, click on the button showing the correct number of players. Play runs in the following sequence: Blue, Yellow, Magenta, Green.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The computer shuffles the cards and deals 7 cards to each player. The smaller card towards the top of the screen represents the rest of the pack of cards.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Players take it in turns to spin the spinner. If the spinner points to a shaded shape, the player can discard all their equivalent cards. To do this the player clicks on the card and it will disappear. For example, if the shape is half shaded, the player can click on the cards showing %1, %2, 1/2 or the half shaded tile card to discard them. If the player clicks on an incorrect card, their turn ends and the turn passes to the next player.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>If the spinner points to a star on a blue background, the player must pick up another card from the pack. The player does this by clicking on the small card towards the top of the screen representing the pack.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>If the spinner points to a star on a red background, the player can discard any one of their cards by clicking on it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>When a player has completed their turn, they should click the &apos;Next Player&apos; button.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The first player to get rid of all their cards wins the game.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Table</name>
    <message>
        <source>Blue to Play</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yellow to Play</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Magenta to Play</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Green to Play</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>BLUE HAS WON!!!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>YELLOW HAS WON!!!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MAGENTA HAS WON!!!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GREEN HAS WON!!!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TURN OVER</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>GAME WON IN %Ln SPINS!</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
</context>
</TS>
