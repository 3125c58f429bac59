#include <QFileInfo>

#include "ButtonLabel.h"
#include "ClickLabel.h"
#include "RulesScreen.h"
#include "ShellFixture.h"

namespace zandoli {
namespace {

using RulesScreenTest = ShellTest;

TEST_F(RulesScreenTest, FitsFramelessInItsColourWithEveryText) {
    screens->Tirrarules().show();
    QWidget* rules = screens->Tirrarules().window();
    EXPECT_EQ(rules->size(), QSize(1024, 768));
    EXPECT_TRUE(rules->windowFlags() & Qt::FramelessWindowHint);
    EXPECT_EQ(rules->palette().color(QPalette::Window), QColor(37, 60, 136));

    auto* heading = control<ClickLabel>(screens->Tirrarules(), "Label1(0)");
    EXPECT_EQ(heading->text(), "The Rules of Zandoli?");
    EXPECT_EQ(heading->pos(), QPoint(128, 8));
    EXPECT_EQ(control<ClickLabel>(screens->Tirrarules(), "Label1(1)")->text(), "THE RULES");
    EXPECT_EQ(control<ClickLabel>(screens->Tirrarules(), "Label1(8)")->text(),
              "When a player has completed their turn, they should click the 'Next Player' "
              "button.");
    EXPECT_TRUE(control<ClickLabel>(screens->Tirrarules(), "Label1(3)")
                    ->text()
                    .contains("0.5, 50%, 1/2 or the half shaded tile card"));
    // Members 7 and 9 to 13 do not exist.
    EXPECT_EQ(rules->findChild<QWidget*>("Label1(7)"), nullptr);
    EXPECT_EQ(rules->findChild<QWidget*>("Label1(13)"), nullptr);

    // Body text: Arial 18 pt regular, wrapped, and it fits its label.
    for (int index : {6, 2, 3, 4, 5, 8, 14}) {
        auto* body =
            control<ClickLabel>(screens->Tirrarules(), QStringLiteral("Label1(%1)").arg(index));
        EXPECT_EQ(body->font().pixelSize(), 24);
        EXPECT_FALSE(body->font().bold());
        EXPECT_TRUE(body->wordWrap());
        EXPECT_LE(body->heightForWidth(body->width()), body->height()) << index;
        EXPECT_EQ(body->textcolour(), QColor(255, 255, 0));
    }
    // The Exit button on the bottom row lies inside the window.
    auto* exit = control<ButtonLabel>(screens->Tirrarules(), "Label3(0)");
    EXPECT_TRUE(rules->rect().contains(exit->geometry()));
}

TEST_F(RulesScreenTest, OpensTheDocumentEachTimeAndClicks) {
    screens->Tirrarules().show();
    state().playsound = 1;
    auto* document = control<ButtonLabel>(screens->Tirrarules(), "Label2");
    click(document);
    click(document);
    ASSERT_EQ(urls.opened.size(), 2);
    EXPECT_EQ(urls.opened[1].toLocalFile(),
              QFileInfo(folder.path() + "/Zandoli Rules.doc").absoluteFilePath());
    EXPECT_EQ(sounds.started, QStringList({"wav/click.wav", "wav/click.wav"}));
    EXPECT_TRUE(screens->Tirrarules().isloaded());

    // With sound off neither button clicks.
    state().playsound = 0;
    click(document);
    click(control<ButtonLabel>(screens->Tirrarules(), "Label3(0)"));
    EXPECT_FALSE(screens->Tirrarules().isloaded());
    EXPECT_EQ(sounds.started.size(), 2);
}

}  // namespace
}  // namespace zandoli
