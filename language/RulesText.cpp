#include "language/RulesText.h"

#include <QCoreApplication>

#include "language/Numbers.h"

namespace zandoli::rulesText {

QString documentName() {
    return QCoreApplication::translate("Rules", DOCUMENT);
}

QString heading() {
    return QCoreApplication::translate("Rules", "The Rules of Zandoli?");
}

QString subheading() {
    return QCoreApplication::translate("Rules", "THE RULES");
}

QStringList paragraphs() {
    return {
        QCoreApplication::translate(
            "Rules",
            "Zandoli? is designed for 1 - 4 players. To begin the game, click on the button "
            "showing the correct number of players. Play runs in the following sequence: Blue, "
            "Yellow, Magenta, Green."),
        QCoreApplication::translate(
            "Rules",
            "The computer shuffles the cards and deals 7 cards to each player. The smaller card "
            "towards the top of the screen represents the rest of the pack of cards."),
        // %1 and %2 are one half as a decimal and as a percentage, written as
        // the language writes numbers.
        QCoreApplication::translate(
            "Rules",
            "Players take it in turns to spin the spinner. If the spinner points to a shaded "
            "shape, the player can discard all their equivalent cards. To do this the player "
            "clicks on the card and it will disappear. For example, if the shape is half shaded, "
            "the player can click on the cards showing %1, %2, 1/2 or the half shaded tile card "
            "to discard them. If the player clicks on an incorrect card, their turn ends and the "
            "turn passes to the next player.")
            .arg(numbers::decimal(0.5), numbers::percent(0.5)),
        QCoreApplication::translate(
            "Rules",
            "If the spinner points to a star on a blue background, the player must pick up "
            "another card from the pack. The player does this by clicking on the small card "
            "towards the top of the screen representing the pack."),
        QCoreApplication::translate("Rules",
                                    "If the spinner points to a star on a red background, the "
                                    "player can discard any one of their cards by clicking on it."),
        QCoreApplication::translate(
            "Rules",
            "When a player has completed their turn, they should click the 'Next Player' button."),
        QCoreApplication::translate(
            "Rules", "The first player to get rid of all their cards wins the game."),
    };
}

}  // namespace zandoli::rulesText
