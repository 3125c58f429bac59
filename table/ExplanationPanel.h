#pragma once

#include <QFrame>
#include <QPointer>

#include "platform/ButtonLabel.h"
#include "platform/ClickLabel.h"
#include "platform/PictureBox.h"
#include "table/ExplanationWords.h"
#include "table/NumberLine.h"

namespace zandoli {

// The explanation of a mistake, laid over the spinner's dial (which has
// nothing to show while the turn waits): the spinner's value and the card's
// side by side as tiles of 20 squares, both marked on a number line, the
// sentence, and OK. Its controls are at fixed places in twips, like every
// control of the table.
class ExplanationPanel : public QFrame {
    Q_OBJECT

public:
    explicit ExplanationPanel(QWidget* parent);

    // Shows `words` in the colours of `player`.
    void showWords(const ExplanationWords& words, int player);
    ButtonLabel* okButton() const { return ok_; }
    ClickLabel* sentence() const { return sentence_; }
    PictureBox* spinTile() const { return spinTile_; }
    PictureBox* cardTile() const { return cardTile_; }
    NumberLine* numberLine() const { return line_; }

signals:
    // A press or a tap on the explanation, anywhere but OK.
    void pressed();

protected:
    void mousePressEvent(QMouseEvent* event) override;

private:
    QPointer<ClickLabel> spinCaption_;
    QPointer<ClickLabel> cardCaption_;
    QPointer<PictureBox> spinTile_;
    QPointer<PictureBox> cardTile_;
    QPointer<ClickLabel> relation_;
    QPointer<NumberLine> line_;
    QPointer<ClickLabel> sentence_;
    QPointer<ButtonLabel> ok_;
};

}  // namespace zandoli
