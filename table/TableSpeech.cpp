// What a screen reader reads at the table beyond the controls' own texts.
#include "CardWords.h"
#include "Speech.h"
#include "Spinner.h"
#include "TableScreen.h"

namespace zandoli {

void TableScreen::namecontrols() {
    speech::setname(dial_, QStringLiteral("the spinner"));
    speech::setdescription(dial_, QStringLiteral("sixteen segments: shaded shapes, stars on red "
                                                 "and a star on blue"));
    speech::setdescription(closeup_, QStringLiteral("the segment under the spinner's pointer"));
    speech::setname(pack_, QStringLiteral("the pack"));
    speech::setdescription(pack_, QStringLiteral("take a card from the pack when the spinner "
                                                 "shows the star on blue"));
    speech::setdescription(spin_, QStringLiteral("spin the spinner to start your turn"));
    const std::array<QString, look::BUTTON_COUNT> descriptions = {
        QStringLiteral("save this game and go back to the title screen"),
        QStringLiteral("shuffle and deal a new game"),
        QStringLiteral("end your turn and hand over to the next player"),
        QStringLiteral("show the rules of the game")};
    for (size_t i = 0; i < descriptions.size(); ++i) {
        speech::setdescription(buttons_[i], descriptions[i]);
    }
}

void TableScreen::namecloseup() {
    closeupnaming_ = false;
    if (closeup_.isNull()) {
        return;
    }
    QString words;
    if (referee_->spinning()) {
        words = QStringLiteral("spinning");
    } else if (closeup_->picturename() != QLatin1String(CLOSEUP_AT_REST)) {
        words = QString::fromStdString(spinwords(referee_->result()));
    }
    speech::setname(closeup_, words);
}

}  // namespace zandoli
