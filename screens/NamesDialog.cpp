#include "screens/NamesDialog.h"

#include <QCoreApplication>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

#include "look/Colours.h"
#include "platform/Platform.h"
#include "platform/ScreenControls.h"
#include "record/Records.h"

namespace zandoli {

NamesDialog::NamesDialog(QWidget* parent) : QDialog(parent) {
    screenControls::lookOfDialog(this, QStringLiteral("namesDialog"),
                                 QCoreApplication::translate("Names", "Player Names"));
    auto* grid = new QGridLayout(this);
    auto* intro = new QLabel(
        QCoreApplication::translate(
            "Names", "The results show each player by this name. Leave it empty for the colour."),
        this);
    intro->setWordWrap(true);
    grid->addWidget(intro, 0, 0, 1, 2);
    const QStringList kept = playerNames(static_cast<int>(look::PLAYERS.size()));
    for (int seat = 0; seat < static_cast<int>(look::PLAYERS.size()); ++seat) {
        const look::Player& player = look::player(seat);
        const QString colour = QCoreApplication::translate("Table", player.name);
        auto* edit = new QLineEdit(kept[seat], this);
        edit->setObjectName(QStringLiteral("name%1").arg(seat));
        edit->setMaxLength(MAX_NAME_LENGTH);
        edit->setPlaceholderText(colour);
        edit->setAccessibleName(
            QCoreApplication::translate("Names", "%1 player's name").arg(colour));
        auto* label = new QLabel(colour, this);
        label->setBuddy(edit);
        // The colour as the table shows it, behind its own name.
        label->setAutoFillBackground(true);
        QPalette palette = label->palette();
        palette.setColor(QPalette::Window, player.colour.to<QColor>());
        palette.setColor(QPalette::WindowText, player.cardText.to<QColor>());
        label->setPalette(palette);
        label->setMargin(4);
        grid->addWidget(label, seat + 1, 0);
        grid->addWidget(edit, seat + 1, 1);
        edits_.push_back(edit);
    }
    auto* ok = new QPushButton(QCoreApplication::translate("Names", "OK"), this);
    ok->setObjectName(QStringLiteral("namesOk"));
    ok->setDefault(true);
    auto* cancel = new QPushButton(QCoreApplication::translate("Names", "Cancel"), this);
    cancel->setObjectName(QStringLiteral("namesCancel"));
    connect(ok, &QPushButton::clicked, this, &NamesDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &NamesDialog::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    grid->addLayout(buttons, static_cast<int>(edits_.size()) + 1, 0, 1, 2);
    grid->setColumnMinimumWidth(1, fontMetrics().averageCharWidth() * 30);
}

QStringList NamesDialog::names() const {
    QStringList names;
    for (const QLineEdit* edit : edits_) {
        names << edit->text();
    }
    return names;
}

void NamesDialog::accept() {
    setPlayerNames(names());
    QDialog::accept();
}

}  // namespace zandoli

#include "moc_NamesDialog.cpp"
