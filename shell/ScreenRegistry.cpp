#include "ScreenRegistry.h"

#include "Backdrop.h"
#include "Platform.h"
#include "RulesScreen.h"
#include "SaveFile.h"
#include "SetupScreen.h"
#include "ShellLook.h"
#include "TitleScreen.h"

#include "OnePlayerTable.h"
#include "TableScreen.h"

namespace zandoli {

namespace {
const QString CANCEL = QStringLiteral("Cancel");
}  // namespace

ScreenRegistry::ScreenRegistry()
    : savefile_(QString::fromLatin1(savegame::SAVE_FILE)),
      titlefrm_(std::make_unique<TitleScreen>(*this)),
      grey_(std::make_unique<Backdrop>()),
      startplay2_(std::make_unique<SetupScreen>(*this)),
      tirrarules_(std::make_unique<RulesScreen>(*this)),
      tirra1_(std::make_unique<TableScreen>(state_)),
      zandoli1player_(std::make_unique<OnePlayerTable>(state_)) {
    plugtable(*tirra1_);
    plugtable(*zandoli1player_);
}

ScreenRegistry::~ScreenRegistry() = default;

void ScreenRegistry::plugtable(TableScreen& table) {
    connect(&table, &TableScreen::exitrequested, this,
            [this, &table](bool save) { leavetable(table, save); });
    // A window closed another way is left as the accepted Exit leaves it,
    // except that a game still being dealt has nothing to keep yet.
    connect(&table, &TableScreen::windowclosed, this, [this, &table] {
        saverunninggame();
        leavetable(table, false);
    });
    // The table plays its own click; the shell only lays the rules on top.
    connect(&table, &TableScreen::rulesrequested, this, [this] { Tirrarules().show(); });
}

void ScreenRegistry::showtable() {
    if (state_.numplayers == 1) {
        zandoli1player().show();
    } else {
        tirra1().show();
    }
}

void ScreenRegistry::leavetable(Screen& table, bool save) {
    if (save) {
        // A save that fails is not reported; the table is left all the same.
        (void)writegame();
    }
    // Touching the caption loads the title screen, whose load turns sound on,
    // so this click is always heard.
    Titlefrm().setstartcaption(CANCEL);
    Titlefrm().show();
    table.unload();
    click(shelllook::CLICK);
}

bool ScreenRegistry::saverunninggame() {
    for (TableScreen* table : {tirra1_.get(), static_cast<TableScreen*>(zandoli1player_.get())}) {
        if (table->gamerunning()) {
            return writegame();
        }
    }
    return false;
}

bool ScreenRegistry::writegame() {
    return savegame::writesave(state_, savefile_.toStdString());
}

void ScreenRegistry::click(const QString& written) {
    if (state_.playsound == 1) {
        playwav(written);
    }
}

void ScreenRegistry::endprogram() {
    for (Screen* screen :
         {static_cast<Screen*>(titlefrm_.get()), static_cast<Screen*>(startplay2_.get()),
          static_cast<Screen*>(tirrarules_.get()), static_cast<Screen*>(tirra1_.get()),
          static_cast<Screen*>(zandoli1player_.get()), static_cast<Screen*>(grey_.get())}) {
        if (screen != nullptr) {
            screen->unload();
        }
    }
    emit programended();
}

}  // namespace zandoli
