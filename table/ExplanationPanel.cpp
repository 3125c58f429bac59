#include "table/ExplanationPanel.h"

#include <QCoreApplication>
#include <QMouseEvent>

#include "engine/Cards.h"
#include "look/Colours.h"
#include "look/TableArt.h"
#include "look/TableLayout.h"
#include "platform/FitText.h"
#include "platform/Speech.h"
#include "platform/Units.h"
#include "table/TableLook.h"

namespace zandoli {

namespace {

// Every place in twips from the panel's corner; the panel is 6000 twips
// square, the dial's place.
constexpr look::TwipRect SPIN_CAPTION{150, 120, 2700, 330};
constexpr look::TwipRect CARD_CAPTION{3150, 120, 2700, 330};
constexpr look::TwipRect SPIN_TILE{900, 480, 1200, 1800};
constexpr look::TwipRect CARD_TILE{3900, 480, 1200, 1800};
constexpr look::TwipRect RELATION{2400, 900, 1200, 960};
constexpr look::TwipRect LINE{150, 2370, 5700, 1080};
constexpr look::TwipRect SENTENCE{300, 3480, 5400, 1770};
constexpr look::TwipRect OK{2175, 5340, 1650, 510};
constexpr double TILE_CAPTION_POINTS = 12;
constexpr double SENTENCE_POINTS = 12.75;
constexpr double RELATION_POINTS = 42;
constexpr double OK_POINTS = 15;

QRect px(const look::TwipRect& r) {
    return units::pxRect(r.left, r.top, r.width, r.height);
}

ClickLabel* label(QWidget* parent, const char* name, const look::TwipRect& place, double points,
                  Qt::Alignment align) {
    auto* made = new ClickLabel(parent);
    made->setObjectName(QString::fromLatin1(name));
    made->setGeometry(px(place));
    made->setFont(units::font(look::TEXT_FONT, points, true));
    made->setAlignment(align);
    return made;
}

PictureBox* tile(QWidget* parent, const char* name, const look::TwipRect& place) {
    auto* made = new PictureBox(parent);
    made->setObjectName(QString::fromLatin1(name));
    made->setGeometry(px(place));
    return made;
}

}  // namespace

ExplanationPanel::ExplanationPanel(QWidget* parent) : QFrame(parent) {
    setObjectName(QStringLiteral("explanation"));
    setFrameShape(QFrame::Box);
    setAutoFillBackground(true);
    spinCaption_ =
        label(this, "explanationSpinCaption", SPIN_CAPTION, TILE_CAPTION_POINTS, Qt::AlignCenter);
    spinCaption_->setText(QCoreApplication::translate("Explain", "Spinner"));
    cardCaption_ =
        label(this, "explanationCardCaption", CARD_CAPTION, TILE_CAPTION_POINTS, Qt::AlignCenter);
    spinTile_ = tile(this, "explanationSpinTile", SPIN_TILE);
    cardTile_ = tile(this, "explanationCardTile", CARD_TILE);
    relation_ = label(this, "explanationRelation", RELATION, RELATION_POINTS, Qt::AlignCenter);
    line_ = new NumberLine(this);
    line_->setObjectName(QStringLiteral("explanationLine"));
    line_->setGeometry(px(LINE));
    sentence_ = label(this, "explanationSentence", SENTENCE, SENTENCE_POINTS,
                      Qt::AlignHCenter | Qt::AlignTop);
    sentence_->setWordWrap(true);
    ok_ = new ButtonLabel(QCoreApplication::translate("Explain", "OK"), this);
    ok_->setObjectName(QStringLiteral("explanationOkButton"));
    ok_->setGeometry(px(OK));
    ok_->setFont(units::font(look::TEXT_FONT, OK_POINTS, true));
    // The pictures, the line and the sentence say the same thing: a reader
    // hears it once, from OK, where the focus goes. A press on any of them is
    // a press on the explanation.
    for (QWidget* part : std::initializer_list<QWidget*>{spinCaption_, cardCaption_, spinTile_,
                                                         cardTile_, relation_, line_, sentence_}) {
        speech::hideFromReader(part);
        part->setAttribute(Qt::WA_TransparentForMouseEvents);
    }
    hide();
}

void ExplanationPanel::mousePressEvent(QMouseEvent* event) {
    QFrame::mousePressEvent(event);
    emit pressed();
}

void ExplanationPanel::showWords(const ExplanationWords& words, int player) {
    const QColor colour = look::player(player).colour.to<QColor>();
    const QColor white = look::WHITE.to<QColor>();
    QPalette back = palette();
    back.setColor(QPalette::Window, look::TABLE_BACKGROUND.to<QColor>());
    back.setColor(QPalette::WindowText, colour);
    setPalette(back);
    setLineWidth(units::line(3));
    const bool same = valuesMatch(words.spinValue, words.cardValue);
    cardCaption_->setText(same ? QCoreApplication::translate("Explain", "In your hand")
                               : QCoreApplication::translate("Explain", "Your card"));
    for (ClickLabel* caption : {spinCaption_.data(), cardCaption_.data()}) {
        caption->setTextColour(colour);
        fitText(caption);
    }
    spinTile_->setPicture(QString::fromStdString(look::tilePictureOf(words.spinShaded)));
    cardTile_->setPicture(QString::fromStdString(look::tilePictureOf(words.cardShaded)));
    relation_->setTextColour(white);
    relation_->setText(same ? QStringLiteral("=") : QStringLiteral("≠"));
    line_->setMarks({words.spinValue, words.spinMark, white},
                    {words.cardValue, words.cardMark, colour});
    sentence_->setTextColour(white);
    sentence_->setText(words.sentence);
    fitText(sentence_);
    ok_->setTextColour(colour);
    speech::setName(ok_, QCoreApplication::translate("Explain", "OK"));
    speech::setDescription(ok_, words.spoken);
    show();
    raise();
}

}  // namespace zandoli

#include "moc_ExplanationPanel.cpp"
