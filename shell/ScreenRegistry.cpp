#include "ScreenRegistry.h"

#include "Backdrop.h"
#include "Platform.h"
#include "RulesScreen.h"
#include "SaveFile.h"
#include "SetupScreen.h"
#include "ShellLook.h"
#include "TitleScreen.h"

#ifdef ZANDOLI_HAVE_TABLES
#include "OnePlayerTable.h"
#include "TableScreen.h"
#endif

namespace zandoli {

namespace {
const QString CANCEL = QStringLiteral("Cancel");
}  // namespace

ScreenRegistry::ScreenRegistry()
    : savefile_(QString::fromLatin1(savegame::SAVE_FILE)),
      titlefrm_(std::make_unique<TitleScreen>(*this)),
      grey_(std::make_unique<Backdrop>()),
      startplay2_(std::make_unique<SetupScreen>(*this)),
      tirrarules_(std::make_unique<RulesScreen>(*this)) {
    // The one place the tables plug into the shell.
#ifdef ZANDOLI_HAVE_TABLES
    tirra1_ = std::make_unique<TableScreen>(state_);
    zandoli1player_ = std::make_unique<OnePlayerTable>(state_);
    plugtable(tirra1_.get());
    plugtable(zandoli1player_.get());
#endif
}

ScreenRegistry::~ScreenRegistry() = default;

void ScreenRegistry::plugtable([[maybe_unused]] Screen* table) {
#ifdef ZANDOLI_HAVE_TABLES
    auto* screen = static_cast<TableScreen*>(table);
    connect(screen, &TableScreen::exitrequested, this,
            [this, table](bool save) { leavetable(*table, save); });
    // The table plays its own click; the shell only lays the rules on top.
    connect(screen, &TableScreen::rulesrequested, this, [this] { Tirrarules().show(); });
#endif
}

void ScreenRegistry::showtable() {
    Screen* table = state_.numplayers == 1 ? zandoli1player() : tirra1();
    if (table != nullptr) {
        table->show();
    }
}

void ScreenRegistry::leavetable(Screen& table, bool save) {
    if (save) {
        // A save that fails is not reported; the table is left all the same.
        (void)savegame::writesave(state_, savefile_.toStdString());
    }
    // Touching the caption loads the title screen, whose load turns sound on,
    // so this click is always heard.
    Titlefrm().setstartcaption(CANCEL);
    Titlefrm().show();
    table.unload();
    click(shelllook::CLICK);
}

void ScreenRegistry::click(const QString& written) {
    if (state_.playsound == 1) {
        playwav(written);
    }
}

void ScreenRegistry::endprogram() {
    for (Screen* screen :
         {static_cast<Screen*>(titlefrm_.get()), static_cast<Screen*>(startplay2_.get()),
          static_cast<Screen*>(tirrarules_.get()), tirra1_.get(), zandoli1player_.get(),
          static_cast<Screen*>(grey_.get())}) {
        if (screen != nullptr) {
            screen->unload();
        }
    }
    emit programended();
}

}  // namespace zandoli
